#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// One QApplication for the whole run, on the offscreen platform unless told otherwise: no display.
// The run has settings and application data of its own, which the editors it
// starts in child processes share: a recovery copy in the user's own data would
// otherwise stop a start-up at a question nobody answers.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char* folder : { "XDG_CONFIG_HOME", "XDG_DATA_HOME" }) {
        const QString path = home.filePath(QString::fromLatin1(folder));
        QDir().mkpath(path);
        qputenv(folder, QFile::encodeName(path));
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
