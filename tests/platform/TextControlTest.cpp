#include "platform/TextControl.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

class TextControlTest : public ::testing::Test {
protected:
    TextControlTest() { edit.setLineWrapMode(QPlainTextEdit::NoWrap); }

    QPlainTextEdit edit;
    TextControl control { &edit };
};

// The whole text carries CR LF per break (a lone CR or LF becomes one), a line
// its closing CR, and a control position counts a break as one character.
TEST_F(TextControlTest, WholeTextLinesAndPositionsAgree)
{
    // A text loaded, and its lines: each with its CR, the whole text joined by LF.
    const std::pair<QString, QStringList> cases[] = { { "Feature: a\r\n\r\n  Given b\r\nlast",
                                                          { "Feature: a\r", "\r", "  Given b\r", "last" } },
        { "a\rb\nc\r\nd\u00a0e\u2028f\t", { "a\r", "b\r", "c\r", "d\u00a0e\u2028f\t" } }, { "", { "" } } };
    for (const auto& [input, lines] : cases) {
        SCOPED_TRACE(input.toStdString());
        control.SetWholeText(input);
        const QString text = lines.join(u'\n');
        EXPECT_EQ(control.GetWholeText(), text);
        EXPECT_EQ(control.GetTextLength(), text.size() - (lines.size() - 1));
        ASSERT_EQ(control.GetLineCount(), lines.size());
        for (int line = 0; line < lines.size(); ++line) {
            EXPECT_EQ(control.GetLine(line), lines[line]) << "line " << line;
            EXPECT_EQ(control.LineFromChar(control.LineIndex(line)), line);
            if (line > 0) {
                EXPECT_EQ(control.LineIndex(line - 1) + lines[line - 1].size(), control.LineIndex(line));
            }
        }
        EXPECT_EQ(control.LineIndex(lines.size()), -1);
        EXPECT_EQ(control.GetLine(lines.size()), QString());
    }
}

TEST_F(TextControlTest, SelectionIsClippedAndNamesTheCaretLines)
{
    control.SetWholeText(QStringLiteral("one\r\ntwo\r\nthree"));
    control.SetSel(5, 10);
    EXPECT_EQ(control.LineFromChar(-1), 1) << "the line of the selection start";
    EXPECT_EQ(control.LineIndex(-1), 8) << "the caret stands at the selection end, on line 2";
    EXPECT_EQ(control.LineFromChar(3), 0) << "a line's break belongs to it";
    EXPECT_EQ(control.LineFromChar(4), 1);

    control.SetSel(0, -1);
    EXPECT_EQ(edit.textCursor().selectedText().size(), control.GetTextLength());
    control.SetSel(-5, 500);
    int start = -1;
    int end = -1;
    control.GetSel(start, end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, control.GetTextLength()));
}

TEST_F(TextControlTest, ReplacingARangeRewritesOnlyWhatDiffersInOneEdit)
{
    const QString old = QStringLiteral("keep\r\nold line\r\nkeep too\r\nlast");
    control.SetWholeText(old);
    edit.document()->findBlockByNumber(0).setUserState(7);
    edit.document()->findBlockByNumber(2).setUserState(9);

    control.ReplaceRange(0, control.GetTextLength(), QStringLiteral("keep\r\nnew\nline\r\nkeep too\r\nlast"));
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("keep\r\nnew\r\nline\r\nkeep too\r\nlast"));
    EXPECT_EQ(edit.document()->findBlockByNumber(0).userState(), 7) << "unchanged lines keep their blocks";
    EXPECT_EQ(edit.document()->findBlockByNumber(3).userState(), 9);
    EXPECT_EQ(edit.textCursor().position(), control.GetTextLength()) << "the caret ends after the new text";
    EXPECT_FALSE(edit.textCursor().hasSelection());
    edit.undo();
    EXPECT_EQ(control.GetWholeText(), old);
    EXPECT_FALSE(edit.document()->isUndoAvailable()) << "one edit";

    control.ReplaceRange(0, control.GetTextLength(), old);
    EXPECT_FALSE(edit.document()->isUndoAvailable()) << "the same text is no edit";

    // Old and new share the high half of a surrogate pair and differ in the low half.
    control.SetWholeText(QString::fromUtf16(u"x\U0001F600y"));
    control.ReplaceRange(1, 3, QString::fromUtf16(u"\U0001F601"));
    EXPECT_EQ(control.GetWholeText(), QString::fromUtf16(u"x\U0001F601y"));
    edit.undo();
    EXPECT_EQ(control.GetWholeText(), QString::fromUtf16(u"x\U0001F600y"));
}

// Whatever ends the lines; the control then edits and undoes as after any load.
TEST(TextControlLoad, PiecesGiveWhatTheWholeTextGives)
{
    const std::pair<const char*, QString> cases[]
        = { { "CR LF", "\r\n" }, { "LF", "\n" }, { "lone CR", "\r" }, { "CR CR LF", "\r\r\n" },
              { "paragraph separator", QString(QChar::ParagraphSeparator) + "\n" } };
    for (const auto& [name, lineBreak] : cases) {
        SCOPED_TRACE(name);
        // Long enough for several pieces, whose cuts fall among the line ends.
        QString text;
        for (int line = 0; text.size() < 1'300'000; ++line)
            text += QStringLiteral("  Given step number %1 of the long file").arg(line) + lineBreak;
        text += QStringLiteral("last line");
        QPlainTextEdit whole;
        QPlainTextEdit pieces;
        TextControl(&whole).SetWholeText(text);
        std::u16string given(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
        // Cut anywhere, and just after every CR, so that a CR LF is cut in two.
        TextControl(&pieces).SetWholeText(
            [&given](const TextControl::Append& append) {
                for (std::size_t at = 0; at < given.size();) {
                    const std::size_t cr = given.find(u'\r', at);
                    const std::size_t end
                        = std::min({ at + 7919, cr == given.npos ? given.size() : cr + 1, given.size() });
                    append(QStringView(given.data() + at, qsizetype(end - at)));
                    at = end;
                }
            },
            text.size());
        // The control keeps a copy: the caller's string may go once the text is in.
        std::fill(given.begin(), given.end(), u'Z');

        // The same characters in the same blocks and formats.
        EXPECT_TRUE(pieces.document()->toHtml() == whole.document()->toHtml());
        EXPECT_FALSE(pieces.document()->isModified());
        EXPECT_EQ(pieces.textCursor().position(), 0);
        EXPECT_EQ(pieces.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

        TextControl control(&pieces);
        control.ReplaceRange(0, 0, QStringLiteral("# added\r\n"));
        EXPECT_EQ(control.GetLine(0), QStringLiteral("# added\r"));
        pieces.undo();
        EXPECT_EQ(pieces.document()->toRawText(), whole.document()->toRawText());
        EXPECT_FALSE(pieces.document()->isUndoAvailable());
    }
}

} // namespace
