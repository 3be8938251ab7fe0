#include "TableDialogSupport.h"

#include "platform/Clipboard.h"
#include "table/CStringDialog.h"
#include "table/MyEditCtrl.h"

#include <QClipboard>
#include <QMimeData>

namespace {

// The doc-string dialog shown and active, holding `text`, in the editor's
// doc-string colour and a font every machine of the project has.
struct ShownStringDialog {
    explicit ShownStringDialog(const QString& text)
    {
        dialog.m_charFormat.setForeground(QColor(0, 128, 128));
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(15);
        dialog.m_charFormat.setFont(font);
        dialog.m_text = text;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
        box = dialog.findChild<MyEditCtrl*>();
    }

    std::string Shown() const { return box->toPlainText().toStdString(); }

    CStringDialog dialog;
    MyEditCtrl* box = nullptr;
};

// Clipboard data whose owner answers `answers` times and then has nothing
// more to give, as some clipboard managers and remote desktops do.
class VanishingMimeData : public QMimeData {
public:
    explicit VanishingMimeData(int answers)
        : m_answers(answers)
    {
    }
    QStringList formats() const override { return { QStringLiteral("text/plain") }; }
    bool hasFormat(const QString& mimeType) const override { return mimeType.startsWith(u"text/plain"); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType) const override
    {
        if (!hasFormat(mimeType) || m_answers == 0)
            return {};
        --m_answers;
        return QStringLiteral("gone");
    }

private:
    mutable int m_answers;
};

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

TEST(StringDialog, AClipboardWhoseDataVanishGivesAnEmptyPaste)
{
    for (const auto& [answers, afterTwoPastes] : { std::pair { 1, "gone|" }, { 0, "|" } }) {
        ShownStringDialog shown(QStringLiteral("|"));
        QGuiApplication::clipboard()->setMimeData(new VanishingMimeData(answers));
        Key(Qt::Key_V, Qt::ControlModifier);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown.Shown(), afterTwoPastes) << answers << " answers";
    }
    CopyTextToClipboard(QString());
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
