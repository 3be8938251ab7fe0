// UTF-16 to whole code points and back, for the regular-expression library.
#include "core/language/WideText.h"

#include <gtest/gtest.h>

namespace {

TEST(WideText, PairsBecomeOneCodePointAndEveryTextSurvivesTheRoundTrip)
{
    EXPECT_EQ(ToWide(u"a🥒é\U0010FFFF"),
        (std::wstring { L'a', wchar_t(0x1F952), wchar_t(0xE9), wchar_t(0x10FFFF) }));
    const std::u16string texts[] = {
        u"", u"தமிழ் 😀 \u00A0\u3000", std::u16string { char16_t(0xD83D) }, // lone high surrogate
        std::u16string { char16_t(0xDC00), u'x' }, // lone low surrogate
        std::u16string { char16_t(0xD83D), char16_t(0xD83D), char16_t(0xDE00) }, // high, then a pair
        std::u16string { u'x', char16_t(0xDBFF) }, // high surrogate at the end
    };
    for (const std::u16string& text : texts)
        EXPECT_EQ(FromWide(ToWide(text)), text);
    EXPECT_EQ(ToWide(texts[4]).size(), 2u);
}

} // namespace
