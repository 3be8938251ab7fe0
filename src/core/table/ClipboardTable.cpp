#include "core/table/ClipboardTable.h"

#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <cstddef>

namespace {

using Text = std::u16string_view;

// A line ends at a line feed; a carriage return right before it, or at the
// very end of the text, belongs to the line end.
bool IsLineEnd(Text text, std::size_t at)
{
    if (at >= text.size() || text[at] == u'\n')
        return true;
    return text[at] == u'\r' && (at + 1 == text.size() || text[at + 1] == u'\n');
}

// Moves past the line end at `at`.
std::size_t SkipLineEnd(Text text, std::size_t at)
{
    if (at < text.size() && text[at] == u'\r')
        ++at;
    if (at < text.size() && text[at] == u'\n')
        ++at;
    return at;
}

// Empty lines stand for rows of one empty cell (a spreadsheet column copies
// a blank cell as an empty line), but only those with a row below them: the
// line break that ends the text, and empty lines after the last row, give no
// row.
class RowCollector {
public:
    void AddEmptyLine() { ++m_pendingEmptyLines; }
    void AddRow(CellRow row)
    {
        m_rows.insert(m_rows.end(), m_pendingEmptyLines, CellRow { std::u16string() });
        m_pendingEmptyLines = 0;
        m_rows.push_back(std::move(row));
    }
    CellMatrix Take() { return std::move(m_rows); }

private:
    CellMatrix m_rows;
    std::size_t m_pendingEmptyLines = 0;
};

// Where the quoted cell opened at `open` closes, or npos when it never does.
std::size_t ClosingQuote(Text text, std::size_t open)
{
    for (std::size_t at = open + 1; at < text.size(); ++at) {
        if (text[at] != u'"')
            continue;
        if (at + 1 < text.size() && text[at + 1] == u'"')
            ++at;
        else
            return at;
    }
    return Text::npos;
}

// The text of a quoted cell: "" stands for one quotation mark, and a line
// break of any kind is a line feed, as a cell holds it.
std::u16string Unquoted(Text quoted)
{
    std::u16string cell;
    for (std::size_t k = 0; k < quoted.size(); ++k) {
        const char16_t c = quoted[k];
        if (c == u'"')
            ++k; // the second quote of a doubled one
        if (c == u'\r') {
            if (k + 1 < quoted.size() && quoted[k + 1] == u'\n')
                ++k;
            cell += u'\n';
            continue;
        }
        cell += c;
    }
    return cell;
}

// Cells between separators, one row a line. A cell whose first character
// (after blanks) is a quotation mark runs to the closing one and may hold
// separators, quotes ("") and line breaks; the rest of the cell after it is
// taken as it stands.
CellMatrix ParseSeparated(Text text, char16_t separator)
{
    const auto isBlank = [separator](char16_t c) {
        return c != separator && IsTableWhiteSpace(c) && c != u'\n' && c != u'\r';
    };
    RowCollector rows;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsLineEnd(text, at)) {
            rows.AddEmptyLine();
            at = SkipLineEnd(text, at);
            continue;
        }
        CellRow row;
        for (;;) {
            std::size_t first = at;
            while (first < text.size() && isBlank(text[first]))
                ++first;
            std::u16string cell;
            std::size_t close = Text::npos;
            if (first < text.size() && text[first] == u'"')
                close = ClosingQuote(text, first);
            if (close != Text::npos) {
                cell = Unquoted(text.substr(first + 1, close - first - 1));
                at = close + 1;
            }
            std::size_t end = at;
            while (!IsLineEnd(text, end) && text[end] != separator)
                ++end;
            cell += TrimWhiteSpace(text.substr(at, end - at));
            row.push_back(std::move(cell));
            at = end;
            if (at < text.size() && text[at] == separator) {
                ++at;
                if (!IsLineEnd(text, at))
                    continue;
            }
            break;
        }
        rows.AddRow(std::move(row));
        at = SkipLineEnd(text, at);
    }
    return rows.Take();
}

ClipboardShape ShapeOf(const CellMatrix& rows)
{
    if (rows.empty())
        return CLIP_EMPTY;
    std::size_t widest = 0;
    for (const CellRow& row : rows)
        widest = std::max(widest, row.size());
    if (rows.size() == 1)
        return widest > 1 ? CLIP_ROW : CLIP_CELL;
    return widest > 1 ? CLIP_TABLE : CLIP_COLUMN;
}

} // namespace

ClipboardTable ParseClipboardTable(std::u16string_view text)
{
    ClipboardTable table;
    table.matrix = ParseSeparated(text, text.find(u'\t') != Text::npos ? u'\t' : u',');
    table.shape = ShapeOf(table.matrix);
    return table;
}

std::u16string QuoteClipboardCell(std::u16string_view cell)
{
    const bool plain = cell.find_first_of(u"\t\r\n\"") == Text::npos
        && (cell.empty() || (!IsTableWhiteSpace(cell.front()) && !IsTableWhiteSpace(cell.back())));
    if (plain)
        return std::u16string(cell);
    std::u16string quoted = u"\"";
    for (const char16_t c : cell) {
        quoted += c;
        if (c == u'"')
            quoted += u'"';
    }
    return quoted + u'"';
}

std::u16string CellMatrixToClipboardText(const CellMatrix& matrix)
{
    std::u16string text;
    for (const CellRow& row : matrix) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                text += u'\t';
            // A trailing separator gives no cell when read back, so an empty
            // last cell is written as an empty quoted one.
            const bool emptyLast = c > 0 && c + 1 == row.size() && row[c].empty();
            text += emptyLast ? std::u16string(u"\"\"") : QuoteClipboardCell(row[c]);
        }
        text += u"\r\n";
    }
    return text;
}
