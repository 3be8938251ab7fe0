#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(InPlaceEdit, StartsAsTheKeyThatOpenedItSays)
{
    const struct {
        const char* name;
        int key;
        bool byCaller; // handed to EditCell, as the table dialog does, rather than pressed
        const char* text; // the editor's text once open
        bool allSelected;
    } cases[] = {
        { "F2 puts the caret at the end", Qt::Key_F2, false, "r2c2", false },
        { "a letter replaces the text", Qt::Key_X, false, "x", false },
        { "so does a character with the code of a navigation key", Qt::Key_NumberSign, false, "#", false },
        { "Backspace deletes the last character", Qt::Key_Backspace, false, "r2c", false },
        { "Space selects the text", Qt::Key_Space, false, "r2c2", true },
        { "a navigation key selects the text", Qt::Key_Down, true, "r2c2", true },
        { "Enter puts the caret at the end", Qt::Key_Return, true, "r2c2", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown(CCellID(2, 2));
        if (c.byCaller)
            shown.grid.EditCell(2, 2, EditStartKey::Key(c.key));
        else
            Key(c.key);
        CInPlaceEdit* editor = shown.Editor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text().toStdString(), c.text);
        EXPECT_EQ(editor->selectedText(), c.allSelected ? editor->text() : QString());
        EXPECT_EQ(editor->cursorPosition(), editor->text().size());
        EXPECT_EQ(QApplication::focusWidget(), editor);
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
        { "Tab keeps it and goes on", Qt::Key_N, Qt::Key_Tab, {}, "n", { 2, 3 }, true },
        { "Shift+Tab goes back", Qt::Key_N, Qt::Key_Backtab, Qt::ShiftModifier, "n", { 2, 1 }, true },
        { "an arrow ends an edit a key opened", Qt::Key_N, Qt::Key_Down, {}, "n", { 3, 2 }, true },
        { "Down stays in the editor after F2", Qt::Key_F2, Qt::Key_Down, {}, "r2c2", { 2, 2 }, false },
        { "Ctrl and an arrow end it after F2", Qt::Key_F2, Qt::Key_Right, Qt::ControlModifier, "r2c2",
            { 2, 3 }, true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown(CCellID(2, 2));
        Key(c.openKey);
        ASSERT_TRUE(shown.Editor());
        Key(c.key, c.modifiers);
        if (c.openKey == Qt::Key_F2 && !c.editingNext) {
            EXPECT_EQ(shown.EditorCell(), CCellID(2, 2));
            Key(Qt::Key_Return);
        }
        EXPECT_EQ(shown.grid.GetItemText(2, 2).toStdString(), c.text);
        EXPECT_EQ(shown.grid.GetFocusCell(), c.focus);
        EXPECT_EQ(shown.EditorCell(), c.editingNext ? c.focus : CCellID());
        if (c.editingNext) {
            EXPECT_EQ(shown.Editor()->selectedText(), shown.grid.GetItemText(c.focus.row, c.focus.col));
        }
    }
}

TEST(InPlaceEdit, TabFromTheLastCellAppendsARowAndEditsIt)
{
    ShownGrid shown(CCellID(9, 4));
    Type(QStringLiteral("last"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(shown.grid.GetItemText(9, 4), QStringLiteral("last"));
    EXPECT_EQ(shown.EditorCell(), CCellID(10, 1));
}

TEST(InPlaceEdit, LosingTheFocusEndsTheEditKeepingTheText)
{
    ShownGrid shown(CCellID(2, 2));
    Type(QStringLiteral("kept"));
    shown.Click(5, 3);
    EXPECT_FALSE(shown.Editor());
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("kept"));
    EXPECT_TRUE(shown.grid.GetItemState(2, 2) & CELL_MODIFIED);
    EXPECT_EQ(shown.grid.GetFocusCell(), CCellID(5, 3));
}

TEST(InPlaceEdit, WidensWithItsTextUpToTheClientArea)
{
    ShownGrid shown(CCellID(2, 3));
    Key(Qt::Key_F2);
    const int cellWidth = shown.Editor()->width();
    Type(QStringLiteral(" and a few more words"));
    EXPECT_GT(shown.Editor()->width(), cellWidth);
    Type(QString(200, u'w'));
    EXPECT_EQ(shown.Editor()->geometry().right(), shown.grid.viewport()->width() - 1);
}

TEST(InPlaceEdit, BeginEditVetoKeepsTheCellClosedAndEndEditVetoRestoresIt)
{
    ShownGrid shown;
    bool veto = true;
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [&veto](int row, int, GridEditResult* result) { result->vetoed = veto && row == 2; });
    shown.FocusOn(2, 2);
    Type(QStringLiteral("x"));
    EXPECT_FALSE(shown.Editor());

    veto = false;
    QObject::connect(
        &shown.grid, &CGridCtrl::endEdit, [](int, int, GridEditResult* result) { result->vetoed = true; });
    Type(QStringLiteral("x"));
    Key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("r2c2"));
    EXPECT_FALSE(shown.grid.GetItemState(2, 2) & CELL_MODIFIED);
}

TEST(InPlaceEdit, PastesTheClipboardAsOneLine)
{
    ShownGrid shown(CCellID(2, 2));
    Key(Qt::Key_F2);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("first\r\nsecond\r\n")));
    Key(Qt::Key_V, Qt::ControlModifier);
    // The grid's own Paste goes into the open editor of its target.
    shown.grid.PasteClipboard();
    Key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.GetItemText(2, 2), QStringLiteral("r2c2first secondfirst second"));
    EXPECT_EQ(shown.grid.GetItemText(3, 2), QStringLiteral("r3c2"));
}

} // namespace
