#include "platform/Clipboard.h"
#include "table/CStringDialog.h"
#include "table/MyEditCtrl.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

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

    QString Shown() const { return box->toPlainText(); }

    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    CStringDialog dialog;
    MyEditCtrl* box = nullptr;
};

// Clipboard data whose owner answers `answers` times and then has nothing
// more to give, as some clipboard managers and remote desktops do.
class VanishingMimeData : public QMimeData {
public:
    VanishingMimeData(QString text, int answers)
        : m_text(std::move(text))
        , m_answers(answers)
    {
    }

    QStringList formats() const override { return { QStringLiteral("text/plain") }; }
    bool hasFormat(const QString& mimeType) const override { return mimeType.startsWith(u"text/plain"); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType) const override
    {
        if (!mimeType.startsWith(u"text/plain") || m_answers == 0)
            return {};
        --m_answers;
        return m_text;
    }

private:
    QString m_text;
    mutable int m_answers;
};

TEST(StringDialog, ShowsTheTextAndHandsItBackAsTheUserLeftIt)
{
    const struct {
        const char* name;
        QString text;
        QString shown;
        QString afterOk;
    } cases[] = {
        { "lines with CR LF", QStringLiteral("hello\r\n  world\r\n"), QStringLiteral("hello\n  world\n"),
            QStringLiteral("hello\r\n  world\r\n") },
        { "empty lines stay", QStringLiteral("a\r\n\r\n\r\nb"), QStringLiteral("a\n\n\nb"),
            QStringLiteral("a\r\n\r\n\r\nb") },
        { "lone line feeds and carriage returns", QStringLiteral("a\nb\rc"), QStringLiteral("a\nb\nc"),
            QStringLiteral("a\r\nb\r\nc") },
        { "tabs and a no-break space", QStringLiteral("\tx\u00A0y"), QStringLiteral("\tx y"),
            QStringLiteral("\tx\u00A0y") },
        { "nothing", QString(), QString(), QString() },
    };
    for (const auto& c : cases) {
        ShownStringDialog shown(c.text);
        EXPECT_EQ(shown.Shown().toStdString(), c.shown.toStdString()) << c.name;
        QTest::mouseClick(shown.dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        EXPECT_EQ(shown.dialog.result(), QDialog::Accepted) << c.name;
        EXPECT_EQ(shown.dialog.m_text.toStdString(), c.afterOk.toStdString()) << c.name;
    }
}

TEST(StringDialog, ShowsTheDocStringColourAndFontWithoutWrapping)
{
    ShownStringDialog shown(QStringLiteral("x"));
    EXPECT_EQ(shown.box->palette().color(QPalette::Text), QColor(0, 128, 128));
    EXPECT_EQ(shown.box->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(shown.box->font().pixelSize(), 15);
    EXPECT_EQ(shown.box->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST(StringDialog, ReturnStartsALineEscCancelsAndUndoTakesTypingBack)
{
    ShownStringDialog shown(QStringLiteral("abc"));
    // Loading the text is nothing to undo.
    ShownStringDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), QStringLiteral("abc"));

    QTest::keyClicks(shown.box, QStringLiteral("xy"));
    ShownStringDialog::Key(Qt::Key_Return);
    EXPECT_EQ(shown.Shown(), QStringLiteral("xy\nabc"));
    EXPECT_TRUE(shown.dialog.isVisible());
    ShownStringDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    ShownStringDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), QStringLiteral("abc"));

    ShownStringDialog::Key(Qt::Key_Escape);
    EXPECT_EQ(shown.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(shown.dialog.m_text, QStringLiteral("abc"));
}

TEST(StringDialog, APasteIsTheClipboardsTextAsOneEditOfUndo)
{
    ShownStringDialog shown(QStringLiteral("end"));
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("one\r\ntwo\r\n")));
    ShownStringDialog::Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), QStringLiteral("one\ntwo\nend"));
    ShownStringDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Shown(), QStringLiteral("end"));
}

TEST(StringDialog, AClipboardWhoseDataVanishGivesAnEmptyPaste)
{
    const struct {
        const char* name;
        int answers;
        const char* afterTwoPastes;
    } cases[] = {
        { "an owner that answers once", 1, "gone|" },
        { "an owner that never answers", 0, "|" },
    };
    for (const auto& c : cases) {
        ShownStringDialog shown(QStringLiteral("|"));
        QGuiApplication::clipboard()->setMimeData(new VanishingMimeData(QStringLiteral("gone"), c.answers));
        ShownStringDialog::Key(Qt::Key_V, Qt::ControlModifier);
        ShownStringDialog::Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(shown.Shown().toStdString(), c.afterTwoPastes) << c.name;
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
    shown.dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->setFocus(Qt::TabFocusReason);
    shown.box->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(shown.box->textCursor().selectedText(), QStringLiteral("world"));
}

TEST(StringDialog, ButtonsKeepTheirSizeAtTheBottomRightAndTheTextFillsTheRest)
{
    ShownStringDialog shown(QStringLiteral("x"));
    const QPushButton* ok = shown.dialog.findChild<QPushButton*>(QStringLiteral("okButton"));
    const QPushButton* cancel = shown.dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"));
    const QSize buttonSize = ok->size();
    for (const QSize size : { QSize(640, 400), QSize(320, 200) }) {
        shown.dialog.resize(size);
        const std::string name = std::to_string(size.width()) + " x " + std::to_string(size.height());
        EXPECT_EQ(cancel->x() + cancel->width(), size.width() - 10) << name;
        EXPECT_EQ(ok->x() + ok->width(), size.width() - 110) << name;
        EXPECT_EQ(ok->y() + ok->height(), size.height() - 5) << name;
        EXPECT_EQ(cancel->y() + cancel->height(), size.height() - 5) << name;
        EXPECT_EQ(ok->size(), buttonSize) << name;
        EXPECT_EQ(shown.box->geometry(), QRect(0, 0, size.width(), ok->y() - 5)) << name;
    }
}

} // namespace
