#include "EditorTestSupport.h"

#include "core/editor/Format.h"
#include "core/file/Utf8.h"
#include "support/Corpus.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using FormatTest = English;

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

// The text without blanks, tabs and line breaks: what Format and Unformat must never change.
std::u16string Ink(std::u16string text)
{
    std::erase_if(text, [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; });
    return text;
}

const std::u16string Q = u"\"\"\"";

TEST_F(FormatTest, IndentsByLineRoleAndUnformatTakesTheIndentationAway)
{
    const struct {
        std::u16string text, formatted, unformatted;
    } cases[] = {
        // The worked example: Unformat of the formatted text gives the original back.
        { Crlf({ u"Scenario: Pay", u"Given a card", u"| a | b |", Q, u"  x", Q, u"" }),
            Crlf({ u"Scenario: Pay", u"  Given a card", u"    | a | b |", u"    " + Q, u"      x",
                u"    " + Q, u"" }),
            Crlf({ u"Scenario: Pay", u"Given a card", u"| a | b |", Q, u"  x", Q, u"" }) },
        // Blank lines keep only the indentation of their role; under a heading they are description.
        { Crlf({ u"Feature: f", u"   ", u"Scenario: s", u"  Given a", u"     ", u"  When b", u"" }),
            Crlf({ u"Feature: f", u"  ", u"Scenario: s", u"  Given a", u"", u"  When b", u"" }),
            Crlf({ u"Feature: f", u"", u"Scenario: s", u"Given a", u"", u"When b", u"" }) },
        // A tab in front of text is content; blanks and tabs in front of a keyword are not.
        { Crlf({ u"\tloose text", u"Feature: f", u" \t# note", u"Scenario: s", u"\t\tGiven x", u" \t| a |",
              u"\t" + Q, u"\tdoc", u"\t" + Q, u"" }),
            Crlf({ u"\tloose text", u"Feature: f", u"  \t# note", u"Scenario: s", u"  Given x", u"    | a |",
                u"    " + Q, u"    doc", u"    " + Q, u"" }),
            Crlf({ u"\tloose text", u"Feature: f", u"\t# note", u"Scenario: s", u"Given x", u"| a |", Q,
                u"doc", Q, u"" }) },
        // Doc strings are cut at their delimiter's column: deeper indentation stays, and a line
        // starting further left loses its blanks and tabs only, never its text.
        { Crlf({ u"Given g", u"    " + Q, u"      deeper", u"    flush", u" \tleft", u"  ", u"    " + Q,
              u"" }),
            Crlf({ u"  Given g", u"    " + Q, u"      deeper", u"    flush", u"    left", u"    ",
                u"    " + Q, u"" }),
            Crlf({ u"Given g", Q, u"  deeper", u"flush", u"left", u"", Q, u"" }) },
        // An unclosed doc string whose last line is blanks shorter than the column.
        { Crlf({ u"Given g", u"      " + Q, u"   " }), Crlf({ u"  Given g", u"    " + Q, u"    ", u"" }),
            Crlf({ u"Given g", Q, u"", u"" }) },
        // The final line break is kept, added once when missing, never doubled.
        { u"", u"", u"" },
        { u"Given x\r\n", u"  Given x\r\n", u"Given x\r\n" },
        { u"Given x", u"  Given x\r\n", u"Given x\r\n" },
        { u"Given x\r\n   ", u"  Given x\r\n\r\n", u"Given x\r\n\r\n" },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Format(cases[i].text), cases[i].formatted);
        EXPECT_EQ(Unformat(cases[i].text), cases[i].unformatted);
        EXPECT_EQ(Format(cases[i].unformatted), cases[i].formatted);
        EXPECT_EQ(Unformat(cases[i].formatted), cases[i].unformatted);
    }
}

TEST_F(FormatTest, DocStringColumnCarriesOverFromTheLastCall)
{
    // A doc-string line left without its delimiters keeps its type until it is read again,
    // and is cut at the column of the last delimiter met, even in an earlier call.
    LineAnalysis a = Analysed(Crlf({ u"Given g", Q, u"      x", Q }));
    const std::u16string now = Crlf({ u"Given g", u"text", u"      x", u"text" });
    a.AnalyseLines(TextLineSource(now), 1, 2);
    a.AnalyseLines(TextLineSource(now), 3, 4);
    ASSERT_EQ(a.lineType[2], DOC_STRING_LINE);

    int column = 4;
    EXPECT_EQ(UnformatText(a, column), Crlf({ u"Given g", u"text", u"  x", u"text\r\n" }));
    EXPECT_EQ(column, 4);
}

std::u16string NumberedSteps(int count, std::u16string_view indent)
{
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text += std::u16string(indent) + u"Given step " + static_cast<char16_t>(u'a' + i % 26) + u"\r\n";
    return text;
}

TEST_F(FormatTest, LinesPastTheLimitAreCarriedOverWithoutLosingOrDoublingALineBreak)
{
    const std::u16string analysed = NumberedSteps(MAX_ANALYSED_LINES, u"\t");
    // Past the final break; an empty line; a last line without break; many lines.
    const std::u16string rests[]
        = { u"", u"\r\n", u"x", NumberedSteps(100, u"       ") + u"   trailing without break" };
    for (const std::u16string& rest : rests) {
        SCOPED_TRACE(rest.size());
        EXPECT_EQ(Format(analysed + rest), NumberedSteps(MAX_ANALYSED_LINES, u"  ") + rest);
        EXPECT_EQ(Unformat(analysed + rest), NumberedSteps(MAX_ANALYSED_LINES, u"") + rest);
    }
}

TEST_F(FormatTest, TablesThatNoLongerDescribeTheTextAreRenewedFirst)
{
    const std::u16string now = Crlf({ u"Scenario: s", u"Given a", u"When b", u"" });
    int column = 0;
    EXPECT_EQ(FormatWholeText(TextLineSource(now), Analysed(u"Scenario: s\r\nGiven a"), column),
        Crlf({ u"Scenario: s", u"  Given a", u"  When b", u"" }));
}

TEST_F(FormatTest, FormatAndUnformatAreFixedPointsOverRealFiles)
{
    const auto expectFixedPoints = [](const std::u16string& text) {
        const std::u16string formatted = Format(text), unformatted = Unformat(text);
        EXPECT_EQ(Format(formatted), formatted);
        EXPECT_EQ(Unformat(unformatted), unformatted);
        EXPECT_EQ(Unformat(formatted), unformatted);
        EXPECT_EQ(Ink(formatted), Ink(text));
        EXPECT_EQ(Ink(unformatted), Ink(text));
    };
    // The corpus beside the project, when present, then the large sample alone and twice over.
    std::vector<std::filesystem::path> files = CorpusFiles();
    files.emplace_back(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature");
    std::u16string text;
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in);
        text.clear();
        AppendUtf8AsUtf16(std::string(std::istreambuf_iterator<char>(in), {}), text);
        expectFixedPoints(text);
    }
    SCOPED_TRACE("the large sample twice");
    expectFixedPoints(text + text);
}

} // namespace
