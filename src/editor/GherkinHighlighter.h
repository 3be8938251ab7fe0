#pragma once

class LineAnalysis;
class QTextBlock;
class QTextDocument;
struct LineFormats;

// Paints blocks from the per-line tables as they stand: it reads, never
// analyses. The formats go to each block's layout, as a syntax highlighter's
// do, so they never enter the undo history, never move the caret, and never
// count as a change of the text. A block's user state records what it was
// painted from, so the view can tell which blocks a new analysis has made
// stale.
//
// Blocks are painted in batches: the document is told of the repainted range
// once, so the blocks are laid out again when they are next shown rather than
// one by one at once, which keeps a full repaint of 1998 lines within a few
// milliseconds.
class GherkinHighlighter {
public:
    GherkinHighlighter(QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats);

    // Paints blocks first .. last-1 (clipped to the document).
    void PaintBlocks(int first, int last);
    // Paints the blocks in first .. last-1 whose user state differs from
    // their PaintKey, leaving out skipFirst .. skipLast.
    void PaintStaleBlocks(int first, int last, int skipFirst, int skipLast);

    // The user state of a block painted from line `line` of the tables: 0
    // beyond the analysed lines, positive within them.
    static int PaintKey(const LineAnalysis& analysis, int line);

private:
    class Batch;
    void Paint(QTextBlock& block, int line, Batch& batch) const;

    QTextDocument* document_;
    const LineAnalysis& analysis_;
    const LineFormats& formats_;
};
