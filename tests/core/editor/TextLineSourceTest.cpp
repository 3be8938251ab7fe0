#include "core/editor/TextLineSource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// The lines of a text as the control splits them, one character at a time:
// each line's content and the break that ends it, none after the last.
std::vector<std::pair<std::u16string, std::u16string>> SplitOneByOne(const std::u16string& text)
{
    std::vector<std::pair<std::u16string, std::u16string>> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') {
            lines.back().first += text[i];
            continue;
        }
        const std::size_t length = text.compare(i, 2, u"\r\n") == 0 ? 2 : 1;
        lines.back().second = text.substr(i, length);
        lines.emplace_back();
        i += length - 1;
    }
    return lines;
}

void ExpectSplitAsOneByOne(const std::u16string& text)
{
    const auto expected = SplitOneByOne(text);
    const TextLineSource source(text);
    ASSERT_EQ(source.lineCount(), static_cast<int>(expected.size()));
    std::u16string whole;
    std::set<std::u16string> breaks;
    std::size_t start = 0, offset = 0;
    for (int line = 0; line < source.lineCount(); ++line) {
        SCOPED_TRACE(line);
        const auto& [content, lineBreak] = expected[line];
        EXPECT_EQ(source.lineContent(line), content);
        EXPECT_EQ(source.lineText(line), lineBreak.empty() ? content : content + u'\r');
        EXPECT_EQ(source.lineStart(line), static_cast<int>(start));
        EXPECT_EQ(source.lineOffset(line), offset);
        start += content.size() + 1;
        offset += content.size() + lineBreak.size();
        whole += content + (lineBreak.empty() ? u"" : u"\r\n");
        if (!lineBreak.empty())
            breaks.insert(lineBreak);
    }
    EXPECT_EQ(source.wholeText(), whole);
    EXPECT_EQ(source.commonLineBreak(), breaks.size() == 1 ? *breaks.begin() : u"");
}

// Lines are searched for breaks several characters at a time: a break is
// found at every place in such a group, beside characters just above and
// below the line breaks' and far above them.
TEST(TextLineSource, SplitsAsTheControlDoesWhateverStandsAroundABreak)
{
    std::vector<std::u16string> texts
        = { u"", u"a\nb\n", u"a\rb\r", u"a\r\nb\nc\rd", u"\n\r", u"a\r\r\nb\n\n" };
    for (const std::u16string filler : { u"a", u"\t", u"\x0B\x0C", u"\x0E", u"\x00E9", u"\x8000", u"\xFFFF" })
        for (const std::u16string lineBreak : { u"\r\n", u"\n", u"\r" })
            for (std::size_t before = 0; before < 9; ++before) {
                std::u16string text;
                for (std::size_t i = 0; i < before + 9; ++i)
                    text += (i == before ? lineBreak : u"") + filler;
                texts.push_back(text + u"\r" + filler);
            }
    for (const std::u16string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(std::string(text.begin(), text.end())));
        ExpectSplitAsOneByOne(text);
    }
}

TEST(TextLineSource, AppendsControlTextAsWholeText)
{
    std::u16string whole = u"x";
    AppendAsWholeText(whole, u"a\rb\r\rc");
    EXPECT_EQ(whole, u"xa\r\nb\r\n\r\nc");
    AppendAsWholeText(whole, u"\r");
    EXPECT_EQ(whole, u"xa\r\nb\r\n\r\nc\r\n");
}

} // namespace
