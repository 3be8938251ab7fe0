#include "table/MyEditCtrl.h"

MyEditCtrl::MyEditCtrl(QWidget* parent)
    : GuardedPasteEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
}
