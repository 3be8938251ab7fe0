#include "core/table/AlignTables.h"

#include "core/LineBreaks.h"
#include "core/editor/ExamplesDescription.h"
#include "core/table/TableContext.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace {

// A table as Cucumber reads it: its rows, the first to the last, with the
// comment and empty lines between them.
struct TableRows {
    int first = 0;
    int last = 0;
    std::optional<UnalignedTable> leftAlone;
};

// Where a row would be read as the start of a table, walking down the lines.
enum class Expecting {
    NO_TABLE,
    STEP_ARGUMENT, // after a step: its table or its doc string
    TABLE_AFTER_DOC_STRING, // after a step's doc string: its table
    EXAMPLES_TABLE, // after an Examples line and through its description
};

// Whether the row's last "|" closes it, no text and no escape behind it.
bool EndsWithSeparator(std::u16string_view row)
{
    const std::u16string_view text = TrimWhiteSpace(row);
    if (text.size() < 2 || text.back() != u'|')
        return text == u"|";
    std::size_t backslashes = 0;
    while (backslashes + 1 < text.size() && text[text.size() - 2 - backslashes] == u'\\')
        ++backslashes;
    return backslashes % 2 == 0;
}

// What keeps the rows first .. last from being laid out, if anything.
std::optional<UnalignedTable> Misreading(const LineAnalysis& analysis, int first, int last)
{
    std::vector<std::u16string_view> cells;
    std::size_t firstRowCells = 0;
    for (int j = first; j <= last; ++j) {
        if (analysis.lineType[j] != TABLE_LINE)
            continue;
        if (!EndsWithSeparator(analysis.LineText(j)))
            return UnalignedTable { j, TableLeftAlone::TEXT_AFTER_LAST_SEPARATOR };
        SplitTableRowInto(analysis.LineText(j), cells);
        if (j == first)
            firstRowCells = cells.size();
        else if (cells.size() != firstRowCells)
            return UnalignedTable { j, TableLeftAlone::UNEVEN_ROWS, static_cast<int>(cells.size()),
                static_cast<int>(firstRowCells) };
    }
    return std::nullopt;
}

// Whether the table may go on past the analysed lines: it reaches into the
// lines of a block that runs past them, or only lines Cucumber passes over
// stand between its last row and the first line past them, itself a row or
// such a line. Laid out in part, its columns would no longer line up.
bool MayRunPastLimit(const LineAnalysis& analysis, const TableRows& table)
{
    if (table.last >= analysis.RelayableLineCount())
        return true;
    if (analysis.textLineCount <= analysis.analysedLineCount)
        return false;
    for (int j = table.last + 1; j < analysis.analysedLineCount; ++j)
        if (!IsCommentOrEmpty(analysis.LineText(j)))
            return false;
    return analysis.typeAfterLimit == TABLE_LINE || IsCommentOrEmpty(analysis.textAfterLimit);
}

std::vector<TableRows> FindTables(const LineAnalysis& analysis)
{
    std::vector<TableRows> tables;
    const int count = analysis.analysedLineCount;
    Expecting expecting = Expecting::NO_TABLE;
    for (int j = 0; j < count; ++j) {
        const LineType type = analysis.lineType[j];
        if (type == DOC_STRING_DELIMITER_LINE) {
            // Nothing inside a doc string is a table, paired as the analysis pairs delimiters.
            int close = j + 1;
            while (close < count && analysis.lineType[close] != DOC_STRING_DELIMITER_LINE)
                ++close;
            j = close;
            expecting = expecting == Expecting::STEP_ARGUMENT ? Expecting::TABLE_AFTER_DOC_STRING
                : expecting == Expecting::EXAMPLES_TABLE      ? Expecting::EXAMPLES_TABLE
                                                              : Expecting::NO_TABLE;
            continue;
        }
        if (type == TABLE_LINE && expecting != Expecting::NO_TABLE) {
            TableRows table { j, j, std::nullopt };
            for (int k = j + 1; k < count; ++k) {
                if (analysis.lineType[k] == TABLE_LINE)
                    table.last = k;
                else if (!IsCommentOrEmpty(analysis.LineText(k)))
                    break;
            }
            table.leftAlone = MayRunPastLimit(analysis, table)
                ? UnalignedTable { table.first, TableLeftAlone::MAY_RUN_PAST_LIMIT }
                : Misreading(analysis, table.first, table.last);
            tables.push_back(table);
            // A doc string may still follow a step's table, but no rows after it.
            expecting = Expecting::NO_TABLE;
            j = table.last;
            continue;
        }
        if (type == STEP_LINE && expecting != Expecting::EXAMPLES_TABLE)
            expecting = Expecting::STEP_ARGUMENT;
        else if (type == EXAMPLES_LINE)
            expecting = Expecting::EXAMPLES_TABLE;
        else if (expecting == Expecting::EXAMPLES_TABLE ? !MayStandBeforeExamplesTable(type)
                                                        : !IsCommentOrEmpty(analysis.LineText(j)))
            expecting = Expecting::NO_TABLE;
    }
    return tables;
}

} // namespace

std::u16string AlignWholeText(const LineSource& source, const LineAnalysis& analysis)
{
    std::u16string text;
    int next = 0; // the first line not yet in the text
    for (const TableRows& table : FindTables(analysis)) {
        if (table.leftAlone)
            continue;
        for (; next < table.first; ++next)
            AppendAsWholeLine(text, source.lineText(next));
        LineList rows;
        for (int j = table.first; j <= table.last; ++j)
            if (analysis.lineType[j] == TABLE_LINE)
                rows.emplace_back(analysis.LineText(j));
        const std::u16string_view indentation
            = std::u16string_view(rows.front())
                  .substr(0, static_cast<std::size_t>(analysis.keywordPosition[table.first]));
        const LineList aligned = AlignTableLines(rows);
        std::size_t row = 0;
        for (; next <= table.last; ++next) {
            const std::u16string_view line = analysis.LineText(next);
            if (analysis.lineType[next] != TABLE_LINE) {
                AppendAsWholeLine(text, line);
                continue;
            }
            text += indentation;
            text += aligned[row++];
            if (WithoutControlLineEnd(line).size() < line.size())
                text += WHOLE_TEXT_LINE_BREAK;
        }
    }
    for (const int count = source.lineCount(); next < count; ++next)
        AppendAsWholeLine(text, source.lineText(next));
    return text;
}

std::vector<UnalignedTable> TablesLeftAlone(const LineAnalysis& analysis)
{
    std::vector<UnalignedTable> left;
    for (const TableRows& table : FindTables(analysis))
        if (table.leftAlone)
            left.push_back(*table.leftAlone);
    return left;
}
