#include "CQuillmark2App.h"
#include "CommandLine.h"
#include "StartupProbe.h"
#include "platform/AppInfo.h"
#include "platform/ReleasedMemory.h"

#include <QApplication>
#include <QElapsedTimer>

#include <optional>

int main(int argc, char* argv[])
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    KeepLargeBlocksOutOfTheHeap();

    if (const std::optional<int> status = AnswerWithoutWindow(argc, argv))
        return *status;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(AppInfo::organizationName);
    QApplication::setApplicationName(AppInfo::applicationName);
    QApplication::setApplicationVersion(AppInfo::fileVersion);

    CQuillmark2App theApp;
    const bool probe = StartupProbeRequested();
    // A measuring run leaves the user's settings and recent files as they were.
    theApp.SetSaveStateAtExit(!probe);
    if (!theApp.InitInstance(QApplication::arguments()))
        return 1;
    if (probe)
        ArmStartupProbe(*theApp.GetMainFrame(), sinceLaunch);

    const int code = QApplication::exec();
    theApp.ExitInstance();
    return code;
}
