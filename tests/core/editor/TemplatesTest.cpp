#include "EditorTestSupport.h"

#include "core/editor/Templates.h"

#include <string>
#include <vector>

namespace {

using enum InsertTemplate;
using TemplatesTest = English;

// A fragment as the editor pastes it: each line with CR LF, two empty lines after.
std::u16string Block(const std::vector<std::u16string_view>& lines)
{
    return Crlf(lines) + u"\r\n\r\n\r\n";
}

std::u16string Translated(InsertTemplate kind)
{
    return TranslateTemplate(JoinTemplate(TemplateFor(kind).lines));
}

int WholeLength(const std::u16string& text)
{
    return static_cast<int>(TextLineSource(text).wholeText().size());
}

// Control positions: Feature 0, empty 11, Scenario a 12, Given 24, Rule 32, Given 40,
// Scenario Outline 48, Then 68, the empty last line 75.
const std::u16string headings = Crlf({ u"Feature: f", u"", u"Scenario: a", u"Given x", u"Rule: r", u"Given y",
    u"Scenario Outline: o", u"Then z", u"" });

// A template names its title once, on its first line, exactly when the title
// is selected afterwards, and every keyword it writes is a type word.
TEST_F(TemplatesTest, EveryTemplateNamesItsTitleOnItsFirstLineAndLeavesNoTypeWordUntranslated)
{
    for (int k = 0; k <= static_cast<int>(Example); ++k) {
        SCOPED_TRACE(k);
        const TemplateInfo& info = TemplateFor(static_cast<InsertTemplate>(k));
        const std::u16string joined = JoinTemplate(info.lines);
        const std::size_t firstLine = info.lines.front().size();
        EXPECT_EQ(joined.find(TITLE_PLACEHOLDER) < firstLine, info.selectionAfter == SelectionAfter::Title);
        EXPECT_EQ(joined.find(TITLE_PLACEHOLDER, firstLine), std::u16string::npos);
        for (const std::u16string& word : wordTypeNames)
            EXPECT_EQ(TranslateTemplate(joined).find(word), std::u16string::npos) << "a type word is left";
    }
}

TEST_F(TemplatesTest, TranslationReplacesUpperCaseTypeWordsLongestFirst)
{
    EXPECT_EQ(TranslateTemplate(u"SCENARIOOUTLINE|SCENARIO|SCENARIOOUTLINES"),
        u"Scenario Outline|Scenario|Scenario OutlineS");
    ASSERT_TRUE(SetLanguage(u"fr"));
    EXPECT_EQ(TranslateTemplate(u"GIVEN Given given AND BUTTER"),
        u"Étant donné que Given given Et qu' Mais queTER");
    // German: the plain words "Given" and "Example" stay as they are.
    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(Translated(Scenario), Block({ u"Beispiel: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
    EXPECT_EQ(Translated(Background), Block({ u"Voraussetzungen: ", u"Given" }));
    EXPECT_EQ(Translated(Example), Block({ u"Example: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
}

TEST_F(TemplatesTest, BeforeAnyLanguageTypeWordsSayTheyWereNotFound)
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
    // The placeholder is selected where it stands in the translated text.
    const TemplateInsertion s = PrepareInsertCommand(Analysed(u"Feature: f\r\n"), Rule, 0, 12);
    EXPECT_EQ(s.text, Block({ u"WORD TYPE NOT FOUND: [Title]" }));
    EXPECT_EQ(s.insertionPoint, 11);
    EXPECT_EQ(std::pair(s.selectionStart, s.selectionEnd), std::pair(11 + 21, 11 + 28));
}

// In front of the first Scenario, Rule or Scenario Outline heading from the
// line the search starts on, else after the last analysed line.
TEST_F(TemplatesTest, InsertionPointIsInFrontOfTheNextScenarioOrRuleHeadingElseAtTheEnd)
{
    std::u16string longText;
    for (int i = 0; i < 2100; ++i)
        longText += i == 2050 ? u"Scenario: late\r\n" : u"Given g\r\n";
    const struct {
        const char* name;
        std::u16string text;
        int line, point;
    } cases[] = {
        { "from the heading itself", headings, 2, 12 },
        { "a rule", headings, 3, 32 },
        { "a scenario outline", headings, 5, 48 },
        { "no heading below", headings, 7, 75 },
        { "Feature, Background and Examples do not count",
            Crlf({ u"Feature: f", u"Background:", u"Given g", u"Examples:", u"Feature: g", u"" }), 0, 52 },
        { "nor a heading on the first line", Crlf({ u"Scenario: a", u"Given x", u"Scenario: b", u"Then y" }),
            0, 20 },
        { "an empty text", u"", 0, 0 },
        // Each "Given g" and its break, eight positions.
        { "only analysed lines count", longText, 0, MAX_ANALYSED_LINES * 8 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TemplateInsertionPoint(Analysed(c.text), c.line, WholeLength(c.text)), c.point) << c.name;
}

// The search starts on the caret's line, or on the first for Background and
// Include File. A fragment that follows a last line without a line break
// starts on a line of its own; everywhere else it goes in as it is. Then the
// placeholder is selected, or the caret put at the fragment's start.
TEST_F(TemplatesTest, InsertCommandPlacesTheFragmentAndSaysWhatToSelect)
{
    const struct {
        const char* name;
        std::u16string text;
        InsertTemplate kind;
        int caretLine, point;
        bool breakInFront;
        int titleAt; // in the fragment, or -1 for nothing selected
    } cases[] = {
        { "from the caret", headings, BusinessRule, 3, 32, false, 24 },
        { "a background from the first line", headings, Background, 3, 12, false, -1 },
        { "a sample selects nothing", headings, SampleScenario, 3, 32, false, -1 },
        { "after the only line", u"Feature: on", Scenario, 0, 11, true, 10 },
        { "after a last line ending with a break", u"Feature: f\r\n", Scenario, 0, 11, false, 10 },
        { "in an empty text", u"", Scenario, 0, 0, false, 10 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TemplateInsertion s
            = PrepareInsertCommand(Analysed(c.text), c.kind, c.caretLine, WholeLength(c.text));
        EXPECT_EQ(s.insertionPoint, c.point);
        EXPECT_EQ(s.text, (c.breakInFront ? u"\r\n" : u"") + Translated(c.kind));
        const int blockStart = c.point + (c.breakInFront ? 1 : 0);
        EXPECT_EQ(s.selectionStart, blockStart + std::max(c.titleAt, 0));
        EXPECT_EQ(s.selectionEnd, s.selectionStart + (c.titleAt < 0 ? 0 : 7));
    }
}

// The selection is in control positions, where each break is one character.
TEST_F(TemplatesTest, NewDocumentHasALanguageLineUnlessEnglishAndSelectsTheFeatureTitle)
{
    const std::u16string english = NewDocumentText(u"en");
    EXPECT_EQ(english, u"Feature: [Title]\r\n\r\nScenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n");
    EXPECT_EQ(InitialTitleSelection(english)->start, 9);
    ASSERT_TRUE(SetLanguage(u"de"));
    const std::u16string german = NewDocumentText(u"de");
    EXPECT_TRUE(german.starts_with(u"# language: de\r\nFunktionalität: [Title]\r\n\r\nBeispiel: [Title]"));
    EXPECT_EQ(InitialTitleSelection(german)->start, 31);
    EXPECT_EQ(InitialTitleSelection(german)->end, 38);
    EXPECT_TRUE(NewDocumentText(u"en-au").starts_with(u"# language: en-au\r\n"));
}

} // namespace
