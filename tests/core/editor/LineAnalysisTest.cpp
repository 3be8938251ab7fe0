#include "EditorTestSupport.h"

#include "core/editor/PopupRules.h"

namespace {

using LineAnalysisTest = English;

// The same word later in the line must not move the keyword. The context pass is
// in the golden files (tests/golden) and, after edits, in the view's colouring tests.
TEST_F(LineAnalysisTest, EntriesHoldTheKeywordWhereItFirstStandsAndNoneCountPastTheText)
{
    LineAnalysis a = Analysed(Crlf({ u" \tAnd And again", u"  | a | b |", u"plain" }));
    EXPECT_EQ(std::pair(a.lineKeyword[0], a.keywordPosition[0]), std::pair(std::u16string(u"And"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[1], a.keywordPosition[1]), std::pair(std::u16string(u"|"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[2], a.keywordPosition[2]), std::pair(std::u16string(), 0));
    // A shorter text leaves old entries in the tables, but they no longer count.
    a.AnalyseAll(TextLineSource(u"#include a"));
    EXPECT_EQ(a.TypeOf(0), INCLUDE_LINE);
    EXPECT_EQ(a.TypeOf(2), NOT_ANALYSED);
    EXPECT_EQ(a.TypeOf(-1), NOT_ANALYSED);
}

// The pop-up's Table and String items, on the lines that the view's Table and
// String commands and the pop-up's own test do not try.
TEST_F(LineAnalysisTest, PopupItemsFollowTheLineAndTheLineBelow)
{
    const LineAnalysis a = Analysed(Crlf({
        u"Feature: Pop-up", // 0
        u"  Given a string", // 1
        u"    \"\"\"", // 2
        u"    \"\"\"", // 3
        u"  When a step follows", // 4
        u"  Then a step", // 5
    }));
    // A step before a doc string takes no table; a step before a step takes either block.
    EXPECT_EQ(std::pair(CanEditTable(a, 1), CanEditString(a, 1)), std::pair(false, true));
    EXPECT_EQ(std::pair(CanEditTable(a, 4), CanEditString(a, 4)), std::pair(true, true));
}

} // namespace
