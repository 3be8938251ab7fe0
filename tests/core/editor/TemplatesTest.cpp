#include "EditorTestSupport.h"

#include "core/editor/Templates.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

// A fragment as the editor pastes it: each line with CR LF, two empty lines after.
std::u16string Block(std::initializer_list<std::u16string_view> lines)
{
    return Crlf(lines) + u"\r\n\r\n\r\n";
}

std::u16string Translated(int commandId)
{
    const InsertTemplateInfo* info = FindInsertTemplate(commandId);
    EXPECT_NE(info, nullptr) << commandId;
    return info ? TranslateTemplate(JoinTemplate(info->lines)) : std::u16string();
}

struct TemplateCase {
    int commandId;
    const char* name;
    std::u16string english;
    std::u16string german;

    friend void PrintTo(const TemplateCase& c, std::ostream* os) { *os << c.name; }
};

class TemplateTextTest : public ::testing::TestWithParam<TemplateCase> { };

TEST_P(TemplateTextTest, IsWrittenInTheCurrentLanguage)
{
    const TemplateCase& c = GetParam();
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(Translated(c.commandId), c.english);
    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(Translated(c.commandId), c.german);
}

INSTANTIATE_TEST_SUITE_P(InsertCommands, TemplateTextTest,
    ::testing::Values(
        TemplateCase { 32785, "Scenario", Block({ u"Scenario: [Title]", u"Given", u"When", u"Then" }),
            Block({ u"Beispiel: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }) },
        TemplateCase { 32796, "ScenarioWithTables",
            Block({ u"Scenario: [Title]", u"Given", u"| | |", u"| | |", u"When", u"| | |", u"| | |", u"Then",
                u"| | |", u"| | |" }),
            Block({ u"Beispiel: [Title]", u"Gegeben seien", u"| | |", u"| | |", u"Wenn", u"| | |", u"| | |",
                u"Dann", u"| | |", u"| | |" }) },
        TemplateCase { 32786, "ScenarioOutline",
            Block({ u"Scenario Outline: [Title]", u"Given", u"When", u"Then", u"", u"Examples:", u"| | |",
                u"| | |" }),
            Block({ u"Szenariogrundriss: [Title]", u"Gegeben seien", u"Wenn", u"Dann", u"", u"Beispiele:",
                u"| | |", u"| | |" }) },
        TemplateCase { 32811, "Background", Block({ u"Background: ", u"Given" }),
            Block({ u"Voraussetzungen: ", u"Given" }) },
        TemplateCase { 32787, "BusinessRule",
            Block({ u"Scenario: Business Rule [Title]", u"*", u"| | |", u"| | |" }),
            Block({ u"Beispiel: Business Rule [Title]", u"*", u"| | |", u"| | |" }) },
        TemplateCase { 32803, "DomainTerm", Block({ u"Scenario: Domain Term [Title]", u"*", u"| |", u"| |" }),
            Block({ u"Beispiel: Domain Term [Title]", u"*", u"| |", u"| |" }) },
        TemplateCase { 32812, "IncludeFile", Block({ u"#include \"[Title].csv\" " }),
            Block({ u"#include \"[Title].csv\" " }) },
        TemplateCase { 32804, "SampleScenario",
            Block({ u"Scenario: Add initial item to order ", u"Given there are no items in an order ",
                u"When item is added ", u"Then order contains one item " }),
            Block({ u"Beispiel: Add initial item to order ", u"Gegeben seien there are no items in an order ",
                u"Wenn item is added ", u"Dann order contains one item " }) },
        TemplateCase { 32805, "SampleBusinessRule",
            Block({ u"Scenario: Business Rule: Quantity Discount ",
                u" Discount is computed based on total quantity of items in an order",
                u"* Discount based on quantity", u"| Quantity    | Discount  | Notes                 |",
                u"| 1           | 0%        |                       |",
                u"| 2           | 1%        | 1-9                   |",
                u"| 9           | 1%        | 1-9                   |",
                u"| 10          | 5%        | 10 +                  | " }),
            Block({ u"Beispiel: Business Rule: Quantity Discount ",
                u" Discount is computed based on total quantity of items in an order",
                u"* Discount based on quantity", u"| Quantity    | Discount  | Notes                 |",
                u"| 1           | 0%        |                       |",
                u"| 2           | 1%        | 1-9                   |",
                u"| 9           | 1%        | 1-9                   |",
                u"| 10          | 5%        | 10 +                  | " }) },
        TemplateCase { 32806, "SampleDomainTerm",
            Block({ u"Scenario: Domain Term Password ", u"* Password must contain 4 letters and 1 number",
                u"| Value    | Valid  | Notes                 |",
                u"| abcd1    | Yes    |                       |",
                u"| abcde    | No     | no number             |",
                u"| abc1     | No     | less than 4 letters   |",
                u"| abcde1   | No     | more than 4 letters   |" }),
            Block({ u"Beispiel: Domain Term Password ", u"* Password must contain 4 letters and 1 number",
                u"| Value    | Valid  | Notes                 |",
                u"| abcd1    | Yes    |                       |",
                u"| abcde    | No     | no number             |",
                u"| abc1     | No     | less than 4 letters   |",
                u"| abcde1   | No     | more than 4 letters   |" }) },
        TemplateCase { 32809, "SampleScenarioWithTables",
            Block({ u"Scenario: Add an item to order ", u"Given existing items are", u"| Name   | Quantity |",
                u"| Widget |  1       |", u"When item is added ", u"| Name     | Mousetrap |",
                u"| Quantity | 2         |", u"Then items are ", u"| Name      | Quantity |",
                u"| Widget    | 1        |", u"| Mousetrap | 2        |" }),
            Block({ u"Beispiel: Add an item to order ", u"Gegeben seien existing items are",
                u"| Name   | Quantity |", u"| Widget |  1       |", u"Wenn item is added ",
                u"| Name     | Mousetrap |", u"| Quantity | 2         |", u"Dann items are ",
                u"| Name      | Quantity |", u"| Widget    | 1        |", u"| Mousetrap | 2        |" }) },
        TemplateCase { 32808, "SampleScenarioOutline",
            Block({ u"Scenario Outline: Add an item to order ", u"Given order contains <Quantity> items",
                u"When <Count> items added to order ", u"Then order now contains <New Quantity> items ",
                u"Examples:", u"| Quantity | Count | New Quantity |", u"| 1        | 1     | 2            |",
                u"| 99       | 1     | 100          |" }),
            Block({ u"Szenariogrundriss: Add an item to order ",
                u"Gegeben seien order contains <Quantity> items", u"Wenn <Count> items added to order ",
                u"Dann order now contains <New Quantity> items ", u"Beispiele:",
                u"| Quantity | Count | New Quantity |", u"| 1        | 1     | 2            |",
                u"| 99       | 1     | 100          |" }) },
        TemplateCase { 32788, "Rule", Block({ u"Rule: [Title]" }), Block({ u"Regel: [Title]" }) },
        TemplateCase { 32797, "Example", Block({ u"Example: [Title]", u"Given", u"When", u"Then" }),
            Block({ u"Example: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }) }),
    [](const ::testing::TestParamInfo<TemplateCase>& info) { return std::string(info.param.name); });

TEST(InsertTemplatesTest, FourteenCommandsInMenuOrderWithTheirRules)
{
    const std::vector<int> menuOrder = { 32785, 32796, 32786, 32811, 32787, 32803, 32812, 32804, 32805, 32806,
        32809, 32808, 32788, 32797 };
    const auto& templates = InsertTemplates();
    ASSERT_EQ(templates.size(), menuOrder.size());

    const std::set<int> fromLineZero = { 32811, 32812 };
    const std::set<int> selectTitle = { 32785, 32796, 32786, 32787, 32803, 32812, 32788, 32797 };
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const InsertTemplateInfo& info = templates[i];
        EXPECT_EQ(info.commandId, menuOrder[i]);
        EXPECT_EQ(FindInsertTemplate(info.commandId), &info);
        EXPECT_EQ(info.searchStart == SearchStart::FirstLine, fromLineZero.contains(info.commandId))
            << info.commandId;
        EXPECT_EQ(info.selectionAfter == SelectionAfter::Title, selectTitle.contains(info.commandId))
            << info.commandId;
        // The view selects the placeholder on the fragment's first line only.
        const bool hasTitle = info.lines.front().find(TITLE_PLACEHOLDER) != std::u16string_view::npos;
        EXPECT_EQ(hasTitle, selectTitle.contains(info.commandId)) << info.commandId;
    }
    EXPECT_EQ(FindInsertTemplate(32789), nullptr);
}

TEST(TranslateTemplateTest, LongerTypeWordIsReplacedBeforeItsPrefix)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    EXPECT_EQ(TranslateTemplate(u"SCENARIOOUTLINE|SCENARIO|SCENARIOOUTLINES"),
        u"Scenario Outline|Scenario|Scenario OutlineS");
    ASSERT_TRUE(SetLanguage(u"de"));
    EXPECT_EQ(TranslateTemplate(u"SCENARIOOUTLINE SCENARIO"), u"Szenariogrundriss Beispiel");
}

TEST(TranslateTemplateTest, OnlyUpperCaseTypeWordsAreTranslated)
{
    ASSERT_TRUE(SetLanguage(u"fr"));
    EXPECT_EQ(TranslateTemplate(u"GIVEN Given given AND BUTTER"),
        u"Étant donné que Given given Et qu' Mais queTER");
}

TEST(TranslateTemplateTest, WithoutLanguageTypeWordsSayTheyWereNotFound)
{
    ForgetLanguage();
    EXPECT_EQ(Translated(32788), Block({ u"WORD TYPE NOT FOUND: [Title]" }));
    EXPECT_EQ(Translated(32785),
        Block({ u"WORD TYPE NOT FOUND: [Title]", u"WORD TYPE NOT FOUND", u"WORD TYPE NOT FOUND",
            u"WORD TYPE NOT FOUND" }));

    // The placeholder is still found and selected.
    const LineAnalysis a = Analysed(u"Feature: f\r\n");
    const InsertTemplateInfo* rule = FindInsertTemplate(32788);
    const TemplateInsertion insertion = PrepareTemplateInsertion(a, rule->lines, 0, 12, rule->selectionAfter);
    EXPECT_EQ(insertion.insertionPoint, 11);
    EXPECT_EQ(insertion.selectionStart, 11 + 21);
    EXPECT_EQ(insertion.selectionEnd, 11 + 28);
}

class InsertionPointTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }

    static int PointIn(const std::u16string& text, int searchStartLine)
    {
        const TextLineSource source(text);
        LineAnalysis a;
        a.AnalyseAll(source);
        return TemplateInsertionPoint(a, searchStartLine, WholeTextLength(source));
    }
};

// Control positions: Feature 0, empty 11, Scenario a 12, Given 24, Rule 32,
// Given 40, Scenario Outline 48, Then 68, the empty last line 75.
const std::u16string twoScenarios = Crlf({ u"Feature: f", u"", u"Scenario: a", u"Given x", u"Rule: r",
    u"Given y", u"Scenario Outline: o", u"Then z", u"" });

TEST_F(InsertionPointTest, GoesInFrontOfTheNextHeadingAtOrBelowTheSearchStart)
{
    EXPECT_EQ(PointIn(twoScenarios, 0), 12);
    EXPECT_EQ(PointIn(twoScenarios, 1), 12);
    EXPECT_EQ(PointIn(twoScenarios, 2), 12);
    EXPECT_EQ(PointIn(twoScenarios, 3), 32);
    EXPECT_EQ(PointIn(twoScenarios, 5), 48);
}

TEST_F(InsertionPointTest, BelowTheLastHeadingGoesAfterTheLastLine)
{
    EXPECT_EQ(PointIn(twoScenarios, 7), 75);
    EXPECT_EQ(PointIn(twoScenarios, 8), 75);
}

TEST_F(InsertionPointTest, OtherHeadingsDoNotAttractTheFragment)
{
    const std::u16string text
        = Crlf({ u"Feature: f", u"Background:", u"Given g", u"Examples:", u"Feature: g", u"" });
    EXPECT_EQ(PointIn(text, 0), WholeTextLength(TextLineSource(text)) - 5);
}

TEST_F(InsertionPointTest, HeadingOnTheFirstLineIsPassedOver)
{
    const std::u16string text = Crlf({ u"Scenario: a", u"Given x", u"Scenario: b", u"Then y" });
    EXPECT_EQ(PointIn(text, 0), 20);
    EXPECT_EQ(PointIn(Crlf({ u"Scenario: a", u"Given x" }), 0), 19);
}

TEST_F(InsertionPointTest, ALastLineWithoutBreakIsFollowedDirectly)
{
    const std::u16string text = Crlf({ u"Feature: f", u"Given x" });
    EXPECT_EQ(PointIn(text, 1), 18);
}

TEST_F(InsertionPointTest, OneLineTextPutsTheFragmentBeforeItsLastCharacter)
{
    // Only a text without line break can reach its whole-text length.
    EXPECT_EQ(PointIn(u"Feature: f", 0), 9);
    EXPECT_EQ(PointIn(u"x", 0), 0);
}

TEST_F(InsertionPointTest, EmptyTextGivesTheStart)
{
    EXPECT_EQ(PointIn(u"", 0), 0);
}

TEST_F(InsertionPointTest, OnlyAnalysedLinesAreSearched)
{
    std::u16string text;
    for (int i = 0; i < 2100; ++i)
        text += i == 2050 ? u"Scenario: late\r\n" : u"Given g\r\n";
    const TextLineSource source(text);
    // Each analysed line is "Given g" and its break: eight positions.
    EXPECT_EQ(PointIn(text, 0), MAX_ANALYSED_LINES * 8);
    EXPECT_LT(PointIn(text, 0), source.lineStart(2050));
}

TEST_F(InsertionPointTest, WholeTextLengthCountsEachBreakAsTwo)
{
    for (const std::u16string& text : { std::u16string(), twoScenarios, std::u16string(u"a\nb\rc\r\n") })
        EXPECT_EQ(
            WholeTextLength(TextLineSource(text)), static_cast<int>(TextLineSource(text).wholeText().size()));
}

TEST_F(InsertionPointTest, SelectionCoversThePlaceholderOrStandsAtTheBlockStart)
{
    const TextLineSource source(twoScenarios);
    LineAnalysis a;
    a.AnalyseAll(source);
    const int length = WholeTextLength(source);

    const TemplateInsertion s = PrepareInsertCommand(a, *FindInsertTemplate(32785), 3, length);
    EXPECT_EQ(s.insertionPoint, 32);
    EXPECT_EQ(s.text, Block({ u"Scenario: [Title]", u"Given", u"When", u"Then" }));
    EXPECT_EQ(s.selectionStart, 32 + 10);
    EXPECT_EQ(s.selectionEnd, 32 + 17);

    // Include File and Background ignore the caret line.
    const TemplateInsertion i = PrepareInsertCommand(a, *FindInsertTemplate(32812), 7, length);
    EXPECT_EQ(i.insertionPoint, 12);
    EXPECT_EQ(i.text.substr(i.selectionStart - i.insertionPoint, 7), u"[Title]");
    EXPECT_EQ(i.selectionEnd, i.selectionStart + 7);

    const TemplateInsertion b = PrepareInsertCommand(a, *FindInsertTemplate(32811), 7, length);
    EXPECT_EQ(b.insertionPoint, 12);
    EXPECT_EQ(b.selectionStart, 12);
    EXPECT_EQ(b.selectionEnd, 12);

    const TemplateInsertion sample = PrepareInsertCommand(a, *FindInsertTemplate(32804), 3, length);
    EXPECT_EQ(sample.insertionPoint, 32);
    EXPECT_EQ(sample.selectionStart, 32);
    EXPECT_EQ(sample.selectionEnd, 32);
}

TEST(NewDocumentTest, EnglishSkeletonHasNoLanguageLineAndSelectsTheFeatureTitle)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    const std::u16string pasted = TranslateTemplate(JoinTemplate(NewDocumentTemplateLines()));
    const std::u16string text = NewDocumentText(pasted, u"en");
    EXPECT_EQ(text, u"Feature: [Title]\r\n\r\nScenario: [Title]\r\nGiven\r\nWhen\r\nThen\r\n\r\n\r\n");

    const auto selection = InitialTitleSelection(text);
    ASSERT_TRUE(selection.has_value());
    EXPECT_EQ(selection->start, 9);
    EXPECT_EQ(selection->end, 16);
}

TEST(NewDocumentTest, OtherLanguagesGetTheirLanguageLineAndTheTitleStaysSelected)
{
    ASSERT_TRUE(SetLanguage(u"de"));
    const std::u16string pasted = TranslateTemplate(JoinTemplate(NewDocumentTemplateLines()));
    const std::u16string text = NewDocumentText(pasted, u"de");
    EXPECT_EQ(text,
        u"# language: de\r\nFunktionalität: [Title]\r\n\r\nBeispiel: [Title]\r\nGegeben seien\r\nWenn\r\nDann"
        u"\r\n\r\n\r\n");

    // The selection is in control positions, where each break is one character.
    const auto selection = InitialTitleSelection(text);
    ASSERT_TRUE(selection.has_value());
    const std::u16string control = TextLineSource(text).controlText();
    EXPECT_EQ(control.substr(selection->start, selection->end - selection->start), u"[Title]");
}

TEST(NewDocumentTest, LanguageLineUnlessTheCodeIsExactlyEnglish)
{
    EXPECT_EQ(NewDocumentText(u"x", u"en-au"), u"# language: en-au\r\nx");
    EXPECT_EQ(NewDocumentText(u"x", u""), u"# language: \r\nx");
    EXPECT_EQ(NewDocumentText(u"x", u"en"), u"x");
}

TEST(NewDocumentTest, OneLeadingLineBreakIsDropped)
{
    EXPECT_EQ(NewDocumentText(u"\r\nFeature: f\r\n", u"en"), u"Feature: f\r\n");
    EXPECT_EQ(NewDocumentText(u"\r\n\r\nx", u"en"), u"\r\nx");
    EXPECT_EQ(NewDocumentText(u"\nx", u"en"), u"\nx");
}

} // namespace
