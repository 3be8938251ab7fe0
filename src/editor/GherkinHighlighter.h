#pragma once

#include <QSyntaxHighlighter>

class LineAnalysis;
struct LineFormats;

// Paints each block from the per-line tables as they stand: it reads, never
// analyses. The block's user state records what it was painted from, so the
// view can tell which blocks a new analysis has made stale.
class GherkinHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    GherkinHighlighter(QTextDocument* document, const LineAnalysis& analysis, const LineFormats& formats);

    // The user state a block painted from line `line` of the tables carries.
    static int PaintKey(const LineAnalysis& analysis, int line);

protected:
    void highlightBlock(const QString& text) override;

private:
    const LineAnalysis& analysis_;
    const LineFormats& formats_;
};
