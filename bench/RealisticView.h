#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"

#include <QFile>
#include <QString>
#include <QTextCursor>

#include <benchmark/benchmark.h>

// The realistic 1998-line document as the editor reads it; empty when missing.
inline QString RealisticText()
{
    QFile file(QStringLiteral(QUILLMARK_SOURCE_DIR "/bench/data/realistic-1998.feature"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// A view showing the realistic document after its initial update, in English.
struct RealisticView {
    RealisticView() { view.LoadText(RealisticText()); }
    Language language = LanguageOf(u"en");
    CQuillmark2View view { language };
};

// Types `keystroke` at the cursor and takes it back with Backspace in turn;
// each iteration of `state` is one keystroke.
inline void TypeAndTakeBack(benchmark::State& state, QTextCursor& cursor, const QString& keystroke)
{
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            cursor.deletePreviousChar();
        else
            cursor.insertText(keystroke);
        typed = !typed;
    }
}
