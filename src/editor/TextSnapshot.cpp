#include "TextSnapshot.h"

#include "core/LineBreaks.h"

#include <array>

namespace {

constexpr QChar lineBreak(PARAGRAPH_MARK);

} // namespace

QString TextSnapshot::ControlText() const
{
    QString text;
    text.reserve(head + middle.size() + tail);
    baseline->AppendTo(text, 0, head);
    text += middle;
    baseline->AppendTo(text, baseline->size() - tail, tail);
    return text;
}

QString TextSnapshot::WholeText() const
{
    const QString first = baseline->Mid(0, head);
    const QString last = baseline->Mid(baseline->size() - tail, tail);
    const std::array<QStringView, 3> pieces { first, middle, last };
    qsizetype length = 0;
    for (const QStringView piece : pieces)
        length += piece.size() + piece.count(lineBreak);
    QString text;
    text.reserve(length);
    for (const QStringView piece : pieces) {
        qsizetype from = 0;
        for (qsizetype at; (at = piece.indexOf(lineBreak, from)) >= 0; from = at + 1) {
            text += piece.sliced(from, at - from);
            text += QStringView(WHOLE_TEXT_LINE_BREAK);
        }
        text += piece.sliced(from);
    }
    return text;
}
