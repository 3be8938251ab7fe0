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
        { u"# language: fr\r", u"fr" },
        { u"#language:fr", u"fr" },
        { u"#\tlanguage:\tzh-CN\r", u"zh-CN" },
        { u"Feature: a # language: de", u"de" },
        { u"  # language: en-Scouse\r", u"en-Scouse" },
        { u"# language: em\r\r\r", u"em" },
        { u"# # language: sv", u"sv" },
        // No directive: English, whatever was current.
        { u"Feature: x\r", u"en" },
        { u"# Language: fr\r", u"en" },
        { u"# language:\r", u"en" },
        { u"# language fr", u"en" },
        { u"", u"en" },
        // An unknown name is returned as written and changes nothing.
        { u"# language: xx\r", u"nl", u"xx" },
        { u"# language: fr \r", u"nl", u"fr " },
        { u"# language: FR", u"nl", u"FR" },
        { u"# language: fr # comment", u"nl", u"fr # comment" },
        { u"# language: 🥒é\r", u"nl", u"🥒é" },
        // A run of white space gives one character back so that the name is not empty.
        { u"# language:   \r", u"nl", u" " },
        { u"# language:\t\r", u"nl", u"\t" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Ascii(c.firstLine));
        ForgetCurrentLanguage(); // from a language no directive names, to see what stays
        ASSERT_TRUE(SetLanguage(u"nl"));
        const auto name = ApplyLanguageDirective(c.firstLine);
        if (c.unknownName) {
            EXPECT_EQ(name, std::optional<std::u16string>(c.unknownName));
        } else {
            EXPECT_EQ(name, std::nullopt);
        }
        EXPECT_EQ(currentLanguageCode, c.language);
        EXPECT_EQ(currentLanguage.code, c.language);
    }
}

TEST(LanguageDirective, EndlessFirstLineIsHandledWithoutCrashing)
{
    ASSERT_TRUE(SetLanguage(u"nl"));
    const std::u16string endless = u"# language: " + std::u16string(1'000'000, u'x') + u"\r";
    const auto name = ApplyLanguageDirective(endless);
    ASSERT_TRUE(name.has_value());
    EXPECT_FALSE(name->empty());
    EXPECT_LT(name->size(), 2000u) << "the message about it stays readable";
    EXPECT_EQ(name->find_first_not_of(u'x'), std::u16string::npos);
    EXPECT_EQ(currentLanguageCode, u"nl");

    EXPECT_EQ(ApplyLanguageDirective(std::u16string(1'000'000, u'#')), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"en");
}

TEST(DirectiveLineOf, IsEverythingBeforeTheFirstLineFeed)
{
    using Line = std::optional<std::u16string>;
    EXPECT_EQ(DirectiveLineOf(u"# language: fr\r\nFeature: x\r\n"), Line(u"# language: fr\r"));
    EXPECT_EQ(DirectiveLineOf(u"Feature: x\r\n# language: fr\r\n"), Line(u"Feature: x\r"));
    EXPECT_EQ(DirectiveLineOf(u"a\nb\nc"), Line(u"a"));
    // Without a line feed, or starting with one, the directive is skipped.
    EXPECT_EQ(DirectiveLineOf(u"# language: fr\r"), std::nullopt);
    EXPECT_EQ(DirectiveLineOf(u"\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(DirectiveLineOf(u""), std::nullopt);
}

} // namespace
