#include "core/editor/TextLineSource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// Where each line of `text` begins, found one character at a time.
std::vector<int> LineOffsets(const std::u16string& text)
{
    std::vector<int> offsets { 0 };
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 2, u"\r\n") == 0)
            ++at;
        if (text[at] == u'\r' || text[at] == u'\n')
            offsets.push_back(static_cast<int>(at + 1));
    }
    return offsets;
}

// The source against the control's split read one character at a time: each line,
// its break (none after the last), its place in the text and its position.
void ExpectSplitAsOneByOne(const std::u16string& text, const TextLineSource& source)
{
    std::u16string whole;
    std::set<std::u16string> breaks;
    std::size_t begin = 0, at = 0;
    int line = 0, start = 0;
    for (;; ++line) {
        while (at < text.size() && text[at] != u'\r' && text[at] != u'\n')
            ++at;
        const std::u16string content = text.substr(begin, at - begin);
        const std::size_t breakLength = at == text.size() ? 0 : text.compare(at, 2, u"\r\n") == 0 ? 2 : 1;
        SCOPED_TRACE(line);
        ASSERT_LT(line, source.lineCount());
        EXPECT_EQ(source.lineContent(line), content);
        const std::u16string lineText = breakLength == 0 ? content : content + u'\r';
        EXPECT_EQ(source.lineText(line), lineText);
        EXPECT_TRUE(source.lineTextIs(line, lineText));
        EXPECT_FALSE(source.lineTextIs(line, lineText + u'\r'));
        EXPECT_FALSE(source.lineTextIs(line, content + u'\n'));
        if (!lineText.empty()) {
            EXPECT_FALSE(source.lineTextIs(line, lineText.substr(1)));
        }
        EXPECT_EQ(source.lineStart(line), start);
        EXPECT_EQ(source.lineOffset(line), begin);
        if (breakLength == 0)
            break;
        whole += content + u"\r\n";
        breaks.insert(text.substr(at, breakLength));
        start += static_cast<int>(content.size()) + 1;
        begin = at += breakLength;
    }
    EXPECT_EQ(source.lineCount(), line + 1);
    EXPECT_EQ(source.wholeText(), whole + source.lineText(line));
    EXPECT_EQ(source.commonLineBreak(), breaks.size() == 1 ? *breaks.begin() : u"");
}

// Breaks are searched several characters at a time: one is found at every place
// of such a group, beside characters around the breaks' codes and far above.
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
        SCOPED_TRACE(testing::PrintToString(text));
        ExpectSplitAsOneByOne(text, TextLineSource(text));
        // The same lines when a reader found where they begin.
        ExpectSplitAsOneByOne(text, TextLineSource(text, LineOffsets(text)));
    }
}

} // namespace
