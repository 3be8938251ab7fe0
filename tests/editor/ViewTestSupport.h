#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "platform/Clipboard.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

const QColor black(0, 0, 0), heading(128, 0, 0), step(192, 0, 0), tag(128, 128, 0), table(64, 64, 64),
    docString(0, 128, 128), comment(128, 0, 128);

// Lines joined by CR LF, as the view gives its whole text out.
inline QString Crlf(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// A feature of ten lines of every kind repeated to `lines` lines.
inline QString LongText(int lines)
{
    const QStringList piece = { "@tag", "Feature: long", "  Background:", "    Given a start",
        "  Scenario: one", "    When a table", "      | a | b |", "    \"\"\"", "    text", "    \"\"\"" };
    QStringList text;
    while (text.size() < lines)
        text += piece;
    return Crlf(text.mid(0, lines));
}

// A view in English, showing a text after its initial update.
class ViewTest : public ::testing::Test {
protected:
    // The view holding `text`, the caret on `line` at `column`.
    void Show(const QString& text, int line = 0, int column = 0)
    {
        view.LoadText(text);
        Select(line, column);
    }
    void ShowOnScreen(int width, int height)
    {
        view.resize(width, height);
        view.show();
        QApplication::processEvents();
    }
    // From `line` at `column` to `toLine` at `toColumn`; without them the caret alone.
    void Select(int line, int column, int toLine = -1, int toColumn = 0)
    {
        const int from = view.control().LineIndex(line) + column;
        view.control().SetSel(from, toLine < 0 ? from : view.control().LineIndex(toLine) + toColumn);
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&view, Qt::Key(key), modifiers);
    }
    QString Selected() const { return view.textCursor().selectedText(); }
    QStringList Lines() const { return view.WholeText().split(QStringLiteral("\r\n")); }
    // The colour and slant painted at one character of one line; outside every
    // painted range the text shows black, upright.
    std::pair<QColor, bool> PaintAt(int line, int column) const
    {
        std::pair paint(black, false);
        const QTextLayout* layout = view.document()->findBlockByNumber(line).layout();
        for (const QTextLayout::FormatRange& range :
            layout ? layout->formats() : QList<QTextLayout::FormatRange>())
            if (column >= range.start && column < range.start + range.length)
                paint = { range.format.hasProperty(QTextFormat::ForegroundBrush)
                        ? range.format.foreground().color()
                        : paint.first,
                    range.format.fontItalic() };
        return paint;
    }
    QColor ColourAt(int line, int column) const { return PaintAt(line, column).first; }
    // Neither modified nor holding an edit to undo: as loaded.
    bool Untouched() const { return !view.IsTextModified() && !view.document()->isUndoAvailable(); }

    // The application's current language, as the view is given it.
    Language language = LanguageOf(u"en");
    CQuillmark2View view { language };
};
