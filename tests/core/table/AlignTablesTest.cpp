// Every table of a text aligned, and nothing else touched. How the rows of
// whole files are laid out is in the golden files (tests/golden).
#include "core/table/AlignTables.h"
#include "core/editor/EditorTestSupport.h"

namespace {

using AlignWholeTextTest = English;

TEST_F(AlignWholeTextTest, LinesPastTheAnalysedOnesStayAsTheyAre)
{
    const TextLineSource source(Crlf({ u"|a|", u"|bb|", u"|c|" }));
    LineAnalysis analysis;
    analysis.maxAnalysedLines = 2;
    analysis.AnalyseAll(source);
    EXPECT_EQ(AlignWholeText(source, analysis), Crlf({ u"| a   |", u"| bb  |", u"|c|" }));
}

} // namespace
