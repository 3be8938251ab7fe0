#pragma once

#include "grid/WideCharacters.h"

#include <QSyntaxHighlighter>

class QTextDocument;

// Draws the wide characters of a text box two columns of its fixed-pitch font
// wide (CWideCharacters), as the editor does.
class WideCharacterHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    WideCharacterHighlighter(QTextDocument* document, const QFont& font);

protected:
    void highlightBlock(const QString& text) override;

private:
    CWideCharacters m_wide;
};
