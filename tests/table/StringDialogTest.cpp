#include "TableDialogSupport.h"
#include "editor/VanishingClipboard.h"

#include "platform/Clipboard.h"

namespace {

TEST(StringDialog, ShowsTheTextInTheDocStringLookAndHandsItBackAsTheUserLeftIt)
{
    const struct {
        const char* name;
        QString text, shown, afterOk;
    } cases[] = {
        { "lines with CR LF", QStringLiteral("hello\r\n  world\r\n"), QStringLiteral("hello\n  world\n"),
            QStringLiteral("hello\r\n  world\r\n") },
        { "lone line feeds and carriage returns", QStringLiteral("a\nb\rc"), QStringLiteral("a\nb\nc"),
            QStringLiteral("a\r\nb\r\nc") },
        { "a tab and a no-break space", QStringLiteral("\tx\u00A0y"), QStringLiteral("\tx y"),
            QStringLiteral("\tx\u00A0y") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownStringDialog shown(c.text);
        EXPECT_EQ(shown.Shown(), c.shown.toStdString());
        EXPECT_EQ(shown.box->palette().color(QPalette::Text), QColor(0, 128, 128));
        EXPECT_EQ(shown.box->font(), shown.dialog.m_charFormat.font());
        QTest::mouseClick(Button(shown.dialog, "okButton"), Qt::LeftButton);
        EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(shown.dialog.m_text.toStdString(), c.afterOk.toStdString());
    }
}

TEST(StringDialog, ReturnStartsALineUndoTakesEditsBackAndEscCancels)
{
    ShownStringDialog shown(QStringLiteral("end"));
    // Loading the text is nothing to undo.
    Key(Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClicks(shown.box, QStringLiteral("xy"));
    Key(Qt::Key_Return);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("one\r\ntwo\r\n")));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), "xy\none\ntwo\nend");
    // The paste is one edit.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), "xy\nend");
    Key(Qt::Key_Escape);
    EXPECT_EQ(shown.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(shown.dialog.m_text, QStringLiteral("end"));
}

TEST(StringDialog, PastesAClipboardWhoseOwnerIsGoneOnceAndThenNothing)
{
    ShownStringDialog shown(QStringLiteral("|"));
    OwnerAnswersOnce::Offer(QStringLiteral("gone"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(OwnerAnswersOnce::latecomers, 0);
    QApplication::processEvents();
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), "gone|");
}

TEST(StringDialog, KeepsItsSelectionWhileAnotherControlHasTheFocus)
{
    ShownStringDialog shown(QStringLiteral("hello world"));
    QTextCursor cursor = shown.box->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    shown.box->setTextCursor(cursor);
    Button(shown.dialog, "cancelButton")->setFocus(Qt::TabFocusReason);
    shown.box->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown.box->textCursor().selectedText(), QStringLiteral("world"));
}

TEST(StringDialog, ButtonsStayAtTheBottomRightAndTheTextFillsTheRest)
{
    ShownStringDialog shown(QStringLiteral("x"));
    ExpectLaidOut(shown.dialog, *shown.box, { { "cancelButton", 10 }, { "okButton", 110 } });
}

} // namespace
