#include "GherkinHighlighter.h"

#include "LineFormats.h"
#include "core/editor/LineAnalysis.h"
#include "core/editor/LineColours.h"

#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

// Collects the blocks painted and tells the document of their range once, or,
// in the middle of an edit, notes each of them.
class GherkinHighlighter::Batch {
public:
    explicit Batch(GherkinHighlighter& highlighter)
        : m_document(highlighter.m_document)
        , m_notes(highlighter.m_editing ? &highlighter.m_repaintedInEdits : nullptr)
    {
    }
    ~Batch()
    {
        if (!m_first.isValid())
            return;
        const int from = m_first.position();
        m_document->markContentsDirty(from, m_last.position() + m_last.length() - from);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // Blocks are added in document order.
    void Add(const QTextBlock& block)
    {
        if (m_notes != nullptr) {
            m_notes->push_back(block.blockNumber());
            return;
        }
        if (!m_first.isValid())
            m_first = block;
        m_last = block;
    }

private:
    QTextDocument* m_document;
    std::vector<int>* m_notes;
    QTextBlock m_first;
    QTextBlock m_last;
};

GherkinHighlighter::GherkinHighlighter(
    QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats)
    : m_document(document)
    , m_analysis(analysis)
    , m_formats(formats)
{
}

void GherkinHighlighter::PaintBlocks(int first, int last)
{
    Batch batch(*this);
    first = std::max(first, 0);
    QTextBlock block = m_document->findBlockByNumber(first);
    for (int line = first; block.isValid() && line < last; ++line, block = block.next())
        Paint(block, line, batch);
}

namespace {

class PaintedState final : public QTextBlockUserData {
public:
    PaintedLine line;
};

PaintedLine PaintedFrom(const QTextBlock& block)
{
    const auto* state = static_cast<const PaintedState*>(block.userData());
    return state ? state->line : PaintedLine {};
}

PaintedLine EntriesOf(const LineAnalysis& analysis, int line)
{
    if (line < 0 || line >= analysis.analysedLineCount)
        return {};
    return { analysis.lineType[line], analysis.keywordPosition[line],
        static_cast<int>(analysis.lineKeyword[line].size()) };
}

// Whether a block's layout already holds exactly these ranges; the cheap
// positions are compared before the formats.
bool SameRanges(const QList<QTextLayout::FormatRange>& painted, const QList<QTextLayout::FormatRange>& ranges)
{
    if (painted.size() != ranges.size())
        return false;
    for (qsizetype i = 0; i < ranges.size(); ++i)
        if (painted[i].start != ranges[i].start || painted[i].length != ranges[i].length)
            return false;
    for (qsizetype i = 0; i < ranges.size(); ++i)
        if (painted[i].format != ranges[i].format)
            return false;
    return true;
}

} // namespace

void GherkinHighlighter::PaintStaleBlocks(int first, int last, int skipFirst, int skipLast)
{
    Batch batch(*this);
    first = std::max(first, 0);
    QTextBlock block = m_document->findBlockByNumber(first);
    for (int line = first; block.isValid() && line < last; ++line, block = block.next()) {
        if ((line < skipFirst || line > skipLast) && PaintedFrom(block) != EntriesOf(m_analysis, line))
            Paint(block, line, batch);
    }
}

void GherkinHighlighter::Paint(QTextBlock& block, int line, Batch& batch) const
{
    // A line past the analysed ones that was never painted shows no colours
    // already; its layout is left to be made when the line is shown.
    if (line >= m_analysis.analysedLineCount && block.userData() == nullptr)
        return;
    const int length = block.length() - 1;
    const ColourSpan span = line < m_analysis.analysedLineCount
        ? ColourSpanOf(m_analysis.lineType[line], m_analysis.keywordPosition[line],
            static_cast<int>(m_analysis.lineKeyword[line].size()), length)
        : ColourSpan { length, length, LineColour::Default };
    // Empty ranges colour nothing and are left out.
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(3);
    if (span.start > 0)
        ranges.append({ 0, span.start, m_formats.defaultFormat });
    if (span.end > span.start)
        ranges.append({ span.start, span.end - span.start, FormatOf(m_formats, span.colour) });
    if (span.end < length)
        ranges.append({ span.end, length - span.end, m_formats.defaultFormat });
    // Over the colours: the wide characters' face and stretch.
    ranges.append(m_wide.Ranges(block.text()));

    // A block whose colours and entries are already these is left alone:
    // its colours depend on nothing else, and a change of its text has
    // already invalidated its layout. Setting them again would only throw a
    // layout away.
    const PaintedLine entries = EntriesOf(m_analysis, line);
    QTextLayout* layout = block.layout();
    if (PaintedFrom(block) == entries && SameRanges(layout->formats(), ranges))
        return;
    // A coloured line keeps its glyphs once they are shaped: every keystroke
    // draws the lines that touch the typed one's rectangle again, which would
    // otherwise be shaped anew, a run for each colour, each time.
    layout->setCacheEnabled(true);
    layout->setFormats(ranges);
    auto* state = static_cast<PaintedState*>(block.userData());
    if (state == nullptr) {
        state = new PaintedState;
        block.setUserData(state); // the document owns it from here on
    }
    state->line = entries;
    batch.Add(block);
}
