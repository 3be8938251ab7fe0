#include "EditorTestSupport.h"

#include "core/editor/Format.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FormatTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }
};

std::u16string Format(const std::u16string& text)
{
    int docStringColumn = 0;
    return FormatWholeText(TextLineSource(text), Analysed(text), docStringColumn);
}

std::u16string Unformat(const std::u16string& text)
{
    int docStringColumn = 0;
    return UnformatWholeText(TextLineSource(text), Analysed(text), docStringColumn);
}

// The text with every blank, tab and line break taken out: what Format and
// Unformat must never change.
std::u16string Ink(const std::u16string& text)
{
    std::u16string ink;
    for (char16_t c : text)
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n')
            ink.push_back(c);
    return ink;
}

const std::u16string Q = u"\"\"\"";

TEST_F(FormatTest, IndentsByLineRoleAndUnformatGivesTheLayoutBack)
{
    const std::u16string original
        = Crlf({ u"Scenario: Pay", u"Given a card", u"| a | b |", Q, u"  x", Q, u"" });
    const std::u16string formatted = Crlf(
        { u"Scenario: Pay", u"  Given a card", u"    | a | b |", u"    " + Q, u"      x", u"    " + Q, u"" });

    EXPECT_EQ(Format(original), formatted);
    EXPECT_EQ(Unformat(formatted), original);
}

TEST_F(FormatTest, ContentOffsetByLineType)
{
    const LineAnalysis a
        = Analysed(Crlf({ u"  \t# tab is content", u"   ", u"  Given x", u"      " + Q, u"   " }));
    int docStringColumn = -1;
    EXPECT_EQ(ContentOffset(a, 0, docStringColumn), 2);
    // A blank line's content is its closing carriage return.
    EXPECT_EQ(ContentOffset(a, 1, docStringColumn), 3);
    EXPECT_EQ(ContentOffset(a, 2, docStringColumn), 2);
    EXPECT_EQ(docStringColumn, -1);
    EXPECT_EQ(ContentOffset(a, 3, docStringColumn), 6);
    EXPECT_EQ(docStringColumn, 6);
    // The last line, blanks without a line break, inside the doc string.
    ASSERT_EQ(a.lineType[4], DOC_STRING_LINE);
    EXPECT_EQ(ContentOffset(a, 4, docStringColumn), 6);

    const LineAnalysis last = Analysed(u"   ");
    EXPECT_EQ(ContentOffset(last, 0, docStringColumn), std::nullopt);
}

TEST_F(FormatTest, BlankLinesTakeTheIndentationOfTheirRoleAndNothingElse)
{
    const std::u16string steps = Crlf({ u"Scenario: s", u"  Given a", u"     ", u"  When b", u"" });
    EXPECT_EQ(Format(steps), Crlf({ u"Scenario: s", u"  Given a", u"", u"  When b", u"" }));
    EXPECT_EQ(Unformat(steps), Crlf({ u"Scenario: s", u"Given a", u"", u"When b", u"" }));

    // Under a heading a blank line is description text, shown as a comment.
    const std::u16string description = Crlf({ u"Feature: f", u"   ", u"Scenario: s", u"" });
    EXPECT_EQ(Format(description), Crlf({ u"Feature: f", u"  ", u"Scenario: s", u"" }));
    EXPECT_EQ(Unformat(description), Crlf({ u"Feature: f", u"", u"Scenario: s", u"" }));
}

TEST_F(FormatTest, TabsBeforeTextAreKeptButBlanksAndTabsBeforeKeywordsGo)
{
    const std::u16string text = Crlf({ u"\tloose text", u"Feature: f", u" \t# note", u"Scenario: s",
        u"\t\tGiven x", u" \t| a |", u"\t" + Q, u"\tdoc", u"\t" + Q, u"" });
    EXPECT_EQ(Format(text),
        Crlf({ u"\tloose text", u"Feature: f", u"  \t# note", u"Scenario: s", u"  Given x", u"    | a |",
            u"    " + Q, u"    doc", u"    " + Q, u"" }));
    EXPECT_EQ(Unformat(text),
        Crlf({ u"\tloose text", u"Feature: f", u"\t# note", u"Scenario: s", u"Given x", u"| a |", Q, u"doc",
            Q, u"" }));
}

TEST_F(FormatTest, DocStringKeepsIndentationBeyondItsDelimiter)
{
    const std::u16string text = Crlf(
        { u"Given g", u"    " + Q, u"      deeper", u"    flush", u"         deepest", u"    " + Q, u"" });
    EXPECT_EQ(Format(text),
        Crlf({ u"  Given g", u"    " + Q, u"      deeper", u"    flush", u"         deepest", u"    " + Q,
            u"" }));
    EXPECT_EQ(Unformat(text), Crlf({ u"Given g", Q, u"  deeper", u"flush", u"     deepest", Q, u"" }));
}

TEST_F(FormatTest, DocStringCutRemovesBlanksOnlyNeverText)
{
    // Lines left of the delimiter's column: blanks give an empty line, text is kept whole.
    const std::u16string text
        = Crlf({ u"Given g", u"      " + Q, u"  ", u"ab", u"   cd", u"      " + Q, u"" });
    int column = 0;
    const LineAnalysis a = Analysed(text);
    EXPECT_EQ(UnformatText(a, column), Crlf({ u"Given g", Q, u"", u"ab", u"cd", Q, u"" }));
    EXPECT_EQ(column, 6);
    EXPECT_EQ(FormatText(a, column),
        Crlf({ u"  Given g", u"    " + Q, u"    ", u"    ab", u"    cd", u"    " + Q, u"" }));
}

TEST_F(FormatTest, DocStringColumnCarriesOverFromTheLastCall)
{
    // A doc-string line left without its delimiter (its type is only renewed
    // when it is read again) is cut at the column of the last delimiter met.
    LineAnalysis a = Analysed(Crlf({ u"Given g", Q, u"      x", Q }));
    a.AnalyseLines(TextLineSource(Crlf({ u"Given g", u"text", u"      x", u"text" })), 1, 2);
    a.AnalyseLines(TextLineSource(Crlf({ u"Given g", u"text", u"      x", u"text" })), 3, 4);
    ASSERT_EQ(a.lineType[2], DOC_STRING_LINE);

    int column = 4;
    EXPECT_EQ(UnformatText(a, column), Crlf({ u"Given g", u"text", u"  x", u"text\r\n" }));
    EXPECT_EQ(column, 4);
}

TEST_F(FormatTest, LastLineBreakIsKeptAndNeverAdded)
{
    EXPECT_EQ(Format(u""), u"");
    EXPECT_EQ(Format(u"Given x\r\n"), u"  Given x\r\n");
    // Every rebuilt line ends with a line break, so a text without a final one gains it once.
    EXPECT_EQ(Format(u"Given x"), u"  Given x\r\n");
    EXPECT_EQ(Format(Format(u"Given x")), u"  Given x\r\n");
    // A last line of blanks has no content: it keeps only its indentation.
    EXPECT_EQ(Format(u"Given x\r\n   "), u"  Given x\r\n\r\n");
}

std::u16string NumberedSteps(int count, std::u16string_view indent)
{
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text += std::u16string(indent) + u"Given step "
            + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u"\r\n";
    return text;
}

TEST_F(FormatTest, TextBeyondTheAnalysedLinesIsCarriedOverUnchanged)
{
    const std::u16string analysedPart = NumberedSteps(MAX_ANALYSED_LINES, u"\t");
    const std::u16string rest = NumberedSteps(100, u"       ") + u"   trailing without break";
    const std::u16string formatted = Format(analysedPart + rest);

    EXPECT_EQ(formatted, NumberedSteps(MAX_ANALYSED_LINES, u"  ") + rest);
    EXPECT_EQ(Unformat(analysedPart + rest), NumberedSteps(MAX_ANALYSED_LINES, u"") + rest);
}

TEST_F(FormatTest, SeamAtTheLimitNeitherLosesNorDoublesALineBreak)
{
    // One more line than is analysed: the empty line after the final break.
    const std::u16string exact = NumberedSteps(MAX_ANALYSED_LINES, u"");
    EXPECT_EQ(Format(exact), NumberedSteps(MAX_ANALYSED_LINES, u"  "));
    // Two more: an empty line, then the empty last one.
    EXPECT_EQ(Format(exact + u"\r\n"), NumberedSteps(MAX_ANALYSED_LINES, u"  ") + u"\r\n");
    // The last analysed line is followed by a last line without break.
    EXPECT_EQ(Format(exact + u"x"), NumberedSteps(MAX_ANALYSED_LINES, u"  ") + u"x");
}

TEST_F(FormatTest, TablesThatNoLongerDescribeTheTextAreRenewedFirst)
{
    const std::u16string now = Crlf({ u"Scenario: s", u"Given a", u"When b", u"Then c", u"" });
    const LineAnalysis stale = Analysed(u"Scenario: s\r\nGiven a");
    int column = 0;
    EXPECT_EQ(FormatWholeText(TextLineSource(now), stale, column),
        Crlf({ u"Scenario: s", u"  Given a", u"  When b", u"  Then c", u"" }));
}

void ExpectFixedPoints(const std::u16string& text, const std::string& name)
{
    const std::u16string formatted = Format(text);
    const std::u16string unformatted = Unformat(text);
    EXPECT_EQ(Format(formatted), formatted) << name;
    EXPECT_EQ(Unformat(unformatted), unformatted) << name;
    EXPECT_EQ(Unformat(formatted), unformatted) << name;
    EXPECT_EQ(Ink(formatted), Ink(text)) << name;
    EXPECT_EQ(Ink(unformatted), Ink(text)) << name;
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverRealFiles)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus at " << QUILLMARK_CORPUS_DIR;
    for (const auto& file : files)
        ExpectFixedPoints(ReadFeatureFile(file), file.filename().string());
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverTheLargeSample)
{
    const std::u16string text = ReadFeatureFile(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature");
    ASSERT_GT(text.size(), 10000u);
    ExpectFixedPoints(text, "realistic-1998.feature");
    ExpectFixedPoints(text + text, "realistic-1998.feature twice");
}

} // namespace
