#include "Output.h"

#include "core/Surrogates.h"
#include "core/file/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace {

// The reason the first write to stdout fell short, 0 while all went well.
int stdoutError = 0;

} // namespace

void WriteBytes(std::FILE* stream, std::string_view bytes)
{
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stream);
    if (written < bytes.size() && stream == stdout && stdoutError == 0)
        stdoutError = errno != 0 ? errno : EIO;
}

bool FinishOutput(std::string& reason)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && stdoutError == 0)
        stdoutError = errno != 0 ? errno : EIO;
    if (stdoutError == 0)
        return true;
    reason = std::generic_category().message(stdoutError);
    return false;
}

void WriteUtf8(std::FILE* stream, std::u16string_view text)
{
    WriteBytes(stream, Utf16ToUtf8(text));
}

void ReportProblem(std::string_view message)
{
    std::string line = "quillmark-cli: ";
    line += message;
    line += '\n';
    WriteBytes(stderr, line);
}

void ReportAt(std::string_view name, int line, std::string_view message)
{
    std::string text(name);
    text += ':';
    text += std::to_string(line + 1);
    text += ": ";
    text += message;
    text += '\n';
    WriteBytes(stderr, text);
}

std::u16string FromUtf8(std::string_view bytes)
{
    std::u16string text;
    AppendUtf8AsUtf16(bytes, text);
    return text;
}

std::string ToUtf8(std::u16string_view text)
{
    return Utf16ToUtf8(text);
}

Utf8Output::Utf8Output(std::FILE* stream)
    : Utf8Output([stream](std::string_view bytes) { WriteBytes(stream, bytes); })
{
}

Utf8Output::Utf8Output(ByteWriter write)
    : write_(std::move(write))
    , buffer_(new char[BYTES])
{
}

Utf8Output::~Utf8Output()
{
    Flush();
}

void Utf8Output::PutInPieces(std::u16string_view text)
{
    while (!text.empty()) {
        const std::size_t room = (BYTES - size_) / 3;
        if (room < std::min<std::size_t>(text.size(), 2)) {
            Flush();
            continue;
        }
        std::size_t take = std::min(text.size(), room);
        // The two halves of a pair go out together, or they would each be a lone surrogate.
        if (take < text.size() && IsHighSurrogate(text[take - 1]))
            --take;
        size_ = static_cast<std::size_t>(
            EncodeUtf8(text.substr(0, take), buffer_.get() + size_) - buffer_.get());
        text.remove_prefix(take);
    }
}

void Utf8Output::PutUtf8(std::string_view bytes)
{
    if (bytes.size() <= BYTES - size_) {
        PutAscii(bytes);
        return;
    }
    Flush();
    write_(bytes);
}

void Utf8Output::PutAsciiInPieces(std::string_view text)
{
    while (!text.empty()) {
        if (size_ == BYTES)
            Flush();
        const std::size_t take = std::min(text.size(), BYTES - size_);
        std::memcpy(buffer_.get() + size_, text.data(), take);
        size_ += take;
        text.remove_prefix(take);
    }
}

void Utf8Output::Flush()
{
    if (size_ == 0)
        return;
    write_(std::string_view(buffer_.get(), size_));
    size_ = 0;
}

void TextComparison::Put(std::u16string_view text)
{
    if (!same_)
        return;
    if (!originalUtf8_.empty()) {
        encoded_.clear();
        AppendUtf16AsUtf8(text, encoded_);
        PutUtf8(encoded_);
        return;
    }
    same_
        = original_.size() - compared_ >= text.size() && original_.compare(compared_, text.size(), text) == 0;
    compared_ += text.size();
}

void TextComparison::PutUtf8(std::string_view bytes)
{
    if (!same_)
        return;
    if (originalUtf8_.empty()) {
        Put(FromUtf8(bytes));
        return;
    }
    same_ = originalUtf8_.size() - compared_ >= bytes.size()
        && originalUtf8_.compare(compared_, bytes.size(), bytes) == 0;
    compared_ += bytes.size();
}
