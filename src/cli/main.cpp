#include "Arguments.h"
#include "Commands.h"
#include "Output.h"

#include <QuillmarkVersion.h>

#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

int RunCommand(const CliArguments& arguments)
{
    switch (arguments.command) {
    case CliCommand::Help:
        WriteBytes(stdout, UsageText());
        return STATUS_OK;
    case CliCommand::Languages:
        return RunLanguages();
    case CliCommand::Keywords:
        return RunKeywords(arguments);
    case CliCommand::Classify:
        return RunClassify(arguments);
    case CliCommand::Analyse:
        return RunAnalyse(arguments);
    case CliCommand::Format:
    case CliCommand::Unformat:
    case CliCommand::Align:
        return RunRewrite(arguments);
    case CliCommand::Check:
        return RunCheck(arguments);
    }
    return STATUS_FAILURE;
}

// Output that could not be written is a failure, whatever the command said.
int Finished(int status)
{
    std::string reason;
    if (!FinishOutput(reason)) {
        ReportProblem("cannot write the output: " + reason);
        return STATUS_FAILURE;
    }
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        WriteBytes(stderr, UsageText());
        return STATUS_FAILURE;
    }
    if (std::string_view(argv[1]) == "--version") {
        WriteBytes(stdout, std::string("quillmark-cli ") + quillmarkVersion + "\n");
        return Finished(STATUS_OK);
    }
    std::string error;
    const auto arguments = ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        ReportProblem(error + " (quillmark-cli --help shows the usage)");
        return STATUS_FAILURE;
    }
    int status = STATUS_FAILURE;
    try {
        status = RunCommand(*arguments);
    } catch (const std::bad_alloc&) {
        // A file too large for memory is refused with a message, not a crash.
        ReportProblem(arguments->files.empty() ? std::string("not enough memory")
                                               : "not enough memory to read " + arguments->files.front());
        return STATUS_FAILURE;
    }
    return Finished(status);
}
