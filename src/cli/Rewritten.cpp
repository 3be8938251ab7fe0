#include "Rewritten.h"

#include "LineEnds.h"
#include "core/editor/Format.h"
#include "core/file/Utf8.h"
#include "core/table/AlignTables.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace {

// The first lines of a source and no more. Format and the table alignment
// carry every line past the analysed ones over unchanged, so over the
// analysed lines alone they give the start of their whole text, up to the
// line break after the last analysed line.
class FirstLines final : public LineSource {
public:
    FirstLines(const LineSource& source, int count)
        : m_source(source)
        , m_count(count)
    {
    }
    int lineCount() const override { return m_count; }
    std::u16string lineText(int line) const override
    {
        return line < m_count ? m_source.lineText(line) : std::u16string();
    }
    int lineStart(int line) const override { return line < m_count ? m_source.lineStart(line) : -1; }
    bool lineTextIs(int line, std::u16string_view text) const override
    {
        return line < m_count ? m_source.lineTextIs(line, text) : text.empty();
    }
    void appendLineText(int line, std::u16string& to) const override
    {
        if (line < m_count)
            m_source.appendLineText(line, to);
    }

private:
    const LineSource& m_source;
    int m_count;
};

// The bytes of UTF-8 text with every line break written as `lineEnd`.
void PutBytesWithLineEnds(std::string_view bytes, std::u16string_view lineEnd, TextSink& sink)
{
    const std::string end = ToUtf8(lineEnd);
    for (std::size_t at = 0;;) {
        const std::size_t lineBreak = bytes.find_first_of("\r\n", at);
        if (lineBreak == std::string_view::npos) {
            sink.PutUtf8(bytes.substr(at));
            return;
        }
        sink.PutUtf8(bytes.substr(at, lineBreak - at));
        sink.PutUtf8(end);
        at = lineBreak + (bytes.compare(lineBreak, 2, "\r\n") == 0 ? 2 : 1);
    }
}

void PutLinesAsTheyStand(
    const FeatureDocument& document, int first, std::u16string_view lineEnd, TextSink& sink)
{
    if (first >= document.lineCount)
        return;
    const TextLineSource& source = document.source;
    if (!document.utf8.Empty()) {
        const std::u16string_view before
            = std::u16string_view(source.text()).substr(0, source.lineOffset(first));
        const std::string_view rest
            = document.utf8.View().substr(document.firstLinesAscii ? before.size() : Utf8Length(before));
        if (document.commonLineBreak == lineEnd)
            sink.PutUtf8(rest);
        else
            PutBytesWithLineEnds(rest, lineEnd, sink);
        return;
    }
    if (document.commonLineBreak == lineEnd) {
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

void PutRewritten(CliCommand command, const FeatureDocument& document, const LineAnalysis& analysis,
    std::u16string_view lineEnd, TextSink& sink)
{
    if (command == CliCommand::Align) {
        const FirstLines analysed(document.source, analysis.analysedLineCount);
        PutWithLineEnds(AlignWholeText(analysed, analysis), lineEnd, sink);
        PutLinesAsTheyStand(document, analysis.analysedLineCount, lineEnd, sink);
        return;
    }
    // The analysis was made from this document just now, so it describes its
    // text as the editor's check before a rebuild would find; its lines are
    // rebuilt with their line ends as they go out. A fresh view starts with no
    // doc-string column remembered.
    int docStringColumn = 0;
    const auto put = [&sink](std::u16string_view lines) { sink.Put(lines); };
    if (command == CliCommand::Unformat)
        UnformatRelayableLines(analysis, lineEnd, docStringColumn, put);
    else
        FormatRelayableLines(analysis, lineEnd, docStringColumn, put);
    PutLinesAsTheyStand(document, analysis.RelayableLineCount(), lineEnd, sink);
}
