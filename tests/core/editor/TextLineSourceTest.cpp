#include "core/editor/TextLineSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Split {
    std::vector<std::u16string> contents;
    std::vector<std::u16string> breaks; // one fewer than contents
};

// The lines of a text one character at a time, as the control splits them.
Split SplitOneByOne(const std::u16string& text)
{
    Split split { { u"" }, {} };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') {
            split.contents.back() += text[i];
            continue;
        }
        const bool crLf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        split.breaks.push_back(text.substr(i, crLf ? 2 : 1));
        split.contents.emplace_back();
        i += crLf ? 1 : 0;
    }
    return split;
}

void ExpectSplitAsOneByOne(const std::u16string& text)
{
    const Split expected = SplitOneByOne(text);
    const TextLineSource source(text);
    ASSERT_EQ(source.lineCount(), static_cast<int>(expected.contents.size()));
    std::u16string whole;
    int start = 0;
    std::size_t offset = 0;
    for (int line = 0; line < source.lineCount(); ++line) {
        SCOPED_TRACE(line);
        const std::u16string& content = expected.contents[line];
        const bool last = line + 1 == source.lineCount();
        EXPECT_EQ(source.lineContent(line), content);
        EXPECT_EQ(source.lineText(line), last ? content : content + u'\r');
        EXPECT_EQ(source.lineStart(line), start);
        EXPECT_EQ(source.lineOffset(line), offset);
        start += static_cast<int>(content.size()) + 1;
        whole += content;
        if (!last) {
            offset += content.size() + expected.breaks[line].size();
            whole += u"\r\n";
        }
    }
    EXPECT_EQ(source.wholeText(), whole);
    const bool common = !expected.breaks.empty()
        && std::all_of(expected.breaks.begin(), expected.breaks.end(),
            [&](const std::u16string& b) { return b == expected.breaks.front(); });
    EXPECT_EQ(source.commonLineBreak(), common ? expected.breaks.front() : u"");
}

TEST(TextLineSource, SplitsAsTheControlDoes)
{
    const std::u16string texts[] = {
        u"",
        u"Feature: f",
        u"a\r\nb",
        u"a\nb\n",
        u"a\rb\r",
        u"a\r\nb\nc\rd",
        u"\r\n\r\n",
        u"\n\r",
        u"a\r\r\nb\n\n",
    };
    for (const std::u16string& text : texts) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        ExpectSplitAsOneByOne(text);
    }
}

// Lines are searched for breaks several characters at a time: a break is
// found at every place in such a group, beside characters just above and
// below the line breaks' and far above them.
TEST(TextLineSource, FindsEveryBreakWhateverStandsAroundIt)
{
    const std::u16string fillers[] = { u"a", u"\t", u"\x0B\x0C", u"\x0E", u"\x00E9", u"\x8000", u"\xFFFF" };
    const std::u16string breaks[] = { u"\r\n", u"\n", u"\r" };
    for (const std::u16string& filler : fillers)
        for (const std::u16string& lineBreak : breaks)
            for (std::size_t before = 0; before < 9; ++before) {
                std::u16string text;
                for (std::size_t i = 0; i < before; ++i)
                    text += filler;
                text += lineBreak;
                for (std::size_t i = 0; i < 9; ++i)
                    text += filler;
                text += u"\r" + filler;
                SCOPED_TRACE(testing::Message() << "filler " << static_cast<int>(filler[0]) << ", break "
                                                << lineBreak.size() << ", " << before << " before");
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
