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
        : document_(highlighter.document_)
        , notes_(highlighter.editing_ ? &highlighter.repaintedInEdits_ : nullptr)
    {
    }
    ~Batch()
    {
        if (!first_.isValid())
            return;
        const int from = first_.position();
        document_->markContentsDirty(from, last_.position() + last_.length() - from);
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    // Blocks are added in document order.
    void Add(const QTextBlock& block)
    {
        if (notes_ != nullptr) {
            notes_->push_back(block.blockNumber());
            return;
        }
        if (!first_.isValid())
            first_ = block;
        last_ = block;
    }

private:
    QTextDocument* document_;
    std::vector<int>* notes_;
    QTextBlock first_;
    QTextBlock last_;
};

GherkinHighlighter::GherkinHighlighter(
    QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats)
    : document_(document)
    , analysis_(analysis)
    , formats_(formats)
{
}

void GherkinHighlighter::PaintBlocks(int first, int last)
{
    Batch batch(*this);
    first = std::max(first, 0);
    QTextBlock block = document_->findBlockByNumber(first);
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
    QTextBlock block = document_->findBlockByNumber(first);
    for (int line = first; block.isValid() && line < last; ++line, block = block.next()) {
        if ((line < skipFirst || line > skipLast) && PaintedFrom(block) != EntriesOf(analysis_, line))
            Paint(block, line, batch);
    }
}

void GherkinHighlighter::Paint(QTextBlock& block, int line, Batch& batch) const
{
    // A line past the analysed ones that was never painted shows no colours
    // already; its layout is left to be made when the line is shown.
    if (line >= analysis_.analysedLineCount && block.userData() == nullptr)
        return;
    const int length = block.length() - 1;
    const ColourSpan span = line < analysis_.analysedLineCount
        ? ColourSpanOf(analysis_.lineType[line], analysis_.keywordPosition[line],
            static_cast<int>(analysis_.lineKeyword[line].size()), length)
        : ColourSpan { length, length, LineColour::Default };
    // Empty ranges colour nothing and are left out.
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(3);
    if (span.start > 0)
        ranges.append({ 0, span.start, formats_.defaultFormat });
    if (span.end > span.start)
        ranges.append({ span.start, span.end - span.start, FormatOf(formats_, span.colour) });
    if (span.end < length)
        ranges.append({ span.end, length - span.end, formats_.defaultFormat });
    // Over the colours: the wide characters' face and stretch.
    ranges.append(wide_.Ranges(block.text()));

    // A block whose colours and entries are already these is left alone:
    // its colours depend on nothing else, and a change of its text has
    // already invalidated its layout. Setting them again would only throw a
    // layout away.
    const PaintedLine entries = EntriesOf(analysis_, line);
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
