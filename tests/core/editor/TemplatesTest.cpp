#include "EditorTestSupport.h"

#include "core/editor/Templates.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::u16string_view>;

// A fragment as the editor pastes it: each line with CR LF, two empty lines after.
std::u16string Block(const Lines& lines)
{
    return Crlf(lines) + u"\r\n\r\n\r\n";
}

std::u16string Translated(int commandId)
{
    return TranslateTemplate(JoinTemplate(FindInsertTemplate(commandId)->lines));
}

// Control positions: Feature 0, empty 11, Scenario a 12, Given 24, Rule 32, Given 40,
// Scenario Outline 48, Then 68, the empty last line 75.
const std::u16string twoScenarios = Crlf({ u"Feature: f", u"", u"Scenario: a", u"Given x", u"Rule: r",
    u"Given y", u"Scenario Outline: o", u"Then z", u"" });

TEST(TemplatesTest, FourteenCommandsInMenuOrderWithTheirTextPlaceAndSelection)
{
    const struct {
        int id;
        bool fromFirstLine, selectsTitle;
        Lines english;
    } commands[] = {
        { 32785, false, true, { u"Scenario: [Title]", u"Given", u"When", u"Then" } },
        { 32796, false, true,
            { u"Scenario: [Title]", u"Given", u"| | |", u"| | |", u"When", u"| | |", u"| | |", u"Then",
                u"| | |", u"| | |" } },
        { 32786, false, true,
            { u"Scenario Outline: [Title]", u"Given", u"When", u"Then", u"", u"Examples:", u"| | |",
                u"| | |" } },
        { 32811, true, false, { u"Background: ", u"Given" } },
        { 32787, false, true, { u"Scenario: Business Rule [Title]", u"*", u"| | |", u"| | |" } },
        { 32803, false, true, { u"Scenario: Domain Term [Title]", u"*", u"| |", u"| |" } },
        { 32812, true, true, { u"#include \"[Title].csv\" " } },
        { 32804, false, false,
            { u"Scenario: Add initial item to order ", u"Given there are no items in an order ",
                u"When item is added ", u"Then order contains one item " } },
        { 32805, false, false,
            { u"Scenario: Business Rule: Quantity Discount ",
                u" Discount is computed based on total quantity of items in an order",
                u"* Discount based on quantity", u"| Quantity    | Discount  | Notes                 |",
                u"| 1           | 0%        |                       |",
                u"| 2           | 1%        | 1-9                   |",
                u"| 9           | 1%        | 1-9                   |",
                u"| 10          | 5%        | 10 +                  | " } },
        { 32806, false, false,
            { u"Scenario: Domain Term Password ", u"* Password must contain 4 letters and 1 number",
                u"| Value    | Valid  | Notes                 |",
                u"| abcd1    | Yes    |                       |",
                u"| abcde    | No     | no number             |",
                u"| abc1     | No     | less than 4 letters   |",
                u"| abcde1   | No     | more than 4 letters   |" } },
        { 32809, false, false,
            { u"Scenario: Add an item to order ", u"Given existing items are", u"| Name   | Quantity |",
                u"| Widget |  1       |", u"When item is added ", u"| Name     | Mousetrap |",
                u"| Quantity | 2         |", u"Then items are ", u"| Name      | Quantity |",
                u"| Widget    | 1        |", u"| Mousetrap | 2        |" } },
        { 32808, false, false,
            { u"Scenario Outline: Add an item to order ", u"Given order contains <Quantity> items",
                u"When <Count> items added to order ", u"Then order now contains <New Quantity> items ",
                u"Examples:", u"| Quantity | Count | New Quantity |", u"| 1        | 1     | 2            |",
                u"| 99       | 1     | 100          |" } },
        { 32788, false, true, { u"Rule: [Title]" } },
        { 32797, false, true, { u"Example: [Title]", u"Given", u"When", u"Then" } },
    };
    ASSERT_TRUE(SetLanguage(u"en"));
    const TextLineSource source(twoScenarios);
    const LineAnalysis a = Analysed(twoScenarios);
    const auto& templates = InsertTemplates();
    ASSERT_EQ(templates.size(), std::size(commands));
    EXPECT_EQ(FindInsertTemplate(32789), nullptr);
    for (std::size_t i = 0; i < templates.size(); ++i) {
        SCOPED_TRACE(commands[i].id);
        EXPECT_EQ(templates[i].commandId, commands[i].id);
        // With the caret under the first Scenario, the fragment goes in front of the Rule heading,
        // unless the command ignores the caret.
        const TemplateInsertion s = PrepareInsertCommand(a, templates[i], 3, WholeTextLength(source));
        const int point = commands[i].fromFirstLine ? 12 : 32;
        EXPECT_EQ(s.insertionPoint, point);
        EXPECT_EQ(s.text, Block(commands[i].english));
        if (commands[i].selectsTitle) {
            EXPECT_EQ(s.text.substr(s.selectionStart - point, 7), u"[Title]");
            EXPECT_EQ(s.selectionEnd, s.selectionStart + 7);
        } else {
            EXPECT_EQ(std::pair(s.selectionStart, s.selectionEnd), std::pair(point, point));
        }
    }
}

TEST(TemplatesTest, TranslationReplacesUpperCaseTypeWordsLongestFirst)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(TranslateTemplate(u"SCENARIOOUTLINE|SCENARIO|SCENARIOOUTLINES"),
        u"Scenario Outline|Scenario|Scenario OutlineS");
    ASSERT_TRUE(SetLanguage(u"fr"));
    EXPECT_EQ(TranslateTemplate(u"GIVEN Given given AND BUTTER"),
        u"Étant donné que Given given Et qu' Mais queTER");
    // German: the plain words "Given" and "Example" stay as they are.
    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(Translated(32785), Block({ u"Beispiel: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
    EXPECT_EQ(Translated(32786),
        Block({ u"Szenariogrundriss: [Title]", u"Gegeben seien", u"Wenn", u"Dann", u"", u"Beispiele:",
            u"| | |", u"| | |" }));
    EXPECT_EQ(Translated(32811), Block({ u"Voraussetzungen: ", u"Given" }));
    EXPECT_EQ(Translated(32797), Block({ u"Example: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
}

TEST(TemplatesTest, BeforeAnyLanguageTypeWordsSayTheyWereNotFound)
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
    // The placeholder is selected where it stands in the translated text.
    const InsertTemplateInfo* rule = FindInsertTemplate(32788);
    const TemplateInsertion s
        = PrepareTemplateInsertion(Analysed(u"Feature: f\r\n"), rule->lines, 0, 12, rule->selectionAfter);
    EXPECT_EQ(s.text, Block({ u"WORD TYPE NOT FOUND: [Title]" }));
    EXPECT_EQ(s.insertionPoint, 11);
    EXPECT_EQ(std::pair(s.selectionStart, s.selectionEnd), std::pair(11 + 21, 11 + 28));
}

int PointIn(const std::u16string& text, int searchStartLine)
{
    return TemplateInsertionPoint(Analysed(text), searchStartLine, WholeTextLength(TextLineSource(text)));
}

TEST(TemplatesTest, InsertionPointIsInFrontOfTheNextScenarioOrRuleHeadingElseAtTheEnd)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    const int pointByStartLine[] = { 12, 12, 12, 32, 32, 48, 48, 75, 75 };
    for (int line = 0; line < 9; ++line)
        EXPECT_EQ(PointIn(twoScenarios, line), pointByStartLine[line]) << "from line " << line;

    std::u16string longText;
    for (int i = 0; i < 2100; ++i)
        longText += i == 2050 ? u"Scenario: late\r\n" : u"Given g\r\n";
    // From the top: Feature, Background and Examples headings do not count, nor does a heading on the
    // first line; a last line without break is followed directly; only a text without line break
    // reaches its length, and the point goes before its last character; only analysed lines count,
    // each "Given g" and its break, eight positions.
    const struct {
        std::u16string text;
        int point;
    } fromTop[]
        = { { Crlf({ u"Feature: f", u"Background:", u"Given g", u"Examples:", u"Feature: g", u"" }), 52 },
              { Crlf({ u"Scenario: a", u"Given x", u"Scenario: b", u"Then y" }), 20 },
              { Crlf({ u"Scenario: a", u"Given x" }), 19 }, { u"Feature: f", 9 }, { u"x", 0 }, { u"", 0 },
              { longText, MAX_ANALYSED_LINES * 8 } };
    for (const auto& c : fromTop)
        EXPECT_EQ(PointIn(c.text, 0), c.point) << c.text.size() << " characters";
}

TEST(TemplatesTest, NewDocumentHasALanguageLineUnlessEnglishAndSelectsTheFeatureTitle)
{
    for (const std::u16string code : { u"en", u"de" }) {
        ASSERT_TRUE(SetLanguage(code));
        const std::u16string text
            = NewDocumentText(TranslateTemplate(JoinTemplate(NewDocumentTemplateLines())), code);
        EXPECT_EQ(text,
            code == u"en"
                ? u"Feature: [Title]\r\n\r\nScenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n"
                : u"# language: de\r\nFunktionalität: [Title]\r\n\r\nBeispiel: [Title]\r\nGegeben seien\r\n"
                  u"Wenn\r\nDann\r\n\r\n\r\n");
        // The selection is in control positions, where each break is one character.
        const auto selection = InitialTitleSelection(text);
        ASSERT_TRUE(selection.has_value());
        EXPECT_EQ(selection->start, code == u"en" ? 9 : 31);
        EXPECT_EQ(selection->end, selection->start + 7);
    }
    EXPECT_EQ(NewDocumentText(u"x", u"en-au"), u"# language: en-au\r\nx");
    // One leading line break is dropped, and only a whole one.
    EXPECT_EQ(NewDocumentText(u"\r\n\r\nx", u"en"), u"\r\nx");
    EXPECT_EQ(NewDocumentText(u"\nx", u"en"), u"\nx");
}

} // namespace
