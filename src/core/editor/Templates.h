#pragma once

#include "LineAnalysis.h"
#include "TextPosition.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ready-made Gherkin fragments of the editor: the skeleton of a new
// document and the fourteen Insert commands. Templates write keywords only as
// upper-case type words ("SCENARIO", "GIVEN"); TranslateTemplate turns them
// into the keywords of the language they are written in. Everything here is a
// function of text, of a language and of the per-line tables; the view does
// the selecting and pasting.

// Templates that want a name carry this once, on their first line; after the
// insertion the view selects it so that typing replaces it.
inline constexpr std::u16string_view TITLE_PLACEHOLDER = u"[Title]";

// The fourteen fragments of the Insert menu.
enum class InsertTemplate {
    Scenario,
    ScenarioWithTables,
    ScenarioOutline,
    Background,
    BusinessRule,
    DomainTerm,
    IncludeFile,
    SampleScenario,
    SampleBusinessRule,
    SampleDomainTerm,
    SampleScenarioWithTables,
    SampleScenarioOutline,
    Rule,
    Example,
};

// Where the search for the insertion point starts.
enum class SearchStart {
    CaretLine, // the line holding the start of the selection
    FirstLine, // line 0, whatever the caret (Background, Include File)
};

// What the view selects once the fragment is in.
enum class SelectionAfter {
    Title, // the placeholder
    BlockStart, // nothing; the caret at the first character of the fragment
};

struct TemplateInfo {
    std::vector<std::u16string_view> lines; // without line breaks
    SearchStart searchStart;
    SelectionAfter selectionAfter;
};

const TemplateInfo& TemplateFor(InsertTemplate kind);

// Each line followed by CR LF, then CR LF twice more: two empty lines follow
// the fragment.
std::u16string JoinTemplate(const std::vector<std::u16string_view>& lines);

// Replaces, for type k = 0 .. 11 in that order, every wordTypeNames[k] in
// `text` by KeywordForType(language, k). The order matters: SCENARIOOUTLINE
// goes before SCENARIO, its prefix. Types with no keyword in `language`
// become "WORD TYPE NOT FOUND".
std::u16string TranslateTemplate(const Language& language, std::u16string text);

// Where a fragment goes: in front of the first Scenario,
// Rule or Scenario Outline heading at or below `searchStartLine` among the
// analysed lines (a heading on line 0 never counts), else just after the last
// analysed line. When the text runs on past the analysed lines, the fragment
// goes there only if the first line past them is such a heading and the
// search started among them; otherwise at the end of the text, so that it
// never splits a scenario it cannot see. The point never lies beyond the end
// of the text, nor before 0. The analysis must be fresh (AnalyseAll).
ControlPosition TemplateInsertionPoint(
    const LineSource& source, const LineAnalysis& analysis, int searchStartLine);

// The edit of one Insert command.
struct TemplateInsertion {
    ControlPosition insertionPoint; // put an empty selection here and paste `text`
    // Joined and translated, with CR LF line breaks; behind a line break of
    // its own when it goes after a last line that has none, so that it never
    // lands on a line the user wrote.
    std::u16string text;
    ControlRange selection; // then select this
};

// The fragment joined and translated into `language`, its insertion point
// searched from `caretLine` (the line holding the start of the selection) or
// from line 0, as the template says, and what to select afterwards: the
// placeholder (the fragment's first line holds it, so CR LF versus single
// breaks do not shift it), or an empty selection at the fragment's first
// character.
TemplateInsertion PrepareInsertCommand(const Language& language, const LineSource& source,
    const LineAnalysis& analysis, InsertTemplate kind, int caretLine);

// The whole text (CR LF line breaks) a new, empty document is filled with:
// the skeleton in `language`, behind the line "# language: <code>" when the
// language's code is not exactly "en".
std::u16string NewDocumentText(const Language& language);

// The control range the view selects once the new document is shown: the first
// placeholder at offset p of the whole text gives p .. p+7, or p-1 .. p+6 when
// the text holds "anguage:" anywhere (the language line's CR LF counts two in
// the whole text, one in the control). Nothing when there is no placeholder.
std::optional<ControlRange> InitialTitleSelection(const std::u16string& wholeText);
