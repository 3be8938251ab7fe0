// The grid on a pasted spreadsheet of 10,000 rows by 20 columns: painting
// a full viewport, AutoSize, and the paste itself.

#include "grid/CGridCtrl.h"
#include "platform/Clipboard.h"

#include <QFontDatabase>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

constexpr int ROWS = 10000;
constexpr int COLS = 20;

// Texts of the kinds spreadsheets hold: names, numbers, dates, addresses,
// flags; `variant` changes every one of them.
QString CellText(int row, int col, int variant)
{
    const int n = row * COLS + col + variant * 7;
    switch (col % 5) {
    case 0:
        return QStringLiteral("Customer %1").arg(n);
    case 1:
        return QString::number(n * 37 % 100000);
    case 2:
        return QStringLiteral("2024-%1-%2")
            .arg(n % 12 + 1, 2, 10, QChar(u'0'))
            .arg(n % 28 + 1, 2, 10, QChar(u'0'));
    case 3:
        return QStringLiteral("%1 Main Street, Springfield").arg(n % 997);
    default:
        return n % 3 == 0 ? QStringLiteral("yes") : QStringLiteral("no %1").arg(variant);
    }
}

QString SheetText(int variant)
{
    QString text;
    for (int row = 0; row < ROWS; ++row) {
        for (int col = 0; col < COLS; ++col) {
            if (col > 0)
                text += u'\t';
            text += CellText(row, col, variant);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

// The table editor's grid holding the sheet in the editor's font, in a
// window of a large dialog's size, scrolled to the middle.
struct SheetGrid {
    SheetGrid()
        : grid(ROWS + 1, COLS + 1, 1, 1)
    {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(16);
        grid.SetGridFont(font);
        for (int row = 0; row < ROWS; ++row)
            for (int col = 0; col < COLS; ++col)
                grid.SetItemText(row + 1, col + 1, CellText(row, col, 0));
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
    state.counters["cells"] = static_cast<double>(ROWS) * COLS;
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
    if (sheet.grid.GetItemText(ROWS, COLS) != CellText(ROWS - 1, COLS - 1, next))
        state.SkipWithError("the paste did not reach the last cell");
    state.counters["cells"] = static_cast<double>(ROWS) * COLS;
}
BENCHMARK(BM_PasteSheet)->Unit(benchmark::kMillisecond);

} // namespace
