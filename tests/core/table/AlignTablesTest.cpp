// Every table of a text aligned, and nothing else touched.
#include "core/table/AlignTables.h"
#include "TableTestSupport.h"
#include "core/file/FeatureFileCodec.h"
#include "core/table/DisplayWidth.h"
#include "core/table/MatrixShape.h"
#include "core/table/TableRow.h"
#include "core/table/WhiteSpace.h"
#include "support/Corpus.h"

#include <string>
#include <vector>

namespace {

using AlignWholeTextTest = English;

std::u16string Align(const std::u16string& text)
{
    return AlignWholeText(TextLineSource(text), Analysed(text));
}

const std::u16string Q = u"\"\"\"";

// Rows in a doc string are text, a last row keeps having no line break, and
// lines past the analysed ones stay.
TEST_F(AlignWholeTextTest, AlignsEachRunOfRowsInPlace)
{
    EXPECT_EQ(
        Align(Crlf({ u"Given a", u"\t  |a|bb|", u"  | ccc |", u"  # note", u"|x|", Q, u"|a|", Q, u"|b|" })),
        Crlf({ u"Given a", u"\t  | a    | bb  |", u"\t  | ccc  |     |", u"  # note", u"| x  |", Q, u"|a|", Q,
            u"| b  |" }));
    const TextLineSource source(Crlf({ u"|a|", u"|bb|", u"|c|" }));
    LineAnalysis analysis;
    analysis.maxAnalysedLines = 2;
    analysis.AnalyseAll(source);
    EXPECT_EQ(AlignWholeText(source, analysis), Crlf({ u"| a   |", u"| bb  |", u"|c|" }));
}

std::vector<std::u16string> SplitLines(const std::u16string& whole)
{
    std::vector<std::u16string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = whole.find(u"\r\n", at)) != std::u16string::npos; at = end + 2)
        lines.push_back(whole.substr(at, end - at));
    lines.push_back(whole.substr(at));
    return lines;
}

// Display columns of the pipes that separate cells.
std::vector<int> SeparatorColumns(const std::u16string& line)
{
    std::vector<int> columns;
    int backslashes = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == u'|' && backslashes % 2 == 0)
            columns.push_back(DisplayWidth(std::u16string_view(line).substr(0, at)));
        backslashes = line[at] == u'\\' ? backslashes + 1 : 0;
    }
    return columns;
}

CellRow Trimmed(CellRow row)
{
    for (auto& cell : row)
        cell = TrimWhiteSpace(cell);
    return row;
}

// On every file of the corpus: the rows of each table keep their cells and
// line up, every other line is byte for byte what it was, and aligning again
// changes nothing where every row is closed by a "|".
TEST_F(AlignWholeTextTest, Corpus)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << QUILLMARK_CORPUS_DIR;
    int tablesSeen = 0;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::string bytes, error;
        ASSERT_TRUE(ReadFileBytes(file.string(), bytes, error)) << error;
        const TextLineSource source(DecodeFeatureFile(bytes).text);
        const LineAnalysis analysis = Analysed(source.wholeText());
        const std::u16string aligned = AlignWholeText(source, analysis);
        const auto before = SplitLines(source.wholeText());
        const auto after = SplitLines(aligned);
        ASSERT_EQ(after.size(), before.size());

        bool inDocString = false, allClosed = true;
        for (int i = 0; i < static_cast<int>(before.size());) {
            const LineType type = analysis.TypeOf(i);
            inDocString ^= type == DOC_STRING_DELIMITER_LINE;
            if (type != TABLE_LINE || inDocString) {
                EXPECT_EQ(after[i], before[i]) << "line " << i;
                ++i;
                continue;
            }
            ++tablesSeen;
            int end = i;
            CellMatrix cells;
            while (analysis.TypeOf(end) == TABLE_LINE) {
                cells.push_back(Trimmed(SplitTableRow(before[end])));
                allClosed &= EndsWithSeparator(before[end]);
                ++end;
            }
            cells = PadToRectangle(cells);
            for (int k = i; k < end; ++k) {
                SCOPED_TRACE(k);
                EXPECT_EQ(after[k].substr(0, analysis.keywordPosition[i]),
                    before[i].substr(0, analysis.keywordPosition[i]));
                EXPECT_EQ(Trimmed(SplitTableRow(after[k])), cells[k - i]);
                EXPECT_EQ(SeparatorColumns(after[k]), SeparatorColumns(after[i]));
            }
            i = end;
        }
        if (allClosed) {
            EXPECT_EQ(Align(aligned), aligned);
        }
    }
    EXPECT_GT(tablesSeen, 20);
}

} // namespace
