#include "document/SaveFileBytes.h"
#include "document/CQuillmark2Doc.h"
#include "editor/ViewTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace {

constexpr uid_t nobody = 65534;

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A tmpfs of 64 KiB mounted over a temporary folder for the life of the
// object; only root may mount one.
class TinyDisk {
public:
    TinyDisk()
    {
        m_mounted = geteuid() == 0 && m_folder.isValid()
            && mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyDisk()
    {
        if (m_mounted)
            umount(QFile::encodeName(m_folder.path()).constData());
    }
    bool Mounted() const { return m_mounted; }
    QString Path(const QString& name) const { return QDir(m_folder.path()).filePath(name); }
    QString Folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

// Runs `action` as a user whom a folder's permissions stop: the test itself
// when it is not root, otherwise root as the effective user and group "nobody",
// taken back afterwards. `file` and `copies` are given to that user, `folder` is
// made read-only. False when root cannot become that user.
bool WithReadOnlyFolder(
    const QString& folder, const QString& file, const QString& copies, const std::function<void()>& action)
{
    const bool root = geteuid() == 0;
    if (root
        && (chown(QFile::encodeName(file).constData(), nobody, nobody) != 0
            || chown(QFile::encodeName(copies).constData(), nobody, nobody) != 0))
        return false;
    const auto writable = QFile::permissions(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const bool dropped = !root || (setegid(nobody) == 0 && seteuid(nobody) == 0);
    if (dropped)
        action();
    if (root && (seteuid(0) != 0 || setegid(0) != 0))
        std::abort(); // the rest of the run must not go on as "nobody"
    QFile::setPermissions(folder, writable);
    return dropped;
}

bool NoFileIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty();
}

TEST(SaveFileBytes, AWritableFileInAReadOnlyFolderIsWrittenInPlaceAndTheCopyRemoved)
{
    QTemporaryDir folder, copies;
    const QString path = QDir(folder.path()).filePath("x.feature");
    ASSERT_TRUE(WriteBytes(path, "Feature: old\r\n"));
    bool saved = false;
    QString reason;
    if (!WithReadOnlyFolder(folder.path(), path, copies.path(),
            [&] { saved = SaveFileBytes(path, "Feature: new\r\n", copies.path(), reason); }))
        GTEST_SKIP() << "root cannot act as the user nobody here";
    EXPECT_TRUE(saved) << reason.toStdString();
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: new\r\n"));
    EXPECT_TRUE(NoFileIn(copies.path())) << "the copy of the old bytes is gone after a good save";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "x.feature" });
}

TEST(SaveFileBytes, AFileThatCannotBeWrittenAtAllIsReportedAndKept)
{
    QTemporaryDir folder, copies;
    const QString path = QDir(folder.path()).filePath("x.feature");
    ASSERT_TRUE(WriteBytes(path, "Feature: old\r\n"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
    bool saved = true;
    QString reason;
    if (!WithReadOnlyFolder(folder.path(), path, copies.path(),
            [&] { saved = SaveFileBytes(path, "Feature: new\r\n", copies.path(), reason); }))
        GTEST_SKIP() << "root cannot act as the user nobody here";
    EXPECT_FALSE(saved);
    EXPECT_EQ(reason, QString::fromLocal8Bit(strerror(EACCES)));
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n"));
    EXPECT_TRUE(NoFileIn(copies.path()));
}

// A full disk: the document names the system's reason, and the old file stays.
TEST_F(ViewTest, ASaveOntoAFullDiskSaysNoSpaceIsLeft)
{
    TinyDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a tiny tmpfs needs root";
    const QString path = disk.Path("full.feature");
    ASSERT_TRUE(WriteBytes(path, "Feature: old\r\n"));
    CQuillmark2Doc document(view);
    ASSERT_TRUE(document.OnOpenDocument(path));
    view.insertPlainText(QString(100'000, u'x'));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(document.OnSaveDocument(path));
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0],
        QStringLiteral("Cannot save %1: %2.").arg(QDir::toNativeSeparators(path), strerror(ENOSPC)));
    EXPECT_EQ(ReadBytes(path), QByteArray("Feature: old\r\n"));
    EXPECT_EQ(QDir(disk.Folder()).entryList(QDir::Files | QDir::Hidden), QStringList { "full.feature" })
        << "no temporary file is left behind";
}

// Written in place, the file is cut short by the full disk half-way; the old
// bytes come back from the copy.
TEST(SaveFileBytes, AnInPlaceWriteThatFailsHalfWayPutsTheOldBytesBack)
{
    TinyDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "mounting a tiny tmpfs needs root";
    QTemporaryDir copies;
    const QString path = disk.Path("x.feature");
    const QByteArray old(40'000, 'o');
    ASSERT_TRUE(WriteBytes(path, old));
    bool saved = true;
    QString reason;
    if (!WithReadOnlyFolder(disk.Folder(), path, copies.path(),
            [&] { saved = SaveFileBytes(path, QByteArray(100'000, 'n'), copies.path(), reason); }))
        GTEST_SKIP() << "root cannot act as the user nobody here";
    EXPECT_FALSE(saved);
    EXPECT_EQ(reason, QString::fromLocal8Bit(strerror(ENOSPC)));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_TRUE(NoFileIn(copies.path())) << "the copy goes once the old bytes are back";
}

} // namespace
