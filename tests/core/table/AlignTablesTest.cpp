// Every table of a text aligned, and nothing else touched.
#include "core/table/AlignTables.h"
#include "TableTestSupport.h"
#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"
#include "support/Corpus.h"

#include <string>
#include <vector>

namespace {

using AlignWholeTextTest = English;

std::u16string Align(const std::u16string& text)
{
    return AlignWholeText(TextLineSource(text), Analysed(text));
}

// A comment ends a run of rows, and lines past the analysed ones stay as they are.
TEST_F(AlignWholeTextTest, AlignsEachRunOfAnalysedRowsInPlace)
{
    EXPECT_EQ(Align(Crlf({ u"|a|bb|", u"# note", u"|x|" })), Crlf({ u"| a  | bb  |", u"# note", u"| x  |" }));
    const TextLineSource source(Crlf({ u"|a|", u"|bb|", u"|c|" }));
    LineAnalysis analysis;
    analysis.maxAnalysedLines = 2;
    analysis.AnalyseAll(source);
    EXPECT_EQ(AlignWholeText(source, analysis), Crlf({ u"| a   |", u"| bb  |", u"|c|" }));
}

// Display columns of the pipes that separate cells.
std::vector<int> SeparatorColumns(std::u16string_view line)
{
    std::vector<int> columns;
    int backslashes = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == u'|' && backslashes % 2 == 0)
            columns.push_back(DisplayWidth(line.substr(0, at)));
        backslashes = line[at] == u'\\' ? backslashes + 1 : 0;
    }
    return columns;
}

CellRow TrimmedCells(std::u16string_view line)
{
    CellRow row = SplitTableRow(line);
    for (auto& cell : row)
        cell = TrimWhiteSpace(cell);
    return row;
}

// On every file of the corpus: the rows of each table keep their indent and
// cells and line up, every other line is what it was, and aligning again
// changes nothing where every row is closed by a "|".
TEST_F(AlignWholeTextTest, Corpus)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << QUILLMARK_CORPUS_DIR;
    int tablesSeen = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::u16string text = CorpusText(file);
        const LineAnalysis analysis = Analysed(text);
        const TextLineSource before(text), after(Align(text));
        ASSERT_EQ(after.lineCount(), before.lineCount());
        bool inDocString = false, allClosed = true;
        for (int i = 0; i < before.lineCount();) {
            const LineType type = analysis.TypeOf(i);
            inDocString ^= type == DOC_STRING_DELIMITER_LINE;
            if (type != TABLE_LINE || inDocString) {
                EXPECT_EQ(after.lineContent(i), before.lineContent(i)) << "line " << i;
                ++i;
                continue;
            }
            ++tablesSeen;
            const int first = i;
            const auto indent = static_cast<std::size_t>(analysis.keywordPosition[first]);
            CellMatrix cells;
            for (; analysis.TypeOf(i) == TABLE_LINE; ++i) {
                cells.push_back(TrimmedCells(before.lineContent(i)));
                allClosed &= EndsWithSeparator(std::u16string(before.lineContent(i)));
            }
            cells = PadToRectangle(cells);
            for (int k = first; k < i; ++k) {
                SCOPED_TRACE(k);
                EXPECT_EQ(
                    after.lineContent(k).substr(0, indent), before.lineContent(first).substr(0, indent));
                EXPECT_EQ(TrimmedCells(after.lineContent(k)), cells[k - first]);
                EXPECT_EQ(SeparatorColumns(after.lineContent(k)), SeparatorColumns(after.lineContent(first)));
            }
        }
        if (allClosed) {
            EXPECT_EQ(Align(after.text()), after.text());
        }
    }
    EXPECT_GT(tablesSeen, 20);
}

} // namespace
