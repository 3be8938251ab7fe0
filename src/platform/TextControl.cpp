#include "TextControl.h"

#include "core/LineBreaks.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// QTextDocument's raw text separates blocks by this character; the whole text
// carries CR LF in its place.
constexpr QChar blockSeparator(PARAGRAPH_MARK);

} // namespace

TextControl::TextControl(QPlainTextEdit* edit)
    : m_edit(edit)
{
}

int TextControl::GetLineCount() const
{
    return m_edit->document()->blockCount();
}

int TextControl::LineIndex(int line) const
{
    if (line == -1)
        return m_edit->textCursor().block().position();
    const QTextBlock block = m_edit->document()->findBlockByNumber(line);
    return block.isValid() ? block.position() : -1;
}

int TextControl::LineFromChar(int pos) const
{
    if (pos == -1)
        pos = m_edit->textCursor().selectionStart();
    const QTextDocument* document = m_edit->document();
    pos = std::clamp(pos, 0, document->characterCount() - 1);
    return document->findBlock(pos).blockNumber();
}

QString TextControl::GetLine(int line) const
{
    const QTextBlock block = m_edit->document()->findBlockByNumber(line);
    if (!block.isValid())
        return {};
    QString text = block.text();
    if (block.next().isValid())
        text += CONTROL_LINE_END;
    return text;
}

QString TextControl::GetWholeText() const
{
    // Put together piece by piece: QString::replace moves the rest of the text
    // for every line break it widens, which takes seconds on a large text.
    const QString control = GetControlText();
    QString text;
    text.reserve(control.size() + control.count(blockSeparator));
    qsizetype from = 0;
    for (qsizetype at; (at = control.indexOf(blockSeparator, from)) >= 0; from = at + 1) {
        text += QStringView(control).sliced(from, at - from);
        text += QStringView(WHOLE_TEXT_LINE_BREAK);
    }
    text += QStringView(control).sliced(from);
    return text;
}

QString TextControl::GetControlText() const
{
    return m_edit->document()->toRawText();
}

QString TextControl::GetControlText(int start, int end) const
{
    if (start >= end)
        return {};
    QTextCursor range(m_edit->document());
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    // A selection's text is the raw text, blocks joined by U+2029.
    return range.selectedText();
}

QString TextControl::GetPlainText() const
{
    return m_edit->document()->toPlainText();
}

QString TextControl::GetSelectedText() const
{
    return m_edit->textCursor().selectedText();
}

void TextControl::SetWholeText(const QString& text)
{
    m_edit->setPlainText(text);
}

int TextControl::GetTextLength() const
{
    // characterCount() includes the paragraph mark that closes the last block.
    return m_edit->document()->characterCount() - 1;
}

void TextControl::GetSel(int& start, int& end) const
{
    const QTextCursor cursor = m_edit->textCursor();
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
}

void TextControl::SetSel(int start, int end)
{
    const int length = GetTextLength();
    if (end < 0)
        end = length;
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    QTextCursor cursor = m_edit->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
}

int TextControl::GetFirstVisibleLine() const
{
    // Without wrapping the vertical scroll bar counts lines.
    return m_edit->verticalScrollBar()->value();
}

void TextControl::LineScroll(int lines)
{
    QScrollBar* bar = m_edit->verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

bool TextControl::CanUndo() const
{
    return m_edit->document()->isUndoAvailable();
}

void TextControl::ReplaceEach(const std::vector<std::pair<int, int>>& ranges, const QString& text)
{
    if (ranges.empty())
        return;
    QTextCursor cursor(m_edit->document());
    cursor.beginEditBlock();
    // From the last range back, so that every earlier position still holds.
    for (auto range = ranges.rbegin(); range != ranges.rend(); ++range) {
        cursor.setPosition(range->first);
        cursor.setPosition(range->first + range->second, QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }
    cursor.endEditBlock();
}

std::unique_ptr<QTextDocument> TextControl::CopyWithColours() const
{
    const QTextDocument* original = m_edit->document();
    std::unique_ptr<QTextDocument> copy(original->clone());
    copy->setDefaultFont(m_edit->font());
    copy->setDefaultTextOption(original->defaultTextOption());
    // The colours are not part of the text but of each line's layout.
    for (QTextBlock from = original->begin(), to = copy->begin(); from.isValid() && to.isValid();
         from = from.next(), to = to.next())
        to.layout()->setFormats(from.layout()->formats());
    return copy;
}

namespace {

// The lengths of the longest common beginning and end of `a` and `b` that
// do not overlap and do not cut a surrogate pair in two.
std::pair<qsizetype, qsizetype> CommonEnds(QStringView a, QStringView b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype prefix = 0;
    while (prefix < shorter && a[prefix] == b[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    if (prefix > 0 && b[prefix - 1].isHighSurrogate())
        --prefix;
    if (suffix > 0 && b[b.size() - suffix].isLowSurrogate())
        --suffix;
    return { prefix, suffix };
}

// `text` with CR LF, a lone CR and a lone LF each turned into one block
// separator.
QString ToControlForm(const QString& text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const std::u16string_view in(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
    qsizetype written = 0;
    for (std::size_t i = 0; i < in.size();) {
        const std::size_t lineBreak = LineBreakLength(in, i);
        out[written++] = lineBreak > 0 ? blockSeparator : QChar(in[i]);
        i += std::max<std::size_t>(lineBreak, 1);
    }
    result.truncate(written);
    return result;
}

// Where each line of `text` (in the control's form) ends: the position of
// its separator, or the text's size for the last line.
std::vector<qsizetype> LineBreaks(QStringView text)
{
    std::vector<qsizetype> breaks;
    const QChar* characters = text.data();
    for (qsizetype at = 0; at < text.size(); ++at)
        if (characters[at] == blockSeparator)
            breaks.push_back(at);
    breaks.push_back(text.size());
    return breaks;
}

// Replaces the `oldText.size()` characters at `position` by `newText`,
// writing only the part between their common beginning and end.
void ReplaceDifference(QTextCursor& cursor, int position, QStringView oldText, QStringView newText)
{
    const auto [prefix, suffix] = CommonEnds(oldText, newText);
    if (prefix == oldText.size() && prefix == newText.size())
        return;
    cursor.setPosition(position + static_cast<int>(prefix));
    cursor.setPosition(position + static_cast<int>(oldText.size() - suffix), QTextCursor::KeepAnchor);
    // Format mostly takes blanks away: a plain removal skips the look-up of
    // the format that inserted text would get.
    if (prefix + suffix == newText.size())
        cursor.removeSelectedText();
    else
        cursor.insertText(newText.sliced(prefix, newText.size() - prefix - suffix).toString());
}

} // namespace

void TextControl::ReplaceRange(int start, int end, const QString& text, CaretAfterReplace caret)
{
    const int length = GetTextLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);

    // Both sides in the control's own form: one separator per line break.
    const QString replacement = ToControlForm(text);
    const QString old = GetControlText().mid(start, end - start);

    QTextCursor cursor = m_edit->textCursor();
    cursor.beginEditBlock();
    const std::vector<qsizetype> oldBreaks = LineBreaks(old);
    const std::vector<qsizetype> newBreaks = LineBreaks(replacement);
    if (oldBreaks.size() == newBreaks.size()) {
        // Line by line (Format changes the start of many lines and nothing
        // else): the lines keep their blocks, which is far cheaper than
        // building the text anew. Edits go from the last line up, so that
        // the positions of the lines above stay as they were.
        for (std::size_t line = oldBreaks.size(); line-- > 0;) {
            const qsizetype oldStart = line == 0 ? 0 : oldBreaks[line - 1] + 1;
            const qsizetype newStart = line == 0 ? 0 : newBreaks[line - 1] + 1;
            ReplaceDifference(cursor, start + static_cast<int>(oldStart),
                QStringView(old).sliced(oldStart, oldBreaks[line] - oldStart),
                QStringView(replacement).sliced(newStart, newBreaks[line] - newStart));
        }
    } else {
        ReplaceDifference(cursor, start, old, replacement);
    }
    cursor.endEditBlock();
    // Moving the caret makes the view lay out every block between its top
    // and the caret, and those layouts are lost again as soon as the new
    // lines are coloured: a caller that places the caret itself skips it.
    if (caret == CaretAfterReplace::Unmoved)
        return;
    cursor.setPosition(start + static_cast<int>(replacement.size()));
    m_edit->setTextCursor(cursor);
}
