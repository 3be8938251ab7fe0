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

std::u16string Translated(InsertTemplate kind)
{
    return TranslateTemplate(JoinTemplate(TemplateFor(kind).lines));
}

constexpr InsertTemplate allTemplates[]
    = { InsertTemplate::Scenario, InsertTemplate::ScenarioWithTables, InsertTemplate::ScenarioOutline,
          InsertTemplate::Background, InsertTemplate::BusinessRule, InsertTemplate::DomainTerm,
          InsertTemplate::IncludeFile, InsertTemplate::SampleScenario, InsertTemplate::SampleBusinessRule,
          InsertTemplate::SampleDomainTerm, InsertTemplate::SampleScenarioWithTables,
          InsertTemplate::SampleScenarioOutline, InsertTemplate::Rule, InsertTemplate::Example };

// Control positions: Feature 0, empty 11, Scenario a 12, Given 24, Rule 32, Given 40,
// Scenario Outline 48, Then 68, the empty last line 75.
const std::u16string twoScenarios = Crlf({ u"Feature: f", u"", u"Scenario: a", u"Given x", u"Rule: r",
    u"Given y", u"Scenario Outline: o", u"Then z", u"" });

// A template names its title once, on its first line, exactly when the title is
// selected afterwards; it is written in the current language throughout; and it
// goes in front of the next heading below the caret, or of the first one for the
// two that ignore the caret.
TEST(TemplatesTest, EveryTemplateFollowsThePlaceholderPlaceAndTranslationRules)
{
    const LineAnalysis a = (SetLanguage(u"en"), Analysed(twoScenarios));
    const int length = static_cast<int>(twoScenarios.size());
    for (const InsertTemplate kind : allTemplates) {
        SCOPED_TRACE(static_cast<int>(kind));
        const TemplateInfo& info = TemplateFor(kind);
        const bool titled = info.lines.front().find(TITLE_PLACEHOLDER) != std::u16string_view::npos;
        EXPECT_EQ(titled, info.selectionAfter == SelectionAfter::Title);
        for (std::size_t i = 1; i < info.lines.size(); ++i)
            EXPECT_EQ(info.lines[i].find(TITLE_PLACEHOLDER), std::u16string_view::npos) << "line " << i;
        EXPECT_EQ(info.searchStart == SearchStart::FirstLine,
            kind == InsertTemplate::Background || kind == InsertTemplate::IncludeFile);

        // With the caret under the first Scenario, the fragment goes in front of the Rule heading.
        const TemplateInsertion s = PrepareInsertCommand(a, kind, 3, length);
        const int point = info.searchStart == SearchStart::FirstLine ? 12 : 32;
        EXPECT_EQ(s.insertionPoint, point);
        EXPECT_TRUE(s.text.ends_with(u"\r\n\r\n\r\n")) << "two empty lines follow the fragment";
        if (titled) {
            EXPECT_EQ(s.text.substr(s.selectionStart - point, 7), TITLE_PLACEHOLDER);
            EXPECT_EQ(s.selectionEnd, s.selectionStart + 7);
        } else {
            EXPECT_EQ(std::pair(s.selectionStart, s.selectionEnd), std::pair(point, point));
        }
        for (const char16_t* language : { u"en", u"de" }) {
            ASSERT_TRUE(SetLanguage(language));
            for (const std::u16string& word : wordTypeNames)
                EXPECT_EQ(Translated(kind).find(word), std::u16string::npos) << "a type word is left";
        }
        ASSERT_TRUE(SetLanguage(u"en"));
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
    EXPECT_EQ(Translated(InsertTemplate::Scenario),
        Block({ u"Beispiel: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
    EXPECT_EQ(Translated(InsertTemplate::Background), Block({ u"Voraussetzungen: ", u"Given" }));
    EXPECT_EQ(Translated(InsertTemplate::Example),
        Block({ u"Example: [Title]", u"Gegeben seien", u"Wenn", u"Dann" }));
}

TEST(TemplatesTest, BeforeAnyLanguageTypeWordsSayTheyWereNotFound)
{
    currentLanguage = LanguageKeywords {};
    currentLanguageCode.clear();
    // The placeholder is selected where it stands in the translated text.
    const TemplateInsertion s
        = PrepareInsertCommand(Analysed(u"Feature: f\r\n"), InsertTemplate::Rule, 0, 12);
    EXPECT_EQ(s.text, Block({ u"WORD TYPE NOT FOUND: [Title]" }));
    EXPECT_EQ(s.insertionPoint, 11);
    EXPECT_EQ(std::pair(s.selectionStart, s.selectionEnd), std::pair(11 + 21, 11 + 28));
}

int PointIn(const std::u16string& text, int searchStartLine)
{
    const int length = static_cast<int>(TextLineSource(text).wholeText().size());
    return TemplateInsertionPoint(Analysed(text), searchStartLine, length);
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
    // first line; a last line without break is followed directly, a one-line text too; only analysed
    // lines count, each "Given g" and its break, eight positions.
    const struct {
        std::u16string text;
        int point;
    } fromTop[]
        = { { Crlf({ u"Feature: f", u"Background:", u"Given g", u"Examples:", u"Feature: g", u"" }), 52 },
              { Crlf({ u"Scenario: a", u"Given x", u"Scenario: b", u"Then y" }), 20 },
              { Crlf({ u"Scenario: a", u"Given x" }), 19 }, { u"Feature: f", 10 }, { u"x", 1 }, { u"", 0 },
              { longText, MAX_ANALYSED_LINES * 8 } };
    for (const auto& c : fromTop)
        EXPECT_EQ(PointIn(c.text, 0), c.point) << c.text.size() << " characters";
}

// A fragment that follows a last line without a line break starts on a line of
// its own; everywhere else it goes in as it is. The selection follows it.
TEST(TemplatesTest, AFragmentAfterALastLineWithoutBreakGetsALineOfItsOwn)
{
    ASSERT_TRUE(SetLanguage(u"en"));
    const struct {
        const char* name;
        std::u16string text;
        InsertTemplate kind;
        int point;
        bool breakInFront;
    } cases[] = {
        { "a last line of text", Crlf({ u"Feature: f", u"Given x" }), InsertTemplate::Scenario, 18, true },
        { "a one-line text", u"Feature: on", InsertTemplate::Scenario, 11, true },
        { "a sample after a one-line text", u"Feature: on", InsertTemplate::SampleScenario, 11, true },
        { "a text ending with a break", u"Feature: f\r\n", InsertTemplate::Scenario, 11, false },
        { "an empty text", u"", InsertTemplate::Scenario, 0, false },
        { "in front of a heading", Crlf({ u"Feature: f", u"Scenario: s" }), InsertTemplate::Rule, 11, false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int length = static_cast<int>(TextLineSource(c.text).wholeText().size());
        const TemplateInsertion s = PrepareInsertCommand(Analysed(c.text), c.kind, 0, length);
        EXPECT_EQ(s.insertionPoint, c.point);
        EXPECT_EQ(s.text, (c.breakInFront ? u"\r\n" : u"") + Translated(c.kind));
        const int blockStart = c.point + (c.breakInFront ? 1 : 0);
        const bool titled = TemplateFor(c.kind).selectionAfter == SelectionAfter::Title;
        const int titleAt = titled ? static_cast<int>(Translated(c.kind).find(TITLE_PLACEHOLDER)) : 0;
        EXPECT_EQ(s.selectionStart, blockStart + titleAt);
        EXPECT_EQ(s.selectionEnd, s.selectionStart + (titled ? 7 : 0));
    }
}

TEST(TemplatesTest, NewDocumentHasALanguageLineUnlessEnglishAndSelectsTheFeatureTitle)
{
    for (const std::u16string code : { u"en", u"de" }) {
        ASSERT_TRUE(SetLanguage(code));
        const std::u16string text = NewDocumentText(code);
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
    EXPECT_TRUE(NewDocumentText(u"en-au").starts_with(u"# language: en-au\r\n"));
}

} // namespace
