#include "Templates.h"

#include "core/language/KeywordDictionary.h"

#include <algorithm>

namespace {

using Lines = std::vector<std::u16string_view>;

// Trailing blanks in these lines are part of the fragments as the editor has
// always written them.
const Lines scenarioLines = { u"SCENARIO: [Title]", u"GIVEN", u"WHEN", u"THEN" };

const Lines scenarioWithTablesLines = { u"SCENARIO: [Title]", u"GIVEN", u"| | |", u"| | |", u"WHEN", u"| | |",
    u"| | |", u"THEN", u"| | |", u"| | |" };

const Lines scenarioOutlineLines
    = { u"SCENARIOOUTLINE: [Title]", u"GIVEN", u"WHEN", u"THEN", u"", u"EXAMPLES:", u"| | |", u"| | |" };

// "Given" is written as a plain word, so it stays English in every language.
const Lines backgroundLines = { u"BACKGROUND: ", u"Given" };

const Lines businessRuleLines = { u"SCENARIO: Business Rule [Title]", u"*", u"| | |", u"| | |" };

const Lines domainTermLines = { u"SCENARIO: Domain Term [Title]", u"*", u"| |", u"| |" };

const Lines includeFileLines = { u"#include \"[Title].csv\" " };

const Lines sampleScenarioLines = { u"SCENARIO: Add initial item to order ",
    u"GIVEN there are no items in an order ", u"WHEN item is added ", u"THEN order contains one item " };

const Lines sampleBusinessRuleLines = {
    u"SCENARIO: Business Rule: Quantity Discount ",
    u" Discount is computed based on total quantity of items in an order",
    u"* Discount based on quantity",
    u"| Quantity    | Discount  | Notes                 |",
    u"| 1           | 0%        |                       |",
    u"| 2           | 1%        | 1-9                   |",
    u"| 9           | 1%        | 1-9                   |",
    u"| 10          | 5%        | 10 +                  | ",
};

const Lines sampleDomainTermLines = {
    u"SCENARIO: Domain Term Password ",
    u"* Password must contain 4 letters and 1 number",
    u"| Value    | Valid  | Notes                 |",
    u"| abcd1    | Yes    |                       |",
    u"| abcde    | No     | no number             |",
    u"| abc1     | No     | less than 4 letters   |",
    u"| abcde1   | No     | more than 4 letters   |",
};

const Lines sampleScenarioWithTablesLines = {
    u"SCENARIO: Add an item to order ",
    u"GIVEN existing items are",
    u"| Name   | Quantity |",
    u"| Widget |  1       |",
    u"WHEN item is added ",
    u"| Name     | Mousetrap |",
    u"| Quantity | 2         |",
    u"THEN items are ",
    u"| Name      | Quantity |",
    u"| Widget    | 1        |",
    u"| Mousetrap | 2        |",
};

const Lines sampleScenarioOutlineLines = {
    u"SCENARIOOUTLINE: Add an item to order ",
    u"GIVEN order contains <Quantity> items",
    u"WHEN <Count> items added to order ",
    u"THEN order now contains <New Quantity> items ",
    u"EXAMPLES:",
    u"| Quantity | Count | New Quantity |",
    u"| 1        | 1     | 2            |",
    u"| 99       | 1     | 100          |",
};

const Lines ruleLines = { u"RULE: [Title]" };

// "Example" is a plain word, not a type word: it stays English too.
const Lines exampleLines = { u"Example: [Title]", u"GIVEN", u"WHEN", u"THEN" };

const Lines newDocumentLines = { u"FEATURE: [Title]", u"", u"SCENARIO: [Title]", u"GIVEN", u"WHEN", u"THEN" };

void ReplaceAll(std::u16string& text, const std::u16string& from, const std::u16string& to)
{
    if (from.empty())
        return;
    std::u16string result;
    std::size_t done = 0;
    for (std::size_t at = text.find(from); at != std::u16string::npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    if (done == 0)
        return;
    result.append(text, done, std::u16string::npos);
    text = std::move(result);
}

} // namespace

const TemplateInfo& TemplateFor(InsertTemplate kind)
{
    using enum SearchStart;
    using enum SelectionAfter;
    static const TemplateInfo scenario { scenarioLines, CaretLine, Title };
    static const TemplateInfo scenarioWithTables { scenarioWithTablesLines, CaretLine, Title };
    static const TemplateInfo scenarioOutline { scenarioOutlineLines, CaretLine, Title };
    static const TemplateInfo background { backgroundLines, FirstLine, BlockStart };
    static const TemplateInfo businessRule { businessRuleLines, CaretLine, Title };
    static const TemplateInfo domainTerm { domainTermLines, CaretLine, Title };
    static const TemplateInfo includeFile { includeFileLines, FirstLine, Title };
    static const TemplateInfo sampleScenario { sampleScenarioLines, CaretLine, BlockStart };
    static const TemplateInfo sampleBusinessRule { sampleBusinessRuleLines, CaretLine, BlockStart };
    static const TemplateInfo sampleDomainTerm { sampleDomainTermLines, CaretLine, BlockStart };
    static const TemplateInfo sampleScenarioWithTables { sampleScenarioWithTablesLines, CaretLine,
        BlockStart };
    static const TemplateInfo sampleScenarioOutline { sampleScenarioOutlineLines, CaretLine, BlockStart };
    static const TemplateInfo rule { ruleLines, CaretLine, Title };
    static const TemplateInfo example { exampleLines, CaretLine, Title };
    switch (kind) {
    case InsertTemplate::Scenario:
        return scenario;
    case InsertTemplate::ScenarioWithTables:
        return scenarioWithTables;
    case InsertTemplate::ScenarioOutline:
        return scenarioOutline;
    case InsertTemplate::Background:
        return background;
    case InsertTemplate::BusinessRule:
        return businessRule;
    case InsertTemplate::DomainTerm:
        return domainTerm;
    case InsertTemplate::IncludeFile:
        return includeFile;
    case InsertTemplate::SampleScenario:
        return sampleScenario;
    case InsertTemplate::SampleBusinessRule:
        return sampleBusinessRule;
    case InsertTemplate::SampleDomainTerm:
        return sampleDomainTerm;
    case InsertTemplate::SampleScenarioWithTables:
        return sampleScenarioWithTables;
    case InsertTemplate::SampleScenarioOutline:
        return sampleScenarioOutline;
    case InsertTemplate::Rule:
        return rule;
    case InsertTemplate::Example:
        break;
    }
    return example;
}

std::u16string JoinTemplate(const std::vector<std::u16string_view>& lines)
{
    std::u16string text;
    for (std::u16string_view line : lines) {
        text += line;
        text += u"\r\n";
    }
    text += u"\r\n\r\n";
    return text;
}

std::u16string TranslateTemplate(const Language& language, std::u16string text)
{
    for (int k = 0; k < WORD_TYPE_COUNT; ++k)
        ReplaceAll(text, wordTypeNames[k], KeywordForType(language, static_cast<WordType>(k)));
    return text;
}

ControlPosition TemplateInsertionPoint(
    const LineSource& source, const LineAnalysis& analysis, int searchStartLine)
{
    const int n = analysis.analysedLineCount;
    const auto endOfLine = [&analysis](int i) {
        return analysis.lineStart[i] + static_cast<int>(analysis.LineText(i).size());
    };
    const int lastLine = source.lineCount() - 1;
    const int textEnd = source.lineStart(lastLine) + static_cast<int>(source.lineText(lastLine).size());

    for (int i = std::max(searchStartLine, 1); i < n; ++i) {
        const LineType type = analysis.lineType[i];
        if (type == SCENARIO_LINE || type == SCENARIO_OUTLINE_LINE)
            return ControlPosition { std::clamp(endOfLine(i - 1), 0, textEnd) };
    }
    // Past the analysed lines a fragment would land in whatever scenario runs
    // on there, and its later steps would belong to the fragment; at the end
    // of the text it is in front of nothing. Right after the last analysed
    // line it goes only when a heading follows there.
    const LineType next = analysis.typeAfterLimit;
    const bool headingFollows = next == SCENARIO_LINE || next == SCENARIO_OUTLINE_LINE;
    if (n == 0 || analysis.textLineCount <= n || (searchStartLine < n && headingFollows))
        return ControlPosition { std::clamp(n > 0 ? endOfLine(n - 1) : 0, 0, textEnd) };
    return ControlPosition { textEnd };
}

namespace {

// Whether `point` is the end of a last line that holds text: a fragment put
// there would be glued onto that line, which has no line break.
bool EndsAnUnbrokenLine(const LineSource& source, ControlPosition point)
{
    const int lastLine = source.lineCount() - 1;
    const std::u16string last = source.lineText(lastLine);
    return !last.empty() && point.value == source.lineStart(lastLine) + static_cast<int>(last.size());
}

} // namespace

TemplateInsertion PrepareInsertCommand(const Language& language, const LineSource& source,
    const LineAnalysis& analysis, InsertTemplate kind, int caretLine)
{
    const TemplateInfo& info = TemplateFor(kind);
    const int searchStartLine = info.searchStart == SearchStart::FirstLine ? 0 : caretLine;
    const std::u16string fragment = TranslateTemplate(language, JoinTemplate(info.lines));
    TemplateInsertion insertion;
    insertion.insertionPoint = TemplateInsertionPoint(source, analysis, searchStartLine);
    insertion.text = fragment;
    // The fragment's first character: a line break in front of it counts one
    // in the control.
    ControlPosition blockStart = insertion.insertionPoint;
    if (EndsAnUnbrokenLine(source, insertion.insertionPoint)) {
        insertion.text.insert(0, u"\r\n");
        ++blockStart.value;
    }
    insertion.selection = { blockStart, blockStart };

    const std::size_t title = fragment.find(TITLE_PLACEHOLDER);
    if (info.selectionAfter == SelectionAfter::Title && title != std::u16string::npos) {
        // The placeholder stands on the fragment's first line, behind no line break.
        const WholeTextOffset start { static_cast<int>(title) };
        const WholeTextOffset end { start.value + static_cast<int>(TITLE_PLACEHOLDER.size()) };
        insertion.selection
            = { PositionInControl(blockStart, start, 0), PositionInControl(blockStart, end, 0) };
    }
    return insertion;
}

std::u16string NewDocumentText(const Language& language)
{
    // The skeleton fills an empty text, so it is the whole text at once; it
    // starts with its Feature line, never with a line break.
    std::u16string text = TranslateTemplate(language, JoinTemplate(newDocumentLines));
    if (language.Code() != u"en")
        text.insert(0, u"# language: " + language.Code() + u"\r\n");
    return text;
}

std::optional<ControlRange> InitialTitleSelection(const std::u16string& wholeText)
{
    const std::size_t found = wholeText.find(TITLE_PLACEHOLDER);
    if (found == std::u16string::npos)
        return std::nullopt;
    const WholeTextOffset start { static_cast<int>(found) };
    const WholeTextOffset end { start.value + static_cast<int>(TITLE_PLACEHOLDER.size()) };
    // The language line's break counts two in the whole text, one in the control.
    const int breaksBefore = wholeText.find(u"anguage:") != std::u16string::npos ? 1 : 0;
    return ControlRange { PositionInControl({}, start, breaksBefore),
        PositionInControl({}, end, breaksBefore) };
}
