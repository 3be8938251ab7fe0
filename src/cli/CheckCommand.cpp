#include "Commands.h"
#include "FeatureDocument.h"
#include "Inputs.h"
#include "Output.h"
#include "core/gherkin/GherkinCheck.h"
#include "core/gherkin/GherkinDialect.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

namespace {

// The name a file goes by in front of its findings: as given, and standard
// input as compilers name it.
std::string_view FindingsName(const std::string& file)
{
    if (file == "-")
        return "<stdin>";
    return file;
}

// "FILE:LINE:COLUMN: error: MESSAGE" or "...: warning: MESSAGE [name]", the
// form that editors' and build servers' problem matchers read.
void PutProblem(Utf8Output& out, std::string_view file, const GherkinProblem& problem)
{
    out.PutAscii(file);
    char place[32];
    const int length
        = std::snprintf(place, sizeof place, ":%d:%d", problem.location.line, problem.location.column);
    out.PutAscii(std::string_view(place, static_cast<std::size_t>(length)));
    const bool error = problem.kind == GherkinProblem::Kind::Error;
    out.PutAscii(error ? ": error: " : ": warning: ");
    out.Put(problem.message);
    if (!error) {
        out.PutAscii(" [");
        out.PutAscii(problem.name);
        out.PutAscii("]");
    }
    out.PutAscii("\n");
}

int CheckOne(const std::string& file, const GherkinDialect& dialect, bool strict, Utf8Output& out)
{
    const auto decoded = ReadFeatureInput(file);
    if (!decoded)
        return STATUS_FAILURE;
    int status = STATUS_OK;
    for (const GherkinProblem& problem : CheckGherkin(decoded->text, CucumberKeywordTable(), dialect)) {
        PutProblem(out, FindingsName(file), problem);
        if (problem.kind == GherkinProblem::Kind::Error || strict)
            status = STATUS_REJECTED;
    }
    return status;
}

} // namespace

int RunCheck(const CliArguments& arguments)
{
    // Cucumber reads a file without a "# language:" line in English unless it is told otherwise.
    const std::string code = arguments.languageCode.value_or("en");
    const GherkinDialect* dialect = CucumberKeywordTable().Find(FromUtf8(code));
    if (!dialect) {
        ReportProblem("unknown language code '" + code + "' (Cucumber knows no such language)");
        return STATUS_FAILURE;
    }
    bool complete = true;
    int status = STATUS_OK;
    Utf8Output out(stdout);
    for (const std::string& file : CollectInputs(arguments.files, complete)) {
        int outcome = STATUS_FAILURE;
        try {
            outcome = CheckOne(file, *dialect, arguments.strict, out);
        } catch (const std::bad_alloc&) {
            // A file too large for memory is refused with a message, not a crash.
            ReportProblem("not enough memory to read " + DisplayName(file));
        }
        status = std::max(status, outcome);
    }
    return complete ? status : STATUS_FAILURE;
}
