#include "SafeSave.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <random>
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
// this, then six letters or digits.
std::string TemporaryPrefix(const std::filesystem::path& target)
{
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".quillmark-";
    return prefix;
}
constexpr std::size_t uniqueLetters = 6;

// Makes a new temporary file for `target` with the given mode (less the
// umask), as mkstemp would with its own; its name is put into `temporary`.
int CreateTemporary(const std::filesystem::path& target, mode_t mode, std::string& temporary)
{
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryPrefix(target);
        for (std::size_t k = 0; k < uniqueLetters; ++k)
            name += letters[pick(random)];
        temporary = (target.parent_path() / name).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Why the file `target`, whose status is `old`, may not be replaced; empty
// when it may. Its mode is asked before access(), which lets root write any
// file: a file its owner made read-only stays so when root saves it.
std::string Refusal(const std::filesystem::path& target, const struct stat& old)
{
    // What became a FIFO or a device since it was read is not replaced by a file.
    if (!S_ISREG(old.st_mode))
        return "it is not a regular file";
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return Reason(EACCES);
    if (::access(target.c_str(), W_OK) != 0)
        return Reason(errno);
    return {};
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

SaveOutcome SaveFileSafely(const std::string& path, const ContentsWriter& writeContents, std::string& error)
{
    std::error_code failure;
    std::filesystem::path target = std::filesystem::canonical(path, failure);
    struct stat old { };
    const bool exists = !failure;
    if (exists) {
        if (::stat(target.c_str(), &old) != 0) {
            error = Reason(errno);
            return SaveOutcome::Failed;
        }
        // The rename would replace a read-only file too; it stays as its owner wants it.
        error = Refusal(target, old);
        if (!error.empty())
            return SaveOutcome::Failed;
    } else {
        // Only where nothing stands is a new file made; a link to nowhere is
        // not followed to make its target.
        struct stat link { };
        if (::lstat(path.c_str(), &link) == 0 || errno != ENOENT) {
            error = failure.message();
            return SaveOutcome::Failed;
        }
        target = std::filesystem::absolute(path, failure);
        if (failure) {
            error = failure.message();
            return SaveOutcome::Failed;
        }
    }

    // A new file gets the mode any new file gets; the old file's mode is given
    // to its replacement once its contents are in, not before.
    std::string temporary;
    const int fd = CreateTemporary(target, exists ? 0600 : 0666, temporary);
    if (fd < 0) {
        error = Reason(errno);
        return SaveOutcome::NoTemporaryFile;
    }
    // Held until the file is closed, or its writer killed: a later run tells
    // by it that the file is no longer being written.
    ::flock(fd, LOCK_EX);
    // Root rewriting someone else's file gives it back to its owner; nobody
    // else may give a file away, so theirs stays theirs.
    const bool owned = !exists || ::geteuid() != 0 || ::fchown(fd, old.st_uid, old.st_gid) == 0;
    bool done = owned && writeContents(fd) && (!exists || ::fchmod(fd, old.st_mode & 07777) == 0)
        && ::fsync(fd) == 0;
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
        return SaveOutcome::Saved;
    ::unlink(temporary.c_str());
    error = Reason(code != 0 ? code : EIO);
    return SaveOutcome::Failed;
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
