#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/language/KeywordDictionary.h"
#include "core/table/AlignTables.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// A table of 1,000 rows by 10 columns as a user leaves it: ragged cell
// widths, no alignment. `wide` puts a CJK word into every third cell.
LineList UnalignedTable(bool wide)
{
    LineList rows;
    for (int r = 0; r < 1000; ++r) {
        std::u16string row = u"      |";
        for (int c = 0; c < 10; ++c) {
            const std::string number = std::to_string(r * 37 % (c + 5) * 1013);
            row += u' ';
            row.append(number.begin(), number.end());
            if (wide && (r + c) % 3 == 0)
                row += u" 数量";
            row += u" |";
        }
        rows.push_back(row + u'\r');
    }
    return rows;
}

// What OK in the table dialog costs for a large table: the rows split, padded
// to a rectangle and laid out.
//
// Each run's result is kept until the next one is made, as the editor's text
// holds the last table while the next is laid out. Freeing it at once would
// let the allocator hand the memory back to the system after every run, and
// every run would then pay the kernel's first touch of fresh pages, which on
// a virtual machine costs more than the layout.
void BM_AlignTable1000x10(benchmark::State& state)
{
    const LineList rows = UnalignedTable(state.range(0) != 0);
    LineList aligned;
    for (auto _ : state) {
        aligned = AlignTableLines(rows);
        benchmark::DoNotOptimize(aligned.data());
    }
    state.counters["cells"] = 10000;
}
BENCHMARK(BM_AlignTable1000x10)->ArgName("wide")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The grid's road on OK: its cells laid out (the result kept as above).
void BM_LayOutCells1000x10(benchmark::State& state)
{
    const CellMatrix cells = LinesToCellMatrix(UnalignedTable(false));
    LineList lines;
    for (auto _ : state) {
        lines = AlignCellMatrix(cells);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_LayOutCells1000x10)->Unit(benchmark::kMicrosecond);

// quillmark-cli align's own work on the 1998-line sample, without the process around it.
void BM_AlignWholeText(benchmark::State& state)
{
    std::ifstream in(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TextLineSource source(std::u16string(bytes.begin(), bytes.end()));
    LineAnalysis analysis;
    analysis.AnalyseAll(LanguageOf(u"en"), source);
    for (auto _ : state) {
        std::u16string text = AlignWholeText(source, analysis);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_AlignWholeText)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
