#pragma once

#include <array>
#include <cstdint>
#include <string>

// The Gherkin keyword types. The numbers are fixed: they index wordTypeNames and
// the template translation replaces the names in this numeric order, so
// SCENARIOOUTLINE (8) is replaced before SCENARIO (9), which is its prefix.
enum WordType : std::int32_t {
    XXXXXXXXX = 0, // empty keyword slot
    AND = 1,
    BACKGROUND = 2,
    BUT = 3,
    EXAMPLES = 4,
    FEATURE = 5,
    GIVEN = 6,
    RULE = 7,
    SCENARIOOUTLINE = 8,
    SCENARIO = 9,
    THEN = 10,
    WHEN = 11,
};

inline constexpr int WORD_TYPE_COUNT = 12;

// The names of the types, as templates write them.
extern const std::array<std::u16string, WORD_TYPE_COUNT> wordTypeNames;
