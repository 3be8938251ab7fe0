#pragma once

#include "LineSource.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LineType.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int MAX_ANALYSED_LINES = 1998;

// A byte-order mark, U+FEFF at the very start of the text, stays in the text
// so that a save writes the file's first bytes back as they were; but it is
// no part of the first line's content, which is classified, coloured and
// re-indented as the text behind the mark. How many units of `text`, the
// text of line `line`, are the mark: 1 or 0.
inline std::size_t ByteOrderMarkLength(int line, std::u16string_view text)
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
//
// The keywords are views of the language's dictionary or of the classifier's
// markers, which last as long as the process.
class LineAnalysis {
public:
    LineAnalysis();

    std::vector<int> lineStart; // control position of the line's first character
    std::vector<LineType> lineType; // in context, after the context pass; 0 when never analysed
    std::vector<LineType> classifiedType; // as ClassifyLine gave it, before the context pass
    std::vector<std::u16string_view> lineKeyword; // in context: none inside a doc string
    std::vector<int> keywordPosition; // first occurrence of lineKeyword in LineText; 0 when empty
    std::vector<std::u16string_view> classifiedKeyword; // as ClassifyLine gave it
    std::vector<int> classifiedKeywordPosition;

    // The text of entry `line`, with its closing CR on all lines but the
    // last; valid until the next AnalyseLine or AnalyseLines.
    std::u16string_view LineText(int line) const
    {
        const TextPlace place = m_textPlaces[static_cast<std::size_t>(line)];
        return std::u16string_view(m_texts).substr(place.offset, place.length);
    }

    int maxAnalysedLines = MAX_ANALYSED_LINES;
    int analysedLineCount = 0;

    // What the last AnalyseLines saw past the analysed lines: the source's
    // line count, and the first line past them, its text and the type
    // ClassifyLine gives it (empty and NOT_ANALYSED when the text ends within
    // them). A table or doc string may run on into lines that are not
    // analysed; whatever rewrites a block or the whole text must not cut
    // through one, nor miss what follows it.
    int textLineCount = 0;
    std::u16string textAfterLimit;
    LineType typeAfterLimit = NOT_ANALYSED;
    // The opening delimiter line of the doc string that is still open after
    // the last analysed line, or -1; set by the context pass.
    int openDocString = -1;

    // Fills entry i from the source: its text (read in full, however long),
    // its start, and the type and keyword that ClassifyLine gives it against
    // `language`, as classifiedType and, until a context pass,
    // lineType. Runs no context pass. Does nothing for an i outside
    // 0 .. AnalysableLineCount(source)-1.
    void AnalyseLine(const Language& language, const LineSource& source, int i);

    // Sets analysedLineCount from the source, analyses lines first .. last-1
    // (clipped to 0 .. analysedLineCount-1), then runs the context pass over
    // all analysed lines, whatever the range.
    //
    // For the view: after a keystroke that kept the line count, re-analyse the
    // caret's line and its neighbours with AnalyseLines(language, source,
    // cur - 1, cur + 2);
    // after a change of line count, AnalyseAll. The context pass is one linear
    // walk over at most maxAnalysedLines entries.
    void AnalyseLines(const Language& language, const LineSource& source, int first, int last);

    // AnalyseLines over every analysable line.
    void AnalyseAll(const Language& language, const LineSource& source);

    // One walk over lines 0 .. analysedLineCount-1, from the classified types
    // to the types in context. A doc-string delimiter outside a doc string
    // and outside a description opens one, and only a delimiter of the same
    // three characters closes it, whatever follows them on the line; every
    // line between, whatever it says (a step, a table row, a comment, the
    // other delimiter), is DOC_STRING_LINE without a keyword, as Cucumber
    // reads it: text. Outside doc strings, description text (TEXT_LINE after
    // a Feature, Rule, Scenario, Background or Scenario Outline heading, up to
    // the next step) becomes COMMENT_LINE, and so does a delimiter there. In
    // the description of an Examples line after a step (below it, up to its
    // table) a Feature or Background heading, a step or a delimiter is
    // TEXT_LINE, text like the lines around it. Every other line keeps its
    // classified type.
    // Each pass starts afresh from the classified types and keywords, so a
    // line is description or doc-string text exactly while the lines above
    // make it one, whichever lines were read again.
    void ContextPass();

    // The first line of the doc string or table that the analysed lines end
    // in and that runs on past them (a doc string still open, a table whose
    // next row is the first line past them), or -1. Commands that rewrite the
    // whole text re-lay only the lines before it, and the block commands
    // leave such a block alone: the part past the limit cannot be read.
    int BlockRunningPastLimit() const;
    // The number of leading lines a whole-text rewrite may re-lay: the lines
    // before BlockRunningPastLimit, or else all analysed lines.
    int RelayableLineCount() const;

    // min(source line count, maxAnalysedLines)
    int AnalysableLineCount(const LineSource& source) const;

    // lineType of the line when it lies within the analysed lines, otherwise
    // NOT_ANALYSED.
    LineType TypeOf(int line) const;

private:
    // Grows the tables to hold at least `count` entries.
    void EnsureEntries(int count);
    // AnalyseLine for an entry that the tables hold and the source has.
    void ReadLine(const Language& language, const LineSource& source, int i);
    // Writes the texts of all entries anew, without what reading lines again
    // left behind.
    void CompactTexts();

    // Where an entry's text stands in m_texts.
    struct TextPlace {
        std::size_t offset = 0;
        std::size_t length = 0;
    };
    // The entries' texts one after another, so that reading a line is one
    // append rather than a string of its own. A line read again is appended
    // anew; its old text stays behind until there is as much of that as of
    // the entries' own.
    std::u16string m_texts;
    std::vector<TextPlace> m_textPlaces;
    // The length of the entries' texts, all together.
    std::size_t m_entriesTextLength = 0;
};
