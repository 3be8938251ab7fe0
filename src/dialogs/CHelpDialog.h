#pragma once

#include <QDialog>

class QTextEdit;

// Which of the two built-in help texts a help dialog shows; the values are the
// selectors the commands have always used.
enum class HelpText {
    Editor = 1, // the Help command of the main window
    Table = 2, // the Help button of the table dialog
};

// The help dialog: one of the built-in help texts, read-only, and a Close button.
// The text is read anew from its RTF each time a dialog opens. Run it with exec().
class CHelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit CHelpDialog(HelpText which, QWidget* parent = nullptr);

private:
    QTextEdit* m_helpText = nullptr;
};
