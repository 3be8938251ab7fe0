#pragma once

#include <QPlainTextEdit>

// The doc-string dialog's text box: plain text without wrapping, where
// Return starts a new line.
//
// Every paste takes the clipboard's text through the clipboard layer and
// inserts it as one edit that one Undo takes back. The box never reads the
// clipboard's data itself: a clipboard whose owner answers only once then
// gives an empty paste instead of bringing the dialog down. For the same
// reason nothing can be dropped into the box, and the middle button pastes
// nothing.
class MyEditCtrl : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MyEditCtrl(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
