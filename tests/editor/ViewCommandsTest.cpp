#include "VanishingClipboard.h"
#include "ViewTestSupport.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QSignalSpy>

namespace {

using ViewCommands = ViewTest;

// The whole text's offsets, a CR LF per break, land on the right control
// positions; the fragment, also copied, never glues onto a last line.
TEST_F(ViewCommands, InsertIsOneUndoableEditBehindALineBreakOfItsOwn)
{
    const QString text = Crlf({ "Feature: f", "Scenario: s", "Given a", "| x |" });
    Show(text, 3);
    view.OnInsert(InsertTemplate::ScenarioOutline);
    const QString inserted = view.WholeText();
    EXPECT_TRUE(inserted.startsWith(text + "\r\nScenario Outline: [Title]\r\nGiven\r\n"));
    EXPECT_EQ(view.textCursor().selectionStart(), text.size() - 3 + 1 + 18); // past "Scenario Outline: "
    EXPECT_EQ(Selected(), "[Title]");
    view.undo();
    EXPECT_TRUE(Untouched());
    view.redo();
    EXPECT_EQ(view.WholeText(), inserted);
}

// A snapshot copies only what the edits since the baseline touched, and is
// the text as it stands after edits of every kind; a saved one becomes the
// baseline unless the text has changed since.
TEST_F(ViewCommands, ASnapshotIsTheTextAsItStandsAndASavedOneTheBaseline)
{
    Show(LongText(60), 30, 4);
    view.insertPlainText("x");
    EXPECT_EQ(view.SnapshotText().middle, "x");
    const std::pair<const char*, std::function<void()>> edits[] = {
        { "a line break in the middle", [this] { view.insertPlainText("\n"); } },
        { "at the start", [this] { Select(0, 0), view.insertPlainText("# c\n"); } },
        { "a lone character at the end",
            [this] { view.moveCursor(QTextCursor::End), view.insertPlainText("z"); } },
        { "lines taken out", [this] { Select(5, 2, 12, 1), view.textCursor().removeSelectedText(); } },
        { "undone", [this] { view.undo(); } },
        { "formatted", [this] { view.OnFormat(); } },
        { "all replaced", [this] { view.selectAll(), view.insertPlainText("a\nb"); } },
        { "edited back to the baseline", [this] { view.undo(), view.undo(), view.undo(); } },
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        edit();
        const TextSnapshot snapshot = view.SnapshotText();
        EXPECT_EQ(snapshot.ControlText(), view.control().GetControlText());
        EXPECT_EQ(snapshot.WholeText(), view.WholeText());
    }

    for (const bool typedSince : { false, true }) {
        SCOPED_TRACE(typedSince ? "typed since" : "saved as it stands");
        const TextSnapshot saved = view.SnapshotText();
        if (typedSince)
            view.insertPlainText("y");
        view.SetBaselineToSavedText(saved, saved.ControlText());
        EXPECT_EQ(view.IsTextModified(), typedSince);
        if (typedSince)
            view.textCursor().deletePreviousChar();
        EXPECT_EQ(view.IsTextModified(), typedSince) << "the file does not hold what was typed since";
    }
}

// Refresh, recolouring and new settings keep the whole state; Format and
// Unformat, each one edit that is also copied, the first visible line, the
// caret at the start of its line.
TEST_F(ViewCommands, CommandsKeepTheViewWhereTheUserHadIt)
{
    QStringList lines = { "Feature: f" };
    for (int i = 1; i < 300; ++i)
        lines << (i % 3 == 1 ? "Scenario: s" : "Given x");
    Show(Crlf(lines));
    ShowOnScreen(400, 200);
    const auto scrollTo = [this](int line) {
        view.control().LineScroll(line - view.control().GetFirstVisibleLine());
        return view.control().GetFirstVisibleLine();
    };
    const auto state = [this] {
        return std::tuple(view.textCursor().anchor(), view.textCursor().position(),
            view.control().GetFirstVisibleLine(), view.document()->availableUndoSteps(),
            view.IsTextModified(), view.WholeText());
    };
    QTest::keyClicks(&view, QStringLiteral("ab"));
    Select(150, 3, 152, 1);
    ASSERT_EQ(scrollTo(120), 120);
    const auto before = state();
    view.RefreshAllLines();
    view.ColorLines(0, 300);
    view.ApplySettings(16);
    EXPECT_EQ(state(), before) << "not even an undo step";

    const int lastTop = view.control().GetLineCount();
    for (const auto& [caretLine, firstVisible] : { std::pair { 1, 0 }, { 130, 120 }, { 295, lastTop } }) {
        for (const bool format : { true, false }) {
            SCOPED_TRACE(testing::Message() << (format ? "Format" : "Unformat") << " on line " << caretLine);
            Select(caretLine, 3);
            const int top = scrollTo(firstVisible);
            ASSERT_EQ(top > 0, firstVisible > 0) << "the view is scrolled as asked";
            const QString before = view.WholeText();
            format ? view.OnFormat() : view.OnUnformat();
            EXPECT_EQ(view.control().GetFirstVisibleLine(), top);
            EXPECT_EQ(view.textCursor().position(), view.control().LineIndex(caretLine));
            EXPECT_FALSE(view.textCursor().hasSelection());
            EXPECT_EQ(GetClipboardText(), view.WholeText());
            EXPECT_EQ(ColourAt(caretLine + 1, 4), step) << "the re-indented step keeps its colour";
            ASSERT_NE(view.WholeText(), before);
            view.undo();
            EXPECT_EQ(view.WholeText(), before);
            view.redo();
        }
    }
}

TEST_F(ViewCommands, RightClickPutsTheCaretOnTheClickedCharacterAndTheMenuKeyDoesNot)
{
    Show(Crlf({ "Feature: f", "  Given x" }));
    ShowOnScreen(500, 300);
    QSignalSpy requests(&view, &CQuillmark2View::contextMenuRequested);
    Select(1, 4);
    const QPoint point = view.cursorRect().center() + QPoint(2, 0);
    for (const auto reason : { QContextMenuEvent::Keyboard, QContextMenuEvent::Mouse }) {
        view.control().SetSel(0, 5);
        QContextMenuEvent request(reason, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &request);
        EXPECT_EQ(Selected(), reason == QContextMenuEvent::Mouse ? "" : "Featu");
    }
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1][0].toPoint(), view.viewport()->mapToGlobal(point));
    EXPECT_NEAR(view.textCursor().position(), view.control().LineIndex(1) + 4, 1);
}

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
