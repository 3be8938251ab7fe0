// The "# language:" first line of a document.
#include "core/language/LanguageDirective.h"

#include "LanguageState.h"

#include <gtest/gtest.h>

namespace {

class LanguageDirective : public ::testing::Test {
protected:
    // A language other than the ones the directives name, to see what stays.
    void SetUp() override
    {
        ForgetCurrentLanguage();
        ASSERT_TRUE(SetLanguage(u"nl"));
    }
};

struct DirectiveCase {
    const char16_t* firstLine;
    const char16_t* language; // current afterwards
};

TEST_F(LanguageDirective, SelectsTheNamedLanguage)
{
    const DirectiveCase cases[] = {
        { u"# language: fr\r", u"fr" },
        { u"# language: fr", u"fr" },
        { u"#language:fr", u"fr" },
        { u"#\tlanguage:\tde\r", u"de" },
        { u"#   language:    zh-CN\r", u"zh-CN" },
        { u"Feature: a # language: de", u"de" },
        { u"  # language: en-Scouse\r", u"en-Scouse" },
        { u"# language: em\r\r\r", u"em" },
        { u"# # language: sv", u"sv" },
    };
    for (const DirectiveCase& c : cases) {
        ASSERT_TRUE(SetLanguage(u"nl"));
        EXPECT_EQ(ApplyLanguageDirective(c.firstLine), std::nullopt) << Ascii(c.firstLine);
        EXPECT_EQ(currentLanguageCode, c.language) << Ascii(c.firstLine);
        EXPECT_EQ(currentLanguage.code, c.language) << Ascii(c.firstLine);
    }
}

TEST_F(LanguageDirective, WithoutDirectiveSelectsEnglish)
{
    for (const char16_t* line : { u"Feature: x\r", u"# Language: fr\r", u"# language:", u"# language:\r",
             u"language: fr", u"# language fr", u"\r", u"" }) {
        ASSERT_TRUE(SetLanguage(u"nl"));
        EXPECT_EQ(ApplyLanguageDirective(line), std::nullopt) << Ascii(line);
        EXPECT_EQ(currentLanguageCode, u"en") << Ascii(line);
        EXPECT_EQ(KeywordForType(GIVEN), u"Given") << Ascii(line);
    }
}

TEST_F(LanguageDirective, UnknownNameIsReturnedAsWrittenAndChangesNothing)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        { u"# language: xx\r", u"xx" },
        { u"# language: fr \r", u"fr " },
        { u"# language: FR", u"FR" },
        { u"# language: fr # comment", u"fr # comment" },
        // The blank run gives one blank back so that the name is not empty.
        { u"# language:   \r", u" " },
        { u"# language:\t\r", u"\t" },
    };
    for (const auto& [line, name] : cases) {
        EXPECT_EQ(ApplyLanguageDirective(line), std::optional<std::u16string>(name)) << Ascii(line);
        EXPECT_EQ(currentLanguageCode, u"nl") << Ascii(line);
        EXPECT_EQ(currentLanguage.code, u"nl") << Ascii(line);
    }
}

TEST_F(LanguageDirective, NameKeepsCharactersBeyondTheBasicPlane)
{
    EXPECT_EQ(ApplyLanguageDirective(u"# language: 🥒é\r"), std::optional<std::u16string>(u"🥒é"));
    EXPECT_EQ(currentLanguageCode, u"nl");
}

TEST_F(LanguageDirective, EndlessFirstLineIsHandledWithoutCrashing)
{
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
    EXPECT_EQ(DirectiveLineOf(u"# language: fr\r\nFeature: x\r\n"),
        std::optional<std::u16string>(u"# language: fr\r"));
    EXPECT_EQ(
        DirectiveLineOf(u"Feature: x\r\n# language: fr\r\n"), std::optional<std::u16string>(u"Feature: x\r"));
    EXPECT_EQ(DirectiveLineOf(u"\r\nx"), std::optional<std::u16string>(u"\r"));
    EXPECT_EQ(DirectiveLineOf(u"a\nb\nc"), std::optional<std::u16string>(u"a"));
}

TEST(DirectiveLineOf, SkipsTextWithoutALineOrStartingWithALineFeed)
{
    EXPECT_EQ(DirectiveLineOf(u"# language: fr"), std::nullopt);
    EXPECT_EQ(DirectiveLineOf(u"# language: fr\r"), std::nullopt);
    EXPECT_EQ(DirectiveLineOf(u"\n# language: fr\r\n"), std::nullopt);
    EXPECT_EQ(DirectiveLineOf(u""), std::nullopt);
}

TEST_F(LanguageDirective, DirectiveOnTheSecondLineIsNotSeen)
{
    const auto firstLine = DirectiveLineOf(u"Feature: x\r\n# language: de\r\n");
    ASSERT_TRUE(firstLine.has_value());
    EXPECT_EQ(ApplyLanguageDirective(*firstLine), std::nullopt);
    EXPECT_EQ(currentLanguageCode, u"en");
}

} // namespace
