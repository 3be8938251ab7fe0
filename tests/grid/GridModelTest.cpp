#include "grid/CGridModel.h"
#include "grid/GridText.h"
#include "grid/TextMeasure.h"
#include "grid/WideCharacters.h"

#include "GridTestSupport.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTextLayout>
#include <QtMath>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

CGridModel TableGrid()
{
    return CGridModel(10, 5, 1, 1);
}

std::string Counts(const CGridModel& grid)
{
    return std::to_string(grid.GetRowCount()) + "x" + std::to_string(grid.GetColumnCount()) + " fixed "
        + std::to_string(grid.GetFixedRowCount()) + "x" + std::to_string(grid.GetFixedColumnCount());
}

TEST(GridModel, CountSettersFollowTheirRulesAndGrowingBackGivesFreshCells)
{
    const struct {
        const char* name;
        bool (CGridModel::*setter)(int);
        int value;
        bool accepted;
        const char* after;
        bool focusKept; // the focus cell (2, 2)
    } cases[] = {
        { "rows cut below the focus", &CGridModel::SetRowCount, 2, true, "2x5 fixed 1x1", false },
        { "no rows lowers the fixed rows", &CGridModel::SetRowCount, 0, true, "0x5 fixed 0x1", false },
        { "negative rows", &CGridModel::SetRowCount, -1, false, "10x5 fixed 1x1", true },
        { "no columns lowers the fixed columns", &CGridModel::SetColumnCount, 0, true, "10x0 fixed 1x0",
            false },
        { "fixed rows beyond the rows add rows and clear the focus", &CGridModel::SetFixedRowCount, 12, true,
            "12x5 fixed 12x1", false },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CGridModel grid = TableGrid();
        grid.SetItemText(9, 4, QStringLiteral("last"));
        grid.SetFocusCell({ 2, 2 });
        EXPECT_EQ((grid.*c.setter)(c.value), c.accepted);
        EXPECT_EQ(Counts(grid), c.after);
        EXPECT_EQ(grid.GetFocusCell() == CCellID(2, 2), c.focusKept);
        // A cell cut off is gone for good; every position of the grown
        // matrix holds a cell of the default size, and no other does.
        const bool lastCut = grid.GetRowCount() < 10 || grid.GetColumnCount() < 5;
        grid.SetRowCount(13);
        grid.SetColumnCount(7);
        EXPECT_EQ(grid.GetItemText(9, 4), lastCut ? QString() : QStringLiteral("last"));
        EXPECT_EQ(grid.GetRowHeight(12), grid.GetDefaultCellHeight());
        EXPECT_EQ(grid.GetColumnWidth(6), grid.GetDefaultCellWidth());
        EXPECT_NE(grid.GetCell(12, 6), nullptr);
        EXPECT_EQ(grid.GetCell(13, 0), nullptr);
        EXPECT_EQ(grid.GetCell(0, 7), nullptr);
    }
}

TEST(GridModel, InsertAndDeleteRowKeepToTheirRowsAndMoveTheFocusAndSizesWithThem)
{
    CGridModel grid = TableGrid();
    grid.SetModified(false);
    grid.SetFocusCell({ 4, 2 });
    grid.SetRowHeight(4, 99);
    // Inside the fixed rows, at the row count and below -1 nothing is inserted.
    for (const int index : { 0, 10, -2 })
        EXPECT_EQ(grid.InsertRow(index), -1) << index;
    EXPECT_EQ(grid.GetRowCount(), 10);
    EXPECT_FALSE(grid.IsModified());
    // A row inserted at the focus comes before it, as it does above it.
    EXPECT_EQ(grid.InsertRow(2), 2);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 2));
    EXPECT_EQ(grid.InsertRow(5), 5);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 2));
    EXPECT_EQ(grid.GetRowCount(), 12);
    EXPECT_TRUE(grid.IsModified());
    EXPECT_TRUE(grid.GetItemState(5, 0) & CELL_MODIFIED);
    EXPECT_EQ(grid.GetRowHeight(5), grid.GetDefaultCellHeight());
    EXPECT_EQ(grid.GetRowHeight(6), 99);

    // Deleting a row clears the focus and the selection; deleting a fixed
    // row lowers the fixed rows.
    grid.SelectRange({ 1, 1, 4, 4 });
    EXPECT_FALSE(grid.DeleteRow(12));
    EXPECT_FALSE(grid.DeleteRow(-1));
    EXPECT_TRUE(grid.DeleteRow(5));
    EXPECT_EQ(grid.GetRowHeight(5), 99);
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
    EXPECT_TRUE(grid.GetSelection().IsEmpty());
    EXPECT_TRUE(grid.DeleteRow(0));
    EXPECT_EQ(Counts(grid), "10x5 fixed 0x1");

    // Into a grid without columns a row brings one.
    CGridModel columnless(2, 0, 0, 0);
    EXPECT_EQ(columnless.InsertRow(-1), 2);
    EXPECT_NE(columnless.GetCell(2, 0), nullptr);
}

// Flags of a cell's place are not stored; kept ranges may overlap, the selected
// flag adds a cell or cuts it out, and only the grid's data cells are selected.
TEST(GridModel, StateFlagsAndASelectionOfDataCellsEachVisitedOnce)
{
    CGridModel grid = TableGrid();
    grid.SetFocusCell({ 3, 3 });
    EXPECT_EQ(grid.GetItemState(0, 0), CELL_FIXED | CELL_FIXEDROW | CELL_FIXEDCOL);
    EXPECT_EQ(grid.GetItemState(3, 3), CELL_FOCUSED);
    EXPECT_FALSE(grid.SetItemState(2, 5, CELL_SELECTED));
    // Marking the grid modified marks no cell.
    grid.SetModified(-1, -1);
    EXPECT_TRUE(grid.IsModified());
    EXPECT_FALSE(grid.GetItemState(2, 3) & CELL_MODIFIED);

    grid.SelectRange({ 0, 0, 3, 3 });
    grid.KeepSelection();
    grid.SelectRange({ 2, 2, 4, 4 });
    EXPECT_TRUE(grid.SetItemState(2, 2, CELL_READONLY | CELL_FIXED | CELL_FOCUSED));
    EXPECT_EQ(grid.GetItemState(2, 2), CELL_READONLY);
    EXPECT_TRUE(grid.SetItemState(6, 1, CELL_SELECTED));
    std::multiset<std::pair<int, int>> visited;
    grid.GetSelection().ForEachCell([&visited](int row, int col) { visited.insert({ row, col }); });
    // Two squares of nine sharing four cells, one cut out, one added.
    EXPECT_EQ(visited.size(), 14u);
    EXPECT_EQ(std::set(visited.begin(), visited.end()).size(), 14u);
    EXPECT_EQ(visited.count({ 2, 2 }), 0u);
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 6, 4));
    grid.SetRowCount(4);
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 3, 4));
    grid.SetColumnCount(4);
    EXPECT_EQ(grid.GetSelectedRange(), CCellRange(1, 1, 3, 3));
}

TEST(GridModel, GridFontOfSixteenPixelsGivesRowsOfFortyAndCellsOfFortyBySixtyAndAutoSizeFitsTheTexts)
{
    CGridModel grid = TableGrid();
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    grid.SetGridFont(font);
    EXPECT_EQ(grid.GetDefaultCellHeight(), 40);
    EXPECT_EQ(grid.GetDefaultCellWidth(), 60);
    // The margin is the width the font gives a null character.
    EXPECT_EQ(grid.GetCellMargin(), QFontMetrics(font).horizontalAdvance(QString(QChar(u'\0'))));
    EXPECT_EQ(grid.GetRowHeight(9), 40);

    grid.SetItemText(0, 2, QStringLiteral("Quantity"));
    grid.SetItemText(4, 2, QStringLiteral("a rather longer cell text"));
    grid.SetColumnWidth(3, 0);
    grid.SetItemText(4, 3, QStringLiteral("hidden column text"));
    grid.AutoSize();
    EXPECT_EQ(grid.GetColumnWidth(2), grid.GetCellExtent(4, 2).width());
    EXPECT_EQ(grid.GetColumnWidth(3), 0);
    EXPECT_EQ(grid.GetRowHeight(4), grid.GetCellExtent(4, 1).height());
    // A shorter text is sized as "WWW"; three narrow letters as they are.
    CGridModel row(1, 3, 0, 0);
    row.SetItemText(0, 0, QStringLiteral("ii"));
    row.SetItemText(0, 1, QStringLiteral("WWW"));
    row.SetItemText(0, 2, QStringLiteral("iii"));
    row.AutoSizeColumns();
    EXPECT_EQ(row.GetColumnWidth(0), row.GetColumnWidth(1));
    EXPECT_LT(row.GetColumnWidth(2), row.GetColumnWidth(1));

    // Each column is as wide as its own texts, whatever its neighbours hold.
    CGridModel pair(2, 2, 0, 0);
    pair.SetItemText(0, 0, QStringLiteral("a much longer text than the other"));
    pair.SetItemText(1, 1, QStringLiteral("short"));
    pair.AutoSize();
    EXPECT_EQ(
        pair.GetColumnWidth(1), std::max(pair.GetCellExtent(0, 1).width(), pair.GetCellExtent(1, 1).width()));

    // A column with no visible row to measure stays as wide as it was.
    CGridModel hidden(1, 2, 1, 0);
    hidden.SetRowHeight(0, 0);
    hidden.SetColumnWidth(1, 77);
    hidden.AutoSizeColumn(1);
    EXPECT_EQ(hidden.GetColumnWidth(1), 77);
}

// Texts made by an arena, short and long, empty ones among them, spread over
// many strings, keep their characters as more are made and once the arena is
// gone.
TEST(GridText, TextsOfAnArenaKeepTheirCharacters)
{
    std::vector<QString> made;
    std::vector<GridText> texts;
    {
        GridTextArena arena;
        for (int i = 0; i < 3000; ++i) {
            made.push_back(QString::number(i).repeated(i % 7 == 0 ? 0 : i * 37 % 700 + 1));
            texts.push_back(arena.Add(made.back()));
        }
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        ASSERT_EQ(texts[i].View(), made[i]) << i;
        ASSERT_EQ(texts[i].ToString(), made[i]) << i;
    }
}

// In a font whose printable ASCII characters share one advance, only the
// longest of a column's texts of them is measured; a shorter text of other
// characters may still be the widest, and one of under three is as wide as
// "WWW".
TEST(GridModel, AColumnFitsItsWidestTextWhateverItsCharacters)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(16);
    ASSERT_TRUE(CTextMeasure(font).HasUniformAsciiAdvance());
    const std::vector<std::vector<QString>> columns = {
        { "abcdefgh", "\u4e2d\u6587\u5b57\u5b57\u5b57", "xy" },
        { "ab", "a", "" },
        { "abc", "abcdefghij", "abcdefgh" },
        { "abcdefghi", "x\u00e9\u00e9\u00e9\u00e9y" },
        { "a\tb", "abc" },
    };
    for (const std::vector<QString>& texts : columns) {
        SCOPED_TRACE(texts.front().toStdString());
        CGridModel grid(static_cast<int>(texts.size()), 1, 0, 0);
        for (int row = 0; row < grid.GetRowCount(); ++row)
            grid.SetItemText(row, 0, texts[row]);
        grid.SetGridFont(font);
        int widest = 0;
        for (int row = 0; row < grid.GetRowCount(); ++row)
            widest = std::max(widest, grid.GetCellExtent(row, 0).width());
        EXPECT_EQ(grid.GetColumnWidth(0), widest);
        grid.SetColumnWidth(0, 1);
        grid.WidenColumnsToFit({ 0, 0, grid.GetRowCount() - 1, 0 });
        EXPECT_EQ(grid.GetColumnWidth(0), widest);
    }
}

// Printable ASCII (U+0020 to U+007E) is told apart wherever in a text of any
// length a character outside it stands.
TEST(TextMeasure, PrintableAsciiIsToldAtEveryPlace)
{
    for (qsizetype length = 1; length <= 11; ++length)
        for (qsizetype at = 0; at < length; ++at)
            for (const char16_t c : { 0x00, 0x1F, 0x20, 0x7E, 0x7F, 0x80, 0x7FFF, 0x8000, 0xFF20, 0xFFFF }) {
                QString text(length, u'~');
                text[at] = QChar(c);
                ASSERT_EQ(CTextMeasure::IsPrintableAscii(text), c >= 0x20 && c <= 0x7E)
                    << length << ' ' << at << ' ' << int(c);
            }
}

// The widest text of many, found with few exact measurements, must never be
// narrower than the widest by exact measurement: kerning, marks, fallback
// fonts and tabs included. Alone, or among few, a text is measured exactly.
TEST(TextMeasure, WidestTextIsNeverNarrowerThanTheWidestMeasured)
{
    QStringList texts = { "AV", "Q-J", "f\"", "To", "ffi", "e\u0301\u0301\u0301", "\u4e2d\u6587\u5b57",
        "a\tb", "soft\u00adhyphen", "\u0645\u0631\u062d\u0628\u0627", "W", "" };
    // Numbers of one length tie in their bounds.
    for (int n = 100000; n < 100100; ++n)
        texts << QString::number(n);
    // The last font is of fixed pitch and does not kern: there the bound is exact.
    for (const auto& [family, pixels] :
        { std::pair { "DejaVu Sans", 11 }, { "Liberation Serif", 21 }, { "DejaVu Sans Mono", 16 } }) {
        SCOPED_TRACE(family);
        QFont font(family);
        font.setPixelSize(pixels);
        const CTextMeasure measure(font);
        const QFontMetrics metrics(font);
        CWidestText all;
        int widest = 0;
        int widestBound = 0;
        for (const QString& text : texts) {
            // Wide characters are laid out two columns wide (below).
            const int exact = text.startsWith(u'\u4e2d') ? measure.Size(text).width()
                                                         : metrics.size(Qt::TextSingleLine, text).width();
            const int bound = measure.WidthBound(text);
            if (bound >= 0) {
                ASSERT_GE(bound, exact) << text.toStdString();
                ASSERT_TRUE(bound == exact || !QFontInfo(font).fixedPitch()) << text.toStdString();
            }
            CWidestText one;
            one.Add(measure, text, 3);
            ASSERT_EQ(one.Width(), exact + 3) << text.toStdString();
            all.Add(measure, text, 3);
            widest = std::max(widest, exact + 3);
            widestBound = std::max(widestBound, std::max(bound, exact) + 3);
        }
        EXPECT_GE(all.Width(), widest);
        EXPECT_LE(all.Width(), widestBound);
    }
}

// Chinese, Japanese and Korean characters, stretched from whatever face draws
// them, each take two columns of a fixed-pitch font, as a table's layout
// counts them; a cell draws its text so.
TEST(TextMeasure, WideCharactersTakeTwoColumnsOfAFixedPitchFont)
{
    for (const int pixels : { 13, 16, 21 }) {
        QFont font(QStringLiteral("Liberation Mono"));
        font.setPixelSize(pixels);
        const qreal column = QFontMetricsF(font).horizontalAdvance(u'0');
        for (const auto& [text, columns] : { std::pair { u"\u4e2d\u6587\u5b57", 6 },
                 { u"\uae40\ucca0\uc218", 6 }, { u"\u6771\u4eac x \u3042", 9 }, { u"abc", 3 } }) {
            const QString string = QString::fromUtf16(text);
            QTextLayout layout(string, font);
            layout.setFormats(CWideCharacters(font).Ranges(string));
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            EXPECT_NEAR(line.naturalTextWidth(), columns * column, 0.1 * columns) << pixels << " " << columns;
            const CTextMeasure measure(font);
            const int width = measure.Size(string).width();
            EXPECT_EQ(width, qCeil(line.naturalTextWidth()));
            // Cut short only where it does not fit, and then to fit.
            EXPECT_EQ(measure.Elided(string, width), string);
            const QString elided = measure.Elided(string, width - 1);
            EXPECT_TRUE(elided.endsWith(QChar(0x2026)));
            EXPECT_LE(measure.Size(elided).width(),
                std::max(width - 1, measure.Size(QString(QChar(0x2026))).width()));
        }
    }
}

} // namespace
