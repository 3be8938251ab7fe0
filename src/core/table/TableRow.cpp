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

void SplitTableRowInto(std::u16string_view line, std::vector<std::u16string_view>& cells)
{
    cells.clear();
    const std::u16string_view text = TrimWhiteSpace(line);
    std::size_t at = 0;
    if (!text.empty() && text.front() == u'|')
        at = 1;
    while (at < text.size()) {
        const std::size_t separator = NextSeparator(text, at);
        if (separator == std::u16string_view::npos) {
            cells.push_back(text.substr(at));
            break;
        }
        cells.push_back(TrimWhiteSpace(text.substr(at, separator - at)));
        at = separator + 1;
    }
}

CellMatrix LinesToCellMatrix(const LineList& lines)
{
    CellMatrix rows;
    rows.reserve(lines.size());
    std::vector<std::u16string_view> views;
    for (const std::u16string& line : lines) {
        SplitTableRowInto(line, views);
        rows.emplace_back(views.begin(), views.end());
    }
    return rows;
}
