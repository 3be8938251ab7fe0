#pragma once

#include "KeywordDictionary.h"
#include "LineType.h"

#include <cstddef>
#include <string>
#include <string_view>

// Judges one line in isolation against `language`. `line` is the
// line as read from the editor, possibly ending with its carriage return.
// On return `keyword` holds the dictionary keyword or marker that starts the
// line ("Given", "|", "#include", ...); for a doc-string delimiter, the
// three characters it is made of ("\"\"\"" or "```"), which only the same
// three close again. For a TEXT_LINE it is empty, or, for
// an empty or blank line, stays as passed (callers pass an empty string).
LineType ClassifyLine(const Language& language, const std::u16string& line, std::u16string& keyword);

// The same judgement without a copy of anything: the keyword is a view of the
// dictionary or of the markers, valid as long as the process runs.
struct LineClass {
    LineType type = TEXT_LINE;
    std::u16string_view keyword;
    // Where the keyword begins in the line.
    std::size_t keywordAt = 0;
    // False where ClassifyLine leaves the keyword as passed.
    bool keywordSet = false;
};
LineClass ClassifyLineText(const Language& language, std::u16string_view line);

// The same judgement of lines given in their UTF-8 form, which is
// well-formed, for one language.
class Utf8LineClassifier {
public:
    explicit Utf8LineClassifier(const Language& language)
        : m_keywords(language.Keywords())
        , m_starts(language.Starts())
    {
    }
    // The line without its line break; `lineEnd` says whether one follows,
    // as the carriage return that ends every line but the last in the
    // editor. `keyword` is the UTF-8 form of what ClassifyLine gives, empty
    // where it gives none, a view valid as long as the process runs.
    LineType Classify(std::string_view content, bool lineEnd, std::string_view& keyword) const;

private:
    const LanguageKeywords& m_keywords;
    const KeywordStarts& m_starts;
};
