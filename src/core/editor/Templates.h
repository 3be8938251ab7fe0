#pragma once

#include "LineAnalysis.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ready-made Gherkin fragments of the editor: the skeleton of a new
// document and the fourteen Insert commands. Templates write keywords only as
// upper-case type words ("SCENARIO", "GIVEN"); TranslateTemplate turns them
// into the current language's keywords. Everything here is a function of text
// and of the per-line tables; the view does the selecting and pasting.

// Templates that want a name carry this once, on their first line; after the
// insertion the view selects it so that typing replaces it.
inline constexpr std::u16string_view TITLE_PLACEHOLDER = u"[Title]";

// Where the search for the insertion point starts.
enum class SearchStart {
    CaretLine, // the line holding the start of the selection
    FirstLine, // line 0, whatever the caret (Background, Include File)
};

// What the view selects once the fragment is in.
enum class SelectionAfter {
    Title, // the placeholder: returned position .. position + 7
    BlockStart, // nothing; the caret at the returned position
};

struct InsertTemplateInfo {
    int commandId;
    std::u16string_view menuText;
    std::vector<std::u16string_view> lines; // without line breaks
    SearchStart searchStart;
    SelectionAfter selectionAfter;
};

// The fourteen Insert commands in menu order: 32785 Scenario, 32796 Scenario
// with Tables, 32786 Scenario Outline, 32811 Background, 32787 Business Rule,
// 32803 Domain Term, 32812 Include File, 32804 Sample Scenario, 32805 Sample
// Business Rule, 32806 Sample Domain Term, 32809 Sample Scenario with Tables,
// 32808 Sample Scenario Outline, 32788 Rule, 32797 Example.
const std::vector<InsertTemplateInfo>& InsertTemplates();
// The entry of that command id, or nullptr.
const InsertTemplateInfo* FindInsertTemplate(int commandId);

// The six lines a new, empty document is filled with.
const std::vector<std::u16string_view>& NewDocumentTemplateLines();

// Each line followed by CR LF, then CR LF twice more: two empty lines follow
// the fragment.
std::u16string JoinTemplate(const std::vector<std::u16string_view>& lines);

// Replaces, for type k = 0 .. 11 in that order, every wordTypeNames[k] in
// `text` by KeywordForType(k). The order matters: SCENARIOOUTLINE goes before
// SCENARIO, its prefix. Types with no keyword in the current language become
// "WORD TYPE NOT FOUND".
std::u16string TranslateTemplate(std::u16string text);

// The control position where a fragment goes: in front of the first Scenario,
// Rule or Scenario Outline heading at or below `searchStartLine` (a heading on
// line 0 never counts), else just after the last analysed line.
// `wholeTextLength` is the length of the whole text as the control gives it
// out in one piece (each line break CR LF, two characters); a point not less
// than it becomes wholeTextLength - 1, but never less than 0. The analysis
// must be fresh (AnalyseAll) and have at least one analysed line.
int TemplateInsertionPoint(const LineAnalysis& analysis, int searchStartLine, int wholeTextLength);

// Length of the whole text of `source` with every line break counted as CR LF.
int WholeTextLength(const LineSource& source);

// What the view does for one Insert command.
struct TemplateInsertion {
    int insertionPoint; // control position: put an empty selection here and paste `text`
    std::u16string text; // joined and translated, with CR LF line breaks
    int selectionStart; // then select selectionStart .. selectionEnd
    int selectionEnd;
};

// Joins and translates `lines`, finds the insertion point, and says what to
// select afterwards: for SelectionAfter::Title the placeholder (insertion
// point + its offset in the text, seven characters; the fragment's first line
// holds it, so CR LF versus single breaks do not shift it), for BlockStart an
// empty selection at the insertion point. A text without placeholder gives
// the insertion point for both ends.
TemplateInsertion PrepareTemplateInsertion(const LineAnalysis& analysis,
    const std::vector<std::u16string_view>& lines, int searchStartLine, int wholeTextLength,
    SelectionAfter selectionAfter);

// The same for one Insert command: the search starts at `caretLine` (the
// line holding the start of the selection), or at line 0 for the commands
// that ignore the caret, and the selection follows the command's rule.
TemplateInsertion PrepareInsertCommand(
    const LineAnalysis& analysis, const InsertTemplateInfo& command, int caretLine, int wholeTextLength);

// The new document's final whole text, from the whole text as it stands right
// after the skeleton was pasted: a leading CR LF is dropped, and when
// `languageCode` is not exactly "en" the line "# language: <code>" with CR LF
// is put in front.
std::u16string NewDocumentText(std::u16string wholeTextAfterPaste, const std::u16string& languageCode);

struct TextRange {
    int start;
    int end;
};

// The control range the view selects once the new document is shown: the first
// placeholder at offset p of the whole text gives p .. p+7, or p-1 .. p+6 when
// the text holds "anguage:" anywhere (the language line's CR LF counts two in
// the whole text, one in the control). Nothing when there is no placeholder.
std::optional<TextRange> InitialTitleSelection(const std::u16string& wholeText);
