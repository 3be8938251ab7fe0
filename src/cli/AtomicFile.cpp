#include "AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason(int code)
{
    return std::generic_category().message(code);
}

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

    // A hidden name beside the file, in the same file system, so the rename is atomic.
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    std::string temporary = (target.parent_path() / name).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = Reason(errno);
        return false;
    }
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
