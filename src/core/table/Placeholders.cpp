#include "core/table/Placeholders.h"

#include "core/table/MatrixShape.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>

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

PlaceholderList CollectPlaceholders(const LineAnalysis& analysis, int i)
{
    PlaceholderList placeholders;
    for (int j = std::min(i, analysis.analysedLineCount - 1); j >= 0 && !IsHeading(analysis.lineType[j]); --j)
        AppendPlaceholdersOf(analysis.lineText[j], placeholders);
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

    lines = CellMatrixToLines(PadColumns(kept));
}
