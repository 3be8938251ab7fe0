#include "platform/TextControl.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// Whatever ends the lines; the control then edits and undoes as after any load.
TEST(TextControlLoad, PiecesGiveWhatTheWholeTextGives)
{
    const struct {
        const char* name;
        QString lineBreak;
    } cases[] = { { "CR LF", "\r\n" }, { "LF", "\n" }, { "lone CR", "\r" }, { "CR CR LF", "\r\r\n" },
        { "paragraph separator", QString(QChar::ParagraphSeparator) + "\n" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Long enough for several pieces, whose cuts fall among the line ends.
        QString text;
        for (int line = 0; text.size() < 1'300'000; ++line)
            text += QStringLiteral("  Given step number %1 of the long file").arg(line) + c.lineBreak;
        text += QStringLiteral("last line");
        QPlainTextEdit whole;
        QPlainTextEdit pieces;
        TextControl(&whole).SetWholeText(text);
        std::vector<std::pair<qsizetype, qsizetype>> heard;
        std::u16string given(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
        TextControl(&pieces).SetWholeText(QStringView(given.data(), static_cast<qsizetype>(given.size())),
            [&heard](qsizetype done, qsizetype total) { heard.emplace_back(done, total); });
        // The control keeps a copy: the caller's string may go once the text is in.
        std::fill(given.begin(), given.end(), u'Z');
        given = std::u16string();

        // The same characters in the same blocks and formats.
        EXPECT_TRUE(pieces.document()->toHtml() == whole.document()->toHtml());
        EXPECT_FALSE(pieces.document()->isModified());
        EXPECT_EQ(pieces.textCursor().position(), 0);
        EXPECT_EQ(pieces.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

        ASSERT_GT(heard.size(), 1u) << "the text is large enough for several pieces";
        for (std::size_t i = 1; i < heard.size(); ++i)
            EXPECT_GT(heard[i].first, heard[i - 1].first);
        EXPECT_EQ(heard.back(), std::pair(text.size(), text.size()));

        TextControl control(&pieces);
        control.ReplaceRange(0, 0, QStringLiteral("# added\r\n"));
        EXPECT_EQ(control.GetLine(0), QStringLiteral("# added\r"));
        pieces.undo();
        EXPECT_EQ(pieces.document()->toRawText(), whole.document()->toRawText());
        EXPECT_FALSE(pieces.document()->isUndoAvailable());
    }
}

} // namespace
