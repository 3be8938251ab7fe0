#pragma once

#include "platform/GuardedPasteEdit.h"

// The doc-string dialog's text box: plain text without wrapping, where
// Return starts a new line. Every paste, a middle click and a drop included,
// inserts text read once through the clipboard layer (or from the drop) as
// one edit that one Undo takes back, so that a clipboard whose owner answers
// only once gives an empty paste instead of bringing the dialog down.
class MyEditCtrl : public GuardedPasteEdit {
    Q_OBJECT

public:
    explicit MyEditCtrl(QWidget* parent = nullptr);
};
