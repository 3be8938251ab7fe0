#include "grid/CGridModel.h"
#include "grid/TextMeasure.h"

#include "support/Corpus.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

// The table editor's grid: ten rows, five columns, one fixed of each.
CGridModel TableGrid()
{
    return CGridModel(10, 5, 1, 1);
}

struct Counts {
    int rows, cols, fixedRows, fixedCols;
};

Counts CountsOf(const CGridModel& grid)
{
    return { grid.GetRowCount(), grid.GetColumnCount(), grid.GetFixedRowCount(), grid.GetFixedColumnCount() };
}

std::string Show(const Counts& c)
{
    return std::to_string(c.rows) + "x" + std::to_string(c.cols) + " fixed " + std::to_string(c.fixedRows)
        + "x" + std::to_string(c.fixedCols);
}

TEST(GridModel, CountSettersFollowTheirRules)
{
    const struct {
        const char* name;
        bool (CGridModel::*setter)(int);
        int value;
        bool accepted;
        Counts after;
        bool focusKept; // the focus cell (2, 2)
    } cases[] = {
        { "same row count", &CGridModel::SetRowCount, 10, true, { 10, 5, 1, 1 }, true },
        { "fewer rows", &CGridModel::SetRowCount, 3, true, { 3, 5, 1, 1 }, true },
        { "rows cut below the focus", &CGridModel::SetRowCount, 2, true, { 2, 5, 1, 1 }, false },
        { "no rows lowers the fixed rows", &CGridModel::SetRowCount, 0, true, { 0, 5, 0, 1 }, false },
        { "negative rows", &CGridModel::SetRowCount, -1, false, { 10, 5, 1, 1 }, true },
        { "more columns", &CGridModel::SetColumnCount, 8, true, { 10, 8, 1, 1 }, true },
        { "no columns lowers the fixed columns", &CGridModel::SetColumnCount, 0, true, { 10, 0, 1, 0 },
            false },
        { "same fixed rows", &CGridModel::SetFixedRowCount, 1, true, { 10, 5, 1, 1 }, true },
        { "more fixed rows clear the focus", &CGridModel::SetFixedRowCount, 2, true, { 10, 5, 2, 1 }, false },
        { "fixed rows beyond the rows add rows", &CGridModel::SetFixedRowCount, 12, true, { 12, 5, 12, 1 },
            false },
        { "fixed columns beyond the columns add columns", &CGridModel::SetFixedColumnCount, 7, true,
            { 10, 7, 1, 7 }, false },
        { "negative fixed columns", &CGridModel::SetFixedColumnCount, -2, false, { 10, 5, 1, 1 }, true },
    };
    for (const auto& c : cases) {
        CGridModel grid = TableGrid();
        grid.SetFocusCell({ 2, 2 });
        EXPECT_EQ((grid.*c.setter)(c.value), c.accepted) << c.name;
        EXPECT_EQ(Show(CountsOf(grid)), Show(c.after)) << c.name;
        EXPECT_EQ(grid.GetFocusCell() == CCellID(2, 2), c.focusKept) << c.name;
        // Every position of the matrix holds a cell, and no other does.
        if (c.after.rows > 0 && c.after.cols > 0) {
            EXPECT_NE(grid.GetCell(c.after.rows - 1, c.after.cols - 1), nullptr) << c.name;
        }
        EXPECT_EQ(grid.GetCell(c.after.rows, 0), nullptr) << c.name;
        EXPECT_EQ(grid.GetCell(0, c.after.cols), nullptr) << c.name;
    }
}

TEST(GridModel, NewRowsAndColumnsAreEmptyInTheDefaultSize)
{
    CGridModel grid = TableGrid();
    grid.SetItemText(9, 4, QStringLiteral("kept"));
    grid.SetRowCount(12);
    grid.SetColumnCount(7);
    EXPECT_EQ(grid.GetItemText(9, 4), QStringLiteral("kept"));
    EXPECT_EQ(grid.GetItemText(11, 6), QString());
    EXPECT_EQ(grid.GetRowHeight(11), grid.GetDefaultCellHeight());
    EXPECT_EQ(grid.GetColumnWidth(6), grid.GetDefaultCellWidth());
    // Shrinking and growing again gives fresh cells, not the old ones.
    grid.SetRowCount(9);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.GetItemText(9, 4), QString());
}

TEST(GridModel, InsertRowKeepsToTheDataRowsAndMovesTheFocusWithItsRow)
{
    const struct {
        const char* name;
        int index;
        int focusRow;
        int result;
        int focusRowAfter;
    } cases[] = {
        { "-1 appends", -1, 4, 10, 4 },
        { "inside the fixed rows", 0, 4, -1, 4 },
        { "at the row count", 10, 4, -1, 4 },
        { "below -1", -2, 4, -1, 4 },
        { "above the focus", 2, 4, 2, 5 },
        { "at the focus", 4, 4, 4, 4 },
        { "below the focus", 6, 4, 6, 4 },
    };
    for (const auto& c : cases) {
        CGridModel grid = TableGrid();
        grid.SetItemText(4, 1, QStringLiteral("row 4"));
        grid.SetModified(false);
        grid.SetFocusCell({ c.focusRow, 2 });
        EXPECT_EQ(grid.InsertRow(c.index), c.result) << c.name;
        EXPECT_EQ(grid.GetRowCount(), c.result < 0 ? 10 : 11) << c.name;
        EXPECT_EQ(grid.GetFocusCell().row, c.focusRowAfter) << c.name;
        EXPECT_EQ(grid.IsModified(), c.result >= 0) << c.name;
        if (c.result < 0)
            continue;
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(grid.GetItemText(c.result, col), QString()) << c.name;
        EXPECT_TRUE(grid.GetItemState(c.result, 0) & CELL_MODIFIED) << c.name;
        EXPECT_EQ(grid.GetRowHeight(c.result), grid.GetDefaultCellHeight()) << c.name;
        EXPECT_EQ(grid.GetItemText(c.index >= 0 && c.index <= 4 ? 5 : 4, 1), QStringLiteral("row 4"))
            << c.name;
    }
}

TEST(GridModel, InsertRowIntoAGridWithoutColumnsGivesItOne)
{
    CGridModel grid(2, 0, 0, 0);
    EXPECT_EQ(grid.InsertRow(-1), 2);
    EXPECT_EQ(grid.GetColumnCount(), 1);
    EXPECT_NE(grid.GetCell(2, 0), nullptr);
}

TEST(GridModel, DeleteRowClearsFocusAndSelectionAndLowersTheFixedRows)
{
    CGridModel grid = TableGrid();
    grid.SetItemText(3, 1, QStringLiteral("three"));
    grid.SetFocusCell({ 2, 2 });
    grid.SelectRange({ 1, 1, 4, 4 });
    EXPECT_FALSE(grid.DeleteRow(10));
    EXPECT_FALSE(grid.DeleteRow(-1));
    EXPECT_TRUE(grid.DeleteRow(2));
    EXPECT_EQ(grid.GetItemText(2, 1), QStringLiteral("three"));
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
    EXPECT_TRUE(grid.GetSelection().IsEmpty());
    EXPECT_TRUE(grid.DeleteRow(0));
    EXPECT_EQ(Show(CountsOf(grid)), Show({ 8, 5, 0, 1 }));
}

TEST(GridModel, TextsMarkTheCellAndTheGridModified)
{
    CGridModel grid = TableGrid();
    EXPECT_FALSE(grid.IsModified());
    EXPECT_FALSE(grid.SetItemText(10, 1, QStringLiteral("x")));
    EXPECT_EQ(grid.GetItemText(10, 1), QString());
    EXPECT_FALSE(grid.IsModified());

    grid.SetModified(-1, -1);
    EXPECT_TRUE(grid.IsModified());
    for (int row = 0; row < 10; ++row)
        EXPECT_FALSE(grid.GetItemState(row, 0) & CELL_MODIFIED) << row;

    EXPECT_TRUE(grid.SetItemText(2, 3, QStringLiteral("x")));
    EXPECT_EQ(grid.GetItemText(2, 3), QStringLiteral("x"));
    EXPECT_TRUE(grid.GetItemState(2, 3) & CELL_MODIFIED);
    EXPECT_FALSE(grid.GetItemState(2, 2) & CELL_MODIFIED);
}

TEST(GridModel, StateFlagsOfTheCellAndOfItsPlace)
{
    CGridModel grid = TableGrid();
    grid.SetFocusCell({ 3, 3 });
    EXPECT_EQ(grid.GetItemState(0, 0), CELL_FIXED | CELL_FIXEDROW | CELL_FIXEDCOL);
    EXPECT_EQ(grid.GetItemState(0, 2), CELL_FIXED | CELL_FIXEDROW);
    EXPECT_EQ(grid.GetItemState(2, 0), CELL_FIXED | CELL_FIXEDCOL);
    EXPECT_EQ(grid.GetItemState(3, 3), CELL_FOCUSED);

    // The selected flag selects; flags of the place are not stored.
    EXPECT_TRUE(grid.SetItemState(2, 2, CELL_SELECTED | CELL_READONLY | CELL_FIXED | CELL_FOCUSED));
    EXPECT_TRUE(grid.IsCellSelected(2, 2));
    EXPECT_EQ(grid.GetItemState(2, 2), CELL_SELECTED | CELL_READONLY);
    EXPECT_TRUE(grid.IsCellReadOnly(2, 2));
    EXPECT_TRUE(grid.SetItemState(2, 2, 0));
    EXPECT_FALSE(grid.IsCellSelected(2, 2));
    EXPECT_FALSE(grid.SetItemState(2, 5, CELL_SELECTED));
    EXPECT_EQ(grid.GetItemState(2, 5), 0u);
}

TEST(GridModel, SelectionHoldsDataCellsOnlyAndShrinksWithTheGrid)
{
    CGridModel grid = TableGrid();
    grid.SelectRange({ 0, 0, 3, 3 });
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 3, 3));
    grid.KeepSelection();
    grid.SelectRange({ 5, 4, 6, 4 });
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 6, 4));
    EXPECT_FALSE(grid.IsCellSelected(4, 4));
    grid.SetRowCount(6);
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 5, 4));
    grid.SetColumnCount(4);
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 3, 3));
}

TEST(CellSelection, VisitsEverySelectedCellOnceAndCutsAroundARemovedOne)
{
    CCellSelection selection;
    selection.Add({ 1, 1, 3, 3 });
    selection.Add({ 2, 2, 4, 4 }); // overlaps the first
    selection.Add({ 5, 5, 4, 4 }); // invalid, adds nothing
    selection.Remove(2, 2);
    std::multiset<std::pair<int, int>> visited;
    selection.ForEachCell([&visited](int row, int col) { visited.insert({ row, col }); });
    std::multiset<std::pair<int, int>> expected;
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col)
            if (CCellRange(1, 1, 3, 3).Contains(row, col) || CCellRange(2, 2, 4, 4).Contains(row, col))
                if (row != 2 || col != 2)
                    expected.insert({ row, col });
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(selection.Bounds(), CCellRange(1, 1, 4, 4));
}

TEST(GridModel, VisibleRowsAndColumnsPassOverHiddenOnes)
{
    CGridModel grid = TableGrid();
    grid.SetRowHeight(2, 0);
    grid.SetRowHeight(9, 0);
    grid.SetColumnWidth(1, 0);
    EXPECT_EQ(grid.VisibleRowFrom(2, 1), 3);
    EXPECT_EQ(grid.VisibleRowFrom(2, -1), 1);
    EXPECT_EQ(grid.VisibleRowFrom(9, 1), -1);
    EXPECT_EQ(grid.VisibleRowFrom(0, 1), -1); // not into the fixed rows
    EXPECT_EQ(grid.GetTopLeftDataCell(), CCellID(1, 2));
    EXPECT_FALSE(grid.SetRowHeight(3, -1));
    EXPECT_EQ(grid.GetRowHeight(10), -1);
}

TEST(GridModel, GridFontOfSixteenPixelsGivesRowsOfFortyAndDefaultCellsOfFortyBySixty)
{
    CGridModel grid = TableGrid();
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    grid.SetGridFont(font);
    for (const bool fixedRow : { false, true })
        for (const bool fixedCol : { false, true }) {
            const CGridDefaultCell& cell = grid.GetDefaultCell(fixedRow, fixedCol);
            EXPECT_EQ(cell.GetHeight(), 40);
            EXPECT_EQ(cell.GetWidth(), 60);
            EXPECT_EQ(cell.GetDefaultFont(), font);
            // The margin is the width the font gives a null character.
            EXPECT_EQ(cell.GetMargin(), QFontMetrics(font).horizontalAdvance(QString(QChar(u'\0'))));
        }
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(grid.GetRowHeight(row), 40) << row;
    // Columns are sized to their (empty) contents: "WWW" and two margins.
    const int expected
        = QFontMetrics(font).horizontalAdvance(QStringLiteral("WWW")) + 2 * grid.GetCellMargin(1, 1);
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ(grid.GetColumnWidth(col), expected) << col;
    EXPECT_EQ(grid.GetGridFont(), font);
}

TEST(GridModel, TextsShorterThanThreeCharactersAreSizedAsWWW)
{
    CGridModel grid(1, 5, 0, 0);
    const QString texts[] = { "", "i", "ii", "WWW", "iii" };
    int widths[5];
    for (int col = 0; col < 5; ++col) {
        grid.SetItemText(0, col, texts[col]);
        grid.AutoSizeColumn(col);
        widths[col] = grid.GetColumnWidth(col);
    }
    EXPECT_EQ(widths[0], widths[3]);
    EXPECT_EQ(widths[1], widths[3]);
    EXPECT_EQ(widths[2], widths[3]);
    EXPECT_LT(widths[4], widths[3]); // three narrow letters are measured as they are
    EXPECT_EQ(grid.GetCellExtent(0, 1), grid.GetCellExtent(0, 3));
}

TEST(GridModel, AutoSizeFitsRowsAndVisibleColumnsToTheirTexts)
{
    CGridModel grid = TableGrid();
    grid.SetItemText(0, 2, QStringLiteral("Quantity"));
    grid.SetItemText(4, 2, QStringLiteral("a rather longer cell text"));
    grid.SetColumnWidth(3, 0);
    grid.SetItemText(4, 3, QStringLiteral("hidden column text"));
    grid.AutoSize();
    EXPECT_EQ(grid.GetColumnWidth(2), grid.GetCellExtent(4, 2).width());
    EXPECT_EQ(grid.GetColumnWidth(3), 0);
    EXPECT_EQ(grid.GetColumnWidth(1), grid.GetCellExtent(4, 1).width());
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(grid.GetRowHeight(row), grid.GetCellExtent(row, 1).height()) << row;

    // A style that counts no row leaves a column as wide as it was.
    CGridModel headerless(1, 2, 1, 0);
    headerless.SetColumnWidth(1, 77);
    headerless.AutoSizeColumn(1, AUTOSIZE_DATA);
    EXPECT_EQ(headerless.GetColumnWidth(1), 77);
}

// The widest text of many, found with few exact measurements, must never be
// narrower than the widest by exact measurement: kerning, marks, fallback
// fonts and tabs included. Alone, or among few, a text is measured exactly.
TEST(TextMeasure, WidestTextIsNeverNarrowerThanTheWidestMeasured)
{
    QStringList texts = { "AV", "Q-J", "f\"", "To", "ffi", "e\u0301\u0301\u0301", "\u4e2d\u6587\u5b57",
        "a\tb", "soft\u00adhyphen", "\u0645\u0631\u062d\u0628\u0627", "W", "" };
    for (const std::filesystem::path& path : CorpusFiles()) {
        QFile file(QString::fromStdString(path.string()));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
            if (line.trimmed().startsWith(u'|'))
                for (const QString& cell : line.split(u'|'))
                    texts << cell.trimmed();
    }
    // Numbers of one length tie in their bounds.
    for (int n = 100000; n < 101000; ++n)
        texts << QString::number(n);
    for (const char* family : { "DejaVu Sans", "DejaVu Sans Mono", "Liberation Serif" })
        for (const int pixels : { 11, 16, 21 }) {
            QFont font(family);
            font.setPixelSize(pixels);
            const CTextMeasure measure(font);
            const QFontMetrics metrics(font);
            const bool fixedPitch = QFontInfo(font).fixedPitch();
            CWidestText all;
            int widest = 0;
            int widestBound = 0;
            for (const QString& text : texts) {
                const int exact = metrics.size(Qt::TextSingleLine, text).width();
                const int bound = measure.WidthBound(text);
                if (bound >= 0) {
                    ASSERT_GE(bound, exact) << family << " " << pixels << " " << text.toStdString();
                    if (fixedPitch) {
                        ASSERT_EQ(bound, exact) << family << " " << pixels << " " << text.toStdString();
                    }
                }
                CWidestText one;
                one.Add(measure, text, 3);
                ASSERT_EQ(one.Width(), exact + 3) << family << " " << pixels << " " << text.toStdString();
                all.Add(measure, text, 3);
                widest = std::max(widest, exact + 3);
                widestBound = std::max(widestBound, std::max(bound, exact) + 3);
            }
            const int found = all.Width();
            EXPECT_GE(found, widest) << family << " " << pixels;
            EXPECT_LE(found, widestBound) << family << " " << pixels;
        }
}

} // namespace
