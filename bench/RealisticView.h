#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"

#include <QFile>
#include <QString>

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
    RealisticView()
    {
        SetLanguage(u"en");
        view.LoadText(RealisticText());
    }
    CQuillmark2View view;
};
