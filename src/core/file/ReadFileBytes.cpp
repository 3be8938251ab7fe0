#include "FeatureFileCodec.h"

#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
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

using File = std::unique_ptr<std::FILE, FileCloser>;

// Why what is not a regular file is not read: a FIFO would wait for a writer,
// a device could give bytes without end.
std::string NotAFileReason(std::filesystem::file_type type)
{
    switch (type) {
    case std::filesystem::file_type::directory:
        // Opening a folder succeeds on some systems and only the read fails, with a less helpful reason.
        return ReasonFor(EISDIR);
    case std::filesystem::file_type::fifo:
        return "it is a FIFO, not a regular file";
    case std::filesystem::file_type::character:
    case std::filesystem::file_type::block:
        return "it is a device, not a regular file";
    case std::filesystem::file_type::socket:
        return "it is a socket, not a regular file";
    default:
        return "it is not a regular file";
    }
}

// Opens a regular file for reading; anything else is refused with the reason it is.
File OpenForReading(const std::string& path, std::string& error)
{
    std::error_code status;
    const std::filesystem::file_type type = std::filesystem::status(path, status).type();
    // A path that cannot be looked at is left to the open to give the reason.
    if (!status && type != std::filesystem::file_type::regular) {
        error = NotAFileReason(type);
        return nullptr;
    }
    errno = 0;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        error = ReasonFor(errno != 0 ? errno : ENOENT);
    return file;
}

constexpr std::size_t PIECE_BYTES = 1 << 16;

// The piece-by-piece reading of ReadFeatureFile. False, with `error` empty,
// when the bytes turn out to need the whole-file decoding after all.
bool ReadUtf8Pieces(std::FILE* file, std::uintmax_t size, DecodedFeatureFile& decoded, std::string& error)
{
    // The bytes of a sequence that the piece ended inside of are moved in
    // front of the next piece, so that nothing else is copied.
    constexpr std::size_t OPEN = 3;
    std::unique_ptr<char[]> buffer(new char[OPEN + PIECE_BYTES]);
    char* const pieceStart = buffer.get() + OPEN;
    decoded.text.reserve(static_cast<std::size_t>(size));
    std::size_t open = 0;
    bool first = true;
    for (bool atEnd = false; !atEnd;) {
        const std::size_t got = std::fread(pieceStart, 1, PIECE_BYTES, file);
        atEnd = got < PIECE_BYTES;
        const std::string_view piece(pieceStart, got);
        // A byte-order mark, or a zero byte, which UTF-8 text has none of,
        // leaves the encoding to be told from all of the bytes.
        const bool marked = first && piece.size() >= 2
            && ((piece[0] == '\xFF' && piece[1] == '\xFE') || (piece[0] == '\xFE' && piece[1] == '\xFF'));
        if (marked || piece.find('\0') != std::string_view::npos)
            return false;
        first = false;
        std::string_view bytes(pieceStart - open, open + got);
        open = atEnd ? 0 : OpenUtf8Sequence(bytes);
        bytes.remove_suffix(open);
        decoded.replacedSequences += AppendUtf8AsUtf16(bytes, decoded.text);
        std::memmove(pieceStart - open, bytes.data() + bytes.size(), open);
    }
    if (std::ferror(file)) {
        error = ReasonFor(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error, std::size_t maxBytes)
{
    bytes.clear();
    error.clear();
    const File file = OpenForReading(path, error);
    if (!file)
        return false;

    try {
        std::error_code sizeError;
        const auto size = std::filesystem::file_size(path, sizeError);
        if (!sizeError)
            bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)));
        // The size given beforehand is not trusted: a file can grow while it is
        // read, and some report none.
        char chunk[PIECE_BYTES];
        for (;;) {
            const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
            if (got > maxBytes - bytes.size()) {
                bytes.clear();
                bytes.shrink_to_fit();
                error = ReasonFor(EFBIG);
                return false;
            }
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

bool ReadFeatureFile(const std::string& path, DecodedFeatureFile& decoded, std::string& error)
{
    decoded = {};
    error.clear();
    std::error_code failure;
    const std::filesystem::file_status status = std::filesystem::status(path, failure);
    // Only a regular file can be read a second time from its start.
    if (!failure && std::filesystem::is_regular_file(status)) {
        const File file = OpenForReading(path, error);
        if (!file)
            return false;
        try {
            std::error_code sizeError;
            const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
            errno = 0;
            if (ReadUtf8Pieces(file.get(), sizeError ? 0 : size, decoded, error))
                return true;
        } catch (const std::bad_alloc&) {
            error = ReasonFor(ENOMEM);
        }
        decoded = {};
        if (!error.empty())
            return false;
    }
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    decoded = DecodeFeatureFile(bytes);
    return true;
}
