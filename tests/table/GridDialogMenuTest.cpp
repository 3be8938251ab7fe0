#include "TableDialogSupport.h"

#include "platform/Clipboard.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const LineList NINE = Lines({ u"| a | b | c |", u"| d | e | f |", u"| g | h | i |" });
const char* const NINE_CELLS = "a,b,c/d,e,f/g,h,i";

// A menu's items in order, a separator as "-".
std::string Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : QLatin1Char('"') + action->text() + u'"');
    return captions.join(u' ').toStdString();
}

TEST(GridDialogMenus, TheClickedCellChoosesTheMenuWhichOpensAtItsTopRight)
{
    const struct {
        const char* name;
        int row, col;
        const char* captions;
        CCellRange selected; // what the menu acts on
    } cases[] = {
        { "the corner", 0, 0, R"(- "Paste Table" "Transform" - "Undo")", { 1, 1, 3, 3 } },
        { "a header row cell", 0, 2,
            R"("Insert Column Before" "Insert Column After" - "Delete Column " "Copy Column" "Paste Column" - "Undo")",
            { 1, 2, 3, 2 } },
        { "a header column cell", 3, 0,
            R"("Insert Row Above" "Insert Row Below" - "Delete Row " "Copy Row" "Paste  Row" - "Undo")",
            { 3, 1, 3, 3 } },
        { "a data cell", 2, 2, R"(- "Copy" "Paste " "Cut ")", { 2, 2, 2, 2 } },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        QMenu* menu = shown.RightClick(c.row, c.col);
        ASSERT_NE(menu, nullptr) << c.name;
        EXPECT_EQ(Captions(*menu), c.captions) << c.name;
        EXPECT_EQ(RangeText(shown.grid->GetSelectedRange()), RangeText(c.selected)) << c.name;
        QRect cell;
        shown.grid->GetCellRect(c.row, c.col, cell);
        EXPECT_EQ(menu->pos(), shown.grid->viewport()->mapToGlobal(QPoint(cell.x() + cell.width(), cell.y())))
            << c.name;
        menu->close();
    }
}

TEST(GridDialogMenus, RowAndColumnCommandsAndTheirUndo)
{
    const struct {
        const char* name;
        int row, col;
        const char* caption;
        const char* cells;
    } cases[] = {
        { "Insert Row Above the first", 1, 0, "Insert Row Above", ",,/a,b,c/d,e,f/g,h,i" },
        { "Insert Row Below the first", 1, 0, "Insert Row Below", "a,b,c/,,/d,e,f/g,h,i" },
        { "Insert Row Below the last appends", 3, 0, "Insert Row Below", "a,b,c/d,e,f/g,h,i/,," },
        { "Delete Row", 2, 0, "Delete Row ", "a,b,c/g,h,i" },
        { "Insert Column Before the second", 0, 2, "Insert Column Before", "a,,b,c/d,,e,f/g,,h,i" },
        { "Insert Column Before the first", 0, 1, "Insert Column Before", ",a,b,c/,d,e,f/,g,h,i" },
        { "Insert Column After the last", 0, 3, "Insert Column After", "a,b,c,/d,e,f,/g,h,i," },
        { "Delete Column in the middle", 0, 2, "Delete Column ", "a,c/d,f/g,i" },
        { "Delete Column, the last", 0, 3, "Delete Column ", "a,b/d,e/g,h" },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        EXPECT_FALSE(shown.Choose(0, 0, QStringLiteral("Undo"))) << c.name;
        ASSERT_TRUE(shown.Choose(c.row, c.col, QString::fromUtf8(c.caption))) << c.name;
        EXPECT_EQ(shown.Cells(), c.cells) << c.name;
        // The grid still answers keys: a focus cell, selected, survived the command.
        CopyTextToClipboard(QStringLiteral("before"));
        ShownGridDialog::Key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_NE(GetClipboardText().toStdString(), "before") << c.name;
        ShownGridDialog::Type(QStringLiteral("k"));
        EXPECT_NE(shown.grid->GetInPlaceEdit(), nullptr) << c.name;
        ShownGridDialog::Key(Qt::Key_Escape);

        EXPECT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo"))) << c.name;
        EXPECT_EQ(shown.Cells(), NINE_CELLS) << c.name;
        EXPECT_FALSE(shown.Choose(0, 0, QStringLiteral("Undo"))) << c.name;
    }
}

TEST(GridDialogMenus, AnInsertedColumnHasTheDefaultWidthAndTheOthersKeepTheirs)
{
    ShownGridDialog shown(Lines({ u"| a | a much longer text | c |" }));
    const int second = shown.grid->GetColumnWidth(2);
    const int third = shown.grid->GetColumnWidth(3);
    ASSERT_NE(second, third);
    ASSERT_TRUE(shown.Choose(0, 2, QStringLiteral("Insert Column Before")));
    EXPECT_EQ(shown.grid->GetColumnWidth(2), shown.grid->GetDefaultCellWidth());
    EXPECT_EQ(shown.grid->GetColumnWidth(3), second);
    EXPECT_EQ(shown.grid->GetColumnWidth(4), third);
    ASSERT_TRUE(shown.Choose(0, 2, QStringLiteral("Delete Column ")));
    EXPECT_EQ(shown.grid->GetColumnWidth(2), second);
    EXPECT_EQ(shown.grid->GetColumnWidth(3), third);
}

TEST(GridDialogMenus, CopyRowAndCopyColumnPutTabSeparatedLinesOnTheClipboard)
{
    ShownGridDialog shown(NINE);
    ASSERT_TRUE(shown.Choose(2, 0, QStringLiteral("Copy Row")));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("d\te\tf\r\n"));
    ASSERT_TRUE(shown.Choose(0, 3, QStringLiteral("Copy Column")));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("c\r\nf\r\ni\r\n"));
    // Copying changes nothing, so there is nothing to undo.
    EXPECT_FALSE(shown.Choose(0, 0, QStringLiteral("Undo")));
}

TEST(GridDialogMenus, TheClipboardsShapeEnablesThePasteItems)
{
    const struct {
        const char* name;
        const char* clipboard;
        bool row, column, table;
    } cases[] = {
        { "a table", "a,b\r\nc,d\r\n", false, false, true },
        { "a column", "a\nb", false, true, false },
        { "a row", "a\tb", true, false, false },
        { "one cell", "a", false, false, false },
        { "nothing", "", false, false, false },
        { "line breaks only", "\r\n\r\n", false, false, false },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        ASSERT_TRUE(CopyTextToClipboard(QString::fromUtf8(c.clipboard))) << c.name;
        const auto enabled = [&shown](int row, int col, const char* caption) {
            QMenu* menu = shown.RightClick(row, col);
            const bool on = ShownGridDialog::Item(menu, QString::fromUtf8(caption))->isEnabled();
            menu->close();
            return on;
        };
        EXPECT_EQ(enabled(1, 0, "Paste  Row"), c.row) << c.name;
        EXPECT_EQ(enabled(0, 1, "Paste Column"), c.column) << c.name;
        EXPECT_EQ(enabled(0, 0, "Paste Table"), c.table) << c.name;
    }
}

TEST(GridDialogMenus, PastesFillFromTheClickedRowOrColumnAndOnlyPasteTableGrows)
{
    const struct {
        const char* name;
        const char* clipboard;
        int row, col;
        const char* caption;
        const char* cells;
    } cases[] = {
        { "Paste Row drops what passes the last column", "x\ty\tz\tw", 2, 0, "Paste  Row",
            "a,b,c/x,y,z/g,h,i" },
        { "Paste Row of a short row", "x\ty", 3, 0, "Paste  Row", "a,b,c/d,e,f/x,y,i" },
        { "Paste Column drops what passes the last row", "x\ny\nz\nw", 0, 2, "Paste Column",
            "a,x,c/d,y,f/g,z,i" },
        { "Paste Column keeps a blank cell in its place", "x\n\nz", 0, 3, "Paste Column",
            "a,b,x/d,e,/g,h,z" },
        { "Paste Table into a larger grid leaves the rest", "p,q\r\nr,s", 0, 0, "Paste Table",
            "p,q,c/r,s,f/g,h,i" },
        { "Paste Table grows the grid", "1,2,3,4\n5,6,7,8\n9,10,11,12\n13,14,15,16", 0, 0, "Paste Table",
            "1,2,3,4/5,6,7,8/9,10,11,12/13,14,15,16" },
        { "Paste Table of a spreadsheet's cells", "Smith, John\t42\r\nDoe, Jane\t37\r\n", 0, 0, "Paste Table",
            "Smith, John,42,c/Doe, Jane,37,f/g,h,i" },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(NINE);
        ASSERT_TRUE(CopyTextToClipboard(QString::fromUtf8(c.clipboard))) << c.name;
        ASSERT_TRUE(shown.Choose(c.row, c.col, QString::fromUtf8(c.caption))) << c.name;
        EXPECT_EQ(shown.Cells(), c.cells) << c.name;
        EXPECT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo"))) << c.name;
        EXPECT_EQ(shown.Cells(), NINE_CELLS) << c.name;
    }
}

TEST(GridDialogMenus, TransformTurnsRowsIntoColumnsAndTwiceRestoresTheTable)
{
    const struct {
        const char* name;
        LineList lines;
        const char* once;
    } cases[] = {
        { "three rows of two", Lines({ u"| a | b |", u"| c | d |", u"| e | f |" }), "a,c,e/b,d,f" },
        { "one row", Lines({ u"| a | b | c |" }), "a/b/c" },
        { "a ragged table, read as a rectangle", Lines({ u"| a | b |", u"| c |" }), "a,c/b," },
    };
    for (const auto& c : cases) {
        ShownGridDialog shown(c.lines);
        const std::string before = shown.Cells();
        ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Transform"))) << c.name;
        EXPECT_EQ(shown.Cells(), c.once) << c.name;
        ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Transform"))) << c.name;
        EXPECT_EQ(shown.Cells(), before) << c.name;
        EXPECT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo"))) << c.name;
        EXPECT_EQ(shown.Cells(), c.once) << c.name;
    }
}

TEST(GridDialogMenus, TheCellMenuIsTheGridsCopyPasteAndCutOnTheCellClicked)
{
    ShownGridDialog shown(NINE);
    ASSERT_TRUE(shown.Choose(2, 2, QStringLiteral("Copy")));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("e"));
    ASSERT_TRUE(shown.Choose(3, 3, QStringLiteral("Paste ")));
    EXPECT_EQ(shown.Cells(), "a,b,c/d,e,f/g,h,e");
    ASSERT_TRUE(shown.Choose(1, 2, QStringLiteral("Cut ")));
    EXPECT_EQ(shown.Cells(), "a,,c/d,e,f/g,h,e");

    // A click inside a selection keeps it.
    shown.grid->SetSelectedRange({ 1, 1, 2, 3 });
    ASSERT_TRUE(shown.Choose(2, 2, QStringLiteral("Copy")));
    EXPECT_EQ(GetClipboardText(), QStringLiteral("a\t\tc\r\nd\te\tf"));

    ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo")));
    EXPECT_EQ(shown.Cells(), "a,b,c/d,e,f/g,h,e");
    ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo")));
    EXPECT_EQ(shown.Cells(), NINE_CELLS);
}

TEST(GridDialogMenus, UndoAfterTypingAndAnInsertRestoresEachStepInTurn)
{
    ShownGridDialog shown(NINE);
    ShownGridDialog::Type(QStringLiteral("typed"));
    ShownGridDialog::Key(Qt::Key_Return);
    ASSERT_TRUE(shown.Choose(1, 0, QStringLiteral("Insert Row Above")));
    ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo")));
    EXPECT_EQ(shown.Cells(), "typed,b,c/d,e,f/g,h,i");
    ASSERT_TRUE(shown.Choose(0, 0, QStringLiteral("Undo")));
    EXPECT_EQ(shown.Cells(), NINE_CELLS);
}

} // namespace
