#include "CliRunner.h"

#include <algorithm>
#include <set>

namespace {

class Dictionary : public CliTest { };

TEST_F(Dictionary, LanguagesOneRowEach)
{
    const CliResult result = Run({ "languages" });
    EXPECT_EQ(result.status, 0);
    const auto rows = Lines(result.out);
    ASSERT_EQ(rows.size(), 76u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "en\tEnglish\tEnglish"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "fr\tFrench\tfrançais"), rows.end());
    EXPECT_TRUE(rows.back().starts_with("mr\t")) << rows.back();
    EXPECT_EQ(Run({ "--i18n-languages" }).out, result.out);
    EXPECT_EQ(Run({ "--i18n-keywords", "de" }).out, Run({ "keywords", "de" }).out);
}

// The record as the dictionary holds it, each type's keywords together, and
// not the current language's copy, which is sorted longest first across types.
TEST_F(Dictionary, KeywordsInRecordOrderForEveryLanguage)
{
    const std::set<std::string> typeNames { "AND", "BACKGROUND", "BUT", "EXAMPLES", "FEATURE", "GIVEN",
        "RULE", "SCENARIOOUTLINE", "SCENARIO", "THEN", "WHEN" };
    for (const auto& language : Lines(Run({ "languages" }).out)) {
        const std::string code = language.substr(0, language.find('\t'));
        const CliResult result = Run({ "keywords", code });
        ASSERT_EQ(result.status, 0) << code;
        std::vector<std::string> typeRuns;
        for (const auto& row : Lines(result.out)) {
            const std::size_t tab = row.find('\t');
            ASSERT_NE(tab, std::string::npos) << code << ": " << row;
            const std::string type = row.substr(0, tab);
            EXPECT_EQ(typeNames.count(type), 1u) << code << ": " << row;
            EXPECT_GT(row.size(), tab + 1) << code << ": " << row;
            if (typeRuns.empty() || typeRuns.back() != type)
                typeRuns.push_back(type);
        }
        ASSERT_FALSE(typeRuns.empty()) << code;
        EXPECT_EQ(typeRuns.front(), "AND") << code;
        EXPECT_EQ(std::set<std::string>(typeRuns.begin(), typeRuns.end()).size(), typeRuns.size())
            << code << ": a type's keywords are split up";
    }
    const auto german = Lines(Run({ "keywords", "de" }).out);
    EXPECT_NE(std::find(german.begin(), german.end(), "FEATURE\tFunktionalität"), german.end());
}

} // namespace
