#pragma once

#include <QLabel>

class CQuillmark2View;

// The status bar's pane of the caret's place, "Ln 12, Col 5", following the
// caret of the view; columns count as the view shows them.
class CaretPositionPane : public QLabel {
    Q_OBJECT
public:
    CaretPositionPane(const CQuillmark2View& view, QWidget* parent);

private:
    void ShowCaretPosition();
    int WidthFor(const QString& text) const;

    const CQuillmark2View& m_view;
    // The longest text known to fit.
    qsizetype m_fitting = 0;
};
