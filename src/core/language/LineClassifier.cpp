#include "LineClassifier.h"

#include "KeywordDictionary.h"
#include "core/CucumberSpace.h"
#include "core/DocStringDelimiters.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

template <typename Char> using View = std::basic_string_view<Char>;

template <typename Char> constexpr bool IsBlank(Char c)
{
    return c == ' ' || c == '\t';
}

// Indentation is mostly blanks, so eight bytes at a time are let pass while
// they are all blanks.
template <typename Char> std::size_t LeadingBlanks(View<Char> line)
{
    constexpr std::size_t perWord = sizeof(std::uint64_t) / sizeof(Char);
    constexpr std::uint64_t blanks = sizeof(Char) == 1 ? 0x2020202020202020u : 0x0020002000200020u;
    std::size_t first = 0;
    for (;;) {
        while (line.size() - first >= perWord) {
            std::uint64_t units;
            std::memcpy(&units, line.data() + first, sizeof units);
            const std::uint64_t others = units ^ blanks;
            if (others != 0) {
                first += static_cast<std::size_t>(std::endian::native == std::endian::little
                        ? std::countr_zero(others) / (8 * sizeof(Char))
                        : std::countl_zero(others) / (8 * sizeof(Char)));
                break;
            }
            first += perWord;
        }
        while (first < line.size() && line[first] == ' ')
            ++first;
        if (first == line.size() || line[first] != '\t')
            return first;
        ++first;
    }
}

template <typename Char> View<Char> WithoutTrailingBlanks(View<Char> line)
{
    std::size_t last = line.size();
    while (last > 0 && IsBlank(line[last - 1]))
        --last;
    return line.substr(0, last);
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

// The markers are ASCII, so their UTF-8 form is the same characters.
struct Marker {
    std::u16string_view text;
    std::string_view utf8;
    LineType type;
};

// Tried in this order: "#include" must come before "#" so that an include
// line is never taken for a comment.
constexpr Marker markers[] = {
    { u"#include", "#include", INCLUDE_LINE },
    { u"|", "|", TABLE_LINE },
    { u"*", "*", STEP_LINE },
    { u"@", "@", TAG_LINE },
    { u"#", "#", COMMENT_LINE },
    // A doc string opens with three double quotes or three backticks.
    { DOC_STRING_DELIMITER, "\"\"\"", DOC_STRING_DELIMITER_LINE },
    { DOC_STRING_BACKTICKS, "```", DOC_STRING_DELIMITER_LINE },
};
constexpr const Marker& quotes = markers[5];
constexpr const Marker& backticks = markers[6];

View<char16_t> TextOf(const Marker& marker, char16_t)
{
    return marker.text;
}

View<char> TextOf(const Marker& marker, char)
{
    return marker.utf8;
}

// What a language's dictionary is to the classifier.
struct Dictionary {
    const LanguageKeywords& keywords;
    const KeywordStarts& starts;
};

View<char16_t> SlotKeyword(const Dictionary& dictionary, int slot, char16_t)
{
    return dictionary.keywords.keywords[slot].keyword;
}

View<char> SlotKeyword(const Dictionary& dictionary, int slot, char)
{
    return dictionary.starts.utf8[slot];
}

constexpr bool MayBeginMarker(char16_t c)
{
    return c == u'#' || c == u'|' || c == u'*' || c == u'@' || c == u'"' || c == u'`';
}

const KeywordStarts::Groups& GroupsOf(const KeywordStarts& starts, char16_t)
{
    return starts.byUtf16Unit;
}

const KeywordStarts::Groups& GroupsOf(const KeywordStarts& starts, char)
{
    return starts.byUtf8Byte;
}

// How many units the Cucumber white space at `at` takes, or 0.
std::size_t CucumberSpaceLength(View<char16_t> text, std::size_t at)
{
    return IsCucumberSpace(text[at]) ? 1 : 0;
}

std::size_t CucumberSpaceLength(View<char> text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return IsCucumberSpace(lead) ? 1 : 0;
    // Every such space lies below U+10000: two or three bytes.
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 0;
    if (length == 0 || text.size() - at < length)
        return 0;
    const auto next = [&](std::size_t k) { return static_cast<char16_t>(text[at + k] & 0x3F); };
    const char16_t point = length == 2
        ? static_cast<char16_t>(((lead & 0x1F) << 6) | next(1))
        : static_cast<char16_t>(((lead & 0x0F) << 12) | (next(1) << 6) | next(2));
    return IsCucumberSpace(point) ? length : 0;
}

// Compared as bytes, which says the same as comparing the units one by one.
template <typename Char> bool StartsWith(View<Char> text, View<Char> start)
{
    return text.size() >= start.size()
        && (start.empty() || std::memcmp(text.data(), start.data(), start.size() * sizeof(Char)) == 0);
}

// The first eight bytes of each slot's keyword as one number, and the bits they take.
const std::array<std::uint64_t, KEYWORD_SLOTS>& Heads(const KeywordStarts& starts, char16_t)
{
    return starts.utf16Head;
}
const std::array<std::uint64_t, KEYWORD_SLOTS>& HeadBits(const KeywordStarts& starts, char16_t)
{
    return starts.utf16HeadBits;
}
const std::array<std::uint64_t, KEYWORD_SLOTS>& Heads(const KeywordStarts& starts, char)
{
    return starts.utf8Head;
}
const std::array<std::uint64_t, KEYWORD_SLOTS>& HeadBits(const KeywordStarts& starts, char)
{
    return starts.utf8HeadBits;
}

// Whether the slot's keyword begins `text`: its first eight bytes are
// compared at once, and the rest, if any, only when they match.
template <typename Char>
bool BeginsWithSlot(const Dictionary& dictionary, int slot, View<Char> text, View<Char> keyword)
{
    constexpr std::size_t perWord = sizeof(std::uint64_t) / sizeof(Char);
    if (text.size() < perWord)
        return StartsWith(text, keyword);
    std::uint64_t head;
    std::memcpy(&head, text.data(), sizeof head);
    if ((head & HeadBits(dictionary.starts, Char {})[slot]) != Heads(dictionary.starts, Char {})[slot])
        return false;
    return keyword.size() <= perWord || StartsWith(text.substr(perWord), keyword.substr(perWord));
}

template <typename Char> struct Found {
    LineType type = TEXT_LINE;
    View<Char> keyword;
    std::size_t keywordAt = 0;
    bool keywordSet = false;
};

// Judges the line trimmed of its blanks, `text`, not empty. The keyword's
// place is counted in `text`.
template <typename Char> Found<Char> ClassifyTrimmed(const Dictionary& dictionary, View<Char> text)
{
    Found<Char> found;
    const Char unit {};
    // The slots are ordered longest keyword first, so the first keyword that
    // begins the line is the longest one; an empty slot ends the walk. Only
    // keywords that begin as the line does can begin it.
    const KeywordStarts& starts = dictionary.starts;
    const KeywordStarts::Groups& groups = GroupsOf(starts, unit);
    const unsigned number = static_cast<unsigned>(text.front()) & 0xFF;
    bool walkEnded = starts.hasEmptySlot;
    for (int k = groups.first[number]; k < groups.first[number + 1]; ++k) {
        const int slot = groups.slotIndices[k];
        const View<Char> keyword = SlotKeyword(dictionary, slot, unit);
        if (!BeginsWithSlot(dictionary, slot, text, keyword))
            continue;
        found.keyword = keyword;
        found.keywordSet = true;
        found.type = LineTypeOfKeyword(dictionary.keywords.keywords[slot].type);
        if (found.type != NOT_ANALYSED)
            return found;
        walkEnded = false;
        break;
    }
    if (walkEnded) {
        found.keyword = {};
        found.keywordSet = true;
    }

    if (MayBeginMarker(text.front())) {
        for (const Marker& marker : markers) {
            if (StartsWith(text, TextOf(marker, unit))) {
                found.keyword = TextOf(marker, unit);
                found.keywordSet = true;
                found.type = marker.type;
                return found;
            }
        }
    }
    // Cucumber finds a doc string's delimiter behind any of its white space,
    // so a vertical tab or a no-break space in front of one still opens or
    // closes a doc string, and Format, which cuts that white space from the
    // content lines, must not make a delimiter out of one that was not.
    std::size_t first = 0;
    for (std::size_t length; first < text.size() && (length = CucumberSpaceLength(text, first)) > 0;)
        first += length;
    // Without such white space the markers above have had their turn.
    if (first == 0) {
        found.type = TEXT_LINE;
        return found;
    }
    for (const Marker* delimiter : { &quotes, &backticks }) {
        if (StartsWith(text.substr(first), TextOf(*delimiter, unit))) {
            found.keyword = TextOf(*delimiter, unit);
            found.keywordAt = first;
            found.keywordSet = true;
            found.type = DOC_STRING_DELIMITER_LINE;
            return found;
        }
    }
    found.type = TEXT_LINE;
    return found;
}

} // namespace

LineClass ClassifyLineText(const Language& language, std::u16string_view line)
{
    // Only the blank and the tab are trimmed: a carriage return, a no-break
    // space or an ideographic space belongs to the line.
    const std::size_t first = LeadingBlanks(line);
    const std::u16string_view text = WithoutTrailingBlanks(line.substr(first));
    LineClass result;
    if (text.empty())
        return result;
    const Found<char16_t> found
        = ClassifyTrimmed(Dictionary { language.Keywords(), language.Starts() }, text);
    result.type = found.type;
    result.keyword = found.keyword;
    result.keywordAt = first + found.keywordAt;
    result.keywordSet = found.keywordSet;
    return result;
}

LineType ClassifyLine(const Language& language, const std::u16string& line, std::u16string& keyword)
{
    const LineClass found = ClassifyLineText(language, line);
    if (found.keywordSet)
        keyword = found.keyword;
    return found.type;
}

LineType Utf8LineClassifier::Classify(std::string_view content, bool lineEnd, std::string_view& keyword) const
{
    keyword = {};
    // The carriage return that ends the line in the editor stops the trimming
    // of blanks at the end, and begins no keyword or marker: the line is
    // judged by what stands in front of it.
    const std::string_view leading = content.substr(LeadingBlanks(content));
    const std::string_view text = lineEnd ? leading : WithoutTrailingBlanks(leading);
    if (text.empty())
        return TEXT_LINE;
    const Found<char> found = ClassifyTrimmed(Dictionary { m_keywords, m_starts }, text);
    keyword = found.keyword;
    return found.type;
}
