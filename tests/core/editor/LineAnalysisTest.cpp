#include "EditorTestSupport.h"

#include "core/editor/IncludeLine.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

class LineAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }
};

std::vector<LineType> TypesOf(const LineAnalysis& analysis)
{
    return { analysis.lineType.begin(), analysis.lineType.begin() + analysis.analysedLineCount };
}

TEST_F(LineAnalysisTest, EntriesHoldTextStartKeywordAndItsPosition)
{
    const LineAnalysis a
        = Analysed(Crlf({ u"Feature: f", u"    Given I have 3 apples", u"  | a | b |", u"plain", u"" }));

    ASSERT_EQ(a.analysedLineCount, 5);
    EXPECT_EQ(a.lineText[0], u"Feature: f\r");
    EXPECT_EQ(a.lineText[1], u"    Given I have 3 apples\r");
    EXPECT_EQ(a.lineText[4], u"");
    EXPECT_EQ(a.lineKeyword[1], u"Given");
    EXPECT_EQ(a.keywordPosition[1], 4);
    EXPECT_EQ(a.lineKeyword[2], u"|");
    EXPECT_EQ(a.keywordPosition[2], 2);
    EXPECT_EQ(a.lineKeyword[3], u"");
    EXPECT_EQ(a.keywordPosition[3], 0);
    // A line break is one position, so each line starts where the previous one's text ends.
    for (int i = 0; i + 1 < a.analysedLineCount; ++i)
        EXPECT_EQ(a.lineStart[i] + static_cast<int>(a.lineText[i].size()), a.lineStart[i + 1])
            << "line " << i;
}

TEST_F(LineAnalysisTest, KeywordPositionIsItsFirstOccurrenceEvenWhenRepeated)
{
    // The trimmed line starts with the keyword; the same word later on must not move it.
    const LineAnalysis a = Analysed(u" \tAnd And again");
    EXPECT_EQ(a.lineKeyword[0], u"And");
    EXPECT_EQ(a.keywordPosition[0], 2);
}

TEST_F(LineAnalysisTest, EmptyTextHasOneEmptyTextLine)
{
    const LineAnalysis a = Analysed(u"");
    ASSERT_EQ(a.analysedLineCount, 1);
    EXPECT_EQ(a.lineType[0], TEXT_LINE);
    EXPECT_EQ(a.lineText[0], u"");
    EXPECT_EQ(a.lineKeyword[0], u"");
}

struct ContextCase {
    const char* name;
    std::vector<std::u16string_view> lines;
    std::vector<LineType> expected;

    friend void PrintTo(const ContextCase& c, std::ostream* os) { *os << c.name; }
};

class ContextPassTest : public ::testing::TestWithParam<ContextCase> {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }
};

TEST_P(ContextPassTest, GivesEachLineItsRoleInContext)
{
    const ContextCase& c = GetParam();
    std::u16string text;
    for (std::u16string_view line : c.lines)
        (text += line) += u"\r\n";
    text.pop_back();
    text.pop_back();
    EXPECT_EQ(TypesOf(Analysed(text)), c.expected);
}

const std::u16string_view Q = u"\"\"\"";

INSTANTIATE_TEST_SUITE_P(Lines, ContextPassTest,
    ::testing::Values(
        ContextCase { "DescriptionUnderHeadingsUpToTheFirstStep",
            { u"Feature: f", u"  As a user", u"", u"  Scenario: s", u"  more words", u"    Given g",
                u"  after the step" },
            { FEATURE_LINE, COMMENT_LINE, COMMENT_LINE, SCENARIO_LINE, COMMENT_LINE, STEP_LINE, TEXT_LINE } },
        ContextCase { "EveryHeadingKindStartsADescription",
            { u"Background:", u"b", u"* s", u"Rule: r", u"r", u"Scenario Outline: o", u"o", u"Given g",
                u"t" },
            { BACKGROUND_LINE, COMMENT_LINE, STEP_LINE, SCENARIO_LINE, COMMENT_LINE, SCENARIO_OUTLINE_LINE,
                COMMENT_LINE, STEP_LINE, TEXT_LINE } },
        ContextCase { "TextAfterExamplesFollowingStepsStaysPlain",
            { u"Scenario Outline: o", u"Given <a>", u"Examples:", u"after examples" },
            { SCENARIO_OUTLINE_LINE, STEP_LINE, EXAMPLES_LINE, TEXT_LINE } },
        ContextCase { "TagsCommentsTablesAndExamplesKeepADescriptionOpen",
            { u"Feature: f", u"# c", u"@t", u"| a |", u"Examples:", u"#include x", u"still description" },
            { FEATURE_LINE, COMMENT_LINE, TAG_LINE, TABLE_LINE, EXAMPLES_LINE, INCLUDE_LINE, COMMENT_LINE } },
        ContextCase { "TextBeforeAnyHeadingIsPlain", { u"loose text", u"", u"Feature: f" },
            { TEXT_LINE, TEXT_LINE, FEATURE_LINE } },
        ContextCase { "DocStringBetweenDelimitersButNotAfter", { u"Given g", Q, u"inside", u"", Q, u"after" },
            { STEP_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE, DOC_STRING_LINE,
                DOC_STRING_DELIMITER_LINE, TEXT_LINE } },
        ContextCase { "DocStringWinsOverDescription", { u"Feature: f", Q, u"x", Q, u"y" },
            { FEATURE_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE, DOC_STRING_DELIMITER_LINE,
                COMMENT_LINE } },
        ContextCase { "RecognisedLinesInsideADocStringKeepTheirTypeAndMoveTheFlags",
            { u"Given g", Q, u"Scenario: inside", u"| cell |", u"text", Q, u"after" },
            { STEP_LINE, DOC_STRING_DELIMITER_LINE, SCENARIO_LINE, TABLE_LINE, DOC_STRING_LINE,
                DOC_STRING_DELIMITER_LINE, COMMENT_LINE } },
        ContextCase { "AStepInsideADocStringEndsTheDescription", { u"Feature: f", Q, u"* step", Q, u"y" },
            { FEATURE_LINE, DOC_STRING_DELIMITER_LINE, STEP_LINE, DOC_STRING_DELIMITER_LINE, TEXT_LINE } },
        ContextCase { "DelimiterWithContentTypeOpensAndAnUnclosedDocStringRunsToTheEnd",
            { u"Given g", u"  \"\"\"json", u"{", u"}" },
            { STEP_LINE, DOC_STRING_DELIMITER_LINE, DOC_STRING_LINE, DOC_STRING_LINE } },
        ContextCase { "BackticksDoNotOpenADocString", { u"Given g", u"```", u"x" },
            { STEP_LINE, TEXT_LINE, TEXT_LINE } }),
    [](const ::testing::TestParamInfo<ContextCase>& info) { return std::string(info.param.name); });

TEST_F(LineAnalysisTest, AConvertedLineKeepsItsTypeUntilItIsReadAgain)
{
    const std::u16string before = Crlf({ u"Feature: f", u"description", u"Given g" });
    const std::u16string after = Crlf({ u"plain text", u"description", u"Given g" });
    LineAnalysis a = Analysed(before);
    ASSERT_EQ(a.lineType[1], COMMENT_LINE);

    // Only the edited line is read again: the line below it no longer follows a
    // heading, yet it stays a comment.
    const TextLineSource source(after);
    a.AnalyseLines(source, 0, 1);
    EXPECT_EQ(a.lineType[0], TEXT_LINE);
    EXPECT_EQ(a.lineType[1], COMMENT_LINE);

    a.AnalyseLines(source, 1, 2);
    EXPECT_EQ(a.lineType[1], TEXT_LINE);
}

TEST_F(LineAnalysisTest, ReanalysingAroundAnEditMatchesAFullAnalysis)
{
    // A keystroke keeps the line's length here; a longer line would move the
    // starts of the lines below, which only a full analysis brings up to date.
    const std::u16string before = Crlf({ u"Feature: f", u"", u"Given ggggg", u"text", u"Then t" });
    const std::u16string after = Crlf({ u"Feature: f", u"", u"Scenario: s", u"text", u"Then t" });
    LineAnalysis a = Analysed(before);
    const TextLineSource source(after);
    a.AnalyseLines(source, 1, 4);

    const LineAnalysis full = Analysed(after);
    EXPECT_EQ(TypesOf(a), TypesOf(full));
    EXPECT_EQ(a.lineKeyword, full.lineKeyword);
    EXPECT_EQ(a.lineText, full.lineText);
    EXPECT_EQ(a.lineStart, full.lineStart);
}

TEST_F(LineAnalysisTest, RangeIsClippedAndLinesOutsideItStayUnanalysed)
{
    const TextLineSource source(Crlf({ u"Feature: f", u"Given g", u"text", u"# c" }));
    LineAnalysis a;
    a.AnalyseLines(source, -5, 2);
    EXPECT_EQ(a.analysedLineCount, 4);
    EXPECT_EQ(TypesOf(a), (std::vector<LineType> { FEATURE_LINE, STEP_LINE, NOT_ANALYSED, NOT_ANALYSED }));

    a.AnalyseLines(source, 3, 100);
    EXPECT_EQ(TypesOf(a), (std::vector<LineType> { FEATURE_LINE, STEP_LINE, NOT_ANALYSED, COMMENT_LINE }));
}

TEST_F(LineAnalysisTest, LongLinesAreReadInFull)
{
    const std::u16string name(5000, u'x');
    const std::u16string longStep = u"    Given " + name;
    const LineAnalysis a = Analysed(Crlf({ longStep, u"Then t" }));

    EXPECT_EQ(a.lineText[0], longStep + u"\r");
    EXPECT_EQ(a.lineType[0], STEP_LINE);
    EXPECT_EQ(a.keywordPosition[0], 4);
    EXPECT_EQ(a.lineStart[1], static_cast<int>(longStep.size()) + 1);
    EXPECT_EQ(a.lineKeyword[1], u"Then");
}

TEST_F(LineAnalysisTest, NoLineBeyondTheLimitIsEverAnalysed)
{
    std::u16string text;
    for (int i = 0; i < 2500; ++i)
        text += u"Given step " + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\r\n";
    const TextLineSource source(text);
    ASSERT_EQ(source.lineCount(), 2501);

    LineAnalysis a;
    a.AnalyseLines(source, 0, source.lineCount());
    EXPECT_EQ(a.analysedLineCount, MAX_ANALYSED_LINES);
    EXPECT_EQ(a.lineType[MAX_ANALYSED_LINES - 1], STEP_LINE);
    EXPECT_EQ(a.TypeOf(MAX_ANALYSED_LINES - 1), STEP_LINE);
    EXPECT_EQ(a.TypeOf(MAX_ANALYSED_LINES), NOT_ANALYSED);

    // Analysing one line past the limit directly changes nothing either.
    a.AnalyseLine(source, MAX_ANALYSED_LINES + 10);
    EXPECT_EQ(a.TypeOf(MAX_ANALYSED_LINES + 10), NOT_ANALYSED);
    EXPECT_LE(a.lineType.size(), static_cast<std::size_t>(MAX_ANALYSED_LINES));
}

TEST_F(LineAnalysisTest, ShorterTextLimitsWhatCountsAsAnalysed)
{
    LineAnalysis a = Analysed(Crlf({ u"#include a", u"#include b", u"#include c" }));
    ASSERT_TRUE(IsIncludeLine(a, 2));
    a.AnalyseAll(TextLineSource(u"#include a"));
    EXPECT_EQ(a.analysedLineCount, 1);
    EXPECT_EQ(a.TypeOf(2), NOT_ANALYSED);
    EXPECT_FALSE(IsIncludeLine(a, 2));
}

TEST_F(LineAnalysisTest, IncludeLinesAreRecognisedOnlyInExactCase)
{
    const LineAnalysis a = Analysed(
        Crlf({ u"#include \"data.csv\" ", u" \t #include", u"#Include x.csv", u"# include x.csv", u"text" }));
    EXPECT_TRUE(IsIncludeLine(a, 0));
    EXPECT_TRUE(IsIncludeLine(a, 1));
    EXPECT_FALSE(IsIncludeLine(a, 2));
    EXPECT_FALSE(IsIncludeLine(a, 3));
    EXPECT_FALSE(IsIncludeLine(a, 4));
    EXPECT_FALSE(IsIncludeLine(a, 5));
    EXPECT_FALSE(IsIncludeLine(a, -1));
}

TEST_F(LineAnalysisTest, FollowsTheLanguageCurrentWhenALineIsRead)
{
    ASSERT_TRUE(SetLanguage(u"de"));
    const LineAnalysis german = Analysed(Crlf({ u"Funktionalität: f", u"Beschreibung", u"Gegeben sei x" }));
    EXPECT_EQ(TypesOf(german), (std::vector<LineType> { FEATURE_LINE, COMMENT_LINE, STEP_LINE }));
    EXPECT_EQ(german.lineKeyword[2], u"Gegeben sei");

    ASSERT_TRUE(SetLanguage(u"en"));
    const LineAnalysis english = Analysed(Crlf({ u"Funktionalität: f", u"Beschreibung", u"Gegeben sei x" }));
    EXPECT_EQ(TypesOf(english), (std::vector<LineType> { TEXT_LINE, TEXT_LINE, TEXT_LINE }));
}

// What every analysis of a real file must hold: the lines, put back together,
// are the text; each keyword stands where its position says, behind blanks
// and tabs only; and every analysed line has a type.
void ExpectAnalysisInvariants(const std::u16string& text, const std::string& name)
{
    const TextLineSource source(text);
    const LineAnalysis a = Analysed(text);
    ASSERT_EQ(a.analysedLineCount, std::min(source.lineCount(), MAX_ANALYSED_LINES)) << name;

    std::u16string joined;
    for (int i = 0; i < a.analysedLineCount; ++i) {
        EXPECT_EQ(a.lineStart[i], static_cast<int>(joined.size())) << name << " line " << i;
        joined += a.lineText[i];
        EXPECT_NE(a.lineType[i], NOT_ANALYSED) << name << " line " << i;
        const std::u16string& keyword = a.lineKeyword[i];
        const auto at = static_cast<std::size_t>(a.keywordPosition[i]);
        EXPECT_EQ(a.lineText[i].substr(at, keyword.size()), keyword) << name << " line " << i;
        if (!keyword.empty()) {
            EXPECT_EQ(a.lineText[i].find_first_not_of(u" \t"), at) << name << " line " << i;
        }
    }
    EXPECT_TRUE(source.controlText().starts_with(joined)) << name;
    if (source.lineCount() <= MAX_ANALYSED_LINES) {
        EXPECT_EQ(joined, source.controlText()) << name;
    }
}

TEST_F(LineAnalysisTest, RealFilesKeepTheAnalysisInvariants)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << QUILLMARK_CORPUS_DIR;
    for (const auto& file : files)
        ExpectAnalysisInvariants(ReadFeatureFile(file), file.filename().string());
    const std::u16string large = ReadFeatureFile(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature");
    ExpectAnalysisInvariants(large + large, "realistic-1998.feature twice");
}

} // namespace
