// The editor's command line, run as a user runs it: a separate process.
#include <QuillmarkVersion.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Finished {
    int status = -1;
    QString out;
    QString err;
};

Finished RunEditor(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess editor;
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(QUILLMARK_EDITOR_PATH), arguments);
    if (!editor.waitForFinished(60000)) {
        editor.kill();
        editor.waitForFinished();
        ADD_FAILURE() << "the editor did not end";
    }
    const bool crashed = editor.exitStatus() != QProcess::NormalExit;
    return { crashed ? -1 : editor.exitCode(), QString::fromUtf8(editor.readAllStandardOutput()),
        QString::fromUtf8(editor.readAllStandardError()) };
}

// Asking for the usage or the version needs no display: both are answered
// before Qt looks for one, which would end the program without it.
TEST(EditorCommandLine, HelpAndVersionNeedNoDisplay)
{
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        noDisplay.remove(QString::fromLatin1(name));

    const Finished version = RunEditor({ "--version" }, noDisplay);
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("quillmark2 %1\n").arg(quillmarkVersion));

    const Finished help = RunEditor({ "some.feature", "--help" }, noDisplay);
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith("Usage: quillmark2 [FILE]")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("xvfb-run")) << "what to do without a display";
    EXPECT_EQ(RunEditor({ "-h" }, noDisplay).out, help.out);
}

// One document at a time: a second file is named on stderr, the first opened.
TEST(EditorCommandLine, ASecondFileIsReportedNotIgnored)
{
    QTemporaryDir home;
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    offscreen.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    offscreen.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    // The start-up probe ends the editor once its window is up.
    offscreen.insert(QStringLiteral("QUILLMARK_STARTUP_PROBE"), QStringLiteral("1"));

    const Finished run = RunEditor({ home.filePath("a.feature"), home.filePath("b.feature") }, offscreen);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("quillmark2: only one file can be opened at a time; %1 is not opened\n")
            .arg(home.filePath("b.feature"))))
        << run.err.toStdString();
}

} // namespace
