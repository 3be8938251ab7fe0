#include "Format.h"

#include "DocStringIndent.h"
#include "TextLineSource.h"
#include "core/LineBreaks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

std::optional<int> FirstOccurrence(std::u16string_view text, std::u16string_view keyword, std::size_t from)
{
    const std::size_t at = text.find(keyword, from);
    if (at == std::u16string_view::npos)
        return std::nullopt;
    return static_cast<int>(at);
}

// Whether one of the four units read as one number is a carriage return.
constexpr bool HoldsCarriageReturn(std::uint64_t units)
{
    constexpr std::uint64_t ones = 0x0001000100010001u;
    constexpr std::uint64_t highBits = 0x8000800080008000u;
    constexpr std::uint64_t returns = CONTROL_LINE_END * ones;
    const std::uint64_t others = units ^ returns;
    // A unit that is a carriage return is 0 here, and only such a unit
    // sets its high bit before the first one does.
    return ((others - ones) & ~others & highBits) != 0;
}

// Where the first carriage return at or after `from` stands, or the text's
// size. A line has one at most, at its end, so eight units at a time are let
// pass while none of them is one.
std::size_t NextCarriageReturn(std::u16string_view text, std::size_t from)
{
    for (; text.size() - from >= 8; from += 8) {
        std::uint64_t first;
        std::uint64_t second;
        std::memcpy(&first, text.data() + from, sizeof first);
        std::memcpy(&second, text.data() + from + 4, sizeof second);
        if (HoldsCarriageReturn(first) || HoldsCarriageReturn(second))
            break;
    }
    if (text.size() - from >= 4) {
        std::uint64_t units;
        std::memcpy(&units, text.data() + from, sizeof units);
        if (!HoldsCarriageReturn(units))
            from += 4;
    }
    for (; from < text.size(); ++from)
        if (text[from] == CONTROL_LINE_END)
            return from;
    return text.size();
}

std::u16string_view IndentFor(LineType type)
{
    switch (type) {
    case STEP_LINE:
    case EXAMPLES_LINE:
    case COMMENT_LINE:
        return u"  ";
    case TABLE_LINE:
    case DOC_STRING_DELIMITER_LINE:
    case DOC_STRING_LINE:
        return u"    ";
    default:
        return u"";
    }
}

// Where the line's content starts, searched from `from`: past the text's
// byte-order mark on the first line, from 0 on every other.
std::optional<int> ContentOffset(
    const LineAnalysis& analysis, int line, std::size_t from, int& docStringColumn)
{
    const std::u16string_view text = analysis.LineText(line);
    switch (analysis.lineType[line]) {
    case TAG_LINE:
    case COMMENT_LINE:
    case TEXT_LINE: {
        // Only blanks are indentation here: a tab is content, and so is the
        // closing carriage return of a blank line.
        const std::size_t at = text.find_first_not_of(u' ', from);
        if (at == std::u16string_view::npos)
            return std::nullopt;
        return static_cast<int>(at);
    }
    case DOC_STRING_DELIMITER_LINE: {
        const std::optional<int> at = FirstOccurrence(text, analysis.lineKeyword[line], from);
        // The mark takes no column on the screen.
        if (at)
            docStringColumn = *at - static_cast<int>(from);
        return at;
    }
    case DOC_STRING_LINE:
        // The cut removes what Cucumber takes for indentation and no more, so
        // the content it reads stays the same behind the new indentation; the
        // cut of an empty line (or one of white space only) leaves nothing.
        return static_cast<int>(DocStringContentStart(text, docStringColumn));
    default:
        // The analysis holds where the keyword first occurs; a line without
        // one has its content from the start.
        return analysis.lineKeyword[line].empty() ? static_cast<int>(from) : analysis.keywordPosition[line];
    }
}

// Rebuilds the first `count` analysed lines, with or without the indentation of their type.
std::u16string RebuildLines(const LineAnalysis& analysis, int count, int& docStringColumn, bool indent)
{
    std::u16string result;
    std::size_t estimate = 0;
    for (int i = 0; i < count; ++i)
        estimate += analysis.LineText(i).size() + 5;
    result.reserve(estimate);
    for (int i = 0; i < count; ++i) {
        const std::u16string_view text = analysis.LineText(i);
        // Only the line after the text's final line break is empty; writing
        // it out would add a line break on every run.
        if (text.empty())
            continue;
        // The text's byte-order mark stays its first character, in front of
        // the indentation.
        const std::size_t mark = ByteOrderMarkLength(i, text);
        result.append(text, 0, mark);
        const std::optional<int> offset = ContentOffset(analysis, i, mark, docStringColumn);
        if (indent)
            result += IndentFor(analysis.lineType[i]);
        if (offset) {
            // Carriage returns go wherever they stand; the line break is written anew.
            for (auto k = static_cast<std::size_t>(std::max(*offset, 0)); k < text.size();) {
                const std::size_t cr = NextCarriageReturn(text, k);
                result.append(text, k, cr - k);
                k = cr + 1;
            }
        }
        result += WHOLE_TEXT_LINE_BREAK;
    }
    return result;
}

bool TablesDescribe(const LineAnalysis& analysis, const LineSource& source)
{
    if (analysis.analysedLineCount != analysis.AnalysableLineCount(source))
        return false;
    for (int i = 0; i < analysis.analysedLineCount; ++i)
        if (!source.lineTextIs(i, analysis.LineText(i)))
            return false;
    return true;
}

std::u16string RebuildWholeText(const Language& language, const LineSource& source, const LineAnalysis& given,
    int& docStringColumn, bool indent)
{
    const LineAnalysis* analysis = &given;
    LineAnalysis fresh;
    if (!TablesDescribe(given, source)) {
        fresh.maxAnalysedLines = given.maxAnalysedLines;
        fresh.AnalyseAll(language, source);
        analysis = &fresh;
    }

    const int relaid = analysis->RelayableLineCount();
    std::u16string result = RebuildLines(*analysis, relaid, docStringColumn, indent);
    // Every rebuilt line ends with CR LF, so the rest follows directly: its
    // lines as they are, each break written as CR LF, the last one as it ends.
    const int count = source.lineCount();
    for (int i = relaid; i < count; ++i)
        AppendAsWholeText(result, source.lineText(i));
    return result;
}

} // namespace

std::u16string FormatWholeText(
    const Language& language, const LineSource& source, const LineAnalysis& analysis, int& docStringColumn)
{
    return RebuildWholeText(language, source, analysis, docStringColumn, true);
}

std::u16string UnformatWholeText(
    const Language& language, const LineSource& source, const LineAnalysis& analysis, int& docStringColumn)
{
    return RebuildWholeText(language, source, analysis, docStringColumn, false);
}
