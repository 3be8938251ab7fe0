#include "LineClassifier.h"

#include "KeywordDictionary.h"
#include "core/CucumberSpace.h"
#include "core/DocStringDelimiters.h"

#include <string_view>

namespace {

constexpr bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Only the blank and the tab are trimmed: a carriage return, a no-break space
// or an ideographic space belongs to the line.
std::u16string_view Trimmed(std::u16string_view line)
{
    std::size_t first = 0;
    std::size_t last = line.size();
    while (first < last && IsBlank(line[first]))
        ++first;
    while (last > first && IsBlank(line[last - 1]))
        --last;
    return line.substr(first, last - first);
}

LineType LineTypeOfKeyword(WordType type)
{
    switch (type) {
    case GIVEN:
    case WHEN:
    case THEN:
    case AND:
    case BUT:
        return STEP_LINE;
    case BACKGROUND:
        return BACKGROUND_LINE;
    case EXAMPLES:
        return EXAMPLES_LINE;
    case FEATURE:
        return FEATURE_LINE;
    case RULE:
    case SCENARIO:
        return SCENARIO_LINE;
    case SCENARIOOUTLINE:
        return SCENARIO_OUTLINE_LINE;
    case XXXXXXXXX:
        break;
    }
    return NOT_ANALYSED;
}

struct Marker {
    std::u16string_view text;
    LineType type;
};

// Tried in this order: "#include" must come before "#" so that an include
// line is never taken for a comment.
constexpr Marker markers[] = {
    { u"#include", INCLUDE_LINE },
    { u"|", TABLE_LINE },
    { u"*", STEP_LINE },
    { u"@", TAG_LINE },
    { u"#", COMMENT_LINE },
    // A doc string opens with three double quotes or three backticks.
    { DOC_STRING_DELIMITER, DOC_STRING_DELIMITER_LINE },
    { DOC_STRING_BACKTICKS, DOC_STRING_DELIMITER_LINE },
};

} // namespace

LineType ClassifyLine(const Language& language, const std::u16string& line, std::u16string& keyword)
{
    const std::u16string_view text = Trimmed(line);
    if (text.empty())
        return TEXT_LINE;

    // The slots are ordered longest keyword first, so the first keyword that
    // begins the line is the longest one; an empty slot ends the walk.
    for (const KeywordEntry& slot : language.Keywords().keywords) {
        if (!text.starts_with(slot.keyword))
            continue;
        keyword = slot.keyword;
        const LineType type = LineTypeOfKeyword(slot.type);
        if (type != NOT_ANALYSED)
            return type;
        break;
    }

    for (const Marker& marker : markers) {
        if (text.starts_with(marker.text)) {
            keyword = marker.text;
            return marker.type;
        }
    }
    // Cucumber finds a doc string's delimiter behind any of its white space,
    // so a vertical tab or a no-break space in front of one still opens or
    // closes a doc string, and Format, which cuts that white space from the
    // content lines, must not make a delimiter out of one that was not.
    std::size_t first = 0;
    while (first < text.size() && IsCucumberSpace(text[first]))
        ++first;
    for (const std::u16string_view delimiter : { DOC_STRING_DELIMITER, DOC_STRING_BACKTICKS }) {
        if (text.substr(first).starts_with(delimiter)) {
            keyword = delimiter;
            return DOC_STRING_DELIMITER_LINE;
        }
    }
    return TEXT_LINE;
}
