#include "core/CucumberSpace.h"
#include "core/editor/TextLineSource.h"
#include "core/file/Utf8.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LineClassifier.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsClassifierType(LineType type)
{
    switch (type) {
    case FEATURE_LINE:
    case TAG_LINE:
    case SCENARIO_LINE:
    case BACKGROUND_LINE:
    case SCENARIO_OUTLINE_LINE:
    case STEP_LINE:
    case TABLE_LINE:
    case EXAMPLES_LINE:
    case DOC_STRING_DELIMITER_LINE:
    case COMMENT_LINE:
    case TEXT_LINE:
    case INCLUDE_LINE:
        return true;
    default:
        return false;
    }
}

std::u16string_view Trimmed(std::u16string_view line)
{
    const std::size_t first = line.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(u" \t") + 1 - first);
}

// What is left of the line once Cucumber's white space in front is gone.
std::u16string_view TrimmedAsCucumberDoes(std::u16string_view line)
{
    std::size_t first = 0;
    while (first < line.size() && IsCucumberSpace(line[first]))
        ++first;
    return line.substr(first);
}

} // namespace

// The first byte picks the language; the rest is UTF-8 text, whose every line
// is judged as the analysis reads it from the editor (ending with its CR).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    Language language;
    if (!SetLanguage(language, languageTable[data[0] % LANGUAGE_COUNT].code))
        std::abort();
    std::u16string text;
    AppendUtf8AsUtf16(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), text);
    const TextLineSource source(text);
    const Utf8LineClassifier utf8Classifier(language);

    for (int i = 0; i < source.lineCount(); ++i) {
        const std::u16string line = source.lineText(i);
        std::u16string keyword;
        const LineType type = ClassifyLine(language, line, keyword);
        if (!IsClassifierType(type))
            std::abort();
        // The keyword is what starts the line once blanks and tabs are
        // trimmed, a doc string's delimiter once any of Cucumber's white space
        // is, and so is where the analysis finds it again; a text line has none.
        const bool keywordStarts = type == DOC_STRING_DELIMITER_LINE
            ? TrimmedAsCucumberDoes(line).starts_with(keyword)
            : Trimmed(line).starts_with(keyword);
        if (type == TEXT_LINE ? !keyword.empty() : keyword.empty() || !keywordStarts)
            std::abort();

        // Blanks and tabs in front never change the judgement.
        std::u16string indentedKeyword;
        if (ClassifyLine(language, u" \t " + line, indentedKeyword) != type || indentedKeyword != keyword)
            std::abort();

        // The command line judges the same line from its UTF-8 form, and must say the same.
        const bool lineEnd = i + 1 < source.lineCount();
        const std::u16string_view content
            = lineEnd ? std::u16string_view(line).substr(0, line.size() - 1) : std::u16string_view(line);
        std::string_view utf8Keyword;
        if (utf8Classifier.Classify(Utf16ToUtf8(content), lineEnd, utf8Keyword) != type
            || utf8Keyword != Utf16ToUtf8(keyword))
            std::abort();
    }
    return 0;
}
