#include "TableDialogSupport.h"
#include "editor/VanishingClipboard.h"
#include "support/MessageBoxRecorder.h"

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

// Enter and Esc in a cell's editor end the edit, keep the dialog open and hand
// the keys back to the grid, where Enter is OK.
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
        // Ctrl+Y and Ctrl+Shift+Z redo one step each, and only as many as were undone.
        for (int step = 0; step <= steps; ++step)
            Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(shown.Cells(), cells);
        EXPECT_EQ(shown.UndoAll(), steps);
        for (int step = 0; step <= steps; ++step)
            Key(Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(shown.Cells(), cells);
        ASSERT_TRUE(shown.dialog.isVisible());
        Key(Qt::Key_Return);
        EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
    }
}

// A cell shows its value as Cucumber reads it and is written back escaped, so
// that what was typed comes back; a cell left alone keeps its text.
TEST(GridDialog, CellsShowTheirValuesAndAreWrittenBackEscaped)
{
    ShownGridDialog shown({ u"| a \\| b | back\\\\slash | x\\ny |" });
    EXPECT_EQ(shown.Cells(), "a | b,back\\slash,x\ny");
    Type(QStringLiteral("x|y\r"));
    shown.grid->SetFocusCell(1, 3);
    Key(Qt::Key_F2);
    Key(Qt::Key_Return, Qt::AltModifier);
    Type(QStringLiteral("z\r"));
    const LineList lines = shown.dialog.GetTableLines();
    EXPECT_EQ(lines, LineList { u"| x\\|y  | back\\\\slash  | x\\ny\\nz  |" });
    ShownGridDialog reopened(lines);
    EXPECT_EQ(reopened.Cells(), "x|y,back\\slash,x\ny\nz");
}

// Esc, too, is the dialog's once no cell is being edited: Cancel.
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
    Key(Qt::Key_Escape);
    EXPECT_FALSE(shown.dialog.isVisible());
    EXPECT_EQ(shown.dialog.result(), QDialog::Rejected);
}

// Neither the dialog nor a shortcut of the whole application (as the main
// window's help would be) takes it.
TEST(GridDialog, F1IsSwallowed)
{
    QWidget other;
    QAction* help = other.addAction(QString(), QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    other.show();
    QSignalSpy helpShortcut(help, &QAction::triggered);

    ShownGridDialog shown(NINE);
    QSignalSpy asked(&shown.dialog, &CGridDialog::helpRequested);
    Key(Qt::Key_F1);
    EXPECT_EQ(helpShortcut.count() + asked.count(), 0);
}

TEST(GridDialog, OpensShowingTheWholeTableAndRemembersItsSizeForTheNext)
{
    ShownGridDialog first(LineList(14, u"| a longer cell text | x | 12345 |"));
    EXPECT_FALSE(first.grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(first.grid->horizontalScrollBar()->isVisible());
    first.dialog.resize(560, 330);
    first.dialog.reject();
    ShownGridDialog small(NINE);
    EXPECT_EQ(small.dialog.size(), QSize(560, 330));
    // A table too large for the screen gets as much of it as there is.
    ShownGridDialog huge(LineList(200, u"| " + std::u16string(80, u'w') + u" |"));
    EXPECT_GT(huge.dialog.height(), 330);
    EXPECT_LE(huge.dialog.height(), huge.dialog.screen()->availableGeometry().height());
    EXPECT_LE(huge.dialog.width(), huge.dialog.screen()->availableGeometry().width());
}

TEST(GridDialogMenus, TheClickedCellChoosesTheMenuWhichOpensAtItsTopRightWithItsCellsSelected)
{
    // The cell clicked, the menu's captions (a separator as "-"), the cells then selected.
    const std::tuple<const char*, int, int, const char*, CCellRange> cases[] = {
        { "the corner", 0, 0, R"(- "Paste Table" "Transform" - "Undo" "Redo")", { 1, 1, 3, 3 } },
        { "a header row cell", 0, 2,
            R"("Insert Column Before" "Insert Column After" - "Delete Column " "Copy Column" "Paste Column" - "Undo")",
            { 1, 2, 3, 2 } },
        { "a header column cell", 3, 0,
            R"("Insert Row Above" "Insert Row Below" - "Delete Row " "Copy Row" "Paste  Row" - "Undo")",
            { 3, 1, 3, 3 } },
        { "a data cell", 2, 2, R"(- "Copy" "Paste " "Cut ")", { 2, 2, 2, 2 } },
    };
    for (const auto& [name, row, col, expected, selected] : cases) {
        SCOPED_TRACE(name);
        ShownGridDialog shown(NINE);
        QMenu* menu = shown.RightClick(row, col);
        ASSERT_NE(menu, nullptr);
        QStringList captions;
        for (const QAction* action : menu->actions())
            captions << (action->isSeparator() ? QStringLiteral("-") : u'"' + action->text() + u'"');
        EXPECT_EQ(captions.join(u' ').toStdString(), expected);
        EXPECT_EQ(shown.grid->GetSelectedRange(), selected);
        QRect cell;
        shown.grid->GetCellRect(row, col, cell);
        EXPECT_EQ(
            menu->pos(), shown.grid->viewport()->mapToGlobal(QPoint(cell.x() + cell.width(), cell.y())));
        menu->close();
    }
}

// Each command of the row, column and corner menus is one step of Undo; the
// pastes fill from the clicked row or column, and only Paste Table grows the
// grid. An empty clipboard enables no paste item.
TEST(GridDialogMenus, RowColumnAndTableCommandsAreEachOneStepOfUndo)
{
    // The clipboard, the cell right-clicked, the item chosen, the cells then.
    const std::tuple<const char*, const char*, int, int, const char*, const char*> cases[] = {
        { "Insert Row Above the first", "", 1, 0, "Insert Row Above", ",,/a,b,c/d,e,f/g,h,i" },
        { "Insert Row Below the last appends", "", 3, 0, "Insert Row Below", "a,b,c/d,e,f/g,h,i/,," },
        { "Delete Row", "", 2, 0, "Delete Row ", "a,b,c/g,h,i" },
        { "Insert Column Before the first", "", 0, 1, "Insert Column Before", ",a,b,c/,d,e,f/,g,h,i" },
        { "Insert Column After the last", "", 0, 3, "Insert Column After", "a,b,c,/d,e,f,/g,h,i," },
        { "Delete Column, the last", "", 0, 3, "Delete Column ", "a,b/d,e/g,h" },
        { "Paste Row drops what passes the last column", "x\ty\tz\tw", 2, 0, "Paste  Row",
            "a,b,c/x,y,z/g,h,i" },
        { "Paste Column drops what passes the last row", "x\ny\nz\nw", 0, 2, "Paste Column",
            "a,x,c/d,y,f/g,z,i" },
        { "Paste Table into a larger grid leaves the rest", "p,q\r\nr,s", 0, 0, "Paste Table",
            "p,q,c/r,s,f/g,h,i" },
        { "Paste Table grows the grid", "1,2,3,4\n5,6,7,8\n9,10,11,12\n13,14,15,16", 0, 0, "Paste Table",
            "1,2,3,4/5,6,7,8/9,10,11,12/13,14,15,16" },
        { "Transform", "", 0, 0, "Transform", "a,d,g/b,e,h/c,f,i" },
    };
    for (const auto& [name, clipboard, row, col, caption, cells] : cases) {
        SCOPED_TRACE(name);
        ShownGridDialog shown(NINE);
        ASSERT_TRUE(CopyTextToClipboard(QString::fromUtf8(clipboard)));
        // The clipboard's shape enables its own paste item and no other.
        for (const auto& [r, c, item] :
            { std::tuple { 1, 0, "Paste  Row" }, { 0, 1, "Paste Column" }, { 0, 0, "Paste Table" } })
            EXPECT_EQ(shown.Choose(r, c, item, false), std::string_view(caption) == item) << item;
        ASSERT_TRUE(shown.Choose(row, col, caption));
        EXPECT_EQ(shown.Cells(), cells);
        // The keys go on working: a focus cell, selected, survived the command.
        CopyTextToClipboard(QStringLiteral("before"));
        Key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_NE(GetClipboardText().toStdString(), "before");
        EXPECT_EQ(shown.UndoAll(), 1);
        EXPECT_EQ(shown.Cells(), NINE_CELLS);
        EXPECT_EQ(shown.RedoAll(), 1);
        EXPECT_EQ(shown.Cells(), cells);
        // Undone again, and then a new change: nothing is left to redo.
        EXPECT_EQ(shown.UndoAll(), 1);
        shown.grid->SetSelectedRange({ 1, 1, 1, 1 });
        Key(Qt::Key_Delete);
        EXPECT_FALSE(shown.Choose(0, 0, "Redo", false));
        EXPECT_EQ(shown.UndoAll(), 1);
        EXPECT_EQ(shown.Cells(), NINE_CELLS);
    }
}

TEST(GridDialogMenus, TransformOfAnOblongTableSwapsItsSides)
{
    ShownGridDialog shown({ u"| a | b |", u"| c | d |", u"| e | f |" });
    ASSERT_TRUE(shown.Choose(0, 0, "Transform"));
    EXPECT_EQ(shown.Cells(), "a,c,e/b,d,f");
}

TEST(GridDialogMenus, AnInsertedColumnHasTheDefaultWidthTheOthersAndADeletedOneUndoneKeepTheirs)
{
    ShownGridDialog shown({ u"| a | a much longer text | c |" });
    const int second = shown.grid->GetColumnWidth(2);
    const int third = shown.grid->GetColumnWidth(3);
    ASSERT_TRUE(shown.Choose(0, 2, "Insert Column Before"));
    EXPECT_EQ(shown.grid->GetColumnWidth(2), shown.grid->GetDefaultCellWidth());
    EXPECT_EQ(shown.grid->GetColumnWidth(3), second);
    EXPECT_EQ(shown.grid->GetColumnWidth(4), third);
    // A deleted column comes back with its width.
    ASSERT_TRUE(shown.Choose(0, 3, "Delete Column "));
    EXPECT_EQ(shown.grid->GetColumnWidth(3), third);
    ASSERT_TRUE(shown.Choose(0, 0, "Undo"));
    EXPECT_EQ(shown.grid->GetColumnWidth(3), second);
}

// Copy Row and Copy Column copy tab-separated lines; the cell menu is the
// grid's Copy, Paste and Cut of the cell clicked or of the selection.
TEST(GridDialogMenus, CopyItemsCopyAndOnlyPasteAndCutChangeCells)
{
    ShownGridDialog shown(NINE);
    for (const auto& [row, col, caption, copied] : { std::tuple { 2, 0, "Copy Row", "d\te\tf\r\n" },
             { 0, 3, "Copy Column", "c\r\nf\r\ni\r\n" }, { 2, 2, "Copy", "e" } }) {
        ASSERT_TRUE(shown.Choose(row, col, caption));
        EXPECT_EQ(GetClipboardText().toStdString(), copied) << caption;
    }
    ASSERT_TRUE(shown.Choose(3, 3, "Paste "));
    ASSERT_TRUE(shown.Choose(1, 2, "Cut "));
    EXPECT_EQ(shown.Cells(), "a,,c/d,e,f/g,h,e");
    EXPECT_EQ(shown.UndoAll(), 2);
}

// Chooses an item of the open menu (which takes the keys while it is open)
// with the arrow keys and Enter.
void ChooseWithKeys(QMenu& menu, const char* caption)
{
    for (QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isEnabled())
            continue;
        QTest::keyClick(&menu, Qt::Key_Down);
        if (action->text() == QString::fromUtf8(caption))
            break;
    }
    QTest::keyClick(&menu, Qt::Key_Return);
}

// Shift+Space selects rows, Ctrl+Space columns and Ctrl+A everything; the
// menu key and Shift+F10 open the menu of what is selected, and its items
// are chosen with the arrows and Enter.
TEST(GridDialogMenus, EveryMenuOpensAndServesFromTheKeyboard)
{
    // The table, the keys from the focus cell (1, 1) (Shift with Space or F10,
    // Ctrl with Space or A), the menu and its item, the cells then.
    const std::tuple<const char*, LineList, std::vector<QKeyCombination>, const char*, const char*,
        const char*>
        cases[] = {
            { "a cell", NINE, { Qt::Key_Down, Qt::Key_Right, Qt::ShiftModifier | Qt::Key_F10 }, "gridMenu129",
                "Cut ", "a,b,c/d,,f/g,h,i" },
            { "rows", NINE, { Qt::Key_Down, Qt::ShiftModifier | Qt::Key_Space, Qt::Key_Menu }, "gridMenu130",
                "Insert Row Below", "a,b,c/d,e,f/,,/g,h,i" },
            { "columns", NINE,
                { Qt::Key_Right, Qt::ControlModifier | Qt::Key_Space, Qt::ShiftModifier | Qt::Key_F10 },
                "gridMenu131", "Delete Column ", "a,c/d,f/g,i" },
            { "everything", NINE, { Qt::ControlModifier | Qt::Key_A, Qt::Key_Menu }, "gridMenu132",
                "Transform", "a,d,g/b,e,h/c,f,i" },
            { "the one row of a table", { u"| a | b |" }, { Qt::ShiftModifier | Qt::Key_Space, Qt::Key_Menu },
                "gridMenu130", "Insert Row Above", ",/a,b" },
        };
    for (const auto& [name, lines, keys, menuName, caption, cells] : cases) {
        SCOPED_TRACE(name);
        ShownGridDialog shown(lines);
        for (const QKeyCombination key : keys)
            Key(key.key(), key.keyboardModifiers());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName().toStdString(), menuName);
        ChooseWithKeys(*menu, caption);
        EXPECT_EQ(shown.Cells(), cells);
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab leave the grid for the buttons and come back,
// ending an edit with its text; Ctrl+Enter is OK, from a cell's editor too.
TEST(GridDialog, CtrlTabLeavesTheGridAndCtrlEnterConfirms)
{
    ShownGridDialog shown(NINE);
    Type(QStringLiteral("x"));
    Key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), Button(shown.dialog, "okButton"));
    Key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), shown.grid);
    EXPECT_EQ(shown.grid->GetItemText(1, 1), QStringLiteral("x"));
    Key(Qt::Key_Right);
    Type(QStringLiteral("y"));
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(shown.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shown.Cells(), "x,y,c/d,e,f/g,h,i");

    ShownStringDialog string(QStringLiteral("end"));
    QTest::keyClicks(string.box, QStringLiteral("more "));
    Key(Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(string.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(string.dialog.m_text, QStringLiteral("more end"));
}

// Cancel, Esc and the close button ask before changes are thrown away, and
// only then: Keep editing (the default) leaves the dialog open as it was.
template <typename Shown, typename Content>
void ExpectAskBeforeDiscarding(const Content& content, const char* question)
{
    MessageBoxRecorder boxes;
    {
        // Typed and taken back is no change.
        Shown shown(content);
        Type(QStringLiteral("x\r"));
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Escape);
        EXPECT_FALSE(shown.dialog.isVisible());
        EXPECT_TRUE(boxes.texts.isEmpty());
    }
    Shown shown(content);
    Type(QStringLiteral("y\r"));
    boxes.answers = { QMessageBox::No, QMessageBox::No, QMessageBox::Yes };
    Key(Qt::Key_Escape);
    EXPECT_TRUE(shown.dialog.isVisible());
    shown.dialog.close();
    EXPECT_TRUE(shown.dialog.isVisible());
    QTest::mouseClick(Button(shown.dialog, "cancelButton"), Qt::LeftButton);
    EXPECT_FALSE(shown.dialog.isVisible());
    EXPECT_EQ(shown.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(boxes.texts, QStringList(3, QString::fromUtf8(question)));
}

TEST(GridAndStringDialog, AskBeforeDiscardingChangesAndOnlyThen)
{
    {
        SCOPED_TRACE("table");
        ExpectAskBeforeDiscarding<ShownGridDialog>(NINE, "Discard the changes to this table?");
    }
    SCOPED_TRACE("doc string");
    ExpectAskBeforeDiscarding<ShownStringDialog>(
        QStringLiteral("text"), "Discard the changes to this doc string?");
}

// Whichever break ends a line; OK hands each back as CR LF.
TEST(StringDialog, ShowsTheTextInTheDocStringLookAndHandsItBackAsTheUserLeftIt)
{
    ShownStringDialog shown(QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(shown.Shown(), "a\nb\nc\nd");
    EXPECT_EQ(shown.box->palette().color(QPalette::Text), QColor(0, 128, 128));
    EXPECT_EQ(shown.box->font(), shown.dialog.m_charFormat.font());
    QTest::mouseClick(Button(shown.dialog, "okButton"), Qt::LeftButton);
    EXPECT_EQ(shown.dialog.m_text, QStringLiteral("a\r\nb\r\nc\r\nd"));
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
