#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

const QColor black(0, 0, 0), heading(128, 0, 0), step(192, 0, 0), tag(128, 128, 0), table(64, 64, 64),
    docString(0, 128, 128), comment(128, 0, 128);

// Lines joined by CR LF, as the view gives its whole text out.
inline QString Crlf(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// What the highlighter painted at one character of one line; outside every
// painted range the text shows black, upright.
struct Paint {
    QColor colour = QColor(0, 0, 0);
    bool italic = false;
};

inline Paint PaintAt(const CQuillmark2View& view, int line, int column)
{
    const QTextBlock block = view.document()->findBlockByNumber(line);
    Paint paint;
    for (const QTextLayout::FormatRange& range :
        block.layout() ? block.layout()->formats() : QList<QTextLayout::FormatRange>()) {
        if (column >= range.start && column < range.start + range.length) {
            if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                paint.colour = range.format.foreground().color();
            paint.italic = range.format.fontItalic();
        }
    }
    return paint;
}

// A view in English, showing a text after its initial update.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }

    void Show(const QString& text) { view.LoadText(text); }
    QString Selected() const { return view.textCursor().selectedText(); }
    void PutCaret(int line, int column)
    {
        const int at = view.control().LineIndex(line) + column;
        view.control().SetSel(at, at);
    }

    CQuillmark2View view;
};
