#include "TextSnapshot.h"

#include "core/LineBreaks.h"

#include <array>

namespace {

constexpr QChar lineBreak(PARAGRAPH_MARK);

std::array<QStringView, 3> Pieces(const TextSnapshot& text)
{
    const QStringView baseline(text.baseline);
    return { baseline.first(text.head), QStringView(text.middle), baseline.last(text.tail) };
}

} // namespace

QString TextSnapshot::ControlText() const
{
    QString text;
    text.reserve(head + middle.size() + tail);
    for (const QStringView piece : Pieces(*this))
        text += piece;
    return text;
}

QString TextSnapshot::WholeText() const
{
    const auto pieces = Pieces(*this);
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
