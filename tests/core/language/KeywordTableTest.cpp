// The built-in dictionary as data: its shape and the figures it must hold.
#include "LanguageState.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

int UsedSlots(const LanguageKeywords& record)
{
    return static_cast<int>(std::count_if(record.keywords.begin(), record.keywords.end(),
        [](const KeywordEntry& e) { return !e.keyword.empty(); }));
}

const LanguageKeywords& Record(const std::u16string& code)
{
    const int index = FindLanguage(code);
    EXPECT_GE(index, 0);
    return languageTable[std::max(index, 0)];
}

std::vector<std::pair<WordType, std::u16string>> Entries(const LanguageKeywords& record)
{
    std::vector<std::pair<WordType, std::u16string>> entries;
    for (const KeywordEntry& slot : record.keywords)
        if (!slot.keyword.empty())
            entries.emplace_back(slot.type, slot.keyword);
    return entries;
}

TEST(KeywordTable, HoldsTheLanguagesInOfferedOrder)
{
    EXPECT_EQ(languageTable.front().code, u"af");
    EXPECT_EQ(languageTable[13].code, u"de");
    EXPECT_EQ(languageTable[16].code, u"en");
    EXPECT_EQ(languageTable[74].code, u"zh-TW");
    EXPECT_EQ(languageTable.back().code, u"mr");
    std::set<std::u16string> codes;
    for (const LanguageKeywords& record : languageTable)
        codes.insert(record.code);
    EXPECT_EQ(codes.size(), 76u) << "language codes must be unique";
}

TEST(KeywordTable, NamesTheLanguages)
{
    const std::pair<const char16_t*, const char16_t*> names[] = {
        { u"am", u"Armenian" },
        { u"bm", u"Malay" },
        { u"em", u"Emoji" },
        { u"en-Scouse", u"Scouse" },
        { u"en-lol", u"LOLCAT" },
        { u"en-old", u"Old English" },
        { u"gj", u"Gujarati" },
        { u"mk-Latn", u"Macedonian (Latin)" },
        { u"tl", u"Telugu" },
        { u"zh-TW", u"Chinese traditional" },
        { u"mr", u"Marathi" },
    };
    for (const auto& [code, name] : names)
        EXPECT_EQ(Record(code).englishName, name);
    EXPECT_EQ(Record(u"em").nativeName, u"😀");
    EXPECT_EQ(Record(u"fr").nativeName, u"français");
}

TEST(KeywordTable, ListMirrorsTheTable)
{
    for (int i = 0; i < LANGUAGE_COUNT; ++i) {
        EXPECT_EQ(languageList[i].code, languageTable[i].code);
        EXPECT_EQ(languageList[i].englishName, languageTable[i].englishName);
        EXPECT_TRUE(languageList[i].displayText.empty());
    }
}

TEST(KeywordTable, CountsMatchTheDictionary)
{
    std::map<WordType, int> perType;
    int total = 0;
    int ruleIsEnglish = 0;
    for (const LanguageKeywords& record : languageTable) {
        const int used = UsedSlots(record);
        total += used;
        EXPECT_GE(used, 11) << Ascii(record.code);
        EXPECT_LE(used, 35);
        std::map<WordType, int> own;
        bool sawEnglishRule = false;
        for (const KeywordEntry& slot : record.keywords) {
            if (slot.keyword.empty()) {
                EXPECT_EQ(slot.type, XXXXXXXXX) << "an empty keyword is an empty slot";
                continue;
            }
            ++perType[slot.type];
            ++own[slot.type];
            sawEnglishRule |= slot.type == RULE && slot.keyword == u"Rule";
        }
        ruleIsEnglish += sawEnglishRule;
        for (int type = AND; type <= WHEN; ++type)
            EXPECT_GE(own[WordType(type)], 1) << Ascii(record.code) << " type " << type;
    }
    EXPECT_EQ(total, 1267);
    EXPECT_EQ(perType[AND], 110);
    EXPECT_EQ(perType[BACKGROUND], 98);
    EXPECT_EQ(perType[BUT], 101);
    EXPECT_EQ(perType[EXAMPLES], 100);
    EXPECT_EQ(perType[FEATURE], 134);
    EXPECT_EQ(perType[GIVEN], 172);
    EXPECT_EQ(perType[RULE], 78);
    EXPECT_EQ(perType[SCENARIOOUTLINE], 126);
    EXPECT_EQ(perType[SCENARIO], 136);
    EXPECT_EQ(perType[THEN], 105);
    EXPECT_EQ(perType[WHEN], 107);
    EXPECT_EQ(ruleIsEnglish, 70);
    EXPECT_EQ(UsedSlots(Record(u"fr")), 35);
    EXPECT_EQ(UsedSlots(Record(u"sl")), 35);
    for (const char16_t* code : { u"en-au", u"en-lol", u"en-pirate", u"fi" })
        EXPECT_EQ(UsedSlots(Record(code)), 11);
}

TEST(KeywordTable, UsedSlotsComeFirstGroupedInKeyOrder)
{
    // Key order of the groups: AND, BACKGROUND, BUT, EXAMPLES, FEATURE, GIVEN,
    // RULE, SCENARIO, SCENARIOOUTLINE, THEN, WHEN.
    const std::map<WordType, int> rank = { { AND, 0 }, { BACKGROUND, 1 }, { BUT, 2 }, { EXAMPLES, 3 },
        { FEATURE, 4 }, { GIVEN, 5 }, { RULE, 6 }, { SCENARIO, 7 }, { SCENARIOOUTLINE, 8 }, { THEN, 9 },
        { WHEN, 10 }, { XXXXXXXXX, 11 } };
    for (const LanguageKeywords& record : languageTable)
        for (int i = 1; i < KEYWORD_SLOTS; ++i)
            EXPECT_LE(rank.at(record.keywords[i - 1].type), rank.at(record.keywords[i].type))
                << "slot " << i << " of " << Ascii(record.code);
}

TEST(KeywordTable, KeywordsHaveTheirEditorForm)
{
    std::size_t longest = 0;
    for (const LanguageKeywords& record : languageTable) {
        for (const KeywordEntry& slot : record.keywords) {
            longest = std::max(longest, slot.keyword.size());
            EXPECT_NE(slot.keyword, u"*") << "the step marker is not a keyword";
            EXPECT_NE(slot.keyword, u"* ");
            const bool tamilStep = record.code == u"ta" && (slot.type == AND || slot.type == BUT);
            if (!slot.keyword.empty() && !tamilStep) {
                EXPECT_NE(slot.keyword.back(), u' ') << Ascii(record.code);
            }
        }
    }
    EXPECT_EQ(longest, 34u);
    const auto enAu = Entries(Record(u"en-au"));
    EXPECT_NE(std::find(enAu.begin(), enAu.end(),
                  std::pair<WordType, std::u16string>(THEN, u"But at the end of the day I reckon")),
        enAu.end());

    const auto tamil = Entries(Record(u"ta"));
    EXPECT_EQ(tamil[0], (std::pair<WordType, std::u16string>(AND, u"மேலும் ")));
    EXPECT_EQ(tamil[1], (std::pair<WordType, std::u16string>(AND, u"மற்றும்")));
    const auto but = std::find_if(tamil.begin(), tamil.end(), [](const auto& e) { return e.first == BUT; });
    ASSERT_NE(but, tamil.end());
    EXPECT_EQ(but->second, u"ஆனால் ");
}

TEST(KeywordTable, EnglishGermanAndEmojiRecords)
{
    using E = std::vector<std::pair<WordType, std::u16string>>;
    EXPECT_EQ(Entries(Record(u"en")),
        (E { { AND, u"And" }, { BACKGROUND, u"Background" }, { BUT, u"But" }, { EXAMPLES, u"Examples" },
            { FEATURE, u"Feature" }, { FEATURE, u"Ability" }, { GIVEN, u"Given" }, { RULE, u"Rule" },
            { SCENARIO, u"Scenario" }, { SCENARIO, u"Example" }, { SCENARIOOUTLINE, u"Scenario Outline" },
            { THEN, u"Then" }, { WHEN, u"When" } }));
    EXPECT_EQ(Entries(Record(u"de")),
        (E { { AND, u"Und" }, { BACKGROUND, u"Grundlage" }, { BACKGROUND, u"Hintergrund" },
            { BACKGROUND, u"Voraussetzungen" }, { BACKGROUND, u"Vorbedingungen" }, { BUT, u"Aber" },
            { EXAMPLES, u"Beispiele" }, { FEATURE, u"Funktionalität" }, { FEATURE, u"Funktion" },
            { GIVEN, u"Angenommen" }, { GIVEN, u"Gegeben sei" }, { GIVEN, u"Gegeben seien" },
            { RULE, u"Rule" }, { RULE, u"Regel" }, { SCENARIO, u"Szenario" }, { SCENARIO, u"Beispiel" },
            { SCENARIOOUTLINE, u"Szenariogrundriss" }, { SCENARIOOUTLINE, u"Szenarien" }, { THEN, u"Dann" },
            { WHEN, u"Wenn" } }));
    const auto emoji = Entries(Record(u"em"));
    EXPECT_EQ(emoji,
        (E { { AND, u"😂" }, { BACKGROUND, u"💤" }, { BUT, u"😔" }, { EXAMPLES, u"📓" }, { FEATURE, u"📚" },
            { GIVEN, u"😐" }, { RULE, u"Rule" }, { SCENARIO, u"🥒" }, { SCENARIO, u"📕" },
            { SCENARIOOUTLINE, u"📖" }, { THEN, u"🙏" }, { WHEN, u"🎬" } }));
    for (const auto& [type, word] : emoji)
        if (type != RULE) {
            EXPECT_EQ(word.size(), 2u) << "an emoji keyword is one surrogate pair";
        }
}

TEST(KeywordTable, OneKeywordMayServeTwoStepTypes)
{
    const auto enOld = Entries(Record(u"en-old"));
    for (const char16_t* word : { u"Tha", u"Þa", u"Ða" })
        for (WordType type : { THEN, WHEN })
            EXPECT_NE(std::find(enOld.begin(), enOld.end(), std::pair<WordType, std::u16string>(type, word)),
                enOld.end());
    EXPECT_NE(
        std::find(enOld.begin(), enOld.end(), std::pair<WordType, std::u16string>(AND, u"7")), enOld.end())
        << "a one-digit keyword";
    const auto ne = Entries(Record(u"ne"));
    for (WordType type : { AND, THEN })
        EXPECT_NE(
            std::find(ne.begin(), ne.end(), std::pair<WordType, std::u16string>(type, u"अनी")), ne.end());
}

} // namespace
