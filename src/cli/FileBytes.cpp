#include "FileBytes.h"

#include "core/file/FeatureFileCodec.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Smaller files are read as every other file is.
constexpr std::size_t LARGE_FILE_BYTES = std::size_t(1) << 20;
constexpr std::size_t LARGE_PAGE_BYTES = std::size_t(2) << 20;
// Read in pieces small enough to be looked at again while the processor's
// cache still holds them.
constexpr std::size_t READ_BYTES = std::size_t(256) << 10;

// Whether `path` is a regular file large enough for the ways below, and
// small enough for a text's positions, which are ints; `status` is then its.
bool IsLargeRegularFile(const std::string& path, struct stat& status)
{
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0
        && static_cast<std::uintmax_t>(status.st_size) >= LARGE_FILE_BYTES
        && static_cast<std::uintmax_t>(status.st_size) <= std::numeric_limits<int>::max();
}

struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

bool FileBytes::IsPlainAscii(std::string_view bytes)
{
    const char* at = bytes.data();
    const char* const end = at + bytes.size();
#if defined(__SSE2__)
    // A zero byte takes 1 from 0 and sets the high bit, as a byte above ASCII has it.
    const __m128i ones = _mm_set1_epi8(1);
    __m128i marks = _mm_setzero_si128();
    for (; end - at >= 16; at += 16) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        marks = _mm_or_si128(marks, _mm_or_si128(here, _mm_sub_epi8(here, ones)));
    }
    if (_mm_movemask_epi8(marks) != 0)
        return false;
#endif
    for (; at < end; ++at)
        if (*at == '\0' || (static_cast<unsigned char>(*at) & 0x80) != 0)
            return false;
    return true;
}

namespace {

// What is said when a mapped file is cut short: its pages past the new end
// can no longer be read, and the system says so with SIGBUS. Only what a
// signal handler may call is called.
char cutShort[1024];
std::size_t cutShortLength = 0;

extern "C" void OnCutShort(int)
{
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, cutShort, cutShortLength);
    ::_exit(2);
}

} // namespace

bool FileBytes::Map(const std::string& path, FileBytes& bytes, std::string& reason)
{
    bytes = FileBytes();
    struct stat status { };
    if (!IsLargeRegularFile(path, status))
        return Read(path, bytes, reason);
    const Descriptor file { ::open(path.c_str(), O_RDONLY | O_CLOEXEC) };
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0
        || static_cast<std::uintmax_t>(status.st_size) < LARGE_FILE_BYTES)
        return Read(path, bytes, reason);
    const auto size = static_cast<std::size_t>(status.st_size);
    void* const mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.fd, 0);
    if (mapped == MAP_FAILED)
        return Read(path, bytes, reason);
    const std::string message
        = "quillmark-cli: cannot read " + path + ": it was cut short while it was read\n";
    cutShortLength = std::min(message.size(), sizeof cutShort);
    std::memcpy(cutShort, message.data(), cutShortLength);
    struct sigaction action { };
    action.sa_handler = OnCutShort;
    ::sigaction(SIGBUS, &action, nullptr);
    bytes.m_mapping = std::unique_ptr<char, Unmap>(static_cast<char*>(mapped), Unmap { size });
    bytes.m_data = static_cast<const char*>(mapped);
    bytes.m_size = size;
    bytes.m_plainAscii = IsPlainAscii(bytes.View());
    return true;
}

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
    if (!IsLargeRegularFile(path, status))
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
    bool plainAscii = true;
    for (;;) {
        const ssize_t read = ::read(file.fd, start + got, std::min(size + 1 - got, READ_BYTES));
        if (read < 0)
            return readAsAnyFile();
        if (read == 0)
            break;
        plainAscii
            = plainAscii && IsPlainAscii(std::string_view(start + got, static_cast<std::size_t>(read)));
        got += static_cast<std::size_t>(read);
        if (got > size)
            return readAsAnyFile();
    }
    bytes.m_mapping = std::move(mapping);
    bytes.m_data = start;
    bytes.m_size = got;
    bytes.m_plainAscii = plainAscii;
    return true;
}
