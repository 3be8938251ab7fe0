#include "core/table/ClipboardTable.h"

#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The last of the control characters among which a cell's stops are looked
// for first: a line feed, a carriage return and a tab.
constexpr char16_t LAST_CONTROL_STOP = u'\r';

// Where a stop of a cell (its separator, a line feed or a carriage return) may
// be, from `at` on: the text's size when there is none. Among the places it
// answers are the stops, the first of them included; the one answered may be
// another control character before it. Eight units are looked at together,
// in one register or four to a word: a whole table goes by in a few
// instructions a cell.
template <bool SEPARATOR_ABOVE_CONTROLS>
std::size_t NextStopCandidate(Text text, std::size_t at, char16_t separator)
{
#if defined(__SSE2__)
    // Eight units at a time: a unit at or below the last control stop
    // saturates to nothing when that stop is taken off it.
    const __m128i controls = _mm_set1_epi16(static_cast<short>(LAST_CONTROL_STOP));
    const __m128i separators = _mm_set1_epi16(static_cast<short>(separator));
    const __m128i zero = _mm_setzero_si128();
    for (; at + 8 <= text.size(); at += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        __m128i found = _mm_cmpeq_epi16(_mm_subs_epu16(units, controls), zero);
        if constexpr (SEPARATOR_ABOVE_CONTROLS)
            found = _mm_or_si128(found, _mm_cmpeq_epi16(units, separators));
        if (const auto mask = static_cast<unsigned>(_mm_movemask_epi8(found)); mask != 0)
            return at + static_cast<std::size_t>(std::countr_zero(mask)) / 2;
    }
#else
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t LANES = 0x0001000100010001;
        constexpr std::uint64_t HIGH_BITS = 0x8000800080008000;
        // The high bit of each unit below `limit`; a unit flagged wrongly
        // comes only after a unit flagged rightly.
        const auto below = [](std::uint64_t units, std::uint64_t limit) {
            return (units - LANES * limit) & ~units & HIGH_BITS;
        };
        const std::uint64_t separators = LANES * separator;
        const auto stops = [&](const char16_t* four) {
            std::uint64_t units = 0;
            std::memcpy(&units, four, sizeof units);
            std::uint64_t found = below(units, LAST_CONTROL_STOP + 1);
            if constexpr (SEPARATOR_ABOVE_CONTROLS)
                found |= below(units ^ separators, 1);
            return found;
        };
        const auto lane
            = [](std::uint64_t found) { return static_cast<std::size_t>(std::countr_zero(found)) / 16; };
        for (; at + 8 <= text.size(); at += 8) {
            const std::uint64_t first = stops(text.data() + at);
            const std::uint64_t second = stops(text.data() + at + 4);
            if ((first | second) != 0)
                return first != 0 ? at + lane(first) : at + 4 + lane(second);
        }
    }
#endif
    for (; at < text.size(); ++at)
        if (text[at] <= LAST_CONTROL_STOP || text[at] == separator)
            return at;
    return text.size();
}

// Where the cell that goes on at `at` ends: at its separator or its line end.
std::size_t CellEnd(Text text, std::size_t at, char16_t separator)
{
    for (;; ++at) {
        at = separator <= LAST_CONTROL_STOP ? NextStopCandidate<false>(text, at, separator)
                                            : NextStopCandidate<true>(text, at, separator);
        if (at == text.size() || text[at] == separator || text[at] == u'\n')
            return at;
        if (text[at] == u'\r' && IsLineEnd(text, at))
            return at;
    }
}

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

ClipboardShape ShapeOf(std::size_t rows, std::size_t widest)
{
    if (rows == 0)
        return CLIP_EMPTY;
    if (rows == 1)
        return widest > 1 ? CLIP_ROW : CLIP_CELL;
    return widest > 1 ? CLIP_TABLE : CLIP_COLUMN;
}

} // namespace

ClipboardCellReader::ClipboardCellReader(std::u16string_view text)
    : m_text(text)
    , m_separator(text.find(u'\t') != Text::npos ? u'\t' : u',')
{
}

bool ClipboardCellReader::Next()
{
    if (m_inRow) {
        ++m_column;
        ReadCell();
        return true;
    }
    // Empty lines stand for rows of one empty cell (a spreadsheet column
    // copies a blank cell as an empty line), but only those with a row below
    // them: the line break that ends the text, and empty lines after the last
    // row, give no row.
    if (m_emptyLines == 0) {
        while (m_at < m_text.size() && IsLineEnd(m_text, m_at)) {
            ++m_emptyLines;
            m_at = SkipLineEnd(m_text, m_at);
        }
        if (m_at >= m_text.size()) {
            m_emptyLines = 0;
            return false;
        }
    }
    ++m_rows;
    m_column = 0;
    if (m_emptyLines > 0) {
        --m_emptyLines;
        m_cell = {};
        return true;
    }
    ReadCell();
    return true;
}

// A cell whose first character (after blanks) is a quotation mark runs to the
// closing one and may hold separators, quotes ("") and line breaks; the rest
// of the cell after it is taken as it stands.
void ClipboardCellReader::ReadCell()
{
    const Text text = m_text;
    std::size_t end = 0;
    // A cell that starts with neither a blank nor a quotation mark, as most do,
    // is its text up to its end, less blanks at its end.
    if (const char16_t lead = text[m_at]; !IsTableWhiteSpace(lead) && lead != u'"') [[likely]] {
        end = CellEnd(text, m_at, m_separator);
        std::size_t last = end;
        while (last > m_at && IsTableWhiteSpace(text[last - 1]))
            --last;
        m_cell = text.substr(m_at, last - m_at);
    } else {
        end = ReadBlankOrQuotedCell();
    }
    // A separator at the very end of a line gives no cell after it.
    m_at = end;
    m_inRow = false;
    if (m_at < text.size() && text[m_at] == m_separator) {
        ++m_at;
        m_inRow = !IsLineEnd(text, m_at);
    }
    if (!m_inRow)
        m_at = SkipLineEnd(text, m_at);
}

std::size_t ClipboardCellReader::ReadBlankOrQuotedCell()
{
    const Text text = m_text;
    std::size_t first = m_at;
    while (first < text.size() && text[first] != m_separator && text[first] != u'\n' && text[first] != u'\r'
        && IsTableWhiteSpace(text[first]))
        ++first;
    const std::size_t close
        = first < text.size() && text[first] == u'"' ? ClosingQuote(text, first) : Text::npos;
    if (close == Text::npos) {
        const std::size_t end = CellEnd(text, m_at, m_separator);
        m_cell = TrimWhiteSpace(text.substr(m_at, end - m_at));
        return end;
    }
    const std::size_t end = CellEnd(text, close + 1, m_separator);
    m_quoted = Unquoted(text.substr(first + 1, close - first - 1));
    m_quoted += TrimWhiteSpace(text.substr(close + 1, end - close - 1));
    m_cell = m_quoted;
    return end;
}

ClipboardTable ParseClipboardTable(std::u16string_view text)
{
    ClipboardTable table;
    ClipboardCellReader reader(text);
    while (reader.Next()) {
        if (reader.Column() == 0)
            table.matrix.emplace_back();
        table.matrix.back().emplace_back(reader.Cell());
    }
    std::size_t widest = 0;
    for (const CellRow& row : table.matrix)
        widest = std::max(widest, row.size());
    table.shape = ShapeOf(table.matrix.size(), widest);
    return table;
}

ClipboardShape ClipboardTableShape(std::u16string_view text)
{
    ClipboardCellReader reader(text);
    std::size_t rows = 0;
    std::size_t widest = 0;
    while (reader.Next()) {
        rows = reader.Row() + 1;
        widest = std::max(widest, reader.Column() + 1);
        // Two rows, one of them with two cells: nothing after makes it other than a table.
        if (rows > 1 && widest > 1)
            break;
    }
    return ShapeOf(rows, widest);
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
