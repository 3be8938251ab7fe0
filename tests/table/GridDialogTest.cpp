#include "TableDialogSupport.h"

#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// Whatever the dialog's size, its buttons keep theirs with their bottom edges 5
// pixels above the client area's and their right edges the given distance from
// its right edge, and the grid or the text fills the rest down to 5 pixels above OK.
TEST(GridAndStringDialog, ButtonsStayAtTheBottomRightAndTheMainControlFillsTheRest)
{
    ShownGridDialog grid(NINE);
    ShownStringDialog string(QStringLiteral("x"));
    const std::tuple<QDialog*, QWidget*, std::vector<std::pair<const char*, int>>> dialogs[] = {
        { &grid.dialog, grid.grid, { { "cancelButton", 10 }, { "okButton", 110 }, { "helpButton", 225 } } },
        { &string.dialog, string.box, { { "cancelButton", 10 }, { "okButton", 110 } } },
    };
    for (const auto& [dialog, main, buttons] : dialogs) {
        const QSize buttonSize = Button(*dialog, "okButton")->size();
        for (const QSize size : { QSize(700, 420), QSize(420, 260) }) {
            dialog->resize(size);
            const int top = size.height() - 5 - buttonSize.height();
            for (const auto& [name, right] : buttons)
                EXPECT_EQ(Button(*dialog, name)->geometry(),
                    QRect(QPoint(size.width() - right - buttonSize.width(), top), buttonSize))
                    << name << " at " << size.width();
            EXPECT_EQ(main->geometry(), QRect(0, 0, size.width(), top - 5)) << size.width();
        }
    }
}

TEST(GridDialog, EnterOnTheGridIsOkAndEscCancel)
{
    for (const auto& [key, result] :
        { std::pair { Qt::Key_Return, QDialog::Accepted }, { Qt::Key_Escape, QDialog::Rejected } }) {
        ShownGridDialog shown(NINE);
        Key(key);
        EXPECT_FALSE(shown.dialog.isVisible());
        EXPECT_EQ(shown.dialog.result(), result);
    }
}

// Enter and Esc in a cell's editor end the edit, keep the dialog open and hand
// the keys back to the grid.
TEST(GridDialog, EachCommandOnCellsThatChangesOneIsOneStepOfUndo)
{
    // Typed into the focus cell (1, 1), "\r" being Enter, "\t" Tab, "\x1b" Esc;
    // then a key on (2, 2)-(3, 3) with "p\tq\r\nr\ts" on the clipboard; the
    // cells then and the steps of undo back to the start.
    const std::tuple<const char*, const char*, int, const char*, int> cases[] = {
        { "typing into two cells, Tab between", "x\ty\r", 0, "x,y,c/d,e,f/g,h,i", 2 },
        { "typing the text the cell has", "a\r", 0, NINE_CELLS, 0 },
        { "typing, then Esc", "q\x1b", 0, NINE_CELLS, 0 },
        { "a paste of a block", "", Qt::Key_V, "a,b,c/d,p,q/g,r,s", 1 },
        { "a Delete", "", Qt::Key_Delete, "a,b,c/d,,/g,,", 1 },
    };
    for (const auto& [name, typed, key, cells, steps] : cases) {
        SCOPED_TRACE(name);
        ShownGridDialog shown(NINE);
        CopyTextToClipboard(QStringLiteral("p\tq\r\nr\ts"));
        Type(QString::fromUtf8(typed));
        EXPECT_EQ(QApplication::focusWidget(), shown.grid);
        if (key != 0) {
            shown.grid->SetSelectedRange({ 2, 2, 3, 3 });
            Key(key, key == Qt::Key_Delete ? Qt::NoModifier : Qt::ControlModifier);
        }
        EXPECT_EQ(shown.Cells(), cells);
        EXPECT_EQ(shown.UndoAll(), steps);
        EXPECT_EQ(shown.Cells(), NINE_CELLS);
        EXPECT_TRUE(shown.dialog.isVisible());
    }
}

TEST(GridDialog, CtrlZUndoesACommandUnlessACellIsBeingEdited)
{
    ShownGridDialog shown(NINE);
    shown.grid->SetSelectedRange({ 3, 3, 3, 3 });
    Key(Qt::Key_Delete);
    Type(QStringLiteral("xy"));
    // Inside the editor it undoes the typing, and the dialog's steps wait.
    Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NE(shown.grid->GetInPlaceEdit(), nullptr);
    EXPECT_EQ(shown.grid->GetItemText(3, 3), QString());
    Key(Qt::Key_Escape);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Cells(), NINE_CELLS);
}

TEST(GridDialog, F1IsSwallowedAndTheHelpButtonAsksForHelp)
{
    // A shortcut of the whole application, as the main window's help would be.
    QWidget other;
    QAction* help = other.addAction(QString(), QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    other.show();
    QSignalSpy helpShortcut(help, &QAction::triggered);

    ShownGridDialog shown(NINE);
    QSignalSpy asked(&shown.dialog, &CGridDialog::helpRequested);
    Key(Qt::Key_F1);
    EXPECT_EQ(helpShortcut.count() + asked.count(), 0);
    QTest::mouseClick(Button(shown.dialog, "helpButton"), Qt::LeftButton);
    EXPECT_EQ(asked.count(), 1);
}

TEST(GridDialog, OpensShowingTheWholeTableAndRemembersItsSizeForTheNext)
{
    {
        ShownGridDialog shown(LineList(14, u"| a longer cell text | x | 12345 |"));
        EXPECT_FALSE(shown.grid->verticalScrollBar()->isVisible());
        EXPECT_FALSE(shown.grid->horizontalScrollBar()->isVisible());
        shown.dialog.resize(560, 330);
        shown.dialog.reject();
    }
    ShownGridDialog small(NINE);
    EXPECT_EQ(small.dialog.size(), QSize(560, 330));
    // A table too large for the screen gets as much of it as there is.
    ShownGridDialog huge(LineList(200, u"| " + std::u16string(80, u'w') + u" |"));
    EXPECT_GT(huge.dialog.height(), 330);
    EXPECT_LE(huge.dialog.height(), huge.dialog.screen()->availableGeometry().height());
    EXPECT_LE(huge.dialog.width(), huge.dialog.screen()->availableGeometry().width());
}

} // namespace
