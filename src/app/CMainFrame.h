#pragma once

#include "core/language/KeywordDictionary.h"
#include "editor/ProblemMarks.h"

#include <QMainWindow>
#include <QPoint>

#include <memory>

class CQuillmark2Doc;
class CQuillmark2View;
class CommandTable;
class DocumentManager;
class FindReplace;
class PrintController;
class ProblemsDock;
class QMenu;
class QToolBar;
class RecentFileList;
class RecoveryCopy;

// The program's one window: the menu bar, the "Standard" toolbar and the status
// bar around the view, which fills the rest. Menus, toolbar and the view's
// pop-up menu are built from one command table; the window owns the document
// and routes every way of opening a file onto the document manager's one road.
// It knows nothing of the application object: the Settings command is the
// application's, and goes out as a signal.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // The view works in `language`, the application's current one.
    CMainFrame(RecentFileList& recentFiles, Language& language, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CQuillmark2View* GetActiveView() const { return m_view; }
    CQuillmark2Doc* GetActiveDocument() const { return m_document; }
    CommandTable& Commands() const { return *m_commands; }
    DocumentManager& Documents() const { return *m_documents; }
    RecoveryCopy& Recovery() const { return *m_recovery; }

    // Runs the pop-up's update handlers, then opens it at `globalPos`.
    void ShowViewPopupMenu(const QPoint& globalPos);
    // "<file name> - Quillmark" with the modified mark.
    void UpdateTitle();

    // How long passing news of the document's (a reload, a UTF-16 file
    // saved as UTF-8) stays in the status bar.
    static constexpr int passingMessageMs = 5000;

signals:
    void settingsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Binds every command of the catalog to its handler; see CMainFrameCommands.cpp.
    void CreateCommands();
    // Find, Replace and printing, whose dialogs keep state between commands.
    void CreateDialogCommands();
    // F8 and Shift+F8, and the Problems list; see CMainFrameProblems.cpp.
    void CreateProblemCommands();
    void CreateProblemViews();
    // The caret to the first of the mark's characters, its message in the status bar.
    void GoToProblem(const ProblemMarks::Mark* mark);
    PrintController& Printer();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ShowTitle(QString name, bool modified);
    void ShowPassingMessage(const QString& text);
    void UpdateRecentFileMenu();
    // A drag or drop of local files, on the window or on the text: accepted,
    // and the first file opened as File Open does once the drop is over (this
    // window holds one document). False for anything else, which the text
    // takes as usual.
    bool TakeFileDrop(QEvent* event);
    // Runs the update handlers of the commands that the toolbar shows.
    void UpdateToolBar();

    RecentFileList& m_recentFiles;
    CQuillmark2View* m_view;
    CQuillmark2Doc* m_document;
    CommandTable* m_commands;
    DocumentManager* m_documents;
    RecoveryCopy* m_recovery;
    QMenu* m_viewPopup = nullptr;
    QMenu* m_fileMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QList<QAction*> m_recentFileActions;
    // Kept for the whole run: the last search and the chosen page setup hold
    // from one command to the next.
    FindReplace* m_findReplace = nullptr;
    std::unique_ptr<PrintController> m_printer;
    ProblemsDock* m_problemsDock = nullptr;
};
