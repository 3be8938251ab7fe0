#include "EditorTestSupport.h"

#include "core/editor/LineColours.h"
#include "core/editor/PopupRules.h"
#include "core/language/LanguageDirective.h"

#include <latch>
#include <thread>

namespace {

using LineAnalysisTest = English;

// The same word later in the line must not move the keyword, and entries past
// a shorter text no longer count.
TEST_F(LineAnalysisTest, EntriesHoldTheKeywordWhereItFirstStandsAndNoneCountPastTheText)
{
    LineAnalysis a = Analysed(Crlf({ u" \tAnd And again", u"  | a | b |", u"plain" }));
    EXPECT_EQ(std::pair(a.lineKeyword[0], a.keywordPosition[0]), std::pair(std::u16string_view(u"And"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[1], a.keywordPosition[1]), std::pair(std::u16string_view(u"|"), 2));
    EXPECT_EQ(std::pair(a.lineKeyword[2], a.keywordPosition[2]), std::pair(std::u16string_view(), 0));
    // A shorter text leaves old entries in the tables, but they no longer count.
    a.AnalyseAll(english, TextLineSource(u"#include a"));
    EXPECT_EQ(a.TypeOf(0), INCLUDE_LINE);
    EXPECT_EQ(a.TypeOf(2), NOT_ANALYSED);
    EXPECT_EQ(a.TypeOf(-1), NOT_ANALYSED);
}

// A line read again and again, as the view reads the caret's line after each
// keystroke, leaves its old texts behind; however many there are, every entry
// holds its own text, and one past the text what it last held.
TEST_F(LineAnalysisTest, EveryEntryHoldsItsOwnTextHoweverOftenALineIsReadAgain)
{
    const std::u16string first = Crlf({ u"Feature: f", u"  Scenario: s", u"    Given a long step" });
    const std::u16string second
        = Crlf({ u"Feature: f", u"  Scenario: a longer name", u"    Given a long step" });
    LineAnalysis a = Analysed(first);
    for (int round = 0; round < 2000; ++round)
        a.AnalyseLines(english, TextLineSource(round % 2 == 0 ? second : first), 1, 2);
    const TextLineSource source(first);
    for (int line = 0; line < source.lineCount(); ++line)
        EXPECT_EQ(a.LineText(line), source.lineText(line)) << line;
    a.AnalyseAll(english, TextLineSource(u"Feature: g"));
    EXPECT_EQ(a.LineText(0), u"Feature: g");
    EXPECT_EQ(a.LineText(2), u"    Given a long step");
}

// Inside a doc string every line is text, whatever it says, and moves no flag;
// only the delimiter that opened it closes it, whatever follows on the line.
TEST_F(LineAnalysisTest, ADocStringHoldsTextUpToTheDelimiterItOpenedWith)
{
    const std::vector<std::pair<std::u16string_view, LineType>> lines = {
        { u"Scenario: s", SCENARIO_LINE },
        { u"  Given a", STEP_LINE },
        { u"    \"\"\"", DOC_STRING_DELIMITER_LINE },
        { u"    Given | # @", DOC_STRING_LINE },
        { u"    Scenario: not a heading", DOC_STRING_LINE },
        { u"    | a |", DOC_STRING_LINE },
        { u"    ```", DOC_STRING_LINE },
        { u"    \"\"\" closing note", DOC_STRING_DELIMITER_LINE },
        { u"  text after a step, no description", TEXT_LINE },
        { u"    ```json", DOC_STRING_DELIMITER_LINE },
        { u"    \"\"\"", DOC_STRING_LINE },
        { u"    ````", DOC_STRING_DELIMITER_LINE },
        { u"    # comment", COMMENT_LINE },
    };
    std::vector<std::u16string_view> texts;
    for (const auto& line : lines)
        texts.push_back(line.first);
    const std::u16string text = Crlf(texts);
    LineAnalysis a = Analysed(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LineTypeName(a.lineType[i]), std::string(LineTypeName(lines[i].second)));
        if (a.lineType[i] == DOC_STRING_LINE) {
            EXPECT_EQ(std::pair(a.lineKeyword[i], a.keywordPosition[i]), std::pair(std::u16string_view(), 0));
        }
    }
    EXPECT_EQ(a.lineKeyword[9], u"```");

    // Once its opening delimiter is text, the lines below are what they say again.
    texts[2] = u"    x";
    a.AnalyseLines(english, TextLineSource(Crlf(texts)), 2, 3);
    EXPECT_EQ(std::pair(a.lineType[3], a.keywordPosition[3]), std::pair(STEP_LINE, 4));
    EXPECT_EQ(std::pair(a.lineType[4], a.lineKeyword[4]),
        std::pair(SCENARIO_LINE, std::u16string_view(u"Scenario")));
}

// Cucumber looks for a doc string only after a step: in a description, under
// a heading or an Examples line, a delimiter is text like the lines around it,
// and so is a step in an Examples line's description, even where that
// Examples line stands in a scenario's description.
TEST_F(LineAnalysisTest, ADelimiterInADescriptionIsText)
{
    const std::vector<std::pair<std::u16string_view, LineType>> lines = {
        { u"Feature: f", FEATURE_LINE },
        { u"  \"\"\"", COMMENT_LINE },
        { u"  Scenario Outline: o", SCENARIO_OUTLINE_LINE },
        { u"    ```", COMMENT_LINE },
        { u"    | a |", TABLE_LINE },
        { u"    Given <a>", STEP_LINE },
        { u"    Examples: e", EXAMPLES_LINE },
        { u"      \"\"\"", TEXT_LINE },
        { u"      Given not a step", TEXT_LINE },
        { u"      Background: nor a heading", TEXT_LINE },
        { u"      \"\"\"", TEXT_LINE },
        { u"      | a |", TABLE_LINE },
        { u"      \"\"\"", DOC_STRING_DELIMITER_LINE },
        { u"      x", DOC_STRING_LINE },
        { u"      \"\"\"", DOC_STRING_DELIMITER_LINE },
        // Examples in a scenario's description are Examples all the same.
        { u"  Scenario Outline: p", SCENARIO_OUTLINE_LINE },
        { u"    Examples: in its description", EXAMPLES_LINE },
        { u"    Given not a step either", COMMENT_LINE },
        { u"    | a |", TABLE_LINE },
    };
    std::vector<std::u16string_view> texts;
    for (const auto& line : lines)
        texts.push_back(line.first);
    const LineAnalysis a = Analysed(Crlf(texts));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LineTypeName(a.lineType[i]), std::string(LineTypeName(lines[i].second)));
        if (a.lineType[i] == COMMENT_LINE || a.lineType[i] == TEXT_LINE) {
            EXPECT_EQ(std::pair(a.lineKeyword[i], a.keywordPosition[i]), std::pair(std::u16string_view(), 0));
        }
    }
}

// The pop-up's Table and String items of a step follow the line below it.
TEST_F(LineAnalysisTest, PopupItemsFollowTheLineAndTheLineBelow)
{
    const LineAnalysis a = Analysed(Crlf({
        u"Feature: Pop-up", // 0
        u"  Given a string", // 1
        u"    \"\"\"", // 2
        u"    \"\"\"", // 3
        u"  When a step follows", // 4
        u"  Then a step", // 5
    }));
    // A step before a doc string takes no table; a step before a step takes either block.
    EXPECT_EQ(std::pair(CanEditTable(a, 1), CanEditString(a, 1)), std::pair(false, true));
    EXPECT_EQ(std::pair(CanEditTable(a, 4), CanEditString(a, 4)), std::pair(true, true));
}

// Tables made before the last edit may put a keyword past the end of the
// line it is painted on; its span stays within the line.
TEST(ColourSpan, NeverLeavesTheLine)
{
    EXPECT_EQ(ColourSpanOf(STEP_LINE, 8, 5, 6), (ColourSpan { 6, 6, LineColour::Step }));
    EXPECT_EQ(ColourSpanOf(STEP_LINE, 2, 5, 4), (ColourSpan { 2, 4, LineColour::Step }));
    EXPECT_EQ(ColourSpanOf(TABLE_LINE, -1, 1, 4), (ColourSpan { 0, 4, LineColour::Table }));
}

// Each document is read in its own language, so two opened and read at once,
// each on its own thread, never see each other's keywords.
TEST(LanguagePerDocument, TwoDocumentsReadAtOnceEachKeepTheirOwnLanguage)
{
    const std::u16string body = Crlf({ u"Fonctionnalité: f", u"Funktionalität: f", u"Soit a", u"Angenommen b",
        u"Scénario: s", u"Szenario: t", u"Quand c", u"Wenn d" });
    const auto source = [&body](const std::u16string& code) {
        return TextLineSource(u"# language: " + code + u"\r\n" + body);
    };
    // Opened as the editor opens a document: its directive chooses the language.
    const auto open = [](const TextLineSource& text) {
        Language language;
        ApplyDocumentLanguage(language, text.lineCount(), [&text](int line) { return text.lineText(line); });
        return language;
    };
    const auto read = [](const Language& language, const TextLineSource& text) {
        LineAnalysis analysis;
        analysis.AnalyseAll(language, text);
        return std::pair(analysis.lineType, analysis.lineKeyword);
    };
    const TextLineSource french = source(u"fr");
    const TextLineSource german = source(u"de");
    const auto frenchReading = read(open(french), french);
    const auto germanReading = read(open(german), german);
    ASSERT_NE(frenchReading, germanReading) << "the text must read differently in the two languages";

    // Both are open before either is read, and then read again and again.
    std::latch opened(2);
    const auto readOften = [&](const TextLineSource& text, const auto& expected, int& differing) {
        const Language language = open(text);
        opened.arrive_and_wait();
        for (int i = 0; i < 200; ++i)
            differing += read(language, text) != expected ? 1 : 0;
    };
    int frenchDiffering = 0;
    int germanDiffering = 0;
    std::thread frenchReader([&] { readOften(french, frenchReading, frenchDiffering); });
    std::thread germanReader([&] { readOften(german, germanReading, germanDiffering); });
    frenchReader.join();
    germanReader.join();
    EXPECT_EQ(frenchDiffering, 0);
    EXPECT_EQ(germanDiffering, 0);
}

} // namespace
