#pragma once

#include "core/file/Utf8.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Everything the tool prints goes out as UTF-8 bytes, exactly as built: no
// locale, no line-end translation.
void WriteUtf8(std::FILE* stream, std::u16string_view text);
void WriteBytes(std::FILE* stream, std::string_view bytes);

// Flushes stdout. False, with the reason, when any of the output could not be
// written (a full disk, a closed pipe), so that it does not pass for success.
bool FinishOutput(std::string& reason);

// One line on stderr, behind the program's name.
void ReportProblem(std::string_view message);

// One line on stderr about a line of a file, "FILE:LINE: message", the way
// compilers say it, so that editors can go to the line. `line` counts from 0;
// the message counts from 1. `name` is the file as messages name it (DisplayName).
void ReportAt(std::string_view name, int line, std::string_view message);

// Command-line text (UTF-8) as the editor's UTF-16 text, and back.
std::u16string FromUtf8(std::string_view bytes);
std::string ToUtf8(std::u16string_view text);

// Where a command's text goes, piece by piece, so that a large result is
// never held whole.
class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void Put(std::u16string_view text) = 0;
    // Text given in its UTF-8 form, which is well-formed.
    virtual void PutUtf8(std::string_view bytes) = 0;
};

// Text written as UTF-8, in pieces of up to 32 KB, to a stream or to
// whatever takes the bytes. What is left is written when it is flushed or
// goes away.
class Utf8Output final : public TextSink {
public:
    using ByteWriter = std::function<void(std::string_view bytes)>;
    explicit Utf8Output(std::FILE* stream);
    explicit Utf8Output(ByteWriter write);
    ~Utf8Output() override;
    Utf8Output(const Utf8Output&) = delete;
    Utf8Output& operator=(const Utf8Output&) = delete;

    void Put(std::u16string_view text) override
    {
        // Three bytes a unit are room enough for any text.
        if (text.size() <= (BYTES - m_size) / 3)
            m_size = static_cast<std::size_t>(EncodeUtf8(text, m_buffer.get() + m_size) - m_buffer.get());
        else
            PutInPieces(text);
    }
    void PutUtf8(std::string_view bytes) override;
    // Text that is ASCII already, such as numbers.
    void PutAscii(std::string_view text)
    {
        if (text.size() <= BYTES - m_size) {
            std::memcpy(m_buffer.get() + m_size, text.data(), text.size());
            m_size += text.size();
        } else {
            PutAsciiInPieces(text);
        }
    }
    // Room for up to ROOM bytes at the end of what is put, written in place
    // and then taken with Advance.
    static constexpr std::size_t ROOM = 1 << 12;
    char* Room()
    {
        if (BYTES - m_size < ROOM)
            Flush();
        return m_buffer.get() + m_size;
    }
    void Advance(const char* end) { m_size = static_cast<std::size_t>(end - m_buffer.get()); }
    void Flush();

private:
    static constexpr std::size_t BYTES = 1 << 15;

    void PutInPieces(std::u16string_view text);
    void PutAsciiInPieces(std::string_view text);

    ByteWriter m_write;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_size = 0;
};

// Whether the text put is exactly `original`, without keeping it; compared
// as UTF-8 when `originalUtf8`, its UTF-8 form, is given (not empty).
class TextComparison final : public TextSink {
public:
    TextComparison(std::u16string_view original, std::string_view originalUtf8)
        : m_original(original)
        , m_originalUtf8(originalUtf8)
    {
    }
    void Put(std::u16string_view text) override;
    void PutUtf8(std::string_view bytes) override;
    bool Same() const
    {
        return m_same && m_compared == (m_originalUtf8.empty() ? m_original.size() : m_originalUtf8.size());
    }

private:
    std::u16string_view m_original;
    std::string_view m_originalUtf8;
    std::string m_encoded;
    std::size_t m_compared = 0;
    bool m_same = true;
};
