#pragma once

#include <optional>
#include <string>
#include <vector>

enum class CliCommand { Help, Languages, Keywords, Classify, Analyse, Format, Unformat };

struct CliArguments {
    CliCommand command = CliCommand::Help;
    // keywords: the code asked for; file commands: the --language code, if any.
    std::optional<std::string> languageCode;
    std::string file;
    bool check = false; // format and unformat only
};

// The command line after the program name. On a usage mistake returns nothing
// and says what is wrong in `error`, one line without the program's name.
std::optional<CliArguments> ParseArguments(const std::vector<std::string>& args, std::string& error);
