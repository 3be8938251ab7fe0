// A language: selecting it, asking it for keywords, judging lines against it,
// and the "# language:" first line of a document that selects it.
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"
#include "core/language/LineClassifier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Selected one after another, so that a slot the last language left behind
// shows; only an exact code selects.
TEST(Language, EveryLanguageSelectedByItsExactCodeSortsLongestFirstAndKeepsNothingOfTheLast)
{
    const auto same = [](const KeywordEntry& a, const KeywordEntry& b) {
        return a.type == b.type && a.keyword == b.keyword;
    };
    const auto longer
        = [](const KeywordEntry& a, const KeywordEntry& b) { return a.keyword.size() > b.keyword.size(); };
    Language language;
    for (const LanguageKeywords& record : languageTable) {
        SCOPED_TRACE(testing::PrintToString(record.code));
        ASSERT_TRUE(SetLanguage(language, record.code));
        const auto& sorted = language.Keywords().keywords;
        EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end(), longer));
        EXPECT_TRUE(std::is_permutation(sorted.begin(), sorted.end(), record.keywords.begin(), same));
    }
    ASSERT_TRUE(SetLanguage(language, u"fr"));
    for (const char16_t* code : { u"EN", u"", u"en-GB", u"en " })
        EXPECT_FALSE(SetLanguage(language, code)) << testing::PrintToString(code);
    EXPECT_EQ(language.Code(), u"fr");
    EXPECT_EQ(language.Keywords().code, u"fr");
}

// Before a language is chosen only the markers are known; a carriage return
// in front of a keyword is no blank.
TEST(Language, ClassifiesLinesNoFileHolds)
{
    std::u16string keyword;
    // Before any language is selected only the markers are known.
    const Language none;
    EXPECT_EQ(ClassifyLine(none, u"Given x", keyword), TEXT_LINE);
    EXPECT_EQ(ClassifyLine(none, u"* x", keyword), STEP_LINE);
    EXPECT_EQ(keyword, u"*");
    EXPECT_EQ(ClassifyLine(none, u"#include f", keyword), INCLUDE_LINE);
    EXPECT_EQ(keyword, u"#include");
    const Language english = LanguageOf(u"en");
    EXPECT_EQ(ClassifyLine(english, u"\rGiven x", keyword), TEXT_LINE) << "a carriage return is no blank";
    EXPECT_EQ(keyword, u"");
    // Cucumber finds a doc string's delimiter behind any of its white space.
    for (const char16_t* line : { u"\v \"\"\"", u"\u00A0```json", u"\uFEFF\"\"\"" }) {
        EXPECT_EQ(ClassifyLine(english, line, keyword), DOC_STRING_DELIMITER_LINE)
            << testing::PrintToString(line);
        EXPECT_EQ(keyword.size(), 3U);
    }
}

// The directive of a text opened in `language`, its lines split where the
// control splits them.
std::optional<LanguageDirectiveProblem> Opened(Language& language, const std::u16string& text)
{
    std::vector<std::u16string> lines(1);
    for (char16_t c : text) {
        if (c == u'\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return ApplyDocumentLanguage(language, static_cast<int>(lines.size()),
        [&lines](int line) { return lines[static_cast<std::size_t>(line)]; });
}

// Which of the opening lines holds the directive that counts, and what stays
// when it names no language: the message the editor and quillmark-cli show.
TEST(Language, FirstDirectiveAmongTheOpeningCommentsSelectsOrReportsTheName)
{
    struct Case {
        std::u16string text;
        std::u16string language; // selected afterwards; "nl" was before
        std::optional<int> problemLine = std::nullopt;
        std::u16string unknownName = u"";
    };
    const Case cases[] = {
        { u"#language:fr\r\nx", u"fr" }, { u"#  language  :  fr\r\nx", u"fr" },
        { u"\xFEFF# Copyright\r\n\r\n \t\r\n  # language: fr\r\nFeature: x", u"fr" },
        { u"# language:\r\n# language: fr\r\n", u"fr" }, // no name: no directive
        { u"# language: de\r\n# language: fr\r\n", u"de" },
        { u"# x # language: fr\r\n", u"fr" }, // the first line's may follow text
        { u"# x\r\n# y # language: fr\r\n", u"en" }, // a later line's may not
        { u"@tag\r\n# language: fr\r\n", u"en" }, { u"Feature: x\r\n# language: fr\r\n", u"en" },
        { u"# Language: fr\r\nx", u"en" },
        { u"# a\r\n# language: fr", u"en" }, // a line no break closes is not looked at
        { u"# language: fr", u"nl" }, // nor is a text of one line
        { u"# a\r\n# language: xx\r\n", u"nl", 1, u"xx" }, { u"# language: fr # comment", u"nl" },
        { u"# language: fr # comment\r\n", u"nl", 0, u"fr # comment" },
        { u"# language: fr \r\n", u"nl", 0, u"fr " },
        // Lone surrogates, one before a pair, one at the end, come back as they stood.
        { u"# language: \xDC00x\xD83D\xD83D\xDE00\xDBFF\r\n", u"nl", 0, u"\xDC00x\xD83D\xD83D\xDE00\xDBFF" },
        { u"# language:   \r\n", u"nl", 0, u" " }, // white space gives one character back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        Language language = LanguageOf(u"nl"); // a language no directive names, to see what stays
        const auto problem = Opened(language, c.text);
        EXPECT_EQ(language.Code(), c.language);
        EXPECT_EQ(language.Keywords().code, c.language);
        ASSERT_EQ(problem.has_value(), c.problemLine.has_value());
        if (problem) {
            EXPECT_EQ(problem->line, *c.problemLine);
            EXPECT_EQ(problem->message, u"Cannot set language to " + c.unknownName);
        }
    }
    // An endless line: the matcher searches only its start, and the name stays readable.
    Language language;
    const auto endless = Opened(language, u"# language: " + std::u16string(1'000'000, u'x') + u"\r\n");
    ASSERT_TRUE(endless.has_value());
    EXPECT_LT(endless->message.size(), 2000u);
}

// The name a directive gives is read as a regular expression of it would
// read it: any white space apart from the words, white space after the colon
// even across a line break, a name cut at a line break of any kind, and a
// name of one character where only white space follows.
TEST(Language, DirectiveNameIsReadWhereverWhiteSpaceAndLineBreaksStand)
{
    const std::tuple<std::u16string, bool, std::optional<std::u16string>> cases[] = {
        { u"#\tlanguage\v:\f de", false, u"de" },
        { u"# language:\r\n fr", false, u"fr" },
        { u"# language: \u2028fr", true, u" " },
        { u"# language:\r\r", true, std::nullopt },
        { u"# language:\r# language: fr", true, u"# language: fr" },
        { u"x#language:fr\u2029y", true, u"fr" },
        { u"x#language:fr\u2029y", false, std::nullopt },
        { u"##language:fr", true, u"fr" },
        { u"##language:fr", false, std::nullopt },
        { u"# language :\t\u00A0fr", false, u"\u00A0fr" },
        { u"# language:\u3000ja", false, u"\u3000ja" },
        { u" # language: x", false, std::nullopt },
        { u"# language:\t\u2029", true, u"\t" },
        { u"#\u00A0language:fr", true, std::nullopt },
        { u"#language:", true, std::nullopt },
    };
    for (const auto& [line, anywhere, name] : cases) {
        SCOPED_TRACE(testing::PrintToString(line) + (anywhere ? " anywhere" : " at the start"));
        EXPECT_EQ(LanguageDirectiveName(line, anywhere), name);
    }
}

} // namespace
