#include "AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(int code)
{
    return std::generic_category().message(code);
}

// The temporary files of a file are hidden beside it, in the same file system so
// that the rename is atomic, and named so that they are known for ours later:
// this, then six letters or digits of mkstemp's.
std::string TemporaryPrefix(const std::filesystem::path& target)
{
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".quillmark-";
    return prefix;
}
constexpr std::size_t uniqueLetters = 6;

} // namespace

bool WriteAllBytes(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool WriteFileAtomically(const std::string& path, const ContentsWriter& writeContents, std::string& error)
{
    std::error_code failure;
    std::filesystem::path target = std::filesystem::canonical(path, failure);
    if (failure) {
        error = failure.message();
        return false;
    }
    // The rename would replace a read-only file too; it stays as its owner wants it.
    struct stat old { };
    if (::access(target.c_str(), W_OK) != 0 || ::stat(target.c_str(), &old) != 0) {
        error = Reason(errno);
        return false;
    }
    // What became a FIFO or a device since it was read is not replaced by a file.
    if (!S_ISREG(old.st_mode)) {
        error = "it is not a regular file";
        return false;
    }

    std::string temporary
        = (target.parent_path() / (TemporaryPrefix(target) + std::string(uniqueLetters, 'X'))).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
    // Held until the file is closed, or its writer killed: a later run tells
    // by it that the file is no longer being written.
    ::flock(fd, LOCK_EX);
    // Root rewriting someone else's file gives it back to its owner; nobody
    // else may give a file away, so theirs stays theirs.
    const bool owned = ::geteuid() != 0 || ::fchown(fd, old.st_uid, old.st_gid) == 0;
    bool done = owned && writeContents(fd) && ::fchmod(fd, old.st_mode & 07777) == 0 && ::fsync(fd) == 0;
    int code = done ? 0 : errno;
    if (::close(fd) != 0 && done) {
        done = false;
        code = errno;
    }
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        code = errno;
    }
    if (done)
        return true;
    ::unlink(temporary.c_str());
    error = Reason(code != 0 ? code : EIO);
    return false;
}

void RemoveAbandonedTemporaries(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code failure;
    const fs::path target = fs::canonical(path, failure);
    if (failure)
        return;
    const std::string prefix = TemporaryPrefix(target);
    const auto ours = [&](const std::string& name) {
        return name.size() == prefix.size() + uniqueLetters && name.starts_with(prefix)
            && std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                [](unsigned char c) { return std::isalnum(c) != 0; });
    };
    for (fs::directory_iterator entry(target.parent_path(), failure), end; !failure && entry != end;
         entry.increment(failure)) {
        if (!ours(entry->path().filename().string()))
            continue;
        const int fd = ::open(entry->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat found { };
        if (::fstat(fd, &found) == 0 && S_ISREG(found.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(entry->path().c_str());
        ::close(fd);
    }
}
