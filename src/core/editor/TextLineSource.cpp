#include "TextLineSource.h"

#include "core/LineBreaks.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::u16string_view CR_LF = u"\r\n";
constexpr std::u16string_view CR = u"\r";
constexpr std::u16string_view LF = u"\n";

// Of four units read as one number, those below U+000E, where CR and LF
// are, each marked by its high bit: the subtraction sets that bit for such
// a unit (and borrows, so a unit after it may be marked wrongly, never one
// before it).
constexpr std::uint64_t BelowCr(std::uint64_t units)
{
    constexpr std::uint64_t ones = 0x0001000100010001u;
    constexpr std::uint64_t highBits = 0x8000800080008000u;
    return (units - 0x000E * ones) & ~units & highBits;
}

// Which of the four units the first mark stands on.
int FirstMarked(std::uint64_t marks)
{
    const int bit
        = std::endian::native == std::endian::little ? std::countr_zero(marks) : std::countl_zero(marks);
    return bit / 16;
}

// Where the first CR or LF at or after `at` stands, or the end of the text.
// Lines are mostly text, so eight units at a time are let pass while none of
// them is below U+000E.
std::size_t NextBreak(const char16_t* text, std::size_t at, std::size_t size)
{
    while (size - at >= 8) {
        std::uint64_t first;
        std::uint64_t second;
        std::memcpy(&first, text + at, sizeof first);
        std::memcpy(&second, text + at + 4, sizeof second);
        const std::uint64_t firstMarks = BelowCr(first);
        const std::uint64_t secondMarks = BelowCr(second);
        if ((firstMarks | secondMarks) == 0) {
            at += 8;
            continue;
        }
        at += firstMarks != 0 ? FirstMarked(firstMarks) : 4 + FirstMarked(secondMarks);
        if (IsLineBreak(text[at]))
            return at;
        ++at; // a tab or another control character
    }
    return FindLineBreak(std::u16string_view(text, size), at);
}

} // namespace

TextLineSource::TextLineSource(std::u16string wholeText)
    : m_text(std::move(wholeText))
{
    const char16_t* const text = m_text.data();
    const std::size_t size = m_text.size();
    // Room for lines of some sixteen characters: lines of feature files are
    // longer, and room that is never filled takes no memory.
    std::vector<int> offsets;
    std::vector<int> starts;
    offsets.reserve(size / 16 + 1);
    starts.reserve(size / 16 + 1);
    offsets.push_back(0);
    starts.push_back(0);
    // How many breaks of each kind: CR LF, CR, LF.
    std::size_t kinds[3] = {};
    for (std::size_t at = 0, end; (end = NextBreak(text, at, size)) < size;) {
        const std::size_t length = LineBreakLength(m_text, end);
        ++kinds[length == 2 ? 0 : text[end] == u'\r' ? 1 : 2];
        starts.push_back(starts.back() + static_cast<int>(end - at) + 1);
        at = end + length;
        offsets.push_back(static_cast<int>(at));
    }
    m_offsets = std::move(offsets);
    m_starts = std::move(starts);
    SetCommonBreak(kinds);
}

TextLineSource::TextLineSource(std::u16string wholeText, std::vector<int> lineOffsets)
    : m_text(std::move(wholeText))
    , m_offsets(std::move(lineOffsets))
{
    // Each line's break is the one or two units in front of the next line:
    // CR LF when they are those two, else the one.
    assert(!m_offsets.empty() && m_offsets.front() == 0);
    std::size_t kinds[3] = {};
    m_starts.resize(m_offsets.size());
    const char16_t* const text = m_text.data();
    const int* const offsets = m_offsets.data();
    int* const starts = m_starts.data();
    for (std::size_t line = 1; line < m_offsets.size(); ++line) {
        assert(offsets[line] > offsets[line - 1] && static_cast<std::size_t>(offsets[line]) <= m_text.size());
        const char16_t* const next = text + offsets[line];
        assert(IsLineBreak(next[-1]));
        const bool pair = next[-1] == u'\n' && offsets[line] >= 2 && next[-2] == u'\r';
        ++kinds[pair ? 0 : next[-1] == u'\r' ? 1 : 2];
        starts[line] = starts[line - 1] + (offsets[line] - offsets[line - 1]) - (pair ? 1 : 0);
    }
    SetCommonBreak(kinds);
}

void TextLineSource::SetCommonBreak(const std::size_t (&kinds)[3])
{
    const std::size_t breaks = m_offsets.size() - 1;
    if (breaks > 0 && kinds[0] == breaks)
        m_commonBreak = CR_LF;
    else if (breaks > 0 && kinds[1] == breaks)
        m_commonBreak = CR;
    else if (breaks > 0 && kinds[2] == breaks)
        m_commonBreak = LF;
}

int TextLineSource::lineCount() const
{
    return static_cast<int>(m_offsets.size());
}

std::u16string_view TextLineSource::lineContent(int line) const
{
    if (line < 0 || line >= lineCount())
        return {};
    const std::size_t begin = m_offsets[line];
    const std::size_t length
        = line + 1 < lineCount() ? m_starts[line + 1] - m_starts[line] - 1 : m_text.size() - begin;
    return std::u16string_view(m_text).substr(begin, length);
}

std::u16string TextLineSource::lineText(int line) const
{
    std::u16string text;
    text.reserve(lineContent(line).size() + 1);
    appendLineText(line, text);
    return text;
}

void TextLineSource::appendLineText(int line, std::u16string& to) const
{
    const std::u16string_view content = lineContent(line);
    if (line < 0 || line + 1 >= lineCount()) {
        to += content;
        return;
    }
    // A line that ends with a CR in the text too is taken whole.
    const char16_t* const end = content.data() + content.size();
    if (*end == CONTROL_LINE_END) {
        to.append(content.data(), content.size() + 1);
        return;
    }
    to += content;
    to += CONTROL_LINE_END;
}

namespace {

// Compared as bytes, which says the same as comparing the units one by one.
bool SameUnits(std::u16string_view a, std::u16string_view b)
{
    // An empty view may have no storage at all, which memcmp must not be given.
    return a.size() == b.size()
        && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0);
}

} // namespace

bool TextLineSource::lineTextIs(int line, std::u16string_view text) const
{
    const std::u16string_view content = lineContent(line);
    if (line < 0 || line + 1 >= lineCount())
        return SameUnits(text, content);
    return text.size() == content.size() + 1 && text.back() == CONTROL_LINE_END
        && SameUnits(text.substr(0, content.size()), content);
}

int TextLineSource::lineStart(int line) const
{
    if (line < 0 || line >= lineCount())
        return -1;
    return m_starts[line];
}

std::size_t TextLineSource::lineOffset(int line) const
{
    if (line < 0)
        return 0;
    if (line >= lineCount())
        return m_text.size();
    return m_offsets[line];
}

std::u16string_view TextLineSource::commonLineBreak() const
{
    return m_commonBreak;
}

std::u16string TextLineSource::wholeText() const
{
    std::u16string whole;
    whole.reserve(m_text.size() + m_offsets.size());
    for (int line = 0; line < lineCount(); ++line) {
        if (line > 0)
            whole += WHOLE_TEXT_LINE_BREAK;
        whole += lineContent(line);
    }
    return whole;
}

void AppendAsWholeText(std::u16string& whole, std::u16string_view controlText)
{
    for (std::size_t at = 0; at < controlText.size();) {
        const std::size_t cr = std::min(controlText.find(CONTROL_LINE_END, at), controlText.size());
        whole.append(controlText.substr(at, cr - at));
        if (cr < controlText.size())
            whole += WHOLE_TEXT_LINE_BREAK;
        at = cr + 1;
    }
}
