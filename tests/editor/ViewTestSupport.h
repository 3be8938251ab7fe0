#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "platform/MessageBox.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// Lines joined by CR LF, as the view gives its whole text out.
inline QString Crlf(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// What the highlighter painted at one character of one line: its colour and
// whether it is italic. A character outside every painted range reads as
// unpainted (an invalid colour).
struct Paint {
    QColor colour;
    bool italic = false;
};

inline Paint PaintAt(const CQuillmark2View& view, int line, int column)
{
    const QTextBlock block = view.document()->findBlockByNumber(line);
    Paint paint;
    if (!block.isValid() || block.layout() == nullptr)
        return paint;
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (column >= range.start && column < range.start + range.length) {
            if (range.format.hasProperty(QTextFormat::ForegroundBrush))
                paint.colour = range.format.foreground().color();
            paint.italic = range.format.fontItalic();
        }
    }
    return paint;
}

// Every message box shown while it lives is recorded and answered, none shown.
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        previous_ = SetMessageBoxHandler([this, answer](MessageBoxKind kind, const QString& text) {
            shown.emplace_back(kind, text);
            return answer;
        });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler(std::move(previous_)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<std::pair<MessageBoxKind, QString>> shown;

private:
    MessageBoxHandler previous_;
};

// A view showing `text` after its initial update, in English.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SetLanguage(u"en")); }

    void Show(const QString& text)
    {
        view.SetWholeText(text);
        view.OnInitialUpdate();
    }

    QString Selected() const { return view.textCursor().selectedText(); }

    CQuillmark2View view;
};
