#include "CQuillmark2View.h"

#include "EditorDocumentLayout.h"
#include "core/table/DisplayWidth.h"
#include "platform/Clipboard.h"
#include "platform/StringConvert.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Gives `edit` a document laid out by EditorDocumentLayout, before anything
// holds on to its first one; returns it.
QTextDocument* UseEditorDocument(QPlainTextEdit* edit)
{
    auto* document = new QTextDocument(edit);
    document->setDocumentLayout(new EditorDocumentLayout(document));
    edit->setDocument(document);
    return document;
}

} // namespace

CQuillmark2View::CQuillmark2View(Language& language, QWidget* parent)
    : GuardedPasteEdit(parent)
    , m_language(language)
    , m_control(this)
    , m_lineSource(UseEditorDocument(this))
    , m_formats(MakeLineFormats())
    , m_highlighter(document(), m_analysis, m_formats)
    , m_problems(new ProblemMarks(*this, language))
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // The colours of the formats are fixed, so the page they are shown on is
    // too, whatever the desktop's theme.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    setPalette(page);
    // Every change is analysed first and painted second, by this handler.
    connect(document(), &QTextDocument::contentsChange, this, &CQuillmark2View::OnContentsChange);
    // Sent once the edit is done and laid out, before anything is drawn.
    connect(document(), &QTextDocument::contentsChanged, this, &CQuillmark2View::RepaintRecolouredInEdit);
    // Select All moves the caret without telling of it, so the selection's
    // own signal is heard too.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CQuillmark2View::KeepCaretBehindMark);
    connect(this, &QPlainTextEdit::selectionChanged, this, &CQuillmark2View::KeepCaretBehindMark);
    m_changes.SeeLineCount(m_control.GetLineCount());
    m_baselineText.Take(m_control);
}

CQuillmark2View::~CQuillmark2View() = default;

void CQuillmark2View::KeepCaretBehindMark()
{
    // The byte-order mark is invisible and belongs to the file, not to the
    // first line: text typed at the start goes behind it, and a selection
    // from the start (Select All too) leaves it in place. Moving the caret
    // signals again, and the control may refuse the move; either ends here.
    QTextCursor cursor = textCursor();
    if (m_movingCaretBehindMark || std::min(cursor.anchor(), cursor.position()) > 0
        || !m_control.GetLine(0).startsWith(QChar(0xFEFF)))
        return;
    const int position = std::max(cursor.position(), 1);
    cursor.setPosition(std::max(cursor.anchor(), 1));
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    if (cursor.anchor() == textCursor().anchor() && cursor.position() == textCursor().position())
        return;
    m_movingCaretBehindMark = true;
    setTextCursor(cursor);
    m_movingCaretBehindMark = false;
}

void CQuillmark2View::SetFontSize(int points)
{
    m_fontSize = points;
    setFont(EditorFont(points));
    m_highlighter.SetFont(font());
    // Tab stops at whole columns of the fixed-pitch font, so that text after a
    // tab stays in the columns the status bar counts.
    setTabStopDistance(TAB_COLUMNS * QFontMetricsF(font()).horizontalAdvance(u' '));
}

CQuillmark2View::CaretPosition CQuillmark2View::CaretLineAndColumn() const
{
    const QTextCursor cursor = textCursor();
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    return { cursor.blockNumber() + 1, DisplayColumn(toU16(before), TAB_COLUMNS) + 1 };
}

void CQuillmark2View::AnalyseLines(int first, int last)
{
    m_analysis.AnalyseLines(m_language, m_lineSource, first, last);
}

void CQuillmark2View::ColorLines(int first, int last)
{
    m_highlighter.PaintBlocks(first, last);
    UpdateModifiedFlag();
}

void CQuillmark2View::RefreshAllLines()
{
    {
        const DocumentLineSource::CopyScope copy(m_lineSource, m_analysis.maxAnalysedLines);
        m_analysis.AnalyseAll(m_language, m_lineSource);
    }
    const int analysed = m_analysis.analysedLineCount;
    m_highlighter.PaintBlocks(0, analysed);
    // Lines a command's edit created or moved past the analysed ones lose
    // the analysis' colours.
    const int staleEnd = m_changes.TakeStaleEnd(analysed);
    if (staleEnd > analysed)
        m_highlighter.PaintStaleBlocks(analysed, staleEnd, 0, -1);
    UpdateModifiedFlag();
    viewport()->update();
}

int CQuillmark2View::CaretLine() const
{
    return m_control.LineFromChar(m_control.LineIndex(-1));
}

QString CQuillmark2View::WholeText() const
{
    return m_control.GetWholeText();
}

void CQuillmark2View::SetTextBeforeRefresh(const TextControl::TextWriter& write, qsizetype expectedLength)
{
    const ChangeTracker::WriteScope writing(m_changes);
    m_control.SetWholeText(write, expectedLength);
    // Every block is new: none can hold colours of another line.
    m_changes.ForgetWrites();
}

void CQuillmark2View::ReplaceRange(
    int start, int end, const QString& text, TextControl::CaretAfterReplace caret)
{
    // The new text goes on the clipboard, where users of the editor expect
    // it, but it is written through the control rather than pasted: a paste
    // would insert stale contents whenever the clipboard refused the text,
    // and writing only what differs keeps a command on a large text fast.
    CopyTextToClipboard(text);
    const ChangeTracker::WriteScope writing(m_changes);
    m_control.ReplaceRange(start, end, text, caret);
}

void CQuillmark2View::ReplaceWholeTextKeepingCaretLine(const QString& text)
{
    const int caretLine = m_control.LineFromChar(-1);
    const int firstVisible = m_control.GetFirstVisibleLine();
    // The caret is left where it is until the lines are coloured: moving it
    // first would lay out blocks whose layouts the colouring throws away.
    ReplaceRange(0, m_control.GetTextLength(), text, TextControl::CaretAfterReplace::Unmoved);
    RefreshAllLines();
    const int line = std::min(caretLine, m_control.GetLineCount() - 1);
    m_control.SetSel(m_control.LineIndex(line), m_control.LineIndex(line));
    // The view stays where the user had it, as after every other command;
    // only the column goes back to the start, where the caret now is.
    m_control.LineScroll(firstVisible - m_control.GetFirstVisibleLine());
}

void CQuillmark2View::SetBaselineToCurrentText()
{
    m_baselineText.Take(m_control);
    // The text is its own baseline now: there is nothing to compare.
    m_modifiedUntilSaved = false;
    SetModifiedFlag(false);
}

TextSnapshot CQuillmark2View::SnapshotText() const
{
    return m_baselineText.Snapshot(m_control);
}

void CQuillmark2View::SetBaselineToSavedText(const TextSnapshot& saved, const QString& controlText)
{
    if (!m_baselineText.Take(saved, controlText)) {
        m_baselineText.Take(m_control);
        MarkModifiedUntilSaved();
        return;
    }
    m_modifiedUntilSaved = false;
    SetModifiedFlag(false);
}

void CQuillmark2View::MarkModifiedUntilSaved()
{
    m_modifiedUntilSaved = true;
    UpdateModifiedFlag();
}

void CQuillmark2View::UpdateModifiedFlag()
{
    SetModifiedFlag(m_modifiedUntilSaved || m_baselineText.Differs(m_control));
}

void CQuillmark2View::SetModifiedFlag(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedFlagChanged(modified);
}

void CQuillmark2View::OnContentsChange(int position, int charsRemoved, int charsAdded)
{
    const GherkinHighlighter::EditScope editing(m_highlighter);
    m_lineSource.Invalidate();
    if (charsRemoved == 0 && charsAdded == 0)
        return;
    m_baselineText.SeeChange(position, charsAdded, m_control.GetTextLength());
    const int lastPosition = std::clamp(position + charsAdded, 0, m_control.GetTextLength());
    const int first = m_control.LineFromChar(std::clamp(position, 0, lastPosition));
    const int last = m_control.LineFromChar(lastPosition);
    const int shift = m_changes.SeeLineCount(m_control.GetLineCount());

    if (m_changes.Writing()) {
        m_changes.NoteWrite(last, shift);
        return;
    }

    if (shift != 0) {
        // Lines moved: everything is analysed again, and a block that now
        // holds another line's analysis (up to as many blocks past the analysed
        // ones as lines came or went) is repainted.
        {
            const DocumentLineSource::CopyScope copy(m_lineSource, m_analysis.maxAnalysedLines);
            m_analysis.AnalyseAll(m_language, m_lineSource);
        }
        m_highlighter.PaintBlocks(first, last + 1);
        m_highlighter.PaintStaleBlocks(0, m_analysis.analysedLineCount + shift, first, last);
    } else {
        const int analysed = m_analysis.analysedLineCount;
        std::vector<LineType>& before = m_changes.TypesBefore();
        before.assign(m_analysis.lineType.begin(), m_analysis.lineType.begin() + analysed);
        m_analysis.AnalyseLines(m_language, m_lineSource, first - 1, last + 2);
        m_highlighter.PaintBlocks(first, last + 1);
        m_highlighter.PaintStaleBlocks(first - 1, last + 2, first, last);
        // The context pass may have turned text further away into description
        // or doc-string lines.
        for (int line = 0; line < analysed; ++line)
            if (m_analysis.lineType[line] != before[line] && (line < first - 1 || line > last + 1))
                m_highlighter.PaintStaleBlocks(line, line + 1, first, last);
    }
    UpdateModifiedFlag();
}

void CQuillmark2View::RepaintRecolouredInEdit()
{
    std::vector<int> blocks = m_highlighter.TakeRepaintedInEdits();
    if (blocks.empty())
        return;
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    // Only the blocks on screen, walked down as they are drawn: the others
    // are laid out with their new colours when they are next shown.
    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber();
    auto next = std::lower_bound(blocks.begin(), blocks.end(), number);
    const int width = viewport()->width();
    const int height = viewport()->height();
    for (QPointF offset = contentOffset(); block.isValid() && next != blocks.end() && offset.y() < height;
         block = block.next(), ++number) {
        const QRectF rect = blockBoundingRect(block).translated(offset);
        if (number == *next) {
            // A pixel more on each side, for what antialiasing draws there.
            const int top = static_cast<int>(std::floor(rect.top())) - 1;
            viewport()->update(0, top, width, static_cast<int>(std::ceil(rect.bottom())) + 1 - top);
            ++next;
        }
        offset.ry() += rect.height();
    }
}

void CQuillmark2View::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        QTextCursor cursor = cursorForPosition(event->pos());
        cursor.clearSelection();
        setTextCursor(cursor);
        emit contextMenuRequested(event->globalPos());
    } else {
        RequestPopupAtCaret();
    }
    event->accept();
}

void CQuillmark2View::RequestPopupAtCaret()
{
    emit contextMenuRequested(viewport()->mapToGlobal(cursorRect().center()));
}

void CQuillmark2View::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        RequestPopupAtCaret();
        event->accept();
        return;
    }
    // Shift+Enter would put a line separator inside the line; the editor's
    // lines are the file's lines, so it breaks the line like Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
            event->isAutoRepeat(), static_cast<ushort>(event->count()));
        GuardedPasteEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    GuardedPasteEdit::keyPressEvent(event);
}
