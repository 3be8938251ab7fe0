#pragma once

#include <cstdio>
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

// Command-line text (UTF-8) as the editor's UTF-16 text, and back.
std::u16string FromUtf8(std::string_view bytes);
std::string ToUtf8(std::u16string_view text);
