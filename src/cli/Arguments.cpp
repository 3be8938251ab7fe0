#include "Arguments.h"

#include <map>

namespace {

const std::map<std::string, CliCommand>& CommandNames()
{
    static const std::map<std::string, CliCommand> names {
        { "help", CliCommand::Help },
        { "--help", CliCommand::Help },
        { "-h", CliCommand::Help },
        { "languages", CliCommand::Languages },
        { "--i18n-languages", CliCommand::Languages },
        { "keywords", CliCommand::Keywords },
        { "--i18n-keywords", CliCommand::Keywords },
        { "classify", CliCommand::Classify },
        { "analyse", CliCommand::Analyse },
        { "format", CliCommand::Format },
        { "unformat", CliCommand::Unformat },
    };
    return names;
}

bool TakesFile(CliCommand command)
{
    return command == CliCommand::Classify || command == CliCommand::Analyse || command == CliCommand::Format
        || command == CliCommand::Unformat;
}

bool TakesCheck(CliCommand command)
{
    return command == CliCommand::Format || command == CliCommand::Unformat;
}

} // namespace

std::optional<CliArguments> ParseArguments(const std::vector<std::string>& args, std::string& error)
{
    if (args.empty()) {
        error = "no command given";
        return std::nullopt;
    }
    const auto found = CommandNames().find(args[0]);
    if (found == CommandNames().end()) {
        error = "unknown command '" + args[0] + "'";
        return std::nullopt;
    }

    CliArguments parsed;
    parsed.command = found->second;
    const std::string& commandName = args[0];
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (TakesFile(parsed.command) && (arg == "--language" || arg.starts_with("--language="))) {
            if (arg == "--language") {
                if (i + 1 >= args.size()) {
                    error = "--language needs a language code";
                    return std::nullopt;
                }
                parsed.languageCode = args[++i];
            } else {
                parsed.languageCode = arg.substr(std::string("--language=").size());
            }
        } else if (TakesCheck(parsed.command) && arg == "--check") {
            parsed.check = true;
        } else {
            error = "unknown option '" + arg + "' for " + commandName;
            return std::nullopt;
        }
    }

    std::size_t wanted = 0;
    const char* operandName = "";
    if (parsed.command == CliCommand::Keywords) {
        wanted = 1;
        operandName = "a language code";
    } else if (TakesFile(parsed.command)) {
        wanted = 1;
        operandName = "a file";
    }
    if (operands.size() < wanted) {
        error = commandName + " needs " + operandName;
        return std::nullopt;
    }
    if (operands.size() > wanted) {
        error = "unexpected argument '" + operands[wanted] + "' for " + commandName;
        return std::nullopt;
    }
    if (parsed.command == CliCommand::Keywords)
        parsed.languageCode = operands[0];
    else if (TakesFile(parsed.command))
        parsed.file = operands[0];
    return parsed;
}
