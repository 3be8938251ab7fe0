#include "Commands.h"
#include "FeatureDocument.h"
#include "Output.h"
#include "core/editor/LineAnalysis.h"
#include "core/language/LineClassifier.h"

#include <string>

namespace {

// One row of the classify and analyse tables: index, type number, type name, keyword.
void AppendRow(std::u16string& table, int line, LineType type, const std::u16string& keyword)
{
    const std::string numbers = std::to_string(line) + '\t' + std::to_string(static_cast<int>(type)) + '\t'
        + LineTypeName(type) + '\t';
    table.append(numbers.begin(), numbers.end());
    table += keyword;
    table += u'\n';
}

} // namespace

int RunClassify(const CliArguments& arguments)
{
    const auto document = OpenFeatureDocument(arguments.files.front(), arguments.languageCode);
    if (!document)
        return STATUS_FAILURE;
    const TextLineSource& source = document->source;
    std::u16string table;
    for (int line = 0; line < source.lineCount(); ++line) {
        std::u16string keyword;
        const LineType type = ClassifyLine(source.lineText(line), keyword);
        AppendRow(table, line, type, keyword);
    }
    WriteUtf8(stdout, table);
    return STATUS_OK;
}

int RunAnalyse(const CliArguments& arguments)
{
    const auto document = OpenFeatureDocument(arguments.files.front(), arguments.languageCode);
    if (!document)
        return STATUS_FAILURE;
    const TextLineSource& source = document->source;
    LineAnalysis analysis;
    analysis.AnalyseAll(source);
    if (source.lineCount() > analysis.analysedLineCount) {
        ReportProblem("note: " + arguments.files.front() + " has " + std::to_string(source.lineCount())
            + " lines; only the first " + std::to_string(analysis.analysedLineCount) + " are analysed");
    }
    std::u16string table;
    for (int line = 0; line < analysis.analysedLineCount; ++line)
        AppendRow(table, line, analysis.lineType[line], analysis.lineKeyword[line]);
    WriteUtf8(stdout, table);
    return STATUS_OK;
}
