// Judging single lines against the current language.
#include "core/language/LineClassifier.h"

#include "LanguageState.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyLine, LinesOfEachLanguage)
{
    const struct {
        const char16_t* language; // "" for before any language is selected
        const char16_t* line;
        LineType type;
        const char16_t* keyword;
    } cases[] = {
        { u"en", u"", TEXT_LINE, u"" },
        { u"en", u"  \t\r", TEXT_LINE, u"" },
        { u"en", u"Feature: eat", FEATURE_LINE, u"Feature" },
        { u"en", u"  Background:\r", BACKGROUND_LINE, u"Background" },
        { u"en", u"Examples:", EXAMPLES_LINE, u"Examples" },
        { u"en", u"Rule: r", SCENARIO_LINE, u"Rule" },
        { u"en", u" \t \tGiven x", STEP_LINE, u"Given" },
        // Only the prefix counts: no colon or word boundary is needed, and the longest keyword wins.
        { u"en", u"Scenarios: x", SCENARIO_LINE, u"Scenario" },
        { u"en", u"Andrew said", STEP_LINE, u"And" },
        { u"en", u"Scenario Outlines", SCENARIO_OUTLINE_LINE, u"Scenario Outline" },
        { u"en", u"Scenario  Outline: two blanks", SCENARIO_LINE, u"Scenario" },
        // Case matters, and a keyword elsewhere in the line does not count.
        { u"en", u"given I have", TEXT_LINE, u"" },
        { u"en", u"GIVEN I have", TEXT_LINE, u"" },
        { u"en", u"Give", TEXT_LINE, u"" },
        { u"en", u"I am Given", TEXT_LINE, u"" },
        // Only the blank and the tab are trimmed.
        { u"en", u"\u00A0Given x", TEXT_LINE, u"" },
        { u"en", u"\u3000Given x", TEXT_LINE, u"" },
        { u"en", u"\rGiven x", TEXT_LINE, u"" },
        // Markers.
        { u"en", u"  |x|\r", TABLE_LINE, u"|" },
        { u"en", u"*", STEP_LINE, u"*" },
        { u"en", u"  #include\r", INCLUDE_LINE, u"#include" },
        { u"en", u"#Include data.csv", COMMENT_LINE, u"#" },
        { u"en", u"#includ", COMMENT_LINE, u"#" },
        { u"en", u"    \"\"\"json\r", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
        { u"en", u"\"\"", TEXT_LINE, u"" },
        { u"en", u"x | y", TEXT_LINE, u"" },
        { u"", u"Given x", TEXT_LINE, u"" },
        { u"", u"* x", STEP_LINE, u"*" },
        { u"", u"| a |", TABLE_LINE, u"|" },
        { u"", u"@tag", TAG_LINE, u"@" },
        { u"", u"# c", COMMENT_LINE, u"#" },
        { u"", u"#include f", INCLUDE_LINE, u"#include" },
        { u"", u"\"\"\"", DOC_STRING_DELIMITER_LINE, u"\"\"\"" },
        // Only the current language's keywords are known.
        { u"de", u"Beispiele:", EXAMPLES_LINE, u"Beispiele" },
        { u"de", u"Beispiel:", SCENARIO_LINE, u"Beispiel" },
        { u"de", u"Szenarien: x", SCENARIO_OUTLINE_LINE, u"Szenarien" },
        { u"de", u"Gegeben seien x", STEP_LINE, u"Gegeben seien" },
        { u"de", u"Gegeben sei x", STEP_LINE, u"Gegeben sei" },
        { u"de", u"Given x", TEXT_LINE, u"" },
        { u"es", u"Ejemplos:", EXAMPLES_LINE, u"Ejemplos" },
        { u"es", u"Escenario:", SCENARIO_LINE, u"Escenario" },
        { u"es", u"Entonces x", STEP_LINE, u"Entonces" },
        { u"es", u"En la tienda", STEP_LINE, u"E" },
        { u"es", u"E", STEP_LINE, u"E" },
        { u"es", u"e minúscula", TEXT_LINE, u"" },
        // Tamil step keywords keep their trailing blank, which trimming takes from a bare keyword.
        { u"ta", u"  மேலும் x", STEP_LINE, u"மேலும் " },
        { u"ta", u"ஆனால் x", STEP_LINE, u"ஆனால் " },
        { u"ta", u"மேலும் ", TEXT_LINE, u"" },
        { u"ta", u"ஆனால்x", TEXT_LINE, u"" },
        // The same high surrogate with another low one is another character.
        { u"em", u"😐 given", STEP_LINE, u"😐" },
        { u"em", u"😑 not a keyword", TEXT_LINE, u"" },
        { u"em", u"📖 outline", SCENARIO_OUTLINE_LINE, u"📖" },
        // One keyword under two types, and a one-digit keyword.
        { u"en-old", u"Tha the x", STEP_LINE, u"Tha the" },
        { u"en-old", u"7 x", STEP_LINE, u"7" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Ascii(c.language) + " line \"" + Ascii(c.line) + '"');
        ForgetCurrentLanguage();
        if (*c.language) {
            ASSERT_TRUE(SetLanguage(c.language));
        }
        std::u16string keyword;
        EXPECT_EQ(ClassifyLine(c.line, keyword), c.type);
        EXPECT_EQ(keyword, c.keyword);
    }
}

} // namespace
