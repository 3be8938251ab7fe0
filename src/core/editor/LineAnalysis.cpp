#include "LineAnalysis.h"

#include "ExamplesDescription.h"
#include "core/language/LineClassifier.h"

#include <algorithm>

LineAnalysis::LineAnalysis() = default;

void LineAnalysis::EnsureEntries(int count)
{
    const auto needed = static_cast<std::size_t>(count);
    if (lineType.size() >= needed)
        return;
    m_textPlaces.resize(needed);
    lineStart.resize(needed, 0);
    lineType.resize(needed, NOT_ANALYSED);
    classifiedType.resize(needed, NOT_ANALYSED);
    lineKeyword.resize(needed);
    keywordPosition.resize(needed, 0);
    classifiedKeyword.resize(needed);
    classifiedKeywordPosition.resize(needed, 0);
}

void LineAnalysis::CompactTexts()
{
    std::u16string texts;
    texts.reserve(m_entriesTextLength);
    for (TextPlace& place : m_textPlaces) {
        const std::size_t offset = texts.size();
        texts.append(m_texts, place.offset, place.length);
        place.offset = offset;
    }
    m_texts = std::move(texts);
}

int LineAnalysis::AnalysableLineCount(const LineSource& source) const
{
    return std::min(source.lineCount(), maxAnalysedLines);
}

void LineAnalysis::AnalyseLine(const Language& language, const LineSource& source, int i)
{
    if (i < 0 || i >= AnalysableLineCount(source))
        return;
    EnsureEntries(i + 1);
    ReadLine(language, source, i);
}

void LineAnalysis::ReadLine(const Language& language, const LineSource& source, int i)
{
    TextPlace& place = m_textPlaces[static_cast<std::size_t>(i)];
    m_entriesTextLength -= place.length;
    place.offset = m_texts.size();
    source.appendLineText(i, m_texts);
    place.length = m_texts.size() - place.offset;
    m_entriesTextLength += place.length;
    // Some room for texts that are left behind, so that reading a few short
    // lines again and again does not write all of them anew each time.
    constexpr std::size_t leftBehindRoom = 4096;
    if (m_texts.size() > 2 * m_entriesTextLength + leftBehindRoom)
        CompactTexts();

    lineStart[i] = source.lineStart(i);
    const std::u16string_view text = LineText(i);
    const std::size_t mark = ByteOrderMarkLength(i, text);
    const LineClass found = ClassifyLineText(language, text.substr(mark));
    // The line's keyword starts empty: a blank line keeps that.
    const std::u16string_view keyword = found.keywordSet ? found.keyword : std::u16string_view();
    classifiedType[i] = found.type;
    lineType[i] = classifiedType[i];
    // The classifier found the keyword at the start of the trimmed line, behind
    // blanks or white space that no keyword begins with, so that is its first
    // occurrence: where the keyword is drawn and where content starts.
    keywordPosition[i] = keyword.empty() ? 0 : static_cast<int>(mark + found.keywordAt);
    classifiedKeywordPosition[i] = keywordPosition[i];
    lineKeyword[i] = keyword;
    classifiedKeyword[i] = keyword;
}

void LineAnalysis::AnalyseLines(const Language& language, const LineSource& source, int first, int last)
{
    analysedLineCount = AnalysableLineCount(source);
    EnsureEntries(analysedLineCount);
    const int end = std::min(last, analysedLineCount);
    // When every entry is read again, the texts they held can all go first.
    if (first <= 0 && static_cast<std::size_t>(end) == m_textPlaces.size()) {
        m_texts.clear();
        std::fill(m_textPlaces.begin(), m_textPlaces.end(), TextPlace {});
        m_entriesTextLength = 0;
        // A line starts where the line before it ends, so the start of the
        // line after the entries says how long their texts are together;
        // after the text's last line there is none, and some room is made
        // for a last line of the usual length.
        constexpr std::size_t lastLineRoom = 1024;
        const int start = end < source.lineCount() ? source.lineStart(end) : source.lineStart(end - 1);
        if (start >= 0)
            m_texts.reserve(static_cast<std::size_t>(start) + (end < source.lineCount() ? 0 : lastLineRoom));
    }
    for (int i = std::max(first, 0); i < end; ++i)
        ReadLine(language, source, i);
    textLineCount = source.lineCount();
    textAfterLimit.clear();
    typeAfterLimit = NOT_ANALYSED;
    if (analysedLineCount < textLineCount) {
        textAfterLimit = source.lineText(analysedLineCount);
        std::u16string keyword;
        typeAfterLimit = ClassifyLine(language, textAfterLimit, keyword);
    }
    ContextPass();
}

void LineAnalysis::AnalyseAll(const Language& language, const LineSource& source)
{
    AnalyseLines(language, source, 0, maxAnalysedLines);
}

void LineAnalysis::ContextPass()
{
    bool inDescription = false;
    // The heading whose description the walk is in.
    LineType describedBy = NOT_ANALYSED;
    // Under an Examples line, up to its table.
    bool inExamplesDescription = false;
    // The delimiter that opened the doc string the walk is in; none outside.
    const std::u16string_view* openedBy = nullptr;
    openDocString = -1;
    for (int i = 0; i < analysedLineCount; ++i) {
        LineType type = classifiedType[i];
        if (openedBy != nullptr) {
            if (type == DOC_STRING_DELIMITER_LINE && classifiedKeyword[i] == *openedBy) {
                openedBy = nullptr;
                openDocString = -1;
            } else {
                type = DOC_STRING_LINE;
            }
        } else {
            inExamplesDescription = inExamplesDescription && MayStandBeforeExamplesTable(type);
            // Cucumber reads a heading, step or delimiter there as the
            // description it stands in: one taken for a step would be offered
            // a doc string or table that Cucumber never sees.
            if (inExamplesDescription
                && (type == FEATURE_LINE || type == BACKGROUND_LINE || type == STEP_LINE
                    || type == DOC_STRING_DELIMITER_LINE))
                type = TEXT_LINE;
            switch (type) {
            case FEATURE_LINE:
            case SCENARIO_LINE:
            case BACKGROUND_LINE:
            case SCENARIO_OUTLINE_LINE:
                inDescription = true;
                describedBy = type;
                break;
            case STEP_LINE:
                inDescription = false;
                break;
            case EXAMPLES_LINE:
                // Cucumber looks for Examples in a scenario's description, but
                // in a feature's or a background's it is just more of that
                // description.
                inExamplesDescription
                    = !inDescription || (describedBy != FEATURE_LINE && describedBy != BACKGROUND_LINE);
                break;
            case DOC_STRING_DELIMITER_LINE:
                // Cucumber looks for no doc string in a description: there the
                // delimiter is text like any other.
                if (inDescription) {
                    type = COMMENT_LINE;
                    break;
                }
                openedBy = &classifiedKeyword[i];
                openDocString = i;
                break;
            case TEXT_LINE:
                if (inDescription)
                    type = COMMENT_LINE;
                break;
            default:
                break;
            }
        }
        lineType[i] = type;
        // Text that its context made so has no keyword; a line that is itself
        // again gets its own back.
        if (type != classifiedType[i]) {
            lineKeyword[i] = {};
            keywordPosition[i] = 0;
        } else {
            lineKeyword[i] = classifiedKeyword[i];
            keywordPosition[i] = classifiedKeywordPosition[i];
        }
    }
}

int LineAnalysis::BlockRunningPastLimit() const
{
    if (analysedLineCount >= textLineCount || analysedLineCount == 0)
        return -1;
    if (openDocString >= 0)
        return openDocString;
    int first = analysedLineCount - 1;
    if (lineType[first] != TABLE_LINE || typeAfterLimit != TABLE_LINE)
        return -1;
    while (first > 0 && lineType[first - 1] == TABLE_LINE)
        --first;
    return first;
}

int LineAnalysis::RelayableLineCount() const
{
    const int block = BlockRunningPastLimit();
    return block >= 0 ? block : analysedLineCount;
}

LineType LineAnalysis::TypeOf(int line) const
{
    if (line < 0 || line >= analysedLineCount)
        return NOT_ANALYSED;
    return lineType[line];
}
