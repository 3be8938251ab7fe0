#include "platform/TextControl.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

class TextControlTest : public ::testing::Test {
protected:
    TextControlTest() { edit.setLineWrapMode(QPlainTextEdit::NoWrap); }

    QPlainTextEdit edit;
    TextControl control { &edit };
};

TEST_F(TextControlTest, LineStartsPlusLineTextsChainAcrossTheText)
{
    control.SetWholeText(QStringLiteral("Feature: a\r\n\r\n  Given b\r\nlast"));
    ASSERT_EQ(control.GetLineCount(), 4);
    const QStringList expected = { QStringLiteral("Feature: a\r"), QStringLiteral("\r"),
        QStringLiteral("  Given b\r"), QStringLiteral("last") };
    for (int line = 0; line < 4; ++line) {
        EXPECT_EQ(control.GetLine(line), expected[line]) << "line " << line;
        if (line < 3) {
            EXPECT_EQ(control.LineIndex(line) + control.GetLine(line).size(), control.LineIndex(line + 1));
        }
    }
    EXPECT_EQ(control.LineIndex(4), -1);
    EXPECT_EQ(control.GetLine(4), QString());
}

TEST_F(TextControlTest, WholeTextCarriesCrLfWhileControlPositionsCountOne)
{
    const QString text = QStringLiteral("ab\r\ncd\r\n\r\nef");
    control.SetWholeText(text);
    EXPECT_EQ(control.GetWholeText(), text);
    EXPECT_EQ(control.GetWholeTextLength(), text.size());
    EXPECT_EQ(control.GetTextLength(), text.size() - 3);

    // Every character of the whole text but the LF of a break maps to a
    // position holding the same character (the break for the CR).
    const QString controlText = edit.document()->toRawText();
    for (int offset = 0; offset < text.size(); ++offset) {
        const int pos = control.WholeOffsetToPosition(offset);
        if (text[offset] == u'\n') {
            EXPECT_EQ(pos, control.WholeOffsetToPosition(offset - 1)) << "offset " << offset;
            continue;
        }
        EXPECT_EQ(control.PositionToWholeOffset(pos), offset) << "offset " << offset;
        if (text[offset] != u'\r') {
            EXPECT_EQ(controlText[pos], text[offset]) << "offset " << offset;
        }
    }
    EXPECT_EQ(control.WholeOffsetToPosition(text.size()), control.GetTextLength());
}

TEST_F(TextControlTest, LoneBreaksBecomeCrLfAndSpecialCharactersSurvive)
{
    control.SetWholeText(QString::fromUtf16(u"a\rb\nc\r\nd\u00a0e\u2028f\t"));
    EXPECT_EQ(control.GetLineCount(), 4);
    EXPECT_EQ(control.GetWholeText(), QString::fromUtf16(u"a\r\nb\r\nc\r\nd\u00a0e\u2028f\t"));
}

TEST_F(TextControlTest, EmptyTextHasOneEmptyLine)
{
    control.SetWholeText(QString());
    EXPECT_EQ(control.GetLineCount(), 1);
    EXPECT_EQ(control.GetLine(0), QString());
    EXPECT_EQ(control.GetWholeTextLength(), 0);
    EXPECT_EQ(control.LineFromChar(0), 0);
}

TEST_F(TextControlTest, SelectionAndCaretLines)
{
    control.SetWholeText(QStringLiteral("one\r\ntwo\r\nthree"));
    control.SetSel(5, 10);
    int start = -1;
    int end = -1;
    control.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(control.LineFromChar(-1), 1) << "the line of the selection start";
    EXPECT_EQ(control.LineIndex(-1), 8) << "the caret stands at the selection end, on line 2";
    EXPECT_EQ(control.LineFromChar(3), 0) << "a line's break belongs to it";
    EXPECT_EQ(control.LineFromChar(4), 1);

    control.SetSel(0, -1);
    EXPECT_EQ(edit.textCursor().selectedText().size(), control.GetTextLength());
    control.SetSel(-5, 500);
    control.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, control.GetTextLength());
}

TEST_F(TextControlTest, ReplacingTheSelectionIsOneUndoableEdit)
{
    control.SetWholeText(QStringLiteral("one\r\ntwo"));
    control.SetSel(1, 5);
    control.ReplaceSelectionAsOneEdit(QStringLiteral("X\r\nY\r\nZ"));
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("oX\r\nY\r\nZwo"));
    EXPECT_EQ(control.GetLineCount(), 3);
    edit.undo();
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("one\r\ntwo"));
    EXPECT_FALSE(edit.document()->isUndoAvailable());
}

TEST_F(TextControlTest, ReplacingARangeRewritesOnlyWhatDiffersInOneEdit)
{
    control.SetWholeText(QStringLiteral("keep\r\nold line\r\nkeep too\r\nlast"));
    edit.document()->findBlockByNumber(0).setUserState(7);
    edit.document()->findBlockByNumber(2).setUserState(9);

    control.ReplaceRange(0, control.GetTextLength(), QStringLiteral("keep\r\nnew\nline\r\nkeep too\r\nlast"));
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("keep\r\nnew\r\nline\r\nkeep too\r\nlast"));
    EXPECT_EQ(edit.document()->findBlockByNumber(0).userState(), 7) << "the unchanged first line kept its block";
    EXPECT_EQ(edit.document()->findBlockByNumber(3).userState(), 9) << "the unchanged line kept its block";
    EXPECT_EQ(edit.textCursor().position(), control.GetTextLength()) << "the caret ends after the new text";
    EXPECT_FALSE(edit.textCursor().hasSelection());

    edit.undo();
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("keep\r\nold line\r\nkeep too\r\nlast"));
    EXPECT_FALSE(edit.document()->isUndoAvailable()) << "one edit";
}

TEST_F(TextControlTest, ReplacingARangeByTheSameTextIsNoEdit)
{
    control.SetWholeText(QStringLiteral("a\r\nb"));
    control.ReplaceRange(0, 3, QStringLiteral("a\r\nb"));
    EXPECT_FALSE(edit.document()->isUndoAvailable());
    EXPECT_EQ(control.GetWholeText(), QStringLiteral("a\r\nb"));
}

TEST_F(TextControlTest, ReplacingARangeKeepsSurrogatePairsWhole)
{
    // Old and new share the high half of a pair and differ in the low half.
    control.SetWholeText(QString::fromUtf16(u"x\U0001F600y"));
    control.ReplaceRange(1, 3, QString::fromUtf16(u"\U0001F601"));
    EXPECT_EQ(control.GetWholeText(), QString::fromUtf16(u"x\U0001F601y"));
    edit.undo();
    EXPECT_EQ(control.GetWholeText(), QString::fromUtf16(u"x\U0001F600y"));
}

TEST_F(TextControlTest, ScrollsByLinesAndFindsTheCharacterUnderAPoint)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("line %1").arg(i);
    control.SetWholeText(lines.join(QStringLiteral("\r\n")));
    edit.resize(300, 150);
    edit.show();
    QApplication::processEvents();
    EXPECT_EQ(control.GetFirstVisibleLine(), 0);
    control.LineScroll(40);
    EXPECT_EQ(control.GetFirstVisibleLine(), 40);
    control.LineScroll(-15);
    EXPECT_EQ(control.GetFirstVisibleLine(), 25);

    QTextCursor at(edit.document());
    at.setPosition(control.LineIndex(30) + 2);
    const QRect rect = edit.cursorRect(at);
    EXPECT_EQ(control.CharFromPos(rect.center() + QPoint(1, 0)), control.LineIndex(30) + 2);
}

}  // namespace
