#include "core/editor/LineAnalysis.h"
#include "core/editor/TextLineSource.h"
#include "core/file/FeatureFileCodec.h"
#include "core/language/KeywordDictionary.h"
#include "core/language/LanguageDirective.h"
#include "core/table/BlockFinder.h"
#include "core/table/BlockText.h"
#include "core/table/DocStringText.h"
#include "core/table/TableLayout.h"
#include "core/table/TableRow.h"
#include "core/table/WhiteSpace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void Check(bool holds)
{
    if (!holds)
        std::abort();
}

LineAnalysis Analysed(const Language& language, const std::u16string& controlText, int limit)
{
    LineAnalysis analysis;
    analysis.maxAnalysedLines = limit;
    analysis.AnalyseAll(language, TextLineSource(controlText));
    return analysis;
}

// The text after `replacement` (CR LF breaks, as the commands make it) went
// over start .. end of the control's text, where a line break is one CR.
std::u16string Replaced(
    const std::u16string& controlText, const BlockLocation& block, std::u16string_view replacement)
{
    std::u16string pasted;
    for (char16_t c : replacement)
        if (c != u'\n')
            pasted += c;
    std::u16string text = controlText;
    text.replace(
        static_cast<std::size_t>(block.start), static_cast<std::size_t>(block.end - block.start), pasted);
    return text;
}

int LineAt(const LineAnalysis& analysis, int position)
{
    int line = 0;
    while (line + 1 < analysis.analysedLineCount && analysis.lineStart[line + 1] <= position)
        ++line;
    return line;
}

// Only the block's own characters change.
void CheckOutsideKept(const std::u16string& before, const std::u16string& after, const BlockLocation& block)
{
    const auto start = static_cast<std::size_t>(block.start);
    const std::size_t rest = before.size() - static_cast<std::size_t>(block.end);
    Check(after.size() >= start + rest);
    Check(after.compare(0, start, before, 0, start) == 0);
    Check(after.compare(after.size() - rest, rest, before, before.size() - rest, rest) == 0);
}

// The doc string found from `line` after OK on `typed`, written back again;
// none when the written doc string runs past the limit.
std::optional<std::u16string> OkAgain(
    const Language& language, const std::u16string& text, int line, int limit, std::u16string_view typed)
{
    const BlockLocation block = FindDocStringAtLine(Analysed(language, text, limit), line);
    if (block.lines.empty())
        return std::nullopt;
    return Replaced(text, block, BuildDocStringText(typed, block));
}

// OK without an edit writes an existing doc string back byte for byte and a
// new one so that OK again changes nothing; the dialog shows every doc string
// as a text it can write, and after OK on a typed text shows that text again,
// a line that would end the doc string included.
void CheckDocString(
    const Language& language, const std::u16string& text, const LineAnalysis& analysis, int line, int limit)
{
    const BlockLocation block = FindDocStringAtLine(analysis, line);
    if (block.lines.empty()) {
        Check(block.noBlock != NoBlock::PastLimit || analysis.textLineCount > analysis.analysedLineCount);
        return;
    }
    const std::u16string shown = DocStringLinesToText(block.lines, block.indent);
    const std::u16string_view delimiter = DocStringDelimiterOf(block.lines);
    Check(!UnwritableDocStringLine(shown, delimiter));
    const std::u16string after = Replaced(text, block, BuildDocStringText(shown, block));
    CheckOutsideKept(text, after, block);
    const bool isNew = block.start == block.end;
    // Found again from the step that takes the new doc string, or from its opening line.
    const int opening = isNew ? line : LineAt(analysis, block.start);
    if (!isNew)
        Check(after == text);
    else
        Check(OkAgain(language, after, opening, limit, shown).value_or(after) == after);

    const std::u16string typed = shown + std::u16string(delimiter) + u"\r\n";
    const std::u16string edited = Replaced(text, block, BuildDocStringText(typed, block));
    const BlockLocation again = FindDocStringAtLine(Analysed(language, edited, limit), opening);
    // Lines added may carry the doc string past the limit, where it is not found.
    if (!again.lines.empty())
        Check(DocStringLinesToText(again.lines, again.indent) == typed);
}

// OK without an edit keeps every cell where it was, short rows made up with
// empty cells; a second OK changes nothing, but for a last cell without a
// closing "|" that starts with a blank, which the layout trims on its second
// pass.
void CheckTable(
    const Language& language, const std::u16string& text, const LineAnalysis& analysis, int line, int limit)
{
    const BlockLocation block = FindTableAtLine(analysis, line);
    if (block.lines.empty()) {
        Check(block.noBlock != NoBlock::PastLimit || analysis.textLineCount > analysis.analysedLineCount);
        return;
    }
    const std::u16string after = Replaced(text, block, BuildBlockText(AlignTableLines(block.lines), block));
    CheckOutsideKept(text, after, block);
    // The rows stay as many, so `line` is still the step, Examples line or row it was.
    const BlockLocation again = FindTableAtLine(Analysed(language, after, limit), line);
    if (again.lines.empty())
        return;
    CellMatrix cells = LinesToCellMatrix(block.lines);
    std::size_t width = 0;
    for (const CellRow& row : cells)
        width = std::max(width, row.size());
    const CellMatrix read = LinesToCellMatrix(again.lines);
    Check(read.size() >= cells.size());
    bool openLastCell = false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const CellRow& row = cells[i];
        openLastCell
            = openLastCell || (!row.empty() && !row.back().empty() && IsTableWhiteSpace(row.back()[0]));
        Check(read[i].size() == width);
        for (std::size_t k = 0; k < width; ++k)
            Check(read[i][k] == TrimWhiteSpace(k < row.size() ? WrittenCellText(row[k]) : u""));
    }
    const std::u16string twice = Replaced(after, again, BuildBlockText(AlignTableLines(again.lines), again));
    if (!openLastCell)
        Check(twice == after);
}

} // namespace

// A first byte that may set a low limit of analysed lines, then a feature
// file's bytes in the language its first line names. From lines spread over
// the text, the String and Table commands' blocks are written back unedited.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int limit = data[0] < 64 ? data[0] % 16 + 1 : MAX_ANALYSED_LINES;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const TextLineSource decoded(DecodeFeatureFile(bytes).text);
    Language language = LanguageOf(u"en");
    ApplyDocumentLanguage(
        language, decoded.lineCount(), [&decoded](int line) { return decoded.lineText(line); });
    // The control's text: every line break one CR.
    std::u16string text;
    for (int i = 0; i < decoded.lineCount(); ++i)
        text += decoded.lineText(i);

    const LineAnalysis analysis = Analysed(language, text, limit);
    const int lines = analysis.analysedLineCount;
    const int step = std::max(1, lines / 48);
    for (int line = 0; line < lines; line += step) {
        CheckDocString(language, text, analysis, line, limit);
        CheckTable(language, text, analysis, line, limit);
    }
    return 0;
}
