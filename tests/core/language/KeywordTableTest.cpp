// The built-in dictionary as data: the figures it must hold and the order of its slots.
#include "LanguageState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

TEST(KeywordTable, HoldsTheDictionaryFiguresInGroupedSlots)
{
    // Order of the type groups within a record; empty slots come last.
    const std::map<WordType, int> rank = { { AND, 0 }, { BACKGROUND, 1 }, { BUT, 2 }, { EXAMPLES, 3 },
        { FEATURE, 4 }, { GIVEN, 5 }, { RULE, 6 }, { SCENARIO, 7 }, { SCENARIOOUTLINE, 8 }, { THEN, 9 },
        { WHEN, 10 }, { XXXXXXXXX, 11 } };
    std::map<WordType, int> perType;
    std::set<std::u16string> codes;
    int total = 0;
    int englishRule = 0;
    int fewest = KEYWORD_SLOTS, most = 0;
    for (int index = 0; index < LANGUAGE_COUNT; ++index) {
        const LanguageKeywords& record = languageTable[index];
        SCOPED_TRACE(Ascii(record.code));
        codes.insert(record.code);
        EXPECT_EQ(languageList[index].code, record.code);
        EXPECT_EQ(languageList[index].englishName, record.englishName);
        int used = 0;
        std::set<WordType> types;
        for (int i = 0; i < KEYWORD_SLOTS; ++i) {
            const KeywordEntry& slot = record.keywords[i];
            if (i > 0) {
                EXPECT_LE(rank.at(record.keywords[i - 1].type), rank.at(slot.type)) << "slot " << i;
            }
            EXPECT_EQ(slot.keyword.empty(), slot.type == XXXXXXXXX) << "slot " << i;
            if (slot.keyword.empty())
                continue;
            ++used;
            ++perType[slot.type];
            types.insert(slot.type);
            englishRule += slot.type == RULE && slot.keyword == u"Rule";
        }
        total += used;
        fewest = std::min(fewest, used);
        most = std::max(most, used);
        EXPECT_EQ(types.size(), 11u) << "every type has a keyword";
    }
    EXPECT_EQ(codes.size(), std::size_t(LANGUAGE_COUNT)) << "language codes are unique";
    EXPECT_EQ(total, 1267);
    EXPECT_EQ(fewest, 11);
    EXPECT_EQ(most, 35);
    const std::map<WordType, int> expected = { { AND, 110 }, { BACKGROUND, 98 }, { BUT, 101 },
        { EXAMPLES, 100 }, { FEATURE, 134 }, { GIVEN, 172 }, { RULE, 78 }, { SCENARIOOUTLINE, 126 },
        { SCENARIO, 136 }, { THEN, 105 }, { WHEN, 107 } };
    EXPECT_EQ(perType, expected);
    EXPECT_EQ(englishRule, 70) << "languages with the English \"Rule\"";
}

} // namespace
