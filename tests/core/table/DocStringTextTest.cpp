// A doc string's lines as the String command's text, and back.
#include "core/table/DocStringText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::u16string Q = u"\"\"\"";

TEST(DocStringLinesToText, TheLinesBetweenTheDelimitersWithoutTheIndent)
{
    const struct {
        const char* name;
        LineList lines;
        int indent;
        std::u16string text;
    } cases[] = {
        { "delimiters alone", { u"    " + Q + u"\r", u"    " + Q }, 4, u"" },
        { "empty lines stay", { Q, u"a\r", u"\r", u"", u"b\r", Q }, 0, u"a\r\n\r\n\r\nb\r\n" },
        // At most the indent is cut, and only blanks and tabs.
        { "the indent cut on blanks only",
            { u"    " + Q, u"      x\r", u"  y\r", u"\t\tz", u"wrong\r", u"    " + Q }, 4,
            u"  x\r\ny\r\nz\r\nwrong\r\n" },
        // Quotes inside are text; only the block's own delimiters go.
        { "quotes inside stay", { Q, u"say " + Q + u"hi", Q, u"b", Q }, 0,
            u"say " + Q + u"hi\r\n" + Q + u"\r\nb\r\n" },
        { "an unclosed run keeps its last line", { u"  " + Q + u"\r", u"  x\r" }, 2, u"x\r\n" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DocStringLinesToText(c.lines, c.indent), c.text) << c.name;
}

// Every line break of the text ends a line, and the opening keeps its content type.
TEST(TextToDocStringLines, EveryLineOfTheTextBetweenDelimiters)
{
    EXPECT_EQ(TextToDocStringLines(u"", Q), (LineList { Q, Q }));
    EXPECT_EQ(TextToDocStringLines(u"a\r\n\r\n  b\n\nc\rd\r\r", Q + u"json"),
        (LineList { Q + u"json", u"a", u"", u"  b", u"", u"c", u"d", u"", Q }));
    EXPECT_EQ(DocStringOpening({ u"    " + Q + u"json  \r", u"x", Q }), Q + u"json");
}

} // namespace
