#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// A text kept compressed, a piece at a time, from which a stretch is read back
// by uncompressing only the pieces it falls in: the text that counts as
// unchanged, kept beside the control's own in a fraction of its size. Once
// made it never changes, so threads may share and read it.
class PackedText {
public:
    // Characters in each piece but the last.
    static constexpr qsizetype PIECE = 1 << 15;

    // Packs a text handed over in parts of any sizes.
    class Builder {
    public:
        void Append(QStringView text);
        std::shared_ptr<const PackedText> Finish();

    private:
        std::shared_ptr<PackedText> packed_ = std::make_shared<PackedText>();
        QString pending_;
    };
    static std::shared_ptr<const PackedText> Pack(QStringView text);

    qsizetype size() const { return size_; }
    // Characters start .. start + length (within the text) appended to `out`.
    void AppendTo(QString& out, qsizetype start, qsizetype length) const;
    QString Mid(qsizetype start, qsizetype length) const;

private:
    void AddPiece(QStringView piece);

    std::vector<QByteArray> pieces_;
    qsizetype size_ = 0;
};
