#include "Commands.h"
#include "FeatureDocument.h"
#include "Inputs.h"
#include "LineEnds.h"
#include "Output.h"
#include "Rewritten.h"
#include "core/editor/LineAnalysis.h"
#include "core/file/SafeSave.h"
#include "core/language/KeywordDictionary.h"
#include "core/table/AlignTables.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <string>

namespace {

std::string Cells(int count)
{
    return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

void ReportTablesLeftAlone(const std::string& file, const LineAnalysis& analysis)
{
    for (const UnalignedTable& table : TablesLeftAlone(analysis)) {
        std::string why;
        switch (table.reason) {
        case TableLeftAlone::TEXT_AFTER_LAST_SEPARATOR:
            why = "Cucumber ignores what follows the last \"|\" of this row; end the row with \"|\" to make "
                  "that a cell";
            break;
        case TableLeftAlone::UNEVEN_ROWS:
            why = "this row has " + Cells(table.cells) + " and the table's first row "
                + Cells(table.firstRowCells) + ", which Cucumber reports as an error";
            break;
        case TableLeftAlone::MAY_RUN_PAST_LIMIT:
            why = "its rows may go on past line " + std::to_string(analysis.maxAnalysedLines)
                + ", the last line Quillmark analyses";
            break;
        }
        ReportAt(DisplayName(file), table.line, "table left as it is: " + why);
    }
}

int RewriteOne(const CliArguments& arguments, const std::string& file)
{
    if (arguments.write && file != "-")
        RemoveAbandonedTemporaries(file);
    const auto document = OpenFeatureDocument(file, arguments.languageCode, DecodedLines::Analysed);
    if (!document)
        return STATUS_FAILURE;
    const TextLineSource& source = document->source;
    LineAnalysis analysis;
    analysis.AnalyseAll(document->language, DocumentLines(*document));
    if (const auto note = UnanalysedLinesNote(*document, analysis, DisplayName(file))) {
        ReportProblem(*note + ", so lines " + std::to_string(analysis.RelayableLineCount() + 1) + " to "
            + std::to_string(document->lineCount) + " were left as they were");
    }
    if (arguments.command == CliCommand::Align)
        ReportTablesLeftAlone(file, analysis);
    const std::u16string_view lineEnd = OutputLineEnd(arguments.lineEnds, source.text());
    if (!arguments.check && (!arguments.write || file == "-")) {
        Utf8Output out(stdout);
        PutRewritten(arguments.command, *document, analysis, lineEnd, out);
        return STATUS_OK;
    }

    // In form means that the output would be the input exactly, line ends included.
    TextComparison comparison(source.text(), document->utf8.View());
    PutRewritten(arguments.command, *document, analysis, lineEnd, comparison);
    if (comparison.Same())
        return STATUS_OK;
    if (arguments.check) {
        ReportProblem(DisplayName(file) + " would change");
        return STATUS_NOT_IN_FORM;
    }
    if (document->replacedSequences > 0) {
        ReportProblem(file + " not rewritten: bytes that could not be decoded would be lost");
        return STATUS_FAILURE;
    }
    if (document->unrecognisedEncoding) {
        ReportProblem(file + " not rewritten: it is neither UTF-8 nor UTF-16 text");
        return STATUS_FAILURE;
    }
    // The new text goes to the file as it is made, never held whole beside the old one.
    const auto writeContents = [&](int fd) {
        int failure = 0;
        {
            Utf8Output out([&](std::string_view bytes) {
                if (failure == 0 && !WriteAllBytes(fd, bytes))
                    failure = errno != 0 ? errno : EIO;
            });
            PutRewritten(arguments.command, *document, analysis, lineEnd, out);
        }
        errno = failure;
        return failure == 0;
    };
    std::string reason;
    if (SaveFileSafely(file, writeContents, reason) != SaveOutcome::Saved) {
        ReportProblem("cannot write " + file + ": " + reason);
        return STATUS_FAILURE;
    }
    return STATUS_OK;
}

} // namespace

int RunRewrite(const CliArguments& arguments)
{
    // A code the dictionary lacks is said once, not once for every file.
    if (arguments.languageCode && FindLanguage(FromUtf8(*arguments.languageCode)) < 0) {
        ReportProblem("unknown language code '" + *arguments.languageCode
            + "' (quillmark-cli languages lists the codes)");
        return STATUS_FAILURE;
    }
    bool complete = true;
    int status = STATUS_OK;
    for (const std::string& file : CollectInputs(arguments.files, complete)) {
        int outcome = STATUS_FAILURE;
        try {
            outcome = RewriteOne(arguments, file);
        } catch (const std::bad_alloc&) {
            // A file too large for memory is refused with a message, not a crash.
            ReportProblem("not enough memory to read " + DisplayName(file));
        }
        status = std::max(status, outcome);
    }
    return complete ? status : STATUS_FAILURE;
}
