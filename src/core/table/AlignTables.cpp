#include "core/table/AlignTables.h"

#include "core/table/TableLayout.h"

#include <cstddef>

namespace {

// A line of the source as the whole text holds it: its closing CR as CR LF.
void AppendLine(std::u16string& text, std::u16string_view line)
{
    if (!line.empty() && line.back() == u'\r') {
        text += line.substr(0, line.size() - 1);
        text += u"\r\n";
    } else {
        text += line;
    }
}

} // namespace

std::u16string AlignWholeText(const LineSource& source, const LineAnalysis& analysis)
{
    std::u16string text;
    const int count = source.lineCount();
    const int relaid = analysis.RelayableLineCount();
    for (int i = 0; i < count;) {
        // A row inside a doc string is content, no TABLE_LINE.
        const LineType type = i < relaid ? analysis.lineType[i] : NOT_ANALYSED;
        if (type != TABLE_LINE) {
            AppendLine(text, source.lineText(i));
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < relaid && analysis.lineType[end] == TABLE_LINE)
            ++end;
        const LineList rows(analysis.lineText.begin() + i, analysis.lineText.begin() + end);
        const std::u16string_view indentation
            = std::u16string_view(rows.front())
                  .substr(0, static_cast<std::size_t>(analysis.keywordPosition[i]));
        const LineList aligned = AlignTableLines(rows);
        for (std::size_t k = 0; k < aligned.size(); ++k) {
            text += indentation;
            text += aligned[k];
            if (!rows[k].empty() && rows[k].back() == u'\r')
                text += u"\r\n";
        }
        i = end;
    }
    return text;
}
