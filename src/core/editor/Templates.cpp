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

const std::vector<InsertTemplateInfo>& InsertTemplates()
{
    using enum SearchStart;
    using enum SelectionAfter;
    static const std::vector<InsertTemplateInfo> templates = {
        { 32785, u"Scenario", scenarioLines, CaretLine, Title },
        { 32796, u"Scenario with Tables", scenarioWithTablesLines, CaretLine, Title },
        { 32786, u"Scenario Outline", scenarioOutlineLines, CaretLine, Title },
        { 32811, u"Background", backgroundLines, FirstLine, BlockStart },
        { 32787, u"Business Rule", businessRuleLines, CaretLine, Title },
        { 32803, u"Domain Term", domainTermLines, CaretLine, Title },
        { 32812, u"Include File", includeFileLines, FirstLine, Title },
        { 32804, u"Sample Scenario", sampleScenarioLines, CaretLine, BlockStart },
        { 32805, u"Sample Business Rule", sampleBusinessRuleLines, CaretLine, BlockStart },
        { 32806, u"Sample Domain Term", sampleDomainTermLines, CaretLine, BlockStart },
        { 32809, u"Sample Scenario with Tables", sampleScenarioWithTablesLines, CaretLine, BlockStart },
        { 32808, u"Sample Scenario Outline", sampleScenarioOutlineLines, CaretLine, BlockStart },
        { 32788, u"Rule", ruleLines, CaretLine, Title },
        { 32797, u"Example", exampleLines, CaretLine, Title },
    };
    return templates;
}

const InsertTemplateInfo* FindInsertTemplate(int commandId)
{
    const auto& templates = InsertTemplates();
    const auto it = std::find_if(templates.begin(), templates.end(),
        [commandId](const InsertTemplateInfo& info) { return info.commandId == commandId; });
    return it == templates.end() ? nullptr : &*it;
}

const std::vector<std::u16string_view>& NewDocumentTemplateLines()
{
    return newDocumentLines;
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

std::u16string TranslateTemplate(std::u16string text)
{
    for (int k = 0; k < WORD_TYPE_COUNT; ++k)
        ReplaceAll(text, wordTypeNames[k], KeywordForType(static_cast<WordType>(k)));
    return text;
}

int TemplateInsertionPoint(const LineAnalysis& analysis, int searchStartLine, int wholeTextLength)
{
    const int n = analysis.analysedLineCount;
    const auto endOfLine = [&analysis](int i) {
        return analysis.lineStart[i] + static_cast<int>(analysis.lineText[i].size());
    };

    int point = n > 0 ? endOfLine(n - 1) : 0;
    for (int i = std::max(searchStartLine, 1); i < n; ++i) {
        const LineType type = analysis.lineType[i];
        if (type == SCENARIO_LINE || type == SCENARIO_OUTLINE_LINE) {
            point = endOfLine(i - 1);
            break;
        }
    }

    // The point is a control position (a line break counts one) while the
    // length counts each break as CR LF, so the point can only reach the
    // length in a text without any line break: there the fragment goes in
    // front of the last character. An empty text gives position 0, not -1.
    if (point >= wholeTextLength)
        point = wholeTextLength - 1;
    return std::max(point, 0);
}

int WholeTextLength(const LineSource& source)
{
    const int last = source.lineCount() - 1;
    if (last < 0)
        return 0;
    const int controlLength = source.lineStart(last) + static_cast<int>(source.lineText(last).size());
    return controlLength + last;
}

TemplateInsertion PrepareTemplateInsertion(const LineAnalysis& analysis,
    const std::vector<std::u16string_view>& lines, int searchStartLine, int wholeTextLength,
    SelectionAfter selectionAfter)
{
    TemplateInsertion insertion;
    insertion.text = TranslateTemplate(JoinTemplate(lines));
    insertion.insertionPoint = TemplateInsertionPoint(analysis, searchStartLine, wholeTextLength);
    insertion.selectionStart = insertion.insertionPoint;
    insertion.selectionEnd = insertion.insertionPoint;

    const std::size_t title = insertion.text.find(TITLE_PLACEHOLDER);
    if (selectionAfter == SelectionAfter::Title && title != std::u16string::npos) {
        insertion.selectionStart = insertion.insertionPoint + static_cast<int>(title);
        insertion.selectionEnd = insertion.selectionStart + static_cast<int>(TITLE_PLACEHOLDER.size());
    }
    return insertion;
}

TemplateInsertion PrepareInsertCommand(
    const LineAnalysis& analysis, const InsertTemplateInfo& command, int caretLine, int wholeTextLength)
{
    const int searchStartLine = command.searchStart == SearchStart::FirstLine ? 0 : caretLine;
    return PrepareTemplateInsertion(
        analysis, command.lines, searchStartLine, wholeTextLength, command.selectionAfter);
}

std::u16string NewDocumentText(std::u16string wholeTextAfterPaste, const std::u16string& languageCode)
{
    if (wholeTextAfterPaste.starts_with(u"\r\n"))
        wholeTextAfterPaste.erase(0, 2);
    if (languageCode != u"en")
        wholeTextAfterPaste.insert(0, u"# language: " + languageCode + u"\r\n");
    return wholeTextAfterPaste;
}

std::optional<TextRange> InitialTitleSelection(const std::u16string& wholeText)
{
    const std::size_t found = wholeText.find(TITLE_PLACEHOLDER);
    if (found == std::u16string::npos)
        return std::nullopt;
    const int p = static_cast<int>(found);
    const int length = static_cast<int>(TITLE_PLACEHOLDER.size());
    // The language line's break counts two in the whole text, one in the control.
    if (wholeText.find(u"anguage:") != std::u16string::npos)
        return TextRange { p - 1, p - 1 + length };
    return TextRange { p, p + length };
}
