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
        { u"# language fr", u"en" }, { u"", u"en" },
        { u"# language: fr # comment", u"nl", u"fr # comment" }, // unknown: returned, nothing changes
        { u"# language: 🥒é\r", u"nl", u"🥒é" },
        { u"# language:   \r", u"nl", u" " }, // white space gives one character back
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Ascii(c.firstLine));
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

TEST(LanguageDirective, OnlyAFirstLineClosedByALineBreakCounts)
{
    const struct {
        const char16_t* wholeText;
        const char16_t* language;
        const char16_t* message = nullptr;
    } cases[] = {
        { u"Feature: x\r\n# language: fr\r\n", u"en" },
        { u"# language: xx\r\n", u"nl", u"Cannot set language to xx" },
        { u"# language: fr", u"nl" },
        { u"\n# language: fr\r\n", u"nl" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Ascii(c.wholeText));
        ASSERT_TRUE(SetLanguage(u"nl"));
        const auto message = ApplyDocumentLanguage(c.wholeText);
        EXPECT_EQ(message, c.message ? std::optional<std::u16string>(c.message) : std::nullopt);
        EXPECT_EQ(currentLanguageCode, c.language);
    }
}

} // namespace
