// Real feature files written by others, classified line by line the way the
// editor sees them: the first line's directive applied, every line but the
// last ending in its carriage return.
#include "core/language/LanguageDirective.h"
#include "core/language/LineClassifier.h"

#include "LanguageState.h"
#include "support/Corpus.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

// Enough UTF-8 for the corpus, which is valid UTF-8; a bad byte becomes U+FFFD.
std::u16string DecodeUtf8(const std::string& bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = byte(i);
        const std::size_t extra = lead < 0x80 ? 0
            : lead >= 0xF0                    ? 3
            : lead >= 0xE0                    ? 2
            : lead >= 0xC0                    ? 1
                                              : 4;
        bool valid = extra < 4 && i + extra < bytes.size();
        for (std::size_t k = 1; valid && k <= extra; ++k)
            valid = (byte(i + k) & 0xC0) == 0x80;
        if (!valid) {
            text.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k)
            point = (point << 6) | (byte(i + k) & 0x3F);
        i += extra + 1;
        if (point >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(point));
        }
    }
    return text;
}

struct Document {
    std::u16string wholeText; // lines end in CR LF, as the control hands it over
    std::vector<std::u16string> lines; // each ends in CR but the last
};

Document Load(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::u16string text = DecodeUtf8(bytes.str());
    Document document;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(u'\n', start);
        std::u16string line = text.substr(start, end == std::u16string::npos ? end : end - start);
        if (!line.empty() && line.back() == u'\r')
            line.pop_back();
        if (end == std::u16string::npos) {
            document.wholeText += line;
            document.lines.push_back(line);
            break;
        }
        document.wholeText += line + u"\r\n";
        document.lines.push_back(line + u"\r");
        start = end + 1;
    }
    return document;
}

std::u16string_view Trimmed(std::u16string_view line)
{
    const auto first = line.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(u" \t") - first + 1);
}

bool IsMarker(const std::u16string& keyword)
{
    return keyword == u"#include" || keyword == u"|" || keyword == u"*" || keyword == u"@" || keyword == u"#"
        || keyword == u"\"\"\"";
}

TEST(CorpusClassification, EveryLineGetsAConsistentRole)
{
    const auto files = CorpusFiles();
    if (files.empty())
        GTEST_SKIP() << "no corpus beside the project";

    // The files that name a language; every other file is English.
    const std::map<std::string, std::u16string> languageOf = {
        { "i18n_emoji.feature", u"em" },
        { "i18n_fr.feature", u"fr" },
        { "i18n_no.feature", u"no" },
        { "prefixed-keywords.feature", u"ht" },
        { "spaces_in_language.feature", u"en" },
    };
    // Files without a Feature heading in their language.
    const std::set<std::string> headless
        = { "empty.feature", "incomplete_feature_3.feature", "spaces_in_language.feature" };

    for (const auto& path : files) {
        const std::string name = path.filename().string();
        SCOPED_TRACE(name);
        const Document document = Load(path);

        ForgetCurrentLanguage();
        ASSERT_TRUE(SetLanguage(u"en"));
        if (const auto firstLine = DirectiveLineOf(document.wholeText)) {
            EXPECT_EQ(ApplyLanguageDirective(*firstLine), std::nullopt);
        }
        const auto expected = languageOf.find(name);
        EXPECT_EQ(currentLanguageCode, expected == languageOf.end() ? u"en" : expected->second);

        int features = 0;
        for (std::size_t i = 0; i < document.lines.size(); ++i) {
            SCOPED_TRACE("line " + std::to_string(i + 1));
            const std::u16string& line = document.lines[i];
            std::u16string keyword;
            const LineType type = ClassifyLine(line, keyword);
            features += type == FEATURE_LINE;
            const std::u16string_view trimmed = Trimmed(line);
            EXPECT_TRUE(trimmed.starts_with(keyword)) << "the keyword must start the line";
            if (type == TEXT_LINE) {
                EXPECT_TRUE(keyword.empty());
                continue;
            }
            ASSERT_FALSE(keyword.empty());
            if (IsMarker(keyword))
                continue;
            // A dictionary keyword: the longest of the language that starts the line.
            bool known = false;
            for (const KeywordEntry& slot : currentLanguage.keywords) {
                known |= slot.keyword == keyword;
                if (!slot.keyword.empty() && trimmed.starts_with(slot.keyword)) {
                    EXPECT_LE(slot.keyword.size(), keyword.size());
                }
            }
            EXPECT_TRUE(known);
        }
        EXPECT_EQ(features > 0, !headless.contains(name)) << features << " feature lines";
    }
}

} // namespace
