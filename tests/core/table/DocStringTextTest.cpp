// A doc string's lines as the String command's text, and back.
#include "core/table/DocStringText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

struct ToTextCase {
    const char* name;
    LineList lines;
    int indent;
    std::u16string text;
};

void PrintTo(const ToTextCase& c, std::ostream* os)
{
    *os << c.name;
}

class DocStringLinesToTextTest : public testing::TestWithParam<ToTextCase> { };

TEST_P(DocStringLinesToTextTest, GivesText)
{
    EXPECT_EQ(DocStringLinesToText(GetParam().lines, GetParam().indent), GetParam().text);
}

const ToTextCase toTextCases[] = {
    { "DelimitersAlone", { u"    " + Q + u"\r", u"    " + Q }, 4, u"" },
    { "DeeperIndentationStays", { u"    " + Q + u"\r", u"      x\r", u"    y\r", u"    " + Q + u"\r" }, 4,
        u"  x\r\ny\r\n" },
    { "EmptyLinesStay", { Q, u"a\r", u"\r", u"", u"b\r", Q }, 0, u"a\r\n\r\n\r\nb\r\n" },
    // Only blanks and tabs are cut, and never more than the indent.
    { "ShallowLineLosesBlanksOnly", { u"    " + Q, u"  x\r", u"wrong\r", u"    " + Q }, 4,
        u"x\r\nwrong\r\n" },
    { "TabCountsOneCharacter", { u"  " + Q, u"\t\tx", u"  " + Q }, 2, u"x\r\n" },
    { "BlankLineShorterThanIndent", { u"    " + Q, u"  \r", u"    " + Q }, 4, u"\r\n" },
    // A line of quotes inside is text; only the block's own delimiters go.
    { "QuotesInsideStay", { Q + u"\r", u"say " + Q + u"hi" + Q + u"\r", u"\\" + Q + u"\r", Q }, 0,
        u"say " + Q + u"hi" + Q + u"\r\n\\" + Q + u"\r\n" },
    { "DelimiterLineInsideTheRun", { Q, u"a", Q, Q, u"b", Q }, 0, u"a\r\n" + Q + u"\r\n" + Q + u"\r\nb\r\n" },
    { "UnclosedRunKeepsItsLastLine", { u"  " + Q + u"\r", u"  x\r" }, 2, u"x\r\n" },
};

INSTANTIATE_TEST_SUITE_P(Blocks, DocStringLinesToTextTest, testing::ValuesIn(toTextCases),
    [](const testing::TestParamInfo<ToTextCase>& info) { return std::string(info.param.name); });

TEST(TextToDocStringLines, EveryLineOfTheTextBetweenDelimiters)
{
    const std::u16string opening = Q + u"json";
    EXPECT_EQ(TextToDocStringLines(u"", Q), (LineList { Q, Q }));
    EXPECT_EQ(TextToDocStringLines(u"hello", opening), (LineList { opening, u"hello", Q }));
    EXPECT_EQ(TextToDocStringLines(u"hello\r\n", Q), (LineList { Q, u"hello", Q }));
    EXPECT_EQ(TextToDocStringLines(u"\r\n", Q), (LineList { Q, u"", Q }));
    EXPECT_EQ(TextToDocStringLines(u"a\r\n\r\n  b\n\nc\rd\r\r", Q),
        (LineList { Q, u"a", u"", u"  b", u"", u"c", u"d", u"", Q }));
}

// The text of any doc string gives its lines back.
TEST(TextToDocStringLines, InvertsDocStringLinesToText)
{
    const LineList contents[] = { {}, { u"" }, { u"", u"" }, { u"x", u"", u"  y", u"", u"" }, { Q, u"z" } };
    for (const LineList& content : contents) {
        LineList block = { u"  " + Q + u"xml\r" };
        for (const auto& line : content)
            block.push_back(u"  " + line + u"\r");
        block.push_back(u"  " + Q);
        LineList expected = { Q + u"xml" };
        expected.insert(expected.end(), content.begin(), content.end());
        expected.push_back(Q);
        EXPECT_EQ(TextToDocStringLines(DocStringLinesToText(block, 2), DocStringOpening(block)), expected)
            << content.size() << " lines";
    }
}

TEST(DocStringOpening, TheOpeningDelimiterWithItsContentType)
{
    EXPECT_EQ(DocStringOpening({ u"    " + Q + u"json  \r", u"x", Q }), Q + u"json");
    EXPECT_EQ(DocStringOpening({ u"  " + Q, Q }), Q);
    EXPECT_EQ(DocStringOpening({ u"x" }), Q);
    EXPECT_EQ(DocStringOpening({}), Q);
}

} // namespace
