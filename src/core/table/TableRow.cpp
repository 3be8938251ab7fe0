#include "core/table/TableRow.h"

#include "core/table/WhiteSpace.h"

#include <cstddef>

namespace {

// The first "|" at or after `from` that no backslash escapes, or npos.
std::size_t NextSeparator(std::u16string_view text, std::size_t from)
{
    std::size_t backslashes = 0;
    for (std::size_t at = from; at < text.size(); ++at) {
        const char16_t c = text[at];
        if (c == u'|' && backslashes % 2 == 0)
            return at;
        backslashes = c == u'\\' ? backslashes + 1 : 0;
    }
    return std::u16string_view::npos;
}

} // namespace

CellRow SplitTableRow(std::u16string_view line)
{
    const std::u16string_view text = TrimWhiteSpace(line);
    CellRow cells;
    std::size_t at = 0;
    if (!text.empty() && text.front() == u'|')
        at = 1;
    while (at < text.size()) {
        const std::size_t separator = NextSeparator(text, at);
        if (separator == std::u16string_view::npos) {
            cells.emplace_back(text.substr(at));
            break;
        }
        cells.emplace_back(TrimWhiteSpace(text.substr(at, separator - at)));
        at = separator + 1;
    }
    return cells;
}

CellMatrix LinesToCellMatrix(const LineList& lines)
{
    CellMatrix rows;
    rows.reserve(lines.size());
    for (const std::u16string& line : lines)
        rows.push_back(SplitTableRow(line));
    return rows;
}
