#include "EditorTestSupport.h"

#include "core/editor/Templates.h"

#include <string>
#include <tuple>

namespace {

using enum InsertTemplate;
using TemplatesTest = English;

std::u16string Translated(InsertTemplate kind, const Language& language = LanguageOf(u"en"))
{
    return TranslateTemplate(language, JoinTemplate(TemplateFor(kind).lines));
}

// In control positions, a break counting one: Scenario at 12, Rule at 32, Scenario Outline at 48.
const std::u16string headings = Crlf(
    { u"Feature: f", u"", u"Scenario: a", u"Given x", u"Rule: r", u"Given y", u"Scenario Outline: o" });

// A template names its title once, on its first line, exactly when the title
// is selected afterwards, and no type word it writes is left untranslated.
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
            EXPECT_EQ(TranslateTemplate(english, joined).find(word), std::u16string::npos)
                << "a type word is left";
    }
}

// Of keywords of equal length, the one the dictionary's exchange pass puts
// first is written: "Scenario" before "Example", "Tha the" before "Tha".
TEST_F(TemplatesTest, TranslationReplacesUpperCaseTypeWordsLongestFirst)
{
    EXPECT_EQ(TranslateTemplate(english, u"SCENARIOOUTLINE|SCENARIO|SCENARIOOUTLINES"),
        u"Scenario Outline|Scenario|Scenario OutlineS");
    EXPECT_EQ(TranslateTemplate(LanguageOf(u"en-old"), u"THEN|WHEN"), u"Tha the|Tha");
    EXPECT_EQ(TranslateTemplate(LanguageOf(u"fr"), u"GIVEN Given given AND BUTTER"),
        u"Étant donné que Given given Et qu' Mais queTER");
    // German: two empty lines follow a fragment.
    EXPECT_EQ(Translated(Scenario, LanguageOf(u"de")),
        Crlf({ u"Beispiel: [Title]", u"Gegeben seien", u"Wenn", u"Dann", u"", u"", u"" }));
    // Before any language, type words say they were not found; the placeholder
    // is selected where it stands in the translated text.
    const TemplateInsertion s = PrepareInsertCommand(
        Language {}, TextLineSource(u"Feature: f\r\n"), Analysed(u"Feature: f\r\n"), Rule, 0);
    EXPECT_EQ(s.text, u"WORD TYPE NOT FOUND: [Title]\r\n\r\n\r\n");
    EXPECT_EQ(s.insertionPoint.value, 11);
    EXPECT_EQ(std::pair(s.selection.start.value, s.selection.end.value), std::pair(11 + 21, 11 + 28));
}

// The fragment goes before the first Scenario, Rule or Scenario Outline heading
// from the caret's line (the first line for Background and Include File) or after
// the last analysed line; then its placeholder is selected, or the caret put at its start.
TEST_F(TemplatesTest, InsertCommandPlacesTheFragmentAndSaysWhatToSelect)
{
    // What is inserted on which line of a text, and the point it goes in at.
    const std::tuple<const char*, std::u16string, InsertTemplate, int, int> cases[] = {
        { "from the heading at the caret", headings, Scenario, 2, 12 },
        { "in front of a rule", headings, BusinessRule, 3, 32 },
        { "in front of a scenario outline", headings, Scenario, 5, 48 },
        { "a background from the first line", headings, Background, 3, 12 },
        { "Feature, Background and Examples do not count",
            Crlf({ u"Feature: f", u"Background:", u"Given g", u"Examples:", u"Feature: g", u"" }), Scenario,
            0, 52 },
        { "nor a heading on the first line", Crlf({ u"Scenario: a", u"Given x", u"Scenario: b" }), Scenario,
            0, 20 },
        { "in an empty text", u"", Scenario, 0, 0 },
    };
    for (const auto& [name, text, kind, caretLine, point] : cases) {
        SCOPED_TRACE(name);
        const TemplateInsertion s
            = PrepareInsertCommand(english, TextLineSource(text), Analysed(text), kind, caretLine);
        EXPECT_EQ(s.insertionPoint.value, point);
        EXPECT_EQ(s.text, Translated(kind));
        const bool title = TemplateFor(kind).selectionAfter == SelectionAfter::Title;
        EXPECT_EQ(
            s.selection.start.value, point + (title ? static_cast<int>(s.text.find(TITLE_PLACEHOLDER)) : 0));
        EXPECT_EQ(s.selection.end.value, s.selection.start.value + (title ? 7 : 0));
    }
}

// Past the analysed lines a fragment would split the scenario that runs on
// there: it goes at the end of the text, unless a heading follows the last
// analysed line and the caret is above it. The break put in front of it is
// the one a last line without break needs.
TEST_F(TemplatesTest, WhereTheAnalysedLinesEndAFragmentSplitsNoScenario)
{
    const std::u16string text = Crlf({ u"Scenario: a", u"Given g", u"Given h", u"Scenario: b", u"Then t" });
    const TextLineSource source(text);
    const std::tuple<int, int, int, int> cases[] = {
        // limit, caret line: the point, and the caret after the fragment
        { 3, 1, 28, 28 }, // a heading follows the last analysed line
        { 3, 3, 46, 47 }, // the caret past the analysed lines
        { 2, 0, 46, 47 }, // a step follows the last analysed line
        { 5, 1, 28, 28 }, // all analysed: in front of the heading
    };
    for (const auto& [limit, caretLine, point, caret] : cases) {
        SCOPED_TRACE(limit * 10 + caretLine);
        const TemplateInsertion s
            = PrepareInsertCommand(english, source, Analysed(text, limit), SampleScenario, caretLine);
        EXPECT_EQ(s.insertionPoint.value, point);
        EXPECT_EQ(s.selection.start.value, caret);
        EXPECT_EQ(s.text.starts_with(u"\r\n"), caret != point);
    }
}

// Only a language other than English writes its directive above the translated skeleton.
TEST_F(TemplatesTest, NewDocumentHasALanguageLineUnlessEnglish)
{
    EXPECT_EQ(NewDocumentText(english), u"Feature: [Title]\r\n\r\n" + Translated(Scenario));
    EXPECT_TRUE(
        NewDocumentText(LanguageOf(u"de")).starts_with(u"# language: de\r\nFunktionalität: [Title]\r\n"));
    EXPECT_TRUE(NewDocumentText(LanguageOf(u"en-au")).starts_with(u"# language: en-au\r\n"));
    // A setting no language has is written as it stands, over the keywords the
    // language had before.
    Language setting = LanguageOf(u"de");
    SelectLanguageSetting(setting, u"xx");
    EXPECT_TRUE(NewDocumentText(setting).starts_with(u"# language: xx\r\nFunktionalität: [Title]\r\n"));
}

} // namespace
