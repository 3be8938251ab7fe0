#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The benchmarks of widgets run in an application of their own, drawn
// offscreen so that no display is needed, with settings and application data
// of their own: the user's stored settings would change the figures, and
// what a benchmark stores is no business of the user's.
int main(int argc, char** argv)
{
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
