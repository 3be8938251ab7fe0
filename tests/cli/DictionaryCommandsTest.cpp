#include <gtest/gtest.h>

#include "CliRunner.h"

#include <algorithm>
#include <set>

namespace {

const std::set<std::string> typeNames { "AND", "BACKGROUND", "BUT", "EXAMPLES", "FEATURE", "GIVEN", "RULE",
    "SCENARIOOUTLINE", "SCENARIO", "THEN", "WHEN" };

class Dictionary : public CliTest { };

TEST_F(Dictionary, LanguagesListsEveryLanguageOnce)
{
    const CliResult result = Run({ "languages" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto rows = Lines(result.out);
    ASSERT_EQ(rows.size(), 76u);
    std::set<std::string> codes;
    for (const auto& row : rows) {
        const auto fields = Fields(row);
        ASSERT_EQ(fields.size(), 3u) << row;
        EXPECT_FALSE(fields[0].empty() || fields[1].empty() || fields[2].empty()) << row;
        codes.insert(fields[0]);
    }
    EXPECT_EQ(codes.size(), 76u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), "en\tEnglish\tEnglish"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), "fr\tFrench\tfrançais"), rows.end());
    EXPECT_TRUE(rows.back().starts_with("mr\t")) << rows.back();
}

TEST_F(Dictionary, LongOptionNamesGiveTheSameTables)
{
    EXPECT_EQ(Run({ "--i18n-languages" }).out, Run({ "languages" }).out);
    EXPECT_EQ(Run({ "--i18n-keywords", "de" }).out, Run({ "keywords", "de" }).out);
}

TEST_F(Dictionary, KeywordsOfGerman)
{
    const CliResult result = Run({ "keywords", "de" });
    EXPECT_EQ(result.status, 0);
    const auto rows = Lines(result.out);
    for (const char* row :
        { "FEATURE\tFunktionalität", "EXAMPLES\tBeispiele", "SCENARIO\tBeispiel", "GIVEN\tAngenommen" })
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
}

// The record as the dictionary holds it, grouped by type, and not the current
// language's copy, whose keywords are sorted longest first across types.
TEST_F(Dictionary, KeywordsInRecordOrderForEveryLanguage)
{
    const auto languages = Lines(Run({ "languages" }).out);
    ASSERT_EQ(languages.size(), 76u);
    for (const auto& language : languages) {
        const std::string code = Fields(language)[0];
        SCOPED_TRACE(code);
        const CliResult result = Run({ "keywords", code });
        ASSERT_EQ(result.status, 0);
        std::vector<std::string> typeRuns;
        for (const auto& row : Lines(result.out)) {
            const auto fields = Fields(row);
            ASSERT_EQ(fields.size(), 2u) << row;
            EXPECT_EQ(typeNames.count(fields[0]), 1u) << row;
            EXPECT_FALSE(fields[1].empty()) << row;
            if (typeRuns.empty() || typeRuns.back() != fields[0])
                typeRuns.push_back(fields[0]);
        }
        const std::set<std::string> distinct(typeRuns.begin(), typeRuns.end());
        EXPECT_EQ(distinct.size(), typeRuns.size()) << "a type's keywords are split up";
        ASSERT_FALSE(typeRuns.empty());
        EXPECT_EQ(typeRuns.front(), "AND");
    }
}

TEST_F(Dictionary, UnknownCodeIsAnError)
{
    for (const char* code : { "xx", "EN", "en " }) {
        SCOPED_TRACE(code);
        const CliResult result = Run({ "keywords", code });
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(Lines(result.err).size(), 1u);
        EXPECT_NE(result.err.find(std::string("'") + code + "'"), std::string::npos) << result.err;
    }
}

} // namespace
