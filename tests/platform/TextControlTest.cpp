#include "platform/TextControl.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <gtest/gtest.h>

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
    const struct {
        QString input;
        QStringList lines; // the whole text is these, each with its CR, joined by LF
    } cases[] = { { "Feature: a\r\n\r\n  Given b\r\nlast", { "Feature: a\r", "\r", "  Given b\r", "last" } },
        { "a\rb\nc\r\nd\u00a0e\u2028f\t", { "a\r", "b\r", "c\r", "d\u00a0e\u2028f\t" } }, { "", { "" } } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        control.SetWholeText(c.input);
        const QString text = c.lines.join(u'\n');
        EXPECT_EQ(control.GetWholeText(), text);
        EXPECT_EQ(control.GetWholeTextLength(), text.size());
        EXPECT_EQ(control.GetTextLength(), text.size() - (c.lines.size() - 1));
        ASSERT_EQ(control.GetLineCount(), c.lines.size());
        for (int line = 0; line < c.lines.size(); ++line) {
            EXPECT_EQ(control.GetLine(line), c.lines[line]) << "line " << line;
            EXPECT_EQ(control.LineFromChar(control.LineIndex(line)), line);
            if (line > 0) {
                EXPECT_EQ(control.LineIndex(line - 1) + c.lines[line - 1].size(), control.LineIndex(line));
            }
        }
        EXPECT_EQ(control.LineIndex(c.lines.size()), -1);
        EXPECT_EQ(control.GetLine(c.lines.size()), QString());
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

} // namespace
