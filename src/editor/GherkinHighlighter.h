#pragma once

#include "core/language/LineType.h"
#include "grid/WideCharacters.h"

#include <utility>
#include <vector>

class LineAnalysis;
class QTextBlock;
class QTextDocument;
struct LineFormats;

// What a block was painted from: the entries of its line that decide its
// colours besides its text, every change of which repaints the block anyway.
// A block never painted, or painted beyond the analysed lines, shows no
// colours and holds the default.
struct PaintedLine {
    LineType type = NOT_ANALYSED;
    int keywordPosition = 0;
    int keywordLength = 0;

    bool operator==(const PaintedLine&) const = default;
};

// Paints blocks from the per-line tables as they stand: it reads, never
// analyses. The formats go to each block's layout, as a syntax highlighter's
// do, so they never enter the undo history, never move the caret, and never
// count as a change of the text. A block's user state records what it was
// painted from (a PaintedLine), so the view can tell which blocks a new
// analysis has made stale.
//
// Wide characters are drawn two columns of the view's font wide
// (CWideCharacters), so that aligned tables line up.
//
// Blocks are painted in batches: the document is told of the repainted range
// once, so the blocks are laid out again when they are next shown rather than
// one by one at once, which keeps a full repaint of 1998 lines within a few
// milliseconds. In the middle of an edit the blocks painted are only noted
// instead, for the view to repaint those it shows once the edit is done: the
// document's layout repaints only what the edit itself changed.
class GherkinHighlighter {
public:
    GherkinHighlighter(QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats);

    // While one lives, the document is in the middle of an edit.
    class EditScope {
    public:
        explicit EditScope(GherkinHighlighter& highlighter)
            : highlighter_(highlighter)
        {
            highlighter_.editing_ = true;
        }
        ~EditScope() { highlighter_.editing_ = false; }
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

    private:
        GherkinHighlighter& highlighter_;
    };
    // The numbers of the blocks painted in the middle of edits since the last
    // call, in no particular order.
    std::vector<int> TakeRepaintedInEdits() { return std::exchange(repaintedInEdits_, {}); }
    // The view's font, which the wide characters are drawn two columns of.
    void SetFont(const QFont& font) { wide_ = CWideCharacters(font); }

    // Paints blocks first .. last-1 (clipped to the document).
    void PaintBlocks(int first, int last);
    // Paints the blocks in first .. last-1 that were painted from something
    // else than their line's entries, leaving out skipFirst .. skipLast.
    void PaintStaleBlocks(int first, int last, int skipFirst, int skipLast);

private:
    class Batch;
    void Paint(QTextBlock& block, int line, Batch& batch) const;

    QTextDocument* document_;
    const LineAnalysis& analysis_;
    const LineFormats& formats_;
    bool editing_ = false;
    std::vector<int> repaintedInEdits_;
    CWideCharacters wide_ { QFont() };
};
