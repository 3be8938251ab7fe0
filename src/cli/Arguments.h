#pragma once

#include <optional>
#include <string>
#include <vector>

enum class CliCommand { Help, Languages, Keywords, Classify, Analyse, Format, Unformat, Align, Check };

// The line ends of what format, unformat and align put out.
enum class LineEnds {
    AsInput, // the first line end of the input: CR LF, LF or CR; CR LF when it has none
    CrLf,
    Lf,
};

struct CliArguments {
    CliCommand command = CliCommand::Help;
    // keywords: the code asked for; file commands: the --language code, if any.
    std::optional<std::string> languageCode;
    // classify and analyse: exactly one file. format, unformat, align and
    // check: one or more files and folders, "-" standing for standard input.
    std::vector<std::string> files;
    bool check = false; // format, unformat and align only
    bool write = false; // the same; never together with check
    bool strict = false; // check only: warnings count as errors
    LineEnds lineEnds = LineEnds::AsInput;
};

// The command line after the program name. On a usage mistake returns nothing
// and says what is wrong in `error`, one line without the program's name.
std::optional<CliArguments> ParseArguments(const std::vector<std::string>& args, std::string& error);
