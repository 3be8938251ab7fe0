#include "VanishingClipboard.h"
#include "ViewTestSupport.h"

#include <QDropEvent>

namespace {

using ViewPaste = ViewTest;

// Its text, then an empty paste; what is pasted is one edit, its breaks lines
// of the file, analysed and coloured at once.
TEST_F(ViewPaste, EveryRoadReadsAVanishingClipboardOnceAndPastesItOrNothing)
{
    ShowOnScreen(400, 300);
    const std::pair<const char*, std::function<void()>> roads[] = {
        { "Ctrl+V", [this] { Press(Qt::Key_V, Qt::ControlModifier); } },
        { "Shift+Insert", [this] { Press(Qt::Key_Insert, Qt::ShiftModifier); } },
        { "the Paste command", [this] { view.PasteClipboardText(); } },
        { "Qt's paste", [this] { view.paste(); } },
    };
    for (const auto& [name, paste] : roads) {
        SCOPED_TRACE(name);
        Show(QStringLiteral("Feature: f\r\n"), 1);
        // Line breaks of every kind; each ends a line of the file once pasted.
        OwnerAnswersOnce::Offer(QStringLiteral("  Given a\r\n  When b\r  Then c\u2028  And d\n"));
        paste();
        EXPECT_EQ(OwnerAnswersOnce::latecomers, 0) << "nothing asked the data again";
        QApplication::processEvents();
        paste();
        EXPECT_EQ(Lines(), (QStringList { "Feature: f", "  Given a", "  When b", "  Then c", "  And d", "" }))
            << "then an empty paste";
        EXPECT_EQ(ColourAt(4, 2), step);
        view.undo();
        EXPECT_EQ(view.WholeText(), QStringLiteral("Feature: f\r\n")) << "one edit";
    }
}

// As one edit; the middle button pastes the system's selection, which this
// platform has not, never the clipboard.
TEST_F(ViewPaste, DroppedTextGoesInAtTheDropAndTheMiddleButtonPastesNoClipboard)
{
    Show(QStringLiteral("Feature: f\r\n"));
    ShowOnScreen(400, 300);
    QMimeData dragged;
    dragged.setText(QStringLiteral("Rule: "));
    const QPoint at = view.cursorRect(QTextCursor(view.document())).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    EXPECT_EQ(view.WholeText(), QStringLiteral("Rule: Feature: f\r\n"));
    view.undo();
    EXPECT_EQ(view.WholeText(), QStringLiteral("Feature: f\r\n"));

    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("clipboard")));
    ASSERT_FALSE(QGuiApplication::clipboard()->supportsSelection());
    QTest::mouseClick(view.viewport(), Qt::MiddleButton, Qt::NoModifier, at);
    EXPECT_EQ(view.WholeText(), QStringLiteral("Feature: f\r\n"));
}

} // namespace
