#pragma once

#include "FindReplaceDialog.h"
#include "TextSearch.h"

#include <QObject>
#include <QPointer>

#include <optional>

class QPlainTextEdit;
class QWidget;

// Find, Replace and Find Next (F3) for the editor. The main window owns one and
// calls it from its commands. It keeps the one modeless dialog and the last
// search, and tells the user through the program's message box when a search
// finds nothing: "Cannot find "text"".
class FindReplace : public QObject {
    Q_OBJECT

public:
    FindReplace(QPlainTextEdit* editor, QWidget* parent);
    ~FindReplace() override;

    void ShowFind();
    void ShowReplace();
    // Repeats the last search, as it was, from the selection; opens the Find
    // dialog when there was none yet. Returns whether it found the text.
    bool FindNext();

    // The dialog once it has been shown, or null.
    FindReplaceDialog* dialog() const { return m_dialog; }

private:
    void Show(bool replaceMode);
    void ReportNotFound(const QString& findWhat);

    QPointer<QPlainTextEdit> m_editor;
    QPointer<QWidget> m_parent;
    QPointer<FindReplaceDialog> m_dialog;
    std::optional<SearchRequest> m_lastSearch;
};
