// The "# language:" first line of a document.
#include "core/language/LanguageDirective.h"

#include "LanguageState.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageDirective, SelectsTheNamedLanguageOrEnglishOrReportsTheName)
{
    const struct {
        const char16_t* firstLine;
        const char16_t* language; // current afterwards
        const char16_t* unknownName = nullptr; // returned when no language has that name
    } cases[] = {
        { u"#\tlanguage:\tzh-CN\r", u"zh-CN" }, { u"Feature: a # language: de", u"de" },
        { u"# language: em\r\r\r", u"em" },
        { u"# Language: fr\r", u"en" }, // no directive: English, whatever was current
        { u"", u"en" },
        { u"# language: fr # comment", u"nl", u"fr # comment" }, // unknown: returned, nothing changes
        { u"# language: 🥒é\r", u"nl", u"🥒é" },
        // Lone surrogates, one before a pair, one at the end, come back as they stood.
        { u"# language: \xDC00x\xD83D\xD83D\xDE00\xDBFF", u"nl", u"\xDC00x\xD83D\xD83D\xDE00\xDBFF" },
        { u"# language:   \r", u"nl", u" " }, // white space gives one character back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.firstLine));
        ASSERT_TRUE(SetLanguage(u"nl")); // a language no directive names, to see what stays
        const auto name = ApplyLanguageDirective(c.firstLine);
        EXPECT_EQ(name, c.unknownName ? std::optional<std::u16string>(c.unknownName) : std::nullopt);
        EXPECT_EQ(currentLanguageCode, c.language);
        EXPECT_EQ(currentLanguage.code, c.language);
    }
    // An endless line: the matcher searches only its start, and the name stays readable.
    const auto name = ApplyLanguageDirective(u"# language: " + std::u16string(1'000'000, u'x'));
    ASSERT_TRUE(name.has_value());
    EXPECT_LT(name->size(), 2000u);
}

// A first line without a directive is English; a text whose first line no
// line break closes, or that starts with a break, keeps its language. The
// message for an unknown name is checked through quillmark-cli.
TEST(LanguageDirective, OnlyAFirstLineClosedByALineBreakCounts)
{
    ASSERT_TRUE(SetLanguage(u"nl"));
    EXPECT_EQ(ApplyDocumentLanguage(u"# language: fr"), std::nullopt);
    EXPECT_EQ(ApplyDocumentLanguage(u"\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"nl");
    EXPECT_EQ(ApplyDocumentLanguage(u"Feature: x\r\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"en");
}

} // namespace
