#pragma once

#include "TextSearch.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The modeless Find and Replace dialog over the editor. In find mode it offers
// Find Next; in replace mode also the replacement text, Replace and Replace All.
// It reports what it searched for and what it did not find, and leaves the
// telling of the user to its owner.
class FindReplaceDialog : public QDialog {
    Q_OBJECT

public:
    FindReplaceDialog(QPlainTextEdit* editor, bool replaceMode, QWidget* parent = nullptr);

    bool replaceMode() const { return m_replaceMode; }
    void setReplaceMode(bool replaceMode);

    // The request as the dialog's fields state it, and the other way round.
    SearchRequest request() const;
    void setRequest(const SearchRequest& request);

    void FindNext();
    void Replace();
    void ReplaceAll();

signals:
    // A search was run with this request (Find Next, Replace or Replace All).
    void searched(const SearchRequest& request);
    // The text to find is nowhere in the editor.
    void notFound(const QString& findWhat);

private:
    void UpdateButtons();

    QPointer<QPlainTextEdit> m_editor;
    bool m_replaceMode = false;
    QLineEdit* m_findWhat = nullptr;
    QLabel* m_replaceLabel = nullptr;
    QLineEdit* m_replaceWith = nullptr;
    QCheckBox* m_wholeWord = nullptr;
    QCheckBox* m_matchCase = nullptr;
    QRadioButton* m_up = nullptr;
    QRadioButton* m_down = nullptr;
    QPushButton* m_findNext = nullptr;
    QPushButton* m_replace = nullptr;
    QPushButton* m_replaceAll = nullptr;
};
