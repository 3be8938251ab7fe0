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
    : m_write(std::move(write))
    , m_buffer(new char[BYTES])
{
}

Utf8Output::~Utf8Output()
{
    Flush();
}

void Utf8Output::PutInPieces(std::u16string_view text)
{
    while (!text.empty()) {
        const std::size_t room = (BYTES - m_size) / 3;
        if (room < std::min<std::size_t>(text.size(), 2)) {
            Flush();
            continue;
        }
        std::size_t take = std::min(text.size(), room);
        // The two halves of a pair go out together, or they would each be a lone surrogate.
        if (take < text.size() && IsHighSurrogate(text[take - 1]))
            --take;
        m_size = static_cast<std::size_t>(
            EncodeUtf8(text.substr(0, take), m_buffer.get() + m_size) - m_buffer.get());
        text.remove_prefix(take);
    }
}

void Utf8Output::PutUtf8(std::string_view bytes)
{
    if (bytes.size() <= BYTES - m_size) {
        PutAscii(bytes);
        return;
    }
    Flush();
    m_write(bytes);
}

void Utf8Output::PutAsciiInPieces(std::string_view text)
{
    while (!text.empty()) {
        if (m_size == BYTES)
            Flush();
        const std::size_t take = std::min(text.size(), BYTES - m_size);
        std::memcpy(m_buffer.get() + m_size, text.data(), take);
        m_size += take;
        text.remove_prefix(take);
    }
}

void Utf8Output::Flush()
{
    if (m_size == 0)
        return;
    m_write(std::string_view(m_buffer.get(), m_size));
    m_size = 0;
}

void TextComparison::Put(std::u16string_view text)
{
    if (!m_same)
        return;
    if (!m_originalUtf8.empty()) {
        m_encoded.clear();
        AppendUtf16AsUtf8(text, m_encoded);
        PutUtf8(m_encoded);
        return;
    }
    m_same = m_original.size() - m_compared >= text.size()
        && m_original.compare(m_compared, text.size(), text) == 0;
    m_compared += text.size();
}

void TextComparison::PutUtf8(std::string_view bytes)
{
    if (!m_same)
        return;
    if (m_originalUtf8.empty()) {
        Put(FromUtf8(bytes));
        return;
    }
    m_same = m_originalUtf8.size() - m_compared >= bytes.size()
        && m_originalUtf8.compare(m_compared, bytes.size(), bytes) == 0;
    m_compared += bytes.size();
}
