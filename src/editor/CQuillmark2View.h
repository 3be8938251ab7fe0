#pragma once

#include "core/editor/LineAnalysis.h"
#include "core/language/LineType.h"
#include "editor/DocumentLineSource.h"
#include "editor/GherkinHighlighter.h"
#include "editor/LineFormats.h"
#include "platform/TextControl.h"

#include <QPlainTextEdit>
#include <QPoint>
#include <QString>

#include <vector>

class CQuillmark2Doc;
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
class CQuillmark2View : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CQuillmark2View(QWidget* parent = nullptr);
    ~CQuillmark2View() override;

    // The document this view shows. The view only hands the pointer back; the
    // document listens to modifiedFlagChanged.
    void SetDocument(CQuillmark2Doc* document);
    CQuillmark2Doc* GetDocument() const;

    // Runs after every New and Open: builds the formats, fills an empty text
    // with the new-document template (or applies the first line's language
    // directive), analyses and colours all lines, selects the template's title
    // and takes the text as the unmodified one.
    void OnInitialUpdate();

    // Font size in points for the next InitCharFormats (12 until set).
    void SetFontSize(int points);
    int FontSize() const { return m_fontSize; }
    // Builds the seven character formats and sets the view's font in the
    // current size.
    void InitCharFormats();
    const LineFormats& formats() const { return m_formats; }

    // Analyses lines first .. last-1 (clipped to the analysed lines), then the
    // context pass over all analysed lines.
    void AnalyseLines(int first, int last);
    // Repaints lines first .. last-1 from the tables as they stand, then
    // updates the modified flag.
    void ColorLines(int first, int last);
    // Re-analyses and repaints every analysed line.
    void RefreshAllLines();
    const LineAnalysis& analysis() const { return m_analysis; }
    const LineSource& lineSource() const { return m_lineSource; }
    TextControl& control() { return m_control; }
    const TextControl& control() const { return m_control; }

    // The line holding the start of the selection.
    int CaretLine() const;
    // The line's type as last analysed; NOT_ANALYSED beyond the analysed lines.
    LineType LineTypeAt(int line) const;

    // The fourteen Insert commands, by command id; other ids do nothing.
    void OnInsert(int commandId);
    void OnRefresh();
    void OnFormat();
    void OnUnformat();
    void OnEditIncludeFile();
    // Whether the caret's line, as last analysed, is an include line.
    bool CanEditIncludeFile() const;
    // The Settings command, after the caller has selected the language: new
    // formats for `fontSize`, all analysed lines repainted without re-analysing,
    // so lines keep the types found with the previous language.
    void ApplySettings(int fontSize);

    // The whole text with CR LF line breaks, and its replacement, which loads
    // a text: it clears the undo history and the new text counts as unmodified.
    QString WholeText() const;
    void SetWholeText(const QString& wholeText);

    // Replaces control positions start .. end by `text` (CR LF line breaks) as
    // one undoable edit, and puts `text` on the clipboard, as a paste of it
    // would; the caret ends after the new text. The changed lines are
    // analysed and coloured like any other change; callers that rely on
    // fresh tables everywhere follow with RefreshAllLines.
    void ReplaceRange(int start, int end, const QString& text);

    // The text counts as unmodified while it equals the baseline: the text as
    // last loaded, saved, or created from the new-document template.
    void SetBaselineToCurrentText();
    bool IsTextModified() const { return m_modified; }

signals:
    // A right click (after the caret has moved to the clicked character) or the
    // menu key (at the caret) asks for the view's pop-up menu at `globalPos`.
    void contextMenuRequested(QPoint globalPos);
    // The text started or stopped differing from the baseline.
    void modifiedFlagChanged(bool modified);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A step of the initial update, which analyses and colours everything right
    // after it: fills an empty text with the new-document template and returns
    // true; for a text that is not empty, applies its language directive and
    // returns false.
    bool InsertNewDocumentTemplate();

    void OnContentsChange(int position, int charsRemoved, int charsAdded);
    // ReplaceRange for the view's own commands, which run RefreshAllLines
    // right after: the change itself is then only noted, not analysed twice.
    void ReplaceRangeBeforeRefresh(int start, int end, const QString& text,
        TextControl::CaretAfterReplace caret = TextControl::CaretAfterReplace::AfterText);
    // Format and Unformat: the whole text becomes `text` in one undoable edit
    // (and goes on the clipboard), all lines are analysed and coloured, and
    // the caret goes to the start of the line it was on, which comes to the
    // top of the view as after a paste of the whole text and a move back.
    void ReplaceWholeTextKeepingCaretLine(const QString& text);
    // Paints blocks first .. last-1 from the tables as they stand.
    void PaintBlocks(int first, int last);
    // Repaints the blocks in first .. last-1 whose painted state no longer
    // matches the tables, skipping skipFirst .. skipLast (painted anyway).
    void RepaintStaleBlocks(int first, int last, int skipFirst, int skipLast);
    void UpdateModifiedFlag();

    CQuillmark2Doc* m_document = nullptr;
    TextControl m_control;
    DocumentLineSource m_lineSource;
    LineAnalysis m_analysis;
    LineFormats m_formats;
    GherkinHighlighter m_highlighter;
    int m_fontSize = 12;

    // The baseline in the control's own form (blocks joined by U+2029), so
    // that a comparison needs no conversion; compared only when the lengths
    // agree.
    QString m_baselineText;
    bool m_modified = false;
    // While a text is loaded it is compared once, when it is all in.
    bool m_loadingText = false;

    // Block count as last seen by the change handler.
    int m_lastLineCount = 0;
    // While a command edits, changes are noted here for its RefreshAllLines:
    // the last block changed and how many lines came or went.
    bool m_refreshPending = false;
    int m_pendingLastLine = -1;
    int m_pendingShift = 0;
    std::vector<LineType> m_typesBeforeAnalysis;
    // Column of the last doc-string delimiter met by Format or Unformat; kept
    // from one command to the next.
    int m_docStringColumn = 0;
};
