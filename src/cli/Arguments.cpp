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
        { "align", CliCommand::Align },
        { "check", CliCommand::Check },
    };
    return names;
}

bool RewritesFiles(CliCommand command)
{
    return command == CliCommand::Format || command == CliCommand::Unformat || command == CliCommand::Align;
}

bool TakesFiles(CliCommand command)
{
    return RewritesFiles(command) || command == CliCommand::Check;
}

bool TakesFile(CliCommand command)
{
    return command == CliCommand::Classify || command == CliCommand::Analyse || TakesFiles(command);
}

bool IsOption(const std::string& arg, const std::string& name)
{
    return arg == name || arg.starts_with(name + "=");
}

// The value of an option given as "--name value" or "--name=value"; false
// when a separate value is missing. `i` moves past a separate value.
bool TakeValue(
    const std::vector<std::string>& args, std::size_t& i, const std::string& name, std::string& value)
{
    if (args[i] != name) {
        value = args[i].substr(name.size() + 1);
        return true;
    }
    if (i + 1 >= args.size())
        return false;
    value = args[++i];
    return true;
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
        std::string value;
        if (!isOption) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (TakesFile(parsed.command) && IsOption(arg, "--language")) {
            if (!TakeValue(args, i, "--language", value)) {
                error = "--language needs a language code";
                return std::nullopt;
            }
            parsed.languageCode = value;
        } else if (RewritesFiles(parsed.command) && arg == "--check") {
            parsed.check = true;
        } else if (parsed.command == CliCommand::Check && arg == "--strict") {
            parsed.strict = true;
        } else if (RewritesFiles(parsed.command) && arg == "--write") {
            parsed.write = true;
        } else if (RewritesFiles(parsed.command) && IsOption(arg, "--line-ends")) {
            if (!TakeValue(args, i, "--line-ends", value) || (value != "crlf" && value != "lf")) {
                error = "--line-ends takes crlf or lf";
                return std::nullopt;
            }
            parsed.lineEnds = value == "crlf" ? LineEnds::CrLf : LineEnds::Lf;
        } else {
            error = "unknown option '" + arg + "' for " + commandName;
            return std::nullopt;
        }
    }
    if (parsed.check && parsed.write) {
        error = "--check and --write do not go together";
        return std::nullopt;
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
    if (operands.size() > wanted && !TakesFiles(parsed.command)) {
        error = "unexpected argument '" + operands[wanted] + "' for " + commandName;
        return std::nullopt;
    }
    if (parsed.command == CliCommand::Keywords)
        parsed.languageCode = operands[0];
    else if (TakesFile(parsed.command))
        parsed.files = std::move(operands);
    return parsed;
}
