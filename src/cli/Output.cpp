#include "Output.h"

#include "core/file/Utf8.h"

void WriteBytes(std::FILE* stream, std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
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
