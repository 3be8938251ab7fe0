#include "Output.h"

#include "core/file/Utf8.h"

#include <cerrno>
#include <system_error>

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
