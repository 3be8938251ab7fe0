#include "FeatureFileCodec.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

namespace {

std::string ReasonFor(int code)
{
    return std::generic_category().message(code);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    bytes.clear();
    error.clear();

    // Opening a folder for reading succeeds on some systems and only the read
    // fails, with a less helpful reason; ask first.
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        error = ReasonFor(EISDIR);
        return false;
    }

    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        error = ReasonFor(errno != 0 ? errno : ENOENT);
        return false;
    }

    try {
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(path, sizeError);
        if (!sizeError)
            bytes.reserve(static_cast<std::size_t>(size));
        char chunk[1 << 16];
        for (;;) {
            const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
            bytes.append(chunk, got);
            if (got < sizeof chunk)
                break;
        }
    } catch (const std::bad_alloc&) {
        bytes.clear();
        bytes.shrink_to_fit();
        error = ReasonFor(ENOMEM);
        return false;
    }
    if (std::ferror(file.get())) {
        const int code = errno != 0 ? errno : EIO;
        bytes.clear();
        error = ReasonFor(code);
        return false;
    }
    return true;
}
