#include "document/RecoveryCopy.h"
#include "document/RecoveryFile.h"
#include "document/SaveCopy.h"
#include "support/ShellFixture.h"

#include <QLockFile>
#include <QProcess>
#include <QTimer>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

namespace {

QFileInfoList Copies()
{
    return QDir(RecoveryFolder()).entryInfoList({ "*.recovery" }, QDir::Files);
}

std::optional<RecoveryRecord> OnlyCopy()
{
    const QFileInfoList copies = Copies();
    return copies.size() == 1 ? ReadRecoveryFile(copies[0].filePath()) : std::nullopt;
}

// Makes this process obey the permissions of files and folders, as root
// otherwise does not: the rights to override them are given up for good.
bool ObeyFilePermissions()
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct rights[2] {};
    if (syscall(SYS_capget, &header, rights) != 0)
        return false;
    for (const int right : { CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH })
        rights[right / 32].effective &= ~(1u << (right % 32));
    return syscall(SYS_capset, &header, rights) == 0;
}

class Recovery : public ShellFixture {
protected:
    // The timer that takes the copy a while after a change.
    QTimer& CopyTimer()
    {
        auto* timer = Frame().Recovery().findChild<QTimer*>("recoveryCopyDelay");
        Q_ASSERT(timer != nullptr);
        return *timer;
    }
    // Types at the end, sets the copy's timer off rather than wait for it, and
    // waits until the one copy holds the whole text.
    void TypeAndTakeCopy(const QString& text)
    {
        TypeAtEnd(text);
        ASSERT_TRUE(CopyTimer().isActive()) << "a change arms the timer";
        CopyTimer().start(0);
        ASSERT_TRUE(QTest::qWaitFor([this] { return OnlyCopy() && OnlyCopy()->wholeText == Text(); }, 10'000))
            << text.toStdString();
    }
    // A copy as a killed editor leaves it, with no lock holding it.
    void LeaveCopy(const RecoveryRecord& record) const
    {
        ASSERT_TRUE(QDir().mkpath(RecoveryFolder()));
        ASSERT_TRUE(WriteRecoveryFile(QDir(RecoveryFolder()).filePath("1-1.recovery"), record));
    }
};

TEST_F(Recovery, AModifiedDocumentHasACopyUntilItIsSavedDiscardedOrClosed)
{
    StartApp({ WriteFile("kept.feature", "Feature: kept\r\n") });
    EXPECT_FALSE(CopyTimer().isActive()) << "an unmodified document needs no copy";

    // Typing that goes on does not put the copy off: a keystroke while the
    // timer runs leaves it running as it was, not started again.
    TypeAtEnd("x");
    ASSERT_TRUE(CopyTimer().isActive());
    QTest::qWait(500);
    TypeAtEnd("x");
    // A coarse timer ends up to 5% early or late: started again it would have
    // at least 95% of the delay left, running on at most 105% less the wait.
    EXPECT_LT(CopyTimer().remainingTime(), RecoveryCopy::delayMilliseconds * 90 / 100);
    TypeAndTakeCopy("");
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_TRUE(Copies().isEmpty()) << "saved";

    m_boxes.answers << QMessageBox::No << QMessageBox::No;
    TypeAndTakeCopy("  Scenario: discarded\r\n");
    ASSERT_TRUE(Execute(ID_FILE_NEW));
    EXPECT_TRUE(Copies().isEmpty()) << "discarded by New";

    TypeAndTakeCopy("  Scenario: closed\r\n");
    ASSERT_TRUE(Frame().close());
    m_app->ExitInstance();
    m_app.reset();
    EXPECT_TRUE(QDir(RecoveryFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty())
        << "closed without saving: neither the copy nor its lock is left";
}

TEST_F(Recovery, TheFileKeepsEveryUnitOfTheTextAndRefusesACopyCutShort)
{
    const QString file = FilePath("x.recovery");
    const RecoveryRecord record { "/odd\npath/\"x\".feature", QDateTime::currentDateTimeUtc(),
        QString::fromUtf16(u"\uFEFFa\0b\r\n\xD800 lone\r\n|\u00E9|", 17) };
    ASSERT_TRUE(WriteRecoveryFile(file, record));
    const auto read = ReadRecoveryFile(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::tie(read->wholeText, read->path, read->written),
        std::tie(record.wholeText, record.path, record.written));

    ASSERT_TRUE(QFile::resize(file, QFileInfo(file).size() - 1));
    EXPECT_FALSE(ReadRecoveryFile(file).has_value()) << "half a UTF-16 unit";
}

// The restored text keeps what a save must write back: a byte-order mark, the line end, letters beyond Latin.
TEST_F(Recovery, ACopyLeftBehindIsOfferedAtStartUpOnceItsEditorHasEnded)
{
    const QDateTime written = QDateTime::currentDateTimeUtc().addSecs(-90);
    LeaveCopy({ QString(), written, "Feature: x" });
    QLockFile running(QDir(RecoveryFolder()).filePath("1-1.lock"));
    ASSERT_TRUE(running.tryLock(0));
    StartApp();
    EXPECT_TRUE(m_boxes.texts.isEmpty()) << "its editor still runs";
    running.unlock();

    m_boxes.answers << QMessageBox::No;
    StartApp();
    EXPECT_EQ(m_boxes.kinds, std::vector { MessageBoxKind::Question });
    const QString when = written.toLocalTime().toString("yyyy-MM-dd 'at' HH:mm:ss");
    EXPECT_TRUE(m_boxes.texts.join('|').contains(
        QString("A recovery copy of an untitled document, written on %1,").arg(when)))
        << m_boxes.texts.join('|').toStdString();
    EXPECT_TRUE(Copies().isEmpty()) << "a declined copy is deleted";
    EXPECT_FALSE(Doc().IsModified());

    const QString path = WriteFile("left.feature", "Feature: on disk\r\n");
    const QString text
        = QString::fromUtf8("\xEF\xBB\xBF# language: ru\r\nФункция: восстановлена\r\n  Сценарий: да");
    LeaveCopy({ path, written, text, "\n" });
    m_boxes.answers << QMessageBox::Yes;
    StartApp();
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(m_app->CurrentLanguage().Code(), u"ru") << "the restored text's language line counts";
    ASSERT_TRUE(Execute(ID_FILE_SAVE));
    EXPECT_EQ(ReadBytes(path), QString(text).replace("\r\n", "\n").toUtf8())
        << "saved over its file as the user would have saved it, with the file's line end";
}

// A copy that cannot be read (cut short, or not a copy at all) is said to be so
// and kept aside where the user can look at it, and is asked about no more.
TEST_F(Recovery, ACopyThatCannotBeReadIsKeptAsideAndSaidToBe)
{
    LeaveCopy({ "/cut.feature", QDateTime::currentDateTimeUtc(), "Feature: cut short by a whole unit" });
    const QString cut = QDir(RecoveryFolder()).filePath("1-1.recovery");
    ASSERT_TRUE(QFile::resize(cut, QFileInfo(cut).size() - 2));
    const QString notACopy = QDir(RecoveryFolder()).filePath("2-2.recovery");
    ASSERT_TRUE(WriteBytes(notACopy, "Feature: not a copy\r\n"));
    ASSERT_TRUE(QDir().mkpath(SaveCopyFolder()));
    const QString notASaveCopy = QDir(SaveCopyFolder()).filePath("x.feature.1.old");
    ASSERT_TRUE(WriteBytes(notASaveCopy, "{\"format\":\"Quillmark save copy\"}\nno path, no size"));

    StartApp();
    ASSERT_EQ(m_boxes.texts.size(), 3) << m_boxes.texts.join('|').toStdString();
    EXPECT_EQ(m_boxes.kinds, std::vector(3, MessageBoxKind::Error));
    for (const QString& copy : { notASaveCopy, cut, notACopy }) {
        const QFileInfo file(copy);
        const QString aside = file.dir().filePath("damaged/" + file.fileName());
        EXPECT_TRUE(QFileInfo::exists(aside)) << aside.toStdString();
        EXPECT_TRUE(m_boxes.texts.join('|').contains(
            "could not be read: it is cut short or damaged. It has been kept as "
            + QDir::toNativeSeparators(aside)))
            << aside.toStdString();
    }
    EXPECT_FALSE(Doc().IsModified());
    m_boxes.texts.clear();
    StartApp();
    EXPECT_EQ(m_boxes.texts, QStringList()) << "kept aside, they are asked about no more";
}

// The other side of the test below: an editor that saves a file in place, its
// folder closed to new files, and dies of the file size limit half-way
// through the write, as by a crash.
TEST_F(Recovery, ChildDiesWhileSavingInPlace)
{
    const QByteArray file = qgetenv("QUILLMARK_TEST_IN_PLACE_FILE");
    if (file.isEmpty())
        GTEST_SKIP() << "started by AnInPlaceSaveCutShortIsOfferedAtTheNextStart";
    qputenv("XDG_DATA_HOME", qgetenv("QUILLMARK_TEST_KILLED_EDITOR_DATA"));
    const QString path = QFile::decodeName(file);
    StartApp({ path });
    TypeAtEnd(QString(200'000, 'x'));
    ASSERT_TRUE(QFile::setPermissions(QFileInfo(path).absolutePath(),
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    ASSERT_TRUE(ObeyFilePermissions());
    const rlimit noCore { 0, 0 }, size { 64 * 1024, 64 * 1024 };
    ASSERT_EQ(setrlimit(RLIMIT_CORE, &noCore), 0);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &size), 0);
    Execute(ID_FILE_SAVE);
    FAIL() << "the save was not cut short";
}

TEST_F(Recovery, AnInPlaceSaveCutShortIsOfferedAtTheNextStart)
{
    ASSERT_TRUE(QDir(m_sandbox.path()).mkdir("closed"));
    const QByteArray old = "Feature: before the save\r\n";
    const QString path = WriteFile("closed/cut.feature", old);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLMARK_TEST_IN_PLACE_FILE", path);
    environment.insert("QUILLMARK_TEST_KILLED_EDITOR_DATA", m_sandbox.filePath("data"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(environment);
    editor.start(
        QCoreApplication::applicationFilePath(), { "--gtest_filter=Recovery.ChildDiesWhileSavingInPlace" });
    ASSERT_TRUE(editor.waitForFinished(60'000));
    QFile::setPermissions(
        QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(editor.exitStatus(), QProcess::CrashExit) << editor.readAllStandardOutput().toStdString();
    ASSERT_EQ(ReadBytes(path).size(), 64 * 1024) << "the save was cut short half-way";

    m_boxes.answers << QMessageBox::Yes;
    StartApp();
    ASSERT_FALSE(m_boxes.texts.isEmpty());
    EXPECT_EQ(m_boxes.texts[0],
        "The last save of " + QDir::toNativeSeparators(path)
            + " did not finish. Restore the file as it was before that save?");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(SaveCopyFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// The other side of the test below: the editor of a child process, typed into,
// waiting to be killed. It runs only when the test below starts it.
TEST_F(Recovery, ChildTypesAndWaitsToBeKilled)
{
    const QByteArray file = qgetenv("QUILLMARK_TEST_KILLED_EDITOR_FILE");
    if (file.isEmpty())
        GTEST_SKIP() << "started by TheTextTypedBeforeAKillIsOfferedAtTheNextStart";
    qputenv("XDG_DATA_HOME", qgetenv("QUILLMARK_TEST_KILLED_EDITOR_DATA"));
    StartApp({ QFile::decodeName(file) });
    View().moveCursor(QTextCursor::End);
    QTest::keyClicks(&View(), "  Scenario: typed before the kill");
    CopyTimer().start(0);
    std::puts("typed");
    std::fflush(stdout);
    QTest::qWait(60'000);
    FAIL() << "not killed";
}

TEST_F(Recovery, TheTextTypedBeforeAKillIsOfferedAtTheNextStart)
{
    const QString path = WriteFile("killed.feature", "Feature: killed\r\n");
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLMARK_TEST_KILLED_EDITOR_FILE", path);
    environment.insert("QUILLMARK_TEST_KILLED_EDITOR_DATA", m_sandbox.filePath("data"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    editor.setProcessEnvironment(environment);
    editor.start(
        QCoreApplication::applicationFilePath(), { "--gtest_filter=Recovery.ChildTypesAndWaitsToBeKilled" });
    ASSERT_TRUE(editor.waitForStarted());
    QByteArray output;
    while (!output.contains("typed\n") && editor.waitForReadyRead(20'000))
        output += editor.readAllStandardOutput();

    // The copy, its timer set off in the child, is there; then the editor is
    // killed, as by kill -9.
    ASSERT_TRUE(QTest::qWaitFor([] { return OnlyCopy().has_value(); }, 10'000));
    ::kill(pid_t(editor.processId()), SIGKILL);
    ASSERT_TRUE(editor.waitForFinished());

    m_boxes.answers << QMessageBox::Yes;
    StartApp();
    ASSERT_EQ(m_boxes.texts.size(), 1);
    EXPECT_TRUE(m_boxes.texts[0].contains(QDir::toNativeSeparators(path))) << m_boxes.texts[0].toStdString();
    EXPECT_EQ(View().WholeText(), "Feature: killed\r\n  Scenario: typed before the kill");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Copies().isEmpty() || OnlyCopy()->path == path) << "the killed editor's copy is gone";
}

} // namespace
