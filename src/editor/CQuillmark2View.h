#pragma once

#include "BaselineText.h"
#include "ChangeTracker.h"
#include "DocumentLineSource.h"
#include "GherkinHighlighter.h"
#include "LineFormats.h"
#include "ProblemMarks.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/Templates.h"
#include "core/language/KeywordDictionary.h"
#include "dialogs/FontSize.h"
#include "platform/GuardedPasteEdit.h"
#include "platform/TextControl.h"

#include <QPoint>
#include <QString>

class QContextMenuEvent;
class QKeyEvent;

// The editor view: the feature file as plain text in a fixed-pitch font, each
// line coloured by its Gherkin role. The view owns the per-line tables and
// keeps them and the colours current while the user types; the commands of the
// Edit and Insert menus work on them.
//
// Colours are painted into the blocks' layouts, as a syntax highlighter paints
// them, so they never enter the undo history, never move the caret, the
// selection or the scroll position, and never count as a change of the text.
//
// Every paste, by the keys, the Paste command, a middle click or a drop of
// text, goes through GuardedPasteEdit: text read once, one undoable edit.
//
// The view decides whether the text is modified: it is while the text differs
// from the baseline, the text as last loaded, saved, or created from the
// new-document template.
class CQuillmark2View : public GuardedPasteEdit {
    Q_OBJECT
public:
    // `language` is the application's current language, which outlives the
    // view: the view analyses and fills new documents in it, and a text's
    // language directive changes it.
    explicit CQuillmark2View(Language& language, QWidget* parent = nullptr);
    ~CQuillmark2View() override;

    // The one road by which a text comes in, after every New and Open: the
    // text goes into the control without analysis; an empty one becomes the
    // new-document template, whose title is then selected, and any other has
    // its first line's language directive applied; then every line is
    // analysed and painted once, and the text is the unmodified one. The
    // undo history starts afresh. A large text goes in a piece at a time.
    void LoadText(QStringView wholeText);
    // The same for a text handed over a piece at a time, so that a large one
    // need not exist whole (TextControl::SetWholeText).
    void LoadText(const TextControl::TextWriter& write, qsizetype expectedLength);

    // The font size setting, in points, which the application hands over.
    void SetFontSize(int points);

    // A tab reaches the next multiple of this many columns.
    static constexpr int TAB_COLUMNS = 8;
    // The caret's line and column as the user sees them, both from 1: a tab
    // takes the caret to the next tab stop, a wide character takes two columns.
    struct CaretPosition {
        int line;
        int column;
    };
    CaretPosition CaretLineAndColumn() const;

    // Analyses lines first .. last-1 (clipped to the analysed lines), then the
    // context pass over all analysed lines.
    void AnalyseLines(int first, int last);
    // Repaints lines first .. last-1 from the tables as they stand, then
    // updates the modified flag.
    void ColorLines(int first, int last);
    // Re-analyses and repaints every analysed line.
    void RefreshAllLines();
    const LineAnalysis& analysis() const { return m_analysis; }
    TextControl& control() { return m_control; }
    const TextControl& control() const { return m_control; }
    // What Cucumber would reject or run wrongly, marked in the text.
    ProblemMarks& problems() { return *m_problems; }
    const ProblemMarks& problems() const { return *m_problems; }

    // The line that holds the caret, as the pop-up menu's rules ask it.
    int CaretLine() const;

    void OnInsert(InsertTemplate kind);
    void OnRefresh();
    void OnFormat();
    void OnUnformat();
    void OnEditIncludeFile();
    // The pop-up's Table and String commands (CQuillmark2ViewBlocks.cpp): the
    // table or doc string at the caret, or a new one after the caret's step,
    // edited in a dialog and written back after OK only.
    bool OnUpdateTable() const;
    void OnTable();
    bool OnUpdateString() const;
    void OnString();
    // The Settings command, after the caller has selected the language: the
    // text at the new size, all analysed lines repainted without re-analysing,
    // so lines keep the types found with the previous language.
    void ApplySettings(int fontSize);

    // The whole text with CR LF line breaks.
    QString WholeText() const;

    // The text as it stands, taken in a moment whatever its size, for a
    // worker thread to save or copy.
    TextSnapshot SnapshotText() const;

    // Also ends what MarkModifiedUntilSaved began.
    void SetBaselineToCurrentText();
    // The same after `saved` was written to the file, `controlText` being
    // its text put together. Should the text have changed since the
    // snapshot, it counts as modified until the next save.
    void SetBaselineToSavedText(const TextSnapshot& saved, const QString& controlText);
    // The text matches no file any more (the file was deleted, or the text is
    // a recovered one): it counts as modified, whatever it holds, until the
    // next load or save.
    void MarkModifiedUntilSaved();
    bool IsTextModified() const { return m_modified; }

signals:
    // A right click (after the caret has moved to the clicked character), the
    // menu key or Shift+F10 (at the caret) asks for the view's pop-up menu at
    // `globalPos`.
    void contextMenuRequested(QPoint globalPos);
    // The text started or stopped differing from the baseline.
    void modifiedFlagChanged(bool modified);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The pop-up menu at the caret, for the menu key and Shift+F10.
    void RequestPopupAtCaret();
    // The caret and the selection never stand in front of a byte-order mark.
    void KeepCaretBehindMark();
    // Replaces all text without analysing it; RefreshAllLines follows.
    void SetTextBeforeRefresh(const TextControl::TextWriter& write, qsizetype expectedLength);
    void OnContentsChange(int position, int charsRemoved, int charsAdded);
    // The blocks that took new colours in the middle of an edit, beyond what
    // the edit itself changed, are drawn again where they are on screen.
    void RepaintRecolouredInEdit();
    // The edit of the view's own commands, which run RefreshAllLines right
    // after: positions start .. end become `text` (CR LF line breaks) in one
    // undoable edit, and `text` goes on the clipboard, as after a paste of
    // it. The change itself is only noted, not analysed twice.
    void ReplaceRange(int start, int end, const QString& text,
        TextControl::CaretAfterReplace caret = TextControl::CaretAfterReplace::AfterText);
    // Format and Unformat: the whole text becomes `text` in one undoable edit
    // (and goes on the clipboard), all lines are analysed and coloured, the
    // caret goes to the start of the line it was on, and the first visible
    // line stays where it was.
    void ReplaceWholeTextKeepingCaretLine(const QString& text);
    // The Table and String commands' edit: positions start .. end become
    // `text` (CR LF line breaks) in one undoable edit, `text` stays on the
    // clipboard, and every line is analysed and coloured again.
    void WriteBlockBack(int start, int end, const QString& text);
    void UpdateModifiedFlag();
    void SetModifiedFlag(bool modified);

    Language& m_language;
    TextControl m_control;
    DocumentLineSource m_lineSource;
    LineAnalysis m_analysis;
    const LineFormats m_formats;
    GherkinHighlighter m_highlighter;
    ChangeTracker m_changes;
    ProblemMarks* m_problems;

    BaselineText m_baselineText;
    bool m_modified = false;
    bool m_modifiedUntilSaved = false;
    bool m_movingCaretBehindMark = false;

    // Column of the last doc-string delimiter met by Format or Unformat; kept
    // from one command to the next.
    int m_docStringColumn = 0;

    // The font size setting, in points, as last handed over; the table
    // dialog's cells take it.
    int m_fontSize = DEFAULT_FONT_SIZE;
};
