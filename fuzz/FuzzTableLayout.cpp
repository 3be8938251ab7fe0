#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/file/Utf8.h"
#include "core/language/KeywordDictionary.h"
#include "core/table/AlignTables.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"
#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::u16string Aligned(const std::u16string& wholeText)
{
    const TextLineSource source(wholeText);
    LineAnalysis analysis;
    analysis.AnalyseAll(LanguageOf(u"en"), source);
    return AlignWholeText(source, analysis);
}

} // namespace

// UTF-8 text: its lines, as the analysis holds them, are taken as the rows of
// one table, and the whole text as a file whose tables are aligned.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    AppendUtf8AsUtf16(std::string_view(reinterpret_cast<const char*>(data), size), text);
    const TextLineSource source(text);
    LineList rows;
    for (int i = 0; i < source.lineCount(); ++i)
        rows.push_back(source.lineText(i));

    // A last cell without a closing "|" keeps its leading blanks ("| a | b"
    // gives " b") and is written so; read again between two pipes it is
    // trimmed, so such a table settles on its second alignment, every other
    // table on its first.
    const LineList aligned = AlignTableLines(rows);
    const LineList again = AlignTableLines(aligned);
    if (aligned.size() != rows.size() || AlignTableLines(again) != again)
        std::abort();
    CellMatrix cells = LinesToCellMatrix(rows);
    const bool openLastCell = std::any_of(cells.begin(), cells.end(), [](const CellRow& row) {
        return !row.empty() && !row.back().empty() && IsTableWhiteSpace(row.back()[0]);
    });
    if (!openLastCell && again != aligned)
        std::abort();

    // Every cell comes back as the layout writes it, in its row and column;
    // short rows are made up with empty cells.
    std::size_t width = 0;
    for (const CellRow& row : cells)
        width = std::max(width, row.size());
    const CellMatrix read = LinesToCellMatrix(aligned);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (read[i].size() != width)
            std::abort();
        for (std::size_t k = 0; k < width; ++k) {
            const std::u16string written = k < cells[i].size() ? WrittenCellText(cells[i][k]) : u"";
            if (read[i][k] != TrimWhiteSpace(written))
                std::abort();
        }
        cells[i].resize(width);
    }
    // The cells as read lay out as the lines they were read from.
    if (AlignCellMatrix(cells) != aligned)
        std::abort();

    const std::u16string twice = Aligned(Aligned(TextLineSource(text).wholeText()));
    if (Aligned(twice) != twice)
        std::abort();
    return 0;
}
