// quillmark-cli judges lines from their UTF-8 bytes; the editor judges them as
// UTF-16. Both must say the same of every line in every language.
#include "core/file/Utf8.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LineClassifier.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Lines made of every keyword of every language (the emoji ones are pairs of
// surrogates), in the shapes that the trimming, the longest-first walk, the
// markers and the white space in front of a delimiter each decide.
std::vector<std::u16string> Lines()
{
    std::vector<std::u16string> lines = { u"", u" \t ", u"|a|", u"#include x", u"#c", u"*x", u"@t", u"\"\"\"",
        u"```x", u"\v\"\"\"", u"\u00A0\u3000```", u"\u2000\"\"", u"\uFEFF\"\"\"", u"\u2029```", u"x" };
    for (const LanguageKeywords& record : languageTable) {
        for (const KeywordEntry& slot : record.keywords) {
            const std::u16string& k = slot.keyword;
            if (k.empty())
                continue;
            for (const std::u16string& line : { k, k + u" x", u"  " + k + u"\t ", u"\t" + k + u":",
                     k.substr(0, k.size() - 1), u"\u00A0" + k })
                lines.push_back(line);
        }
    }
    return lines;
}

TEST(Utf8LineClassifier, JudgesEveryLineOfEveryLanguageAsTheEditorDoes)
{
    const std::vector<std::u16string> lines = Lines();
    for (const LanguageKeywords& record : languageTable) {
        SCOPED_TRACE(testing::PrintToString(record.code));
        const Language language = LanguageOf(record.code);
        const Utf8LineClassifier classifier(language);
        for (const std::u16string& line : lines) {
            const std::string content = Utf16ToUtf8(line);
            for (const bool lineEnd : { false, true }) {
                std::u16string keyword;
                const LineType type = ClassifyLine(language, lineEnd ? line + u'\r' : line, keyword);
                std::string_view utf8Keyword;
                ASSERT_EQ(classifier.Classify(content, lineEnd, utf8Keyword), type)
                    << testing::PrintToString(content) << (lineEnd ? " with its line end" : "");
                ASSERT_EQ(utf8Keyword, Utf16ToUtf8(keyword)) << testing::PrintToString(content);
            }
        }
    }
}

} // namespace
