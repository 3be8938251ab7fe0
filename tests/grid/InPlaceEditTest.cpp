#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(InPlaceEdit, StartsAsTheKeyThatOpenedItSays)
{
    const struct {
        const char* name;
        void (*open)(ShownGrid&);
        const char* text; // the editor's text once open
        bool allSelected;
    } cases[] = {
        { "F2 puts the caret at the end", [](ShownGrid&) { ShownGrid::Key(Qt::Key_F2); }, "r2c2", false },
        { "a click on the focused cell does too", [](ShownGrid& s) { s.Click(2, 2); }, "r2c2", false },
        { "a letter replaces the text", [](ShownGrid&) { ShownGrid::Type(QStringLiteral("x")); }, "x",
            false },
        { "so does a character with the code of a navigation key",
            [](ShownGrid&) { ShownGrid::Type(QStringLiteral("#")); }, "#", false },
        { "Backspace deletes the last character", [](ShownGrid&) { ShownGrid::Key(Qt::Key_Backspace); },
            "r2c", false },
        { "Space selects the text", [](ShownGrid&) { ShownGrid::Key(Qt::Key_Space); }, "r2c2", true },
        { "a navigation key selects the text",
            [](ShownGrid& s) { s.grid.EditCell(2, 2, EditStartKey::Key(Qt::Key_Down)); }, "r2c2", true },
        { "Enter puts the caret at the end",
            [](ShownGrid& s) { s.grid.EditCell(2, 2, EditStartKey::Key(Qt::Key_Return)); }, "r2c2", false },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.FocusOn(2, 2);
        c.open(shown);
        CInPlaceEdit* editor = shown.Editor();
        ASSERT_TRUE(editor) << c.name;
        EXPECT_EQ(editor->text().toStdString(), c.text) << c.name;
        EXPECT_EQ(editor->hasSelectedText(), c.allSelected) << c.name;
        if (c.allSelected)
            EXPECT_EQ(editor->selectedText(), editor->text()) << c.name;
        else
            EXPECT_EQ(editor->cursorPosition(), editor->text().size()) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), editor) << c.name;
    }
}

TEST(InPlaceEdit, EndsByItsKeysAndEditingGoesOnInTheNextCell)
{
    const struct {
        const char* name;
        int openKey; // F2, or a letter typed
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // of cell (2, 2) afterwards
        CCellID focus;
        bool editingNext; // an editor open on the new focus cell
    } cases[] = {
        { "Enter keeps the text", Qt::Key_N, Qt::Key_Return, {}, "n", { 2, 2 }, false },
        { "Esc restores the text", Qt::Key_N, Qt::Key_Escape, {}, "r2c2", { 2, 2 }, false },
        { "Tab keeps it and goes on", Qt::Key_N, Qt::Key_Tab, {}, "n", { 2, 3 }, true },
        { "Shift+Tab goes back", Qt::Key_N, Qt::Key_Backtab, Qt::ShiftModifier, "n", { 2, 1 }, true },
        { "an arrow ends an edit a key opened", Qt::Key_N, Qt::Key_Down, {}, "n", { 3, 2 }, true },
        { "an arrow moves the caret after F2", Qt::Key_F2, Qt::Key_Left, {}, "r2c2", { 2, 2 }, false },
        { "Down stays in the editor after F2", Qt::Key_F2, Qt::Key_Down, {}, "r2c2", { 2, 2 }, false },
        { "so does Page Down", Qt::Key_F2, Qt::Key_PageDown, {}, "r2c2", { 2, 2 }, false },
        { "Ctrl and an arrow end it after F2", Qt::Key_F2, Qt::Key_Right, Qt::ControlModifier, "r2c2",
            { 2, 3 }, true },
    };
    for (const auto& c : cases) {
        ShownGrid shown;
        shown.FocusOn(2, 2);
        ShownGrid::Key(c.openKey);
        ASSERT_TRUE(shown.Editor()) << c.name;
        ShownGrid::Key(c.key, c.modifiers);
        const bool stillEditing = c.openKey == Qt::Key_F2 && !c.editingNext;
        if (stillEditing) {
            EXPECT_EQ(shown.Editor()->GetRow(), 2) << c.name;
            ShownGrid::Key(Qt::Key_Return);
        }
        EXPECT_EQ(shown.grid.GetItemText(2, 2).toStdString(), c.text) << c.name;
        EXPECT_EQ(Cell(shown.grid.GetFocusCell()), Cell(c.focus)) << c.name;
        CInPlaceEdit* editor = shown.Editor();
        EXPECT_EQ(editor != nullptr, c.editingNext) << c.name;
        if (editor) {
            EXPECT_EQ(Cell({ editor->GetRow(), editor->GetColumn() }), Cell(c.focus)) << c.name;
            EXPECT_EQ(editor->selectedText(), shown.grid.GetItemText(c.focus.row, c.focus.col)) << c.name;
        }
    }
}

TEST(InPlaceEdit, TabFromTheLastCellAppendsARowAndEditsIt)
{
    ShownGrid shown;
    shown.FocusOn(9, 4);
    ShownGrid::Type(QStringLiteral("last"));
    ShownGrid::Key(Qt::Key_Tab);
    EXPECT_EQ(shown.grid.GetItemText(9, 4), QStringLiteral("last"));
    EXPECT_EQ(shown.grid.GetRowCount(), 11);
    ASSERT_TRUE(shown.Editor());
    EXPECT_EQ(Cell({ shown.Editor()->GetRow(), shown.Editor()->GetColumn() }), Cell({ 10, 1 }));
}

TEST(InPlaceEdit, LosingTheFocusEndsTheEditKeepingTheText)
{
    ShownGrid shown;
    shown.FocusOn(2, 2);
    ShownGrid::Type(QStringLiteral("kept"));
    shown.Click(5, 3);
    EXPECT_FALSE(shown.Editor());
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("kept"));
    EXPECT_TRUE(shown.grid.GetItemState(2, 2) & CELL_MODIFIED);
    EXPECT_EQ(Cell(shown.grid.GetFocusCell()), Cell({ 5, 3 }));
}

TEST(InPlaceEdit, WidensWithItsTextUpToTheClientArea)
{
    ShownGrid shown;
    shown.FocusOn(2, 3);
    ShownGrid::Key(Qt::Key_F2);
    const int cellWidth = shown.Editor()->width();
    ShownGrid::Type(QStringLiteral(" and a few more words"));
    EXPECT_GT(shown.Editor()->width(), cellWidth);
    ShownGrid::Type(QString(200, u'w'));
    EXPECT_EQ(shown.Editor()->geometry().right(), shown.grid.viewport()->width() - 1);
}

TEST(InPlaceEdit, BeginEditVetoKeepsTheCellClosedAndEndEditVetoRestoresIt)
{
    ShownGrid shown;
    bool veto = true;
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [&veto](int row, int, GridEditResult* result) { result->vetoed = veto && row == 2; });
    shown.FocusOn(2, 2);
    ShownGrid::Type(QStringLiteral("x"));
    EXPECT_FALSE(shown.Editor());
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("r2c2"));

    veto = false;
    QObject::connect(
        &shown.grid, &CGridCtrl::endEdit, [](int, int, GridEditResult* result) { result->vetoed = true; });
    ShownGrid::Type(QStringLiteral("x"));
    ShownGrid::Key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("r2c2"));
    EXPECT_FALSE(shown.grid.GetItemState(2, 2) & CELL_MODIFIED);
}

TEST(InPlaceEdit, PastesTheClipboardAsOneLine)
{
    ShownGrid shown;
    shown.FocusOn(2, 2);
    ShownGrid::Key(Qt::Key_F2);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("first\r\nsecond\r\n")));
    ShownGrid::Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(shown.Editor()->text(), QStringLiteral("r2c2first second"));
    // The grid's own Paste goes into the open editor of its target.
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("!")));
    shown.grid.PasteClipboard();
    ShownGrid::Key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("r2c2first second!"));
    EXPECT_EQ(shown.grid.GetItemText(2, 3), QStringLiteral("r2c3"));
}

} // namespace
