#include "Commands.h"
#include "FeatureDocument.h"
#include "Output.h"
#include "core/LineBreaks.h"
#include "core/editor/LineAnalysis.h"
#include "core/language/LineClassifier.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// One row of the classify and analyse tables: index, type number, type name, keyword.
void PutRow(Utf8Output& out, int line, LineType type, std::u16string_view keyword)
{
    // The numbers and the longest name take well under this.
    char row[80];
    char* end = std::to_chars(row, row + 12, line).ptr;
    *end++ = '\t';
    end = std::to_chars(end, end + 12, static_cast<int>(type)).ptr;
    *end++ = '\t';
    const std::string_view name = LineTypeName(type);
    end = std::copy(name.begin(), name.begin() + std::min<std::size_t>(name.size(), 48), end);
    *end++ = '\t';
    out.PutAscii(std::string_view(row, static_cast<std::size_t>(end - row)));
    out.Put(keyword);
    out.PutAscii("\n");
}

} // namespace

int RunClassify(const CliArguments& arguments)
{
    const auto document = OpenFeatureDocument(arguments.files.front(), arguments.languageCode);
    if (!document)
        return STATUS_FAILURE;
    const TextLineSource& source = document->source;
    Utf8Output out(stdout);
    // One line's text and keyword at a time, in buffers used again and again.
    std::u16string text;
    std::u16string keyword;
    for (int line = 0; line < source.lineCount(); ++line) {
        text.assign(source.lineContent(line));
        if (line + 1 < source.lineCount())
            text += CONTROL_LINE_END;
        keyword.clear();
        const LineType type = ClassifyLine(document->language, text, keyword);
        PutRow(out, line, type, keyword);
    }
    return STATUS_OK;
}

int RunAnalyse(const CliArguments& arguments)
{
    const auto document
        = OpenFeatureDocument(arguments.files.front(), arguments.languageCode, DecodedLines::Analysed);
    if (!document)
        return STATUS_FAILURE;
    LineAnalysis analysis;
    analysis.AnalyseAll(document->language, DocumentLines(*document));
    if (const auto note = UnanalysedLinesNote(*document, analysis, arguments.files.front()))
        ReportProblem(*note);
    Utf8Output out(stdout);
    for (int line = 0; line < analysis.analysedLineCount; ++line)
        PutRow(out, line, analysis.lineType[line], analysis.lineKeyword[line]);
    return STATUS_OK;
}
