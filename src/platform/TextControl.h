#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPlainTextEdit;
class QTextDocument;

// The operations the editor asks of its text control, over a QPlainTextEdit that
// does not wrap, so that one block is one line.
//
// Positions: a control position counts a line break as one character, while
// the whole text, read or written in one piece, carries CR LF (two characters)
// per line break. For every line i but the last,
//   LineIndex(i) + GetLine(i).size() == LineIndex(i + 1).
class TextControl {
public:
    explicit TextControl(QPlainTextEdit* edit);

    QPlainTextEdit* edit() const { return m_edit; }

    // Number of lines; an empty text has one.
    int GetLineCount() const;
    // Position of the first character of `line`; -1 means the caret's line.
    // -1 for a line that does not exist.
    int LineIndex(int line = -1) const;
    // The line holding position `pos`; -1 means the start of the selection.
    int LineFromChar(int pos = -1) const;
    // The line's text with its closing CR on every line but the last; empty for
    // a line that does not exist.
    QString GetLine(int line) const;

    // The whole text, every line break CR LF.
    QString GetWholeText() const;
    // The text as the control holds it, every line break one U+2029, so that
    // control positions index it directly.
    QString GetControlText() const;
    // The same of positions start .. end alone.
    QString GetControlText(int start, int end) const;
    // The same for searching: a no-break space reads as a blank and a line
    // break as LF, at the same positions.
    QString GetPlainText() const;
    QString GetSelectedText() const;
    // Replaces all text; CR LF, a lone CR and a lone LF each end a line. Clears
    // the undo history.
    void SetWholeText(const QString& text);
    // The same for a text that may be large, handed over a piece at a time so
    // that it need not exist whole: `write` hands each piece, cut anywhere, to
    // the function it is given, and the text goes into the control a piece
    // at a time. `expectedLength`, a guess being enough, tells whether the
    // text is a large one.
    using Append = std::function<void(QStringView piece)>;
    using TextWriter = std::function<void(const Append& append)>;
    void SetWholeText(const TextWriter& write, qsizetype expectedLength);
    // Number of control positions (line breaks count one).
    int GetTextLength() const;

    // The selection as (anchor-independent) start and end positions.
    void GetSel(int& start, int& end) const;
    // Selects start .. end, the caret at end; (0, -1) selects all text. Positions
    // are clipped to the text.
    void SetSel(int start, int end);

    int GetFirstVisibleLine() const;
    // Scrolls by `lines` lines, down when positive.
    void LineScroll(int lines);

    bool CanUndo() const;

    // A copy of the text in the control's font, each line with the colours
    // it shows, to be laid out anew for another device (a printer).
    std::unique_ptr<QTextDocument> CopyWithColours() const;

    // Where ReplaceRange leaves the caret: after the new text, as a paste
    // would (the view scrolls to it), or where the edit pushed it, without
    // scrolling, for a caller that places the caret itself right after.
    enum class CaretAfterReplace { AfterText, Unmoved };

    // Replaces positions start .. end by `text` (CR LF, a lone CR, a lone LF
    // or a U+2029 each one line break) as one undoable edit. Only what differs is
    // rewritten (line by line when the line count stays), so lines that stay
    // the same keep their blocks; when nothing differs there is no edit at all.
    void ReplaceRange(
        int start, int end, const QString& text, CaretAfterReplace caret = CaretAfterReplace::AfterText);

    // Replaces each of the ranges (start, length), in ascending order and not
    // overlapping, by `text` as one undoable edit; the caret stays where the
    // edit pushes it.
    void ReplaceEach(const std::vector<std::pair<int, int>>& ranges, const QString& text);

private:
    QPlainTextEdit* m_edit;
};
