#include "TableDialogSupport.h"
#include "editor/VanishingClipboard.h"

namespace {

TEST(StringDialog, ShowsTheTextInTheDocStringLookAndHandsItBackAsTheUserLeftIt)
{
    // The text given, as shown, as handed back after OK.
    const std::tuple<const char*, QString, QString, QString> cases[] = {
        { "lines with CR LF", QStringLiteral("hello\r\n  world\r\n"), QStringLiteral("hello\n  world\n"),
            QStringLiteral("hello\r\n  world\r\n") },
        { "lone line feeds and carriage returns", QStringLiteral("a\nb\rc"), QStringLiteral("a\nb\nc"),
            QStringLiteral("a\r\nb\r\nc") },
    };
    for (const auto& [name, text, asShown, afterOk] : cases) {
        SCOPED_TRACE(name);
        ShownStringDialog shown(text);
        EXPECT_EQ(shown.Shown(), asShown.toStdString());
        EXPECT_EQ(shown.box->palette().color(QPalette::Text), QColor(0, 128, 128));
        EXPECT_EQ(shown.box->font(), shown.dialog.m_charFormat.font());
        QTest::mouseClick(Button(shown.dialog, "okButton"), Qt::LeftButton);
        EXPECT_EQ(shown.dialog.m_text.toStdString(), afterOk.toStdString());
    }
}

TEST(StringDialog, ReturnStartsALineAndLoadingIsNothingToUndo)
{
    ShownStringDialog shown(QStringLiteral("end"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClicks(shown.box, QStringLiteral("xy"));
    Key(Qt::Key_Return);
    EXPECT_EQ(shown.Shown(), "xy\nend");
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

} // namespace
