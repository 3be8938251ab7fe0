#pragma once

#include <QDialog>
#include <QString>
#include <QTextCharFormat>

#include <functional>

class MyEditCtrl;
class QPushButton;

// The doc-string editor: the text of one doc string, without its delimiters
// and indentation, in a plain text box above OK and Cancel.
//
// The String command sets m_charFormat and m_text, runs the dialog with exec()
// and, only when that returns QDialog::Accepted, reads m_text. The box keeps
// its selection while another control has the focus, and Undo works in it as
// in any text box.
class CStringDialog : public QDialog {
    Q_OBJECT

public:
    explicit CStringDialog(QWidget* parent = nullptr);

    void setVisible(bool visible) override;
    void accept() override;
    // Asks before a changed text is thrown away (MessageBoxAsk).
    void reject() override;

    // How the text shows: the editor's doc-string format, with the editor's
    // font set on it (the format's colour and font, where it sets them, over
    // the dialog's own).
    QTextCharFormat m_charFormat;
    // The text shown on opening and, after OK, as the user left it; lines are
    // separated by CR LF.
    QString m_text;
    // Asked on OK with the text as the user left it: what keeps it from being
    // written, or an empty string. OK then says so and the dialog stays open
    // with the text as it is.
    std::function<QString(const QString& text)> m_problemWith;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnInitDialog();
    void LayoutControls();

    MyEditCtrl* m_edit = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_initialised = false;
};
