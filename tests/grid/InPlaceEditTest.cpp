#include "GridTestSupport.h"

#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The key that opens an editor gives its text and caret; the keys that end
// it keep the text and go on editing the cell they move to, a click does not.
TEST(InPlaceEdit, OpensAsItsKeySaysAndEndsByItsKeysOrAClick)
{
    const struct {
        const char* name;
        CCellID from;
        int open;
        bool byCaller; // handed to EditCell, as the table dialog does, rather than pressed
        const char* text; // the editor's text once open, and the cell's at the end
        bool allSelected;
        std::vector<QKeyCombination> end; // none: a click on the cell (5, 3)
        CCellID focus;
    } cases[] = {
        { "F2 puts the caret at the end; Down stays in the editor, Ctrl and an arrow end it", { 2, 2 },
            Qt::Key_F2, false, "r2c2", false, { Qt::Key_Down, Qt::ControlModifier | Qt::Key_Right },
            { 2, 3 } },
        { "a letter replaces the text, and a click elsewhere keeps it", { 2, 2 }, Qt::Key_X, false, "x",
            false, {}, { 5, 3 } },
        { "so does a character with the code of a navigation key; Shift+Tab goes back", { 2, 2 },
            Qt::Key_NumberSign, false, "#", false, { Qt::ShiftModifier | Qt::Key_Backtab }, { 2, 1 } },
        { "Backspace deletes the last character, and an arrow ends the edit", { 2, 2 }, Qt::Key_Backspace,
            false, "r2c", false, { Qt::Key_Down }, { 3, 2 } },
        { "Space selects the text, and Tab goes on", { 2, 2 }, Qt::Key_Space, false, "r2c2", true,
            { Qt::Key_Tab }, { 2, 3 } },
        { "a navigation key selects the text", { 2, 2 }, Qt::Key_Down, true, "r2c2", true, { Qt::Key_Up },
            { 1, 2 } },
        { "Enter puts the caret at the end, and an arrow ends the edit", { 2, 2 }, Qt::Key_Return, true,
            "r2c2", false, { Qt::Key_Right }, { 2, 3 } },
        { "Tab from the last cell appends a row", { 9, 4 }, Qt::Key_N, false, "n", false, { Qt::Key_Tab },
            { 10, 1 } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownGrid shown(c.from);
        const QString before = shown.grid.GetItemText(c.from.row, c.from.col);
        if (c.byCaller)
            shown.grid.EditCell(c.from.row, c.from.col, EditStartKey::Key(c.open));
        else
            Key(c.open);
        CInPlaceEdit* editor = shown.Editor();
        ASSERT_TRUE(editor);
        EXPECT_EQ(editor->text().toStdString(), c.text);
        EXPECT_EQ(editor->selectedText(), c.allSelected ? editor->text() : QString());
        EXPECT_EQ(editor->cursorPosition(), editor->text().size());

        for (const QKeyCombination key : c.end)
            Key(key.key(), key.keyboardModifiers());
        if (c.end.empty())
            shown.Click(5, 3);
        const QString after = shown.grid.GetItemText(c.from.row, c.from.col);
        EXPECT_EQ(after.toStdString(), c.text);
        // Only a changed text marks the cell.
        EXPECT_EQ(bool(shown.grid.GetItemState(c.from.row, c.from.col) & CELL_MODIFIED), after != before);
        EXPECT_EQ(shown.grid.GetFocusCell(), c.focus);
        EXPECT_EQ(shown.EditorCell(), c.end.empty() ? CCellID() : c.focus);
        if (!c.end.empty()) {
            EXPECT_EQ(shown.Editor()->selectedText(), shown.grid.GetItemText(c.focus.row, c.focus.col));
        }
    }
}

TEST(InPlaceEdit, BeginEditVetoKeepsTheCellClosedAndEndEditVetoRestoresIt)
{
    ShownGrid shown(CCellID(2, 2));
    bool veto = true;
    QObject::connect(&shown.grid, &CGridCtrl::beginEdit,
        [&veto](int, int, GridEditResult* result) { result->vetoed = veto; });
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

// A line break shows as its mark; Alt+Enter types one and a pasted one
// arrives the same way, but for the break that ends the clipboard's text.
TEST(InPlaceEdit, ShowsLineBreaksAsMarksAndWidensWithItsTextUpToTheClientArea)
{
    ShownGrid shown(CCellID(2, 3));
    shown.grid.SetItemText(2, 3, QStringLiteral("a\nb"));
    Key(Qt::Key_F2);
    EXPECT_EQ(shown.Editor()->text(), QStringLiteral("a\u23CEb"));
    const int cellWidth = shown.Editor()->width();
    Key(Qt::Key_Return, Qt::AltModifier);
    ASSERT_TRUE(CopyTextToClipboard(QStringLiteral("first\r\nsecond\r\n")));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_GT(shown.Editor()->width(), cellWidth);
    // The grid's own Paste goes into the open editor of its target.
    shown.grid.PasteClipboard();
    Type(QString(200, u'w'));
    EXPECT_EQ(shown.Editor()->geometry().right(), shown.grid.viewport()->width() - 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(shown.grid.GetItemText(2, 3),
        QStringLiteral("a\nb\nfirst\nsecondfirst\nsecond") + QString(200, u'w'));
    // Esc gives back the very text the cell had.
    shown.grid.SetItemText(3, 3, QStringLiteral("c\r\nd"));
    shown.FocusOn(3, 3);
    Type(QStringLiteral("x"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(shown.grid.GetItemText(3, 3), QStringLiteral("c\r\nd"));
}

} // namespace
