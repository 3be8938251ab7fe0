#include "core/table/Placeholders.h"

#include "core/table/MatrixShape.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsHeading(LineType type)
{
    return type == FEATURE_LINE || type == SCENARIO_LINE || type == BACKGROUND_LINE
        || type == SCENARIO_OUTLINE_LINE;
}

// The same matches as the pattern "<([^>]*)>" searched through the line,
// found without a regular-expression engine: the standard one recurses once
// per character of a match and runs out of stack on a very long line.
void AppendPlaceholdersOf(std::u16string_view line, PlaceholderList& placeholders)
{
    std::size_t at = 0;
    for (;;) {
        const std::size_t open = line.find(u'<', at);
        if (open == std::u16string_view::npos)
            return;
        const std::size_t close = line.find(u'>', open + 1);
        if (close == std::u16string_view::npos)
            return;
        placeholders.emplace_back(line.substr(open + 1, close - open - 1));
        at = close + 1;
    }
}

bool ColumnIsEmpty(const CellMatrix& rows, std::size_t column)
{
    return std::all_of(
        rows.begin(), rows.end(), [column](const CellRow& row) { return row[column].empty(); });
}

} // namespace

PlaceholderList CollectPlaceholders(const LineAnalysis& analysis, int examplesLine)
{
    const int end = std::min(examplesLine, analysis.analysedLineCount);
    int heading = end - 1;
    while (heading >= 0 && !IsHeading(analysis.lineType[heading]))
        --heading;

    // Top down, so that a doc string's delimiters pair as the analysis pairs
    // them and the first Examples line ends the steps. Before the first step
    // is the description, which Cucumber fills nothing into.
    struct Source {
        int line;
        bool row; // a step's table row, not a doc string's line
    };
    std::vector<Source> sources;
    bool inSteps = false;
    bool inDocString = false;
    for (int j = heading + 1; j < end; ++j) {
        const LineType type = analysis.lineType[j];
        if (type == EXAMPLES_LINE && !inDocString)
            break;
        inSteps = inSteps || type == STEP_LINE;
        const bool stepOrArgument
            = type == STEP_LINE || type == TABLE_LINE || type == DOC_STRING_DELIMITER_LINE;
        if (!inDocString && !(inSteps && stepOrArgument))
            continue;
        sources.push_back({ j, type == TABLE_LINE && !inDocString });
        if (type == DOC_STRING_DELIMITER_LINE)
            inDocString = !inDocString;
    }

    PlaceholderList placeholders;
    std::vector<std::u16string_view> cells;
    for (auto source = sources.rbegin(); source != sources.rend(); ++source) {
        const std::u16string_view text = analysis.LineText(source->line);
        if (!source->row) {
            AppendPlaceholdersOf(text, placeholders);
            continue;
        }
        // Cucumber fills placeholders in cell by cell.
        SplitTableRowInto(text, cells);
        for (std::u16string_view cell : cells)
            AppendPlaceholdersOf(cell, placeholders);
    }
    // The scenario's name, after its keyword, comes last: it is the topmost line.
    if (heading >= 0
        && (analysis.lineType[heading] == SCENARIO_OUTLINE_LINE
            || analysis.lineType[heading] == SCENARIO_LINE)) {
        const std::u16string_view text = analysis.LineText(heading);
        const std::size_t name = static_cast<std::size_t>(analysis.keywordPosition[heading])
            + analysis.lineKeyword[heading].size();
        AppendPlaceholdersOf(text.substr(std::min(name, text.size())), placeholders);
    }
    return placeholders;
}

void MergePlaceholdersIntoHeader(LineList& lines, const PlaceholderList& placeholders)
{
    if (lines.empty())
        return;
    CellMatrix rows = PadToRectangle(LinesToCellMatrix(lines));
    const std::size_t columns = rows.front().size();
    CellMatrix kept(rows.size());
    for (std::size_t c = 0; c < columns; ++c) {
        if (ColumnIsEmpty(rows, c))
            continue;
        for (std::size_t r = 0; r < rows.size(); ++r)
            kept[r].push_back(std::move(rows[r][c]));
    }

    // Header cells keep their escapes, so a name is compared as it would be written.
    CellRow& header = kept.front();
    std::set<std::u16string> names(header.begin(), header.end());
    for (const std::u16string& name : placeholders) {
        std::u16string written = WrittenCellText(name);
        if (written.empty() || !names.insert(written).second)
            continue;
        header.push_back(std::move(written));
        for (std::size_t r = 1; r < kept.size(); ++r)
            kept[r].emplace_back();
    }

    lines = AlignCellMatrix(kept);
}
