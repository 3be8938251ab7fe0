#pragma once

#include "LineSource.h"
#include "core/language/LineType.h"

#include <cstddef>
#include <string>
#include <vector>

inline constexpr int MAX_ANALYSED_LINES = 1998;

// A byte-order mark, U+FEFF at the very start of the text, stays in the text
// so that a save writes the file's first bytes back as they were; but it is
// no part of the first line's content, which is classified, coloured and
// re-indented as the text behind the mark. How many units of `text`, the
// text of line `line`, are the mark: 1 or 0.
inline std::size_t ByteOrderMarkLength(int line, const std::u16string& text)
{
    return line == 0 && !text.empty() && text.front() == u'\uFEFF' ? 1 : 0;
}

// The per-line tables of the open document and the analysis that fills them.
// Entries 0 .. analysedLineCount-1 are meaningful; analysedLineCount never
// exceeds maxAnalysedLines. The view owns one; the CLI and tests make their own.
//
// The tables grow with the text and never shrink: an entry that is no longer
// analysed keeps what it last held, and an entry that was never analysed has
// lineType NOT_ANALYSED, an empty text and keyword, and 0 positions. The
// tables always hold at least analysedLineCount entries.
class LineAnalysis {
public:
    LineAnalysis();

    std::vector<std::u16string> lineText; // with its closing CR on all lines but the last
    std::vector<int> lineStart; // control position of the line's first character
    std::vector<LineType> lineType; // in context, after the context pass; 0 when never analysed
    std::vector<LineType> classifiedType; // as ClassifyLine gave it, before the context pass
    std::vector<std::u16string> lineKeyword;
    std::vector<int> keywordPosition; // first occurrence of lineKeyword in lineText; 0 when empty

    int maxAnalysedLines = MAX_ANALYSED_LINES;
    int analysedLineCount = 0;

    // Fills entry i from the source: its text (read in full, however long),
    // its start, and the type and keyword that ClassifyLine gives it against
    // the current language, as classifiedType and, until a context pass,
    // lineType. Runs no context pass. Does nothing for an i outside
    // 0 .. AnalysableLineCount(source)-1.
    void AnalyseLine(const LineSource& source, int i);

    // Sets analysedLineCount from the source, analyses lines first .. last-1
    // (clipped to 0 .. analysedLineCount-1), then runs the context pass over
    // all analysed lines, whatever the range.
    //
    // For the view: after a keystroke that kept the line count, re-analyse the
    // caret's line and its neighbours with AnalyseLines(source, cur - 1, cur + 2);
    // after a change of line count, AnalyseAll. The context pass is one linear
    // walk over at most maxAnalysedLines entries.
    void AnalyseLines(const LineSource& source, int first, int last);

    // AnalyseLines over every analysable line.
    void AnalyseAll(const LineSource& source);

    // One walk over lines 0 .. analysedLineCount-1 with two flags, from the
    // classified types to the types in context: description text (TEXT_LINE
    // after a Feature, Rule, Scenario, Background or Scenario Outline heading,
    // up to the next step) becomes COMMENT_LINE; TEXT_LINE between doc-string
    // delimiters becomes DOC_STRING_LINE. Every other line keeps its
    // classified type; lines inside a doc string that are something else (a
    // step, a table row) still move the flags. Each pass starts afresh from
    // the classified types, so a line is description text exactly while the
    // lines above make it one, whichever lines were read again.
    void ContextPass();

    // min(source line count, maxAnalysedLines)
    int AnalysableLineCount(const LineSource& source) const;

    // lineType of the line when it lies within the analysed lines, otherwise
    // NOT_ANALYSED.
    LineType TypeOf(int line) const;

private:
    // Grows the tables to hold at least `count` entries.
    void EnsureEntries(int count);
};
