#include "DocumentTestSupport.h"

#include "document/SaveFileBytes.h"
#include "support/SavePromises.h"

#include <QDir>

#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace {

constexpr uid_t nobody = 65534;

// A folder of the test's own, in which `Mount` puts a tmpfs of 64 KiB for
// the life of the object; only root may mount one.
struct TinyDisk {
    bool Mount()
    {
        mounted = geteuid() == 0 && mount("tmpfs", name.constData(), "tmpfs", 0, "size=64k") == 0;
        return mounted;
    }
    ~TinyDisk()
    {
        if (mounted)
            umount(name.constData());
    }

    QTemporaryDir folder;
    QByteArray name = QFile::encodeName(folder.path());
    bool mounted = false;
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

// A file in a folder where no temporary file can be made is written in place,
// after a copy of its old bytes is kept; the copy goes once the save is done
// or the old bytes are back. A failure names the system's reason, which Qt
// does not know for a full disk.
TEST(SaveFileBytes, InAReadOnlyFolderTheFileIsWrittenInPlaceAndAFailureLeavesItAsItWas)
{
    const struct {
        const char* name;
        bool readOnlyFolder;
        int error; // 0: saved; EACCES: the file is read-only; ENOSPC: on a disk too small
    } cases[] = {
        { "a writable file", true, 0 },
        { "a file that cannot be written at all", true, EACCES },
        { "a write in place cut short half-way by a full disk", true, ENOSPC },
        { "a temporary file cut short by a full disk", false, ENOSPC },
    };
    const QByteArray old(40'000, 'o'), now(100'000, 'n');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TinyDisk disk;
        if (c.error == ENOSPC && !disk.Mount())
            GTEST_SKIP() << "mounting a tiny tmpfs needs root";
        QTemporaryDir copies;
        const QString path = disk.folder.filePath("x.feature");
        ASSERT_TRUE(WriteBytes(path, old));
        if (c.error == EACCES)
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
        bool saved = false;
        QString reason;
        const auto save = [&] { saved = SaveFileBytes(path, now, copies.path(), reason); };
        if (!c.readOnlyFolder)
            save();
        else if (!WithReadOnlyFolder(disk.folder.path(), path, copies.path(), save))
            GTEST_SKIP() << "root cannot act as the user nobody here";
        EXPECT_EQ(saved, c.error == 0);
        EXPECT_TRUE(c.error == 0 || reason == QString::fromLocal8Bit(strerror(c.error)))
            << reason.toStdString();
        EXPECT_EQ(ReadBytes(path), c.error == 0 ? now : old);
        EXPECT_EQ(QDir(copies.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        EXPECT_EQ(
            QDir(disk.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "x.feature" });
    }
}

// The editor saves as the command line does, with the same promises.
TEST(SaveFileBytes, KeepsThePromisesOfEverySave)
{
    QTemporaryDir copies;
    ExpectSavePromises(
        [&](const std::string& path) {
            QString reason;
            return SaveFileBytes(
                QFile::decodeName(path.c_str()), QByteArrayView("new\n"), copies.path(), reason);
        },
        "old\n", "new\n");
}

} // namespace
