#include "FileBytes.h"

#include "core/file/FeatureFileCodec.h"

#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Smaller files are read as every other file is.
constexpr std::size_t LARGE_FILE_BYTES = std::size_t(1) << 20;
constexpr std::size_t LARGE_PAGE_BYTES = std::size_t(2) << 20;

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

void FileBytes::Unmap::operator()(char* start) const
{
    ::munmap(start, length);
}

bool FileBytes::Read(const std::string& path, FileBytes& bytes, std::string& reason)
{
    bytes = FileBytes();
    // Anything out of the ordinary (no regular file, a read that fails, a
    // file that grows while it is read) is left to ReadFileBytes, which says why.
    const auto readAsAnyFile = [&] {
        std::string read;
        const bool done = ReadFileBytes(path, read, reason);
        bytes = FileBytes(std::move(read));
        return done;
    };
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0
        || static_cast<std::uintmax_t>(status.st_size) < LARGE_FILE_BYTES
        || static_cast<std::uintmax_t>(status.st_size) > std::numeric_limits<int>::max())
        return readAsAnyFile();
    const Descriptor file { ::open(path.c_str(), O_RDONLY | O_CLOEXEC) };
    if (file.fd < 0)
        return readAsAnyFile();
    const auto size = static_cast<std::size_t>(status.st_size);
    // Room for one byte more, which shows a file that grew, and for the start
    // to move to a large page's boundary.
    const std::size_t room = (size + LARGE_PAGE_BYTES) / LARGE_PAGE_BYTES * LARGE_PAGE_BYTES;
    const std::size_t length = room + LARGE_PAGE_BYTES;
    void* const mapped = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return readAsAnyFile();
    std::unique_ptr<char, Unmap> mapping(static_cast<char*>(mapped), Unmap { length });
    const auto boundary = (reinterpret_cast<std::uintptr_t>(mapped) + LARGE_PAGE_BYTES - 1) / LARGE_PAGE_BYTES
        * LARGE_PAGE_BYTES;
    char* const start = reinterpret_cast<char*>(boundary);
    ::madvise(start, room, MADV_HUGEPAGE);
    std::size_t got = 0;
    for (;;) {
        const ssize_t read = ::read(file.fd, start + got, size + 1 - got);
        if (read < 0)
            return readAsAnyFile();
        if (read == 0)
            break;
        got += static_cast<std::size_t>(read);
        if (got > size)
            return readAsAnyFile();
    }
    bytes.m_mapping = std::move(mapping);
    bytes.m_data = start;
    bytes.m_size = got;
    return true;
}
