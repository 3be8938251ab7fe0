// Real feature files written by others, read as the editor reads them and
// classified line by line with the first line's directive applied.
#include "core/file/FeatureFileCodec.h"
#include "core/language/LanguageDirective.h"
#include "core/language/LineClassifier.h"

#include "LanguageState.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

TEST(CorpusClassification, EveryLineGetsAConsistentRole)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";
    // The files that name a language; every other file is English.
    const std::map<std::string, std::u16string> languageOf = { { "i18n_emoji.feature", u"em" },
        { "i18n_fr.feature", u"fr" }, { "i18n_no.feature", u"no" }, { "prefixed-keywords.feature", u"ht" } };
    // Files without a Feature heading in their language.
    const std::set<std::string> headless
        = { "empty.feature", "incomplete_feature_3.feature", "spaces_in_language.feature" };

    for (const auto& path : files) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        std::string bytes, error;
        ASSERT_TRUE(ReadFileBytes(path.string(), bytes, error)) << error;
        const std::u16string text = DecodeFeatureFile(bytes).text;

        ForgetCurrentLanguage();
        ASSERT_TRUE(SetLanguage(u"en"));
        if (const auto firstLine = DirectiveLineOf(text)) {
            EXPECT_EQ(ApplyLanguageDirective(*firstLine), std::nullopt);
        }
        const auto named = languageOf.find(name);
        EXPECT_EQ(currentLanguageCode, named == languageOf.end() ? u"en" : named->second);

        int features = 0;
        for (std::size_t start = 0, number = 1; start <= text.size(); ++number) {
            // Each line as the editor hands it over: ending in CR, but the last.
            const std::size_t end = std::min(text.find(u'\n', start), text.size());
            std::u16string line = text.substr(start, end - start);
            if (end < text.size() && !line.ends_with(u'\r'))
                line += u'\r';
            start = end + 1;
            SCOPED_TRACE("line " + std::to_string(number));

            std::u16string keyword;
            const LineType type = ClassifyLine(line, keyword);
            features += type == FEATURE_LINE;
            const std::u16string_view trimmed
                = std::u16string_view(line).substr(std::min(line.find_first_not_of(u" \t"), line.size()));
            EXPECT_TRUE(trimmed.starts_with(keyword)) << "the keyword starts the line";
            EXPECT_EQ(type == TEXT_LINE, keyword.empty());
        }
        EXPECT_EQ(features > 0, !headless.contains(name)) << features << " feature lines";
    }
}

} // namespace
