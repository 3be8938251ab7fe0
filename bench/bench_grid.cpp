// The grid on a pasted spreadsheet of 10,000 rows by 20 columns: painting
// a full viewport, AutoSize, and the paste itself.

#include "Spreadsheet.h"
#include "grid/CGridCtrl.h"
#include "platform/Clipboard.h"

#include <QFontDatabase>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

using bench::SHEET_COLS;
using bench::SHEET_ROWS;
using bench::SheetCellText;
using bench::SheetText;

// The table editor's grid holding the sheet in the editor's font, in a
// window of a large dialog's size, scrolled to the middle.
struct SheetGrid {
    SheetGrid()
        : grid(SHEET_ROWS + 1, SHEET_COLS + 1, 1, 1)
    {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(16);
        grid.SetGridFont(font);
        for (int row = 0; row < SHEET_ROWS; ++row)
            for (int col = 0; col < SHEET_COLS; ++col)
                grid.SetItemText(row + 1, col + 1, SheetCellText(row, col, 0));
        grid.AutoSize();
        grid.resize(1200, 800);
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
    }
    CGridCtrl grid;
};

void BM_PaintViewport(benchmark::State& state)
{
    SheetGrid sheet;
    QImage image(sheet.grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        sheet.grid.viewport()->render(&image);
    const CCellID last = sheet.grid.GetCellFromPt(sheet.grid.viewport()->rect().bottomRight());
    state.counters["lastVisibleRow"] = last.row;
    state.counters["lastVisibleCol"] = last.col;
}
BENCHMARK(BM_PaintViewport)->Unit(benchmark::kMillisecond);

void BM_AutoSize(benchmark::State& state)
{
    SheetGrid sheet;
    for (auto _ : state)
        sheet.grid.AutoSize();
    state.counters["cells"] = static_cast<double>(SHEET_ROWS) * SHEET_COLS;
}
BENCHMARK(BM_AutoSize)->Unit(benchmark::kMillisecond);

// Each paste changes every cell: the two sheets take turns.
void BM_PasteSheet(benchmark::State& state)
{
    SheetGrid sheet;
    const QString sheets[] = { SheetText(1), SheetText(0) }; // sheet i holds variant 1 - i
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CopyTextToClipboard(sheets[next]);
        next = 1 - next;
        sheet.grid.SetFocusCell(1, 1);
        sheet.grid.SetSelectedRange({ 1, 1, 1, 1 });
        state.ResumeTiming();
        sheet.grid.PasteClipboard();
    }
    if (sheet.grid.GetItemText(SHEET_ROWS, SHEET_COLS) != SheetCellText(SHEET_ROWS - 1, SHEET_COLS - 1, next))
        state.SkipWithError("the paste did not reach the last cell");
    state.counters["cells"] = static_cast<double>(SHEET_ROWS) * SHEET_COLS;
}
BENCHMARK(BM_PasteSheet)->Unit(benchmark::kMillisecond);

} // namespace
