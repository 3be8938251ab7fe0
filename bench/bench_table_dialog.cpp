// The table dialog on a table of 10,000 rows by 20 columns: the heap that 100
// typed cell edits add, how long one step takes to undo and to redo, for a
// typed cell and for a Transform, and pasting a spreadsheet of that size over
// the table. bench/paste.sh counts the instructions of the pastes.

#include "Spreadsheet.h"
#include "platform/Clipboard.h"
#include "table/CGridDialog.h"

#include <QApplication>
#include <QFont>
#include <QMenu>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>

namespace {

constexpr int ROWS = 10000;
constexpr int COLS = 20;
constexpr int EDITS = 100;

LineList SheetLines()
{
    LineList lines;
    lines.reserve(ROWS);
    for (int row = 0; row < ROWS; ++row) {
        std::u16string line = u"|";
        for (int col = 0; col < COLS; ++col)
            line += u" cell " + QString::number(row * COLS + col).toStdU16String() + u" |";
        lines.push_back(std::move(line));
    }
    return lines;
}

double HeapInUse()
{
    return static_cast<double>(mallinfo2().uordblks);
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// The spreadsheet's first variant as table lines.
LineList SpreadsheetLines()
{
    LineList lines;
    lines.reserve(bench::SHEET_ROWS);
    for (int row = 0; row < bench::SHEET_ROWS; ++row) {
        std::u16string line = u"|";
        for (int col = 0; col < bench::SHEET_COLS; ++col) {
            line += u' ';
            line += bench::SheetCellText(row, col, 0).toStdU16String();
            line += u" |";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// The dialog shown with the sheet, as the Table command shows it.
struct SheetDialog {
    explicit SheetDialog(const LineList& lines = SheetLines())
    {
        // The editor's face, as the Table command hands it on.
        QFont font(QStringLiteral("Courier New"));
        font.setPixelSize(16);
        dialog.m_gridFont = font;
        dialog.SetTableLines(lines);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
        grid = dialog.findChild<CGridCtrl*>();
    }

    // Types a letter into a cell and commits it with Enter: one step of undo.
    void TypeInto(int row, int col, char letter)
    {
        grid->SetFocusCell(row, col);
        grid->SetSelectedRange({ row, col, row, col });
        grid->setFocus();
        QTest::keyClick(QApplication::focusWidget(), letter);
        Key(Qt::Key_Return);
    }

    // Chooses an item of the corner's menu, as a keyboard user would.
    void ChooseFromTableMenu(const QString& caption)
    {
        emit grid->rightClicked(0, 0);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (QAction* action : menu->actions())
            if (action->text() == caption)
                action->trigger();
        menu->close();
    }

    CGridDialog dialog;
    CGridCtrl* grid = nullptr;
};

void BM_HeapOfHundredCellEdits(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto sheet = std::make_unique<SheetDialog>();
        malloc_trim(0);
        const double before = HeapInUse();
        state.ResumeTiming();
        for (int edit = 0; edit < EDITS; ++edit)
            sheet->TypeInto(1 + edit * (ROWS / EDITS), 1 + edit % COLS, 'x');
        state.PauseTiming();
        state.counters["heapMB"] = (HeapInUse() - before) / 1e6;
        if (sheet->grid->GetItemText(1, 1) != QStringLiteral("x"))
            state.SkipWithError("the typing did not reach the cell");
        sheet.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HeapOfHundredCellEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UndoTypedCell(benchmark::State& state)
{
    SheetDialog sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.TypeInto(ROWS / 2, COLS / 2, 'u');
        state.ResumeTiming();
        Key(Qt::Key_Z, Qt::ControlModifier);
    }
    if (sheet.grid->GetItemText(ROWS / 2, COLS / 2) == QStringLiteral("u"))
        state.SkipWithError("the typing was not undone");
}
BENCHMARK(BM_UndoTypedCell)->Unit(benchmark::kMillisecond);

void BM_UndoTransform(benchmark::State& state)
{
    SheetDialog sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.ChooseFromTableMenu(QStringLiteral("Transform"));
        sheet.grid->setFocus();
        state.ResumeTiming();
        Key(Qt::Key_Z, Qt::ControlModifier);
    }
    if (sheet.grid->GetRowCount() != ROWS + 1)
        state.SkipWithError("the Transform was not undone");
}
BENCHMARK(BM_UndoTransform)->Unit(benchmark::kMillisecond);

void BM_RedoTypedCell(benchmark::State& state)
{
    SheetDialog sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.TypeInto(ROWS / 2, COLS / 2, 'r');
        Key(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
        Key(Qt::Key_Y, Qt::ControlModifier);
    }
    if (sheet.grid->GetItemText(ROWS / 2, COLS / 2) != QStringLiteral("r"))
        state.SkipWithError("the typing was not redone");
}
BENCHMARK(BM_RedoTypedCell)->Unit(benchmark::kMillisecond);

void BM_RedoTransform(benchmark::State& state)
{
    SheetDialog sheet;
    for (auto _ : state) {
        state.PauseTiming();
        sheet.ChooseFromTableMenu(QStringLiteral("Transform"));
        sheet.grid->setFocus();
        Key(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
        Key(Qt::Key_Y, Qt::ControlModifier);
        state.PauseTiming();
        Key(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
    }
    if (sheet.grid->GetRowCount() != ROWS + 1)
        state.SkipWithError("the Transform was not undone after its redo");
}
BENCHMARK(BM_RedoTransform)->Unit(benchmark::kMillisecond);

// The two variants of the spreadsheet, to paste in turn so that every paste
// changes every cell.
class AlternateSheets {
public:
    // Puts the next sheet on the clipboard.
    void CopyNext()
    {
        CopyTextToClipboard(m_sheets[m_next]);
        m_next = 1 - m_next;
    }
    // The variant of the sheet pasted last.
    int LastVariant() const { return m_next; } // sheet i holds variant 1 - i

private:
    const QString m_sheets[2] = { bench::SheetText(1), bench::SheetText(0) };
    int m_next = 0;
};

void CheckPasted(benchmark::State& state, const SheetDialog& sheet, const AlternateSheets& sheets)
{
    const int rows = bench::SHEET_ROWS;
    const int cols = bench::SHEET_COLS;
    if (sheet.grid->GetItemText(rows, cols) != bench::SheetCellText(rows - 1, cols - 1, sheets.LastVariant()))
        state.SkipWithError("the paste did not reach the last cell");
    state.counters["cells"] = static_cast<double>(rows) * cols;
}

// Ctrl+V on the first data cell: the grid's own Paste, one step of undo.
void BM_PasteIntoGrid(benchmark::State& state)
{
    SheetDialog sheet(SpreadsheetLines());
    AlternateSheets sheets;
    for (auto _ : state) {
        state.PauseTiming();
        sheets.CopyNext();
        sheet.grid->SetFocusCell(1, 1);
        sheet.grid->SetSelectedRange({ 1, 1, 1, 1 });
        sheet.grid->setFocus();
        state.ResumeTiming();
        Key(Qt::Key_V, Qt::ControlModifier);
    }
    CheckPasted(state, sheet, sheets);
}
BENCHMARK(BM_PasteIntoGrid)->Unit(benchmark::kMillisecond);

// Paste Table from the corner's menu: opening the menu (which reads the
// clipboard to offer the item), the paste, and the grid sized to its texts.
void BM_PasteTable(benchmark::State& state)
{
    SheetDialog sheet(SpreadsheetLines());
    AlternateSheets sheets;
    for (auto _ : state) {
        state.PauseTiming();
        sheets.CopyNext();
        state.ResumeTiming();
        sheet.ChooseFromTableMenu(QStringLiteral("Paste Table"));
    }
    CheckPasted(state, sheet, sheets);
}
BENCHMARK(BM_PasteTable)->Unit(benchmark::kMillisecond);

} // namespace
