#include "AtomicFile.h"
#include "Commands.h"
#include "FeatureDocument.h"
#include "Inputs.h"
#include "LineEnds.h"
#include "Output.h"
#include "core/editor/Format.h"
#include "core/editor/LineAnalysis.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"
#include "core/table/AlignTables.h"

#include <algorithm>
#include <new>
#include <string>

namespace {

// What the command makes of a document: the whole text with CR LF line breaks.
std::u16string Rewritten(CliCommand command, const FeatureDocument& document)
{
    const TextLineSource& source = document.source;
    LineAnalysis analysis;
    analysis.AnalyseAll(source);
    if (command == CliCommand::Align)
        return AlignWholeText(source, analysis);
    // A fresh view starts with no doc-string column remembered.
    int docStringColumn = 0;
    return command == CliCommand::Unformat ? UnformatWholeText(source, analysis, docStringColumn)
                                           : FormatWholeText(source, analysis, docStringColumn);
}

int RewriteOne(const CliArguments& arguments, const std::string& file)
{
    const auto document = OpenFeatureDocument(file, arguments.languageCode);
    if (!document)
        return STATUS_FAILURE;
    const std::u16string result = WithLineEnds(
        Rewritten(arguments.command, *document), OutputLineEnd(arguments.lineEnds, document->text));
    // In form means that the output would be the input exactly, line ends included.
    const bool changes = result != document->text;
    if (arguments.check) {
        if (!changes)
            return STATUS_OK;
        ReportProblem(DisplayName(file) + " would change");
        return STATUS_NOT_IN_FORM;
    }
    if (!arguments.write || file == "-") {
        WriteUtf8(stdout, result);
        return STATUS_OK;
    }
    if (!changes)
        return STATUS_OK;
    if (document->replacedSequences > 0) {
        ReportProblem(file + " not rewritten: bytes that could not be decoded would be lost");
        return STATUS_FAILURE;
    }
    if (document->unrecognisedEncoding) {
        ReportProblem(file + " not rewritten: it is neither UTF-8 nor UTF-16 text");
        return STATUS_FAILURE;
    }
    std::string reason;
    if (!WriteFileAtomically(file, EncodeFeatureFile(result), reason)) {
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
