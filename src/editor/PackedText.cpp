#include "PackedText.h"

#include <algorithm>
#include <utility>

namespace {

// The fastest level: a text is packed whenever it becomes the baseline, a
// large one while the user waits.
constexpr int compressionLevel = 1;

} // namespace

void PackedText::Builder::Append(QStringView text)
{
    while (!text.isEmpty()) {
        const qsizetype take = std::min(text.size(), PIECE - pending_.size());
        if (pending_.isEmpty() && take == PIECE) {
            packed_->AddPiece(text.first(take));
        } else {
            pending_ += text.first(take);
            if (pending_.size() == PIECE) {
                packed_->AddPiece(pending_);
                pending_.clear();
            }
        }
        text = text.sliced(take);
    }
}

std::shared_ptr<const PackedText> PackedText::Builder::Finish()
{
    if (!pending_.isEmpty())
        packed_->AddPiece(pending_);
    pending_.clear();
    return std::exchange(packed_, std::make_shared<PackedText>());
}

std::shared_ptr<const PackedText> PackedText::Pack(QStringView text)
{
    Builder builder;
    builder.Append(text);
    return builder.Finish();
}

void PackedText::AddPiece(QStringView piece)
{
    const QByteArray packed = qCompress(reinterpret_cast<const uchar*>(piece.utf16()),
        int(piece.size() * sizeof(char16_t)), compressionLevel);
    // qCompress leaves room for the worst case; a copy of the size needed
    // lets that room go whole, to be taken by the next piece, where shrinking
    // it would leave a hole too small for the next piece behind every one.
    pieces_.emplace_back(packed.constData(), packed.size());
    size_ += piece.size();
}

void PackedText::AppendTo(QString& out, qsizetype start, qsizetype length) const
{
    while (length > 0) {
        const QByteArray piece = qUncompress(pieces_[std::size_t(start / PIECE)]);
        const QStringView characters(reinterpret_cast<const char16_t*>(piece.constData()), piece.size() / 2);
        const qsizetype from = start % PIECE;
        const qsizetype take = std::min(length, characters.size() - from);
        out += characters.sliced(from, take);
        start += take;
        length -= take;
    }
}

QString PackedText::Mid(qsizetype start, qsizetype length) const
{
    QString text;
    text.reserve(length);
    AppendTo(text, start, length);
    return text;
}
