#include "editor/PackedText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

// Stretches read back whole, whichever pieces they start and end in, however
// the text was handed over.
TEST(PackedText, ReadsBackEveryStretchAcrossThePieces)
{
    constexpr qsizetype piece = PackedText::PIECE;
    QString text;
    for (int line = 0; text.size() < 3 * piece + 17; ++line)
        text += QStringLiteral("  Given step %1 \u00e9\U0001F600").arg(line) + QChar::ParagraphSeparator;
    PackedText::Builder builder;
    for (qsizetype at = 0; at < text.size(); at += 4099)
        builder.Append(QStringView(text).sliced(at, std::min<qsizetype>(4099, text.size() - at)));
    const auto handed = builder.Finish();
    const auto whole = PackedText::Pack(text);
    const std::pair<qsizetype, qsizetype> stretches[] = { { 0, 0 }, { 0, piece }, { piece - 1, 2 },
        { 5, 2 * piece + 3 }, { text.size() - 20, 20 }, { 0, text.size() } };
    for (const auto& packed : { handed, whole }) {
        ASSERT_EQ(packed->size(), text.size());
        for (const auto& [start, length] : stretches)
            EXPECT_TRUE(packed->Mid(start, length) == text.mid(start, length)) << start << " " << length;
    }
    EXPECT_EQ(PackedText::Pack({})->size(), 0);
}

} // namespace
