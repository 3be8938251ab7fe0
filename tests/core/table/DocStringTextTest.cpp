// A doc string's lines as the String command's text, and back.
#include "core/table/DocStringText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

struct ToTextCase {
    const char* name;
    LineList lines;
    int indent;
    std::u16string text;
};

class DocStringLinesToTextTest : public testing::TestWithParam<ToTextCase> { };

TEST_P(DocStringLinesToTextTest, GivesText)
{
    EXPECT_EQ(DocStringLinesToText(GetParam().lines, GetParam().indent), GetParam().text);
}

const ToTextCase toTextCases[] = {
    { "DelimitersAlone", { u"    " + Q + u"\r", u"    " + Q }, 4, u"" },
    { "EmptyLinesStay", { Q, u"a\r", u"\r", u"", u"b\r", Q }, 0, u"a\r\n\r\n\r\nb\r\n" },
    // At most the indent is cut, and only blanks and tabs.
    { "IndentCutOnBlanksOnly", { u"    " + Q, u"      x\r", u"  y\r", u"\t\tz", u"wrong\r", u"    " + Q }, 4,
        u"  x\r\ny\r\nz\r\nwrong\r\n" },
    // Quotes inside are text; only the block's own delimiters go.
    { "QuotesInsideStay", { Q, u"say " + Q + u"hi", Q, u"b", Q }, 0,
        u"say " + Q + u"hi\r\n" + Q + u"\r\nb\r\n" },
    { "UnclosedRunKeepsItsLastLine", { u"  " + Q + u"\r", u"  x\r" }, 2, u"x\r\n" },
};

INSTANTIATE_TEST_SUITE_P(Blocks, DocStringLinesToTextTest, testing::ValuesIn(toTextCases),
    [](const testing::TestParamInfo<ToTextCase>& info) { return std::string(info.param.name); });

TEST(TextToDocStringLines, EveryLineOfTheTextBetweenDelimiters)
{
    EXPECT_EQ(TextToDocStringLines(u"", Q), (LineList { Q, Q }));
    EXPECT_EQ(TextToDocStringLines(u"hello\r\n", Q + u"json"), (LineList { Q + u"json", u"hello", Q }));
    EXPECT_EQ(TextToDocStringLines(u"a\r\n\r\n  b\n\nc\rd\r\r", Q),
        (LineList { Q, u"a", u"", u"  b", u"", u"c", u"d", u"", Q }));
    EXPECT_EQ(DocStringOpening({ u"    " + Q + u"json  \r", u"x", Q }), Q + u"json");
    EXPECT_EQ(DocStringOpening({ u"| x |" }), Q);
}

// The text of any doc string gives its lines back.
TEST(TextToDocStringLines, InvertsDocStringLinesToText)
{
    const LineList contents[] = { {}, { u"" }, { u"x", u"", u"  y", u"", u"" }, { Q, u"z" } };
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

} // namespace
