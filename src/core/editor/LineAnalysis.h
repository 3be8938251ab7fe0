#pragma once

#include "../language/LineType.h"
#include "LineSource.h"

#include <string>
#include <vector>

inline constexpr int LINE_TABLE_CAPACITY = 10000;
inline constexpr int MAX_ANALYSED_LINES = 1998;

// The per-line tables of the open document and the analysis that fills them.
// Entries 0 .. analysedLineCount-1 are meaningful; analysedLineCount never
// exceeds maxAnalysedLines. The view owns one; the CLI and tests make their own.
class LineAnalysis {
public:
    LineAnalysis();

    std::vector<std::u16string> lineText;  // with its closing CR on all lines but the last
    std::vector<int> lineStart;            // control position of the line's first character
    std::vector<LineType> lineType;        // after the context pass; 0 when never analysed
    std::vector<std::u16string> lineKeyword;
    std::vector<int> keywordPosition;      // first occurrence of lineKeyword in lineText

    int maxAnalysedLines = MAX_ANALYSED_LINES;
    int analysedLineCount = 0;

    // Fills entry i from the source. Lines are read in full, however long.
    void AnalyseLine(const LineSource& source, int i);
    // Sets analysedLineCount from the source, analyses lines first .. last-1
    // (clipped to the analysed range), then runs the context pass over all
    // analysed lines.
    void AnalyseLines(const LineSource& source, int first, int last);
    // Description text under a heading becomes COMMENT_LINE, text between
    // doc-string delimiters DOC_STRING_LINE.
    void ContextPass();

    // min(lineCount, maxAnalysedLines)
    int AnalysableLineCount(const LineSource& source) const;
};
