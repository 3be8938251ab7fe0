#include "CQuillmark2View.h"

#include "GherkinHighlighter.h"
#include "platform/Clipboard.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cstdlib>

CQuillmark2View::CQuillmark2View(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_control(this)
    , m_lineSource(document())
    , m_formats(MakeLineFormats())
    , m_highlighter(document(), m_analysis, m_formats)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(EditorFont(m_fontSize));
    // The colours of the formats are fixed, so the page they are shown on is
    // too, whatever the desktop's theme.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    setPalette(page);
    // Every change is analysed first and painted second, by this handler.
    connect(document(), &QTextDocument::contentsChange, this, &CQuillmark2View::OnContentsChange);
    m_lastLineCount = document()->blockCount();
    m_baselineText = document()->toRawText();
}

CQuillmark2View::~CQuillmark2View() = default;

void CQuillmark2View::SetDocument(CQuillmark2Doc* document)
{
    m_document = document;
}

CQuillmark2Doc* CQuillmark2View::GetDocument() const
{
    return m_document;
}

void CQuillmark2View::SetFontSize(int points)
{
    if (points > 0)
        m_fontSize = points;
}

void CQuillmark2View::InitCharFormats()
{
    setFont(EditorFont(m_fontSize));
    m_formats = MakeLineFormats();
}

void CQuillmark2View::AnalyseLines(int first, int last)
{
    m_analysis.AnalyseLines(m_lineSource, first, last);
}

void CQuillmark2View::ColorLines(int first, int last)
{
    PaintBlocks(first, last);
    UpdateModifiedFlag();
}

void CQuillmark2View::PaintBlocks(int first, int last)
{
    m_highlighter.PaintBlocks(first, last);
}

void CQuillmark2View::RefreshAllLines()
{
    {
        const DocumentLineSource::CopyScope copy(m_lineSource);
        m_analysis.AnalyseAll(m_lineSource);
    }
    const int analysed = m_analysis.analysedLineCount;
    PaintBlocks(0, analysed);
    // Lines a command's edit created or moved past the analysed ones lose
    // the analysis' colours.
    if (m_pendingLastLine >= analysed || m_pendingShift > 0)
        RepaintStaleBlocks(analysed, std::max(m_pendingLastLine + 1, analysed + m_pendingShift), 0, -1);
    m_pendingLastLine = -1;
    m_pendingShift = 0;
    UpdateModifiedFlag();
    viewport()->update();
}

int CQuillmark2View::CaretLine() const
{
    return m_control.LineFromChar(-1);
}

LineType CQuillmark2View::LineTypeAt(int line) const
{
    return m_analysis.TypeOf(line);
}

QString CQuillmark2View::WholeText() const
{
    return m_control.GetWholeText();
}

void CQuillmark2View::SetWholeText(const QString& wholeText)
{
    m_loadingText = true;
    m_control.SetWholeText(wholeText);
    m_loadingText = false;
    SetBaselineToCurrentText();
}

void CQuillmark2View::ReplaceRange(int start, int end, const QString& text)
{
    // The new text goes on the clipboard, where users of the editor expect
    // it, but it is written through the control rather than pasted: a paste
    // would insert stale contents whenever the clipboard refused the text,
    // and writing only what differs keeps a command on a large text fast.
    CopyTextToClipboard(text);
    m_control.ReplaceRange(start, end, text);
}

void CQuillmark2View::ReplaceRangeBeforeRefresh(
    int start, int end, const QString& text, TextControl::CaretAfterReplace caret)
{
    m_refreshPending = true;
    CopyTextToClipboard(text);
    m_control.ReplaceRange(start, end, text, caret);
    m_refreshPending = false;
}

void CQuillmark2View::ReplaceWholeTextKeepingCaretLine(const QString& text)
{
    const int caretLine = CaretLine();
    // The caret is left where it is until the lines are coloured: moving it
    // to the end of the text and back would lay out two screens of blocks
    // twice over, only for the colouring to throw the layouts away.
    ReplaceRangeBeforeRefresh(0, m_control.GetTextLength(), text, TextControl::CaretAfterReplace::Unmoved);
    RefreshAllLines();
    const int line = std::min(caretLine, m_control.GetLineCount() - 1);
    // The view ends as after a paste of the whole text, which scrolls to its
    // end, and a move back to the caret's line, which brings that line to
    // the top of the view. Only when the caret's line is on the last page,
    // where the view comes to rest depends on how the last lines fit, does
    // the caret really make that trip.
    const QScrollBar* bar = verticalScrollBar();
    const int lineHeight = std::max(fontMetrics().lineSpacing(), 1);
    const int page = std::max(bar->pageStep(), viewport()->height() / lineHeight) + 2;
    if (line < bar->maximum() - page) {
        m_control.LineScroll(line - m_control.GetFirstVisibleLine());
    } else {
        const int end = m_control.GetTextLength();
        m_control.SetSel(end, end);
    }
    m_control.SetSel(m_control.LineIndex(line), m_control.LineIndex(line));
}

void CQuillmark2View::SetBaselineToCurrentText()
{
    m_baselineText = document()->toRawText();
    UpdateModifiedFlag();
}

void CQuillmark2View::UpdateModifiedFlag()
{
    // The character count is kept by the document, so a length that differs
    // (the usual case after an edit) settles it without reading the text.
    const QTextDocument* doc = document();
    const bool modified
        = doc->characterCount() - 1 != m_baselineText.size() || doc->toRawText() != m_baselineText;
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedFlagChanged(modified);
}

void CQuillmark2View::OnContentsChange(int position, int charsRemoved, int charsAdded)
{
    m_lineSource.Invalidate();
    if (charsRemoved == 0 && charsAdded == 0)
        return;
    const QTextDocument* doc = document();
    const int count = doc->blockCount();
    const int lastPosition = std::clamp(position + charsAdded, 0, doc->characterCount() - 1);
    const int first = doc->findBlock(std::clamp(position, 0, lastPosition)).blockNumber();
    const int last = doc->findBlock(lastPosition).blockNumber();

    if (m_refreshPending) {
        m_pendingLastLine = std::max(m_pendingLastLine, last);
        m_pendingShift += std::abs(count - m_lastLineCount);
        m_lastLineCount = count;
        return;
    }

    if (count != m_lastLineCount) {
        // Lines moved: everything is analysed again, and a block that now
        // holds another line's analysis (up to as many blocks past the analysed
        // ones as lines came or went) is repainted.
        const int shift = std::abs(count - m_lastLineCount);
        m_lastLineCount = count;
        {
            const DocumentLineSource::CopyScope copy(m_lineSource);
            m_analysis.AnalyseAll(m_lineSource);
        }
        PaintBlocks(first, last + 1);
        RepaintStaleBlocks(0, m_analysis.analysedLineCount + shift, first, last);
    } else {
        const int analysed = m_analysis.analysedLineCount;
        m_typesBeforeAnalysis.assign(m_analysis.lineType.begin(), m_analysis.lineType.begin() + analysed);
        m_analysis.AnalyseLines(m_lineSource, first - 1, last + 2);
        PaintBlocks(first, last + 1);
        RepaintStaleBlocks(first - 1, last + 2, first, last);
        // The context pass may have turned text further away into description
        // or doc-string lines.
        for (int line = 0; line < analysed; ++line)
            if (m_analysis.lineType[line] != m_typesBeforeAnalysis[line]
                && (line < first - 1 || line > last + 1))
                RepaintStaleBlocks(line, line + 1, first, last);
    }
    if (!m_loadingText)
        UpdateModifiedFlag();
}

void CQuillmark2View::RepaintStaleBlocks(int first, int last, int skipFirst, int skipLast)
{
    m_highlighter.PaintStaleBlocks(first, last, skipFirst, skipLast);
}

void CQuillmark2View::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse) {
        QTextCursor cursor = cursorForPosition(event->pos());
        cursor.clearSelection();
        setTextCursor(cursor);
        emit contextMenuRequested(event->globalPos());
    } else {
        emit contextMenuRequested(viewport()->mapToGlobal(cursorRect().center()));
    }
    event->accept();
}

void CQuillmark2View::keyPressEvent(QKeyEvent* event)
{
    // Shift+Enter would put a line separator inside the line; the editor's
    // lines are the file's lines, so it breaks the line like Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
            event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
