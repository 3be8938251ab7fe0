#include "Rewritten.h"

#include "LineEnds.h"
#include "core/editor/Format.h"
#include "core/table/AlignTables.h"

#include <string>

namespace {

// The first lines of a source and no more. Format and the table alignment
// carry every line past the analysed ones over unchanged, so over the
// analysed lines alone they give the start of their whole text, up to the
// line break after the last analysed line.
class FirstLines final : public LineSource {
public:
    FirstLines(const LineSource& source, int count)
        : source_(source)
        , count_(count)
    {
    }
    int lineCount() const override { return count_; }
    std::u16string lineText(int line) const override
    {
        return line < count_ ? source_.lineText(line) : std::u16string();
    }
    int lineStart(int line) const override { return line < count_ ? source_.lineStart(line) : -1; }

private:
    const LineSource& source_;
    int count_;
};

void PutLinesAsTheyStand(const TextLineSource& source, int first, std::u16string_view lineEnd, TextSink& sink)
{
    if (first >= source.lineCount())
        return;
    if (source.commonLineBreak() == lineEnd) {
        sink.Put(std::u16string_view(source.text()).substr(source.lineOffset(first)));
        return;
    }
    for (int line = first; line < source.lineCount(); ++line) {
        if (line > first)
            sink.Put(lineEnd);
        sink.Put(source.lineContent(line));
    }
}

} // namespace

void PutRewritten(CliCommand command, const Language& language, const TextLineSource& source,
    const LineAnalysis& analysis, std::u16string_view lineEnd, TextSink& sink)
{
    const FirstLines analysed(source, analysis.analysedLineCount);
    // A fresh view starts with no doc-string column remembered.
    int docStringColumn = 0;
    const std::u16string rebuilt = command == CliCommand::Align ? AlignWholeText(analysed, analysis)
        : command == CliCommand::Unformat ? UnformatWholeText(language, analysed, analysis, docStringColumn)
                                          : FormatWholeText(language, analysed, analysis, docStringColumn);
    PutWithLineEnds(rebuilt, lineEnd, sink);
    PutLinesAsTheyStand(source, analysis.analysedLineCount, lineEnd, sink);
}
