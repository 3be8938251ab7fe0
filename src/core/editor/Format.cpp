#include "Format.h"

#include "DocStringIndent.h"
#include "TextLineSource.h"
#include "core/LineBreaks.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

std::optional<int> FirstOccurrence(std::u16string_view text, std::u16string_view keyword, std::size_t from)
{
    const std::size_t at = text.find(keyword, from);
    if (at == std::u16string_view::npos)
        return std::nullopt;
    return static_cast<int>(at);
}

// Copies `text` to `out`, which has room for all of it, without its carriage
// returns and returns where the copy ends. A line holds one at most, at its
// end, so eight units at a time are copied and let pass while none of them
// is one; a carriage return copied with them is written over by what
// follows it.
char16_t* CopyWithoutCarriageReturns(std::u16string_view text, char16_t* out)
{
    const char16_t* at = text.data();
    const char16_t* const end = at + text.size();
#if defined(__SSE2__)
    const __m128i returns = _mm_set1_epi16(static_cast<short>(CONTROL_LINE_END));
    while (end - at >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), units);
        const unsigned marks = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(units, returns)));
        if (marks == 0) {
            at += 8;
            out += 8;
            continue;
        }
        const int kept = std::countr_zero(marks) / 2;
        at += kept + 1;
        out += kept;
    }
#endif
    for (; at < end; ++at)
        if (*at != CONTROL_LINE_END)
            *out++ = *at;
    return out;
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

// Writes `blanks` blanks, at most four, as four and keeps the ones wanted.
char16_t* PutIndentation(std::size_t blanks, char16_t* out)
{
    constexpr std::uint64_t fourBlanks = 0x0020002000200020u;
    std::memcpy(out, &fourBlanks, sizeof fourBlanks);
    return out + blanks;
}

// Rebuilds the first `count` analysed lines, with or without the indentation
// of their type, each ending with `lineBreak`, and hands them to `put` a
// piece at a time.
void RebuildLines(const LineAnalysis& analysis, int count, std::u16string_view lineBreak,
    int& docStringColumn, bool indent, const RebuiltLinesSink& put)
{
    // Lines are written in place into a buffer that is handed on when the
    // next line may not fit: room for a byte-order mark, the deepest
    // indentation (written as four blanks whatever is kept), the line whole
    // and the line break. A longer line gets a buffer of its own size.
    constexpr std::size_t pieceUnits = 16384;
    constexpr std::size_t markAndIndentation = 1 + 4;
    std::size_t capacity = pieceUnits;
    std::unique_ptr<char16_t[]> buffer = std::make_unique_for_overwrite<char16_t[]>(capacity);
    char16_t* out = buffer.get();
    const auto handOn = [&] {
        if (out != buffer.get())
            put(std::u16string_view(buffer.get(), static_cast<std::size_t>(out - buffer.get())));
        out = buffer.get();
    };
    for (int i = 0; i < count; ++i) {
        const std::u16string_view text = analysis.LineText(i);
        // Only the line after the text's final line break is empty; writing
        // it out would add a line break on every run.
        if (text.empty())
            continue;
        const std::size_t room = markAndIndentation + text.size() + lineBreak.size();
        if (capacity - static_cast<std::size_t>(out - buffer.get()) < room) {
            handOn();
            if (capacity < room) {
                capacity = room;
                buffer = std::make_unique_for_overwrite<char16_t[]>(capacity);
                out = buffer.get();
            }
        }
        // The text's byte-order mark stays its first character, in front of
        // the indentation.
        const std::size_t mark = ByteOrderMarkLength(i, text);
        if (mark > 0)
            *out++ = text.front();
        const std::optional<int> offset = ContentOffset(analysis, i, mark, docStringColumn);
        if (indent)
            out = PutIndentation(IndentFor(analysis.lineType[i]).size(), out);
        // Carriage returns go wherever they stand; the line break is written anew.
        if (offset) {
            const std::size_t from = std::min(static_cast<std::size_t>(std::max(*offset, 0)), text.size());
            out = CopyWithoutCarriageReturns(text.substr(from), out);
        }
        for (const char16_t unit : lineBreak)
            *out++ = unit;
    }
    handOn();
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
    std::u16string result;
    std::size_t estimate = 0;
    for (int i = 0; i < relaid; ++i)
        estimate += analysis->LineText(i).size() + 5;
    result.reserve(estimate);
    RebuildLines(*analysis, relaid, WHOLE_TEXT_LINE_BREAK, docStringColumn, indent,
        [&result](std::u16string_view lines) { result += lines; });
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

void FormatRelayableLines(const LineAnalysis& analysis, std::u16string_view lineBreak, int& docStringColumn,
    const RebuiltLinesSink& put)
{
    RebuildLines(analysis, analysis.RelayableLineCount(), lineBreak, docStringColumn, true, put);
}

void UnformatRelayableLines(const LineAnalysis& analysis, std::u16string_view lineBreak, int& docStringColumn,
    const RebuiltLinesSink& put)
{
    RebuildLines(analysis, analysis.RelayableLineCount(), lineBreak, docStringColumn, false, put);
}
