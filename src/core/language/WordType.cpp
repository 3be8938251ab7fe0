#include "WordType.h"

const std::array<std::u16string, WORD_TYPE_COUNT> wordTypeNames = {
    u"XXXXXXXXX",
    u"AND",
    u"BACKGROUND",
    u"BUT",
    u"EXAMPLES",
    u"FEATURE",
    u"GIVEN",
    u"RULE",
    u"SCENARIOOUTLINE",
    u"SCENARIO",
    u"THEN",
    u"WHEN",
};
