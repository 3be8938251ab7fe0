#include "TableDialogSupport.h"

#include "platform/Clipboard.h"
#include "table/GridFont.h"

#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const LineList NINE = Lines({ u"| a | b | c |", u"| d | e | f |", u"| g | h | i |" });

TEST(GridDialog, LoadsATableAsARectangleAndHandsItBackAligned)
{
    const struct {
        const char* name;
        LineList lines;
        int rows, cols; // of the grid, headers included
        const char* cells;
        const char* aligned;
    } cases[] = {
        { "a ragged table", Lines({ u"| a | b |", u"| c |" }), 3, 3, "a,b/c,", "| a  | b  |\n| c  |    |\n" },
        { "rows with their carriage returns and an indent",
            Lines({ u"    | Name | Qty |\r", u"  | x | 10 |\r" }), 3, 3, "Name,Qty/x,10",
            "| Name  | Qty  |\n| x     | 10   |\n" },
        { "an empty cell and an escaped pipe", Lines({ u"|a||b\\|c|" }), 2, 4, "a,,b\\|c",
            "| a  |   | b\\|c  |\n" },
        { "no table", {}, 1, 1, "", "" },
    };
    for (const auto& c : cases) {
        CGridDialog dialog;
        dialog.SetTableLines(c.lines);
        const CGridCtrl& grid = *dialog.findChild<CGridCtrl*>();
        EXPECT_EQ(grid.GetRowCount(), c.rows) << c.name;
        EXPECT_EQ(grid.GetColumnCount(), c.cols) << c.name;
        EXPECT_EQ(GridCells(grid), c.cells) << c.name;
        EXPECT_EQ(Joined(dialog.GetTableLines()), c.aligned) << c.name;
    }
}

TEST(GridDialog, ButtonsKeepTheirSizeAtTheBottomRightAndTheGridFillsTheRest)
{
    ShownGridDialog shown(NINE);
    const QPushButton* ok = shown.Button("okButton");
    const QPushButton* cancel = shown.Button("cancelButton");
    const QPushButton* help = shown.Button("helpButton");
    const QSize buttonSize = ok->size();
    for (const QSize size : { QSize(700, 420), QSize(520, 300), QSize(780, 560) }) {
        shown.dialog.resize(size);
        const std::string name = std::to_string(size.width()) + " x " + std::to_string(size.height());
        // Right and bottom edges counted as a window's are: one past the last pixel.
        const auto right = [](const QWidget* w) { return w->x() + w->width(); };
        const auto bottom = [](const QWidget* w) { return w->y() + w->height(); };
        EXPECT_EQ(right(cancel), size.width() - 10) << name;
        EXPECT_EQ(right(ok), size.width() - 110) << name;
        EXPECT_EQ(right(help), size.width() - 225) << name;
        for (const QPushButton* button : { ok, cancel, help }) {
            EXPECT_EQ(bottom(button), size.height() - 5) << name;
            EXPECT_EQ(button->size(), buttonSize) << name;
        }
        EXPECT_EQ(shown.grid->geometry(), QRect(0, 0, size.width(), ok->y() - 5)) << name;
    }
}

TEST(GridDialog, EnterAndEscCloseTheDialogOnlyWhenNoCellIsBeingEdited)
{
    const struct {
        const char* name;
        bool editing;
        int key;
        bool closed;
        QDialog::DialogCode result;
        const char* firstCell;
    } cases[] = {
        { "Enter on the grid is OK", false, Qt::Key_Return, true, QDialog::Accepted, "a" },
        { "Esc on the grid is Cancel", false, Qt::Key_Escape, true, QDialog::Rejected, "a" },
        { "Enter in an editor ends the edit", true, Qt::Key_Return, false, QDialog::Rejected, "z" },
        { "Esc in an editor restores the cell", true, Qt::Key_Escape, false, QDialog::Rejected, "a" },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        // The dialog opens with the first data cell focused: typing edits it.
        if (c.editing) {
            ShownGridDialog::Type(QStringLiteral("z"));
            ASSERT_NE(shown.grid->GetInPlaceEdit(), nullptr) << c.name;
        }
        ShownGridDialog::Key(c.key);
        EXPECT_EQ(!shown.dialog.isVisible(), c.closed) << c.name;
        if (c.closed) {
            EXPECT_EQ(shown.dialog.result(), c.result) << c.name;
        }
        EXPECT_EQ(shown.grid->GetInPlaceEdit(), nullptr) << c.name;
        EXPECT_EQ(shown.grid->GetItemText(1, 1).toStdString(), c.firstCell) << c.name;
    }
}

TEST(GridDialog, OkKeepsTheTextOfACellStillBeingEdited)
{
    ShownGridDialog shown(NINE);
    ShownGridDialog::Type(QStringLiteral("new"));
    QTest::mouseClick(shown.Button("okButton"), Qt::LeftButton);
    EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(
        Joined(shown.dialog.GetTableLines()), "| new  | b  | c  |\n| d    | e  | f  |\n| g    | h  | i  |\n");
}

TEST(GridDialog, EachCommandOnCellsIsOneStepOfUndo)
{
    const struct {
        const char* name;
        void (*run)(ShownGridDialog&);
        const char* cells;
        const char* afterCtrlZ;
        int steps;
    } cases[] = {
        { "typing into a cell",
            [](ShownGridDialog&) {
                ShownGridDialog::Type(QStringLiteral("xy"));
                ShownGridDialog::Key(Qt::Key_Return);
            },
            "xy,b,c/d,e,f/g,h,i", "a,b,c/d,e,f/g,h,i", 1 },
        { "typing into two cells, Tab between",
            [](ShownGridDialog&) {
                ShownGridDialog::Type(QStringLiteral("x"));
                ShownGridDialog::Key(Qt::Key_Tab);
                ShownGridDialog::Type(QStringLiteral("y"));
                ShownGridDialog::Key(Qt::Key_Return);
            },
            "x,y,c/d,e,f/g,h,i", "x,b,c/d,e,f/g,h,i", 2 },
        { "a paste of a block",
            [](ShownGridDialog&) {
                CopyTextToClipboard(QStringLiteral("p\tq\r\nr\ts"));
                ShownGridDialog::Key(Qt::Key_V, Qt::ControlModifier);
            },
            "p,q,c/r,s,f/g,h,i", "a,b,c/d,e,f/g,h,i", 1 },
        { "a cut",
            [](ShownGridDialog& s) {
                s.grid->SetSelectedRange({ 1, 1, 1, 2 });
                ShownGridDialog::Key(Qt::Key_X, Qt::ControlModifier);
            },
            ",,c/d,e,f/g,h,i", "a,b,c/d,e,f/g,h,i", 1 },
        { "a Delete",
            [](ShownGridDialog& s) {
                s.grid->SetSelectedRange({ 2, 2, 3, 3 });
                ShownGridDialog::Key(Qt::Key_Delete);
            },
            "a,b,c/d,,/g,,", "a,b,c/d,e,f/g,h,i", 1 },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        c.run(shown);
        EXPECT_EQ(shown.Cells(), c.cells) << c.name;
        ShownGridDialog::Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(shown.Cells(), c.afterCtrlZ) << c.name;
        int steps = 1;
        while (shown.Choose(0, 0, QStringLiteral("Undo")))
            ++steps;
        EXPECT_EQ(steps, c.steps) << c.name;
        EXPECT_EQ(shown.Cells(), "a,b,c/d,e,f/g,h,i") << c.name;
    }
}

TEST(GridDialog, AnEditThatChangesNothingLeavesNothingToUndo)
{
    ShownGridDialog shown(NINE);
    ShownGridDialog::Type(QStringLiteral("a"));
    ShownGridDialog::Key(Qt::Key_Return);
    ShownGridDialog::Type(QStringLiteral("q"));
    ShownGridDialog::Key(Qt::Key_Escape);
    shown.grid->SetSelectedRange({ 1, 1, 1, 1 });
    CopyTextToClipboard(QStringLiteral("a"));
    ShownGridDialog::Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(shown.Choose(0, 0, QStringLiteral("Undo")));
}

TEST(GridDialog, CtrlZInsideAnEditorUndoesTheTypingAndNothingElse)
{
    ShownGridDialog shown(NINE);
    shown.grid->SetSelectedRange({ 3, 3, 3, 3 });
    ShownGridDialog::Key(Qt::Key_Delete);
    shown.grid->SetFocusCell(1, 1);
    ShownGridDialog::Type(QStringLiteral("xy"));
    ShownGridDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_NE(shown.grid->GetInPlaceEdit(), nullptr);
    EXPECT_NE(shown.grid->GetInPlaceEdit()->text(), QStringLiteral("xy"));
    EXPECT_EQ(shown.grid->GetItemText(3, 3), QString());

    ShownGridDialog::Key(Qt::Key_Escape);
    ShownGridDialog::Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(shown.Cells(), "a,b,c/d,e,f/g,h,i");
    EXPECT_TRUE(shown.dialog.isVisible());
}

TEST(GridDialog, F1IsSwallowedAndHelpOnlyAsksForHelp)
{
    // A shortcut of the whole application, as the main window's help would be.
    QWidget other;
    QAction help;
    help.setShortcut(Qt::Key_F1);
    help.setShortcutContext(Qt::ApplicationShortcut);
    other.addAction(&help);
    other.show();
    QSignalSpy helpShortcut(&help, &QAction::triggered);

    ShownGridDialog shown(NINE);
    QSignalSpy asked(&shown.dialog, &CGridDialog::helpRequested);
    ShownGridDialog::Key(Qt::Key_F1);
    EXPECT_EQ(helpShortcut.count(), 0);
    EXPECT_EQ(asked.count(), 0);

    QTest::mouseClick(shown.Button("helpButton"), Qt::LeftButton);
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(shown.dialog.isVisible());
}

TEST(GridDialog, OpensShowingTheWholeTableAndRemembersItsSizeForTheNext)
{
    LineList tall;
    for (int row = 0; row < 14; ++row) {
        std::u16string line = u"| a longer cell text | ";
        line.append(row, u'x');
        tall.push_back(line + u" | 12345 |");
    }
    {
        ShownGridDialog shown(tall);
        EXPECT_FALSE(shown.grid->verticalScrollBar()->isVisible());
        EXPECT_FALSE(shown.grid->horizontalScrollBar()->isVisible());
        shown.dialog.resize(560, 330);
        shown.dialog.reject();
    }
    {
        ShownGridDialog shown(NINE);
        EXPECT_EQ(shown.dialog.size(), QSize(560, 330));
        shown.dialog.reject();
    }
    // A table too large for the screen gets as much of it as there is.
    LineList huge;
    std::u16string wide = u"| ";
    wide.append(80, u'w');
    for (int row = 0; row < 200; ++row)
        huge.push_back(wide + u" | b |");
    ShownGridDialog shown(huge);
    const QSize screen = shown.dialog.screen()->availableGeometry().size();
    EXPECT_LE(shown.dialog.width(), screen.width());
    EXPECT_LE(shown.dialog.height(), screen.height());
    EXPECT_GT(shown.dialog.height(), 330);
}

TEST(GridDialog, GridFontIsSizedInWholePixelsFromPointsAndDotsPerInch)
{
    const struct {
        int points, dpi, pixels;
    } cases[] = { { 12, 96, 16 }, { 11, 96, 15 }, { 10, 96, 13 }, { 10, 120, 17 }, { 24, 144, 48 } };
    QFont editor(QStringLiteral("DejaVu Sans Mono"));
    editor.setBold(true);
    for (const auto& c : cases) {
        const QFont font = MakeGridFont(editor, c.points, c.dpi);
        const std::string name = std::to_string(c.points) + " pt at " + std::to_string(c.dpi) + " dpi";
        EXPECT_EQ(font.pixelSize(), c.pixels) << name;
        EXPECT_EQ(font.family(), editor.family()) << name;
        EXPECT_FALSE(font.bold()) << name;
    }
}

} // namespace
