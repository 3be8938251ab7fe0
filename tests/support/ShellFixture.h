#pragma once

#include "app/CMainFrame.h"
#include "app/CQuillmark2App.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "document/CQuillmark2Doc.h"
#include "document/DocumentManager.h"
#include "document/FileDialogs.h"
#include "editor/CQuillmark2View.h"
#include "support/DialogAnswers.h"
#include "support/FileBytes.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <memory>

using namespace CommandId;

// A running application in a sandbox: settings, files and application data (recovery
// copies among it) in one temporary folder; message boxes and file dialogs answered by the test.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_sandbox.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_sandbox.filePath("settings"));
        m_previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_sandbox.filePath("data")));
        SetOpenFileDialogHandler([this](const QString&) { return m_openChoice; });
        SetSaveFileDialogHandler([this](const QString&) { return m_saveChoice; });
    }

    void TearDown() override
    {
        m_app.reset();
        SetOpenFileDialogHandler({});
        SetSaveFileDialogHandler({});
        qputenv("XDG_DATA_HOME", m_previousDataHome);
    }

    void StartApp(const QStringList& arguments = {})
    {
        m_app.reset();
        m_app = std::make_unique<CQuillmark2App>();
        ASSERT_TRUE(m_app->InitInstance(QStringList { "quillmark2" } + arguments));
    }

    CMainFrame& Frame() const { return *m_app->GetMainFrame(); }
    CQuillmark2View& View() const { return *Frame().GetActiveView(); }
    CQuillmark2Doc& Doc() const { return *Frame().GetActiveDocument(); }
    QString Text() const { return View().WholeText(); }
    QString Status() const { return Frame().statusBar()->currentMessage(); }

    bool Enabled(int id) const
    {
        Frame().Commands().Update({ Frame().Commands().Action(id) });
        return Frame().Commands().Action(id)->isEnabled();
    }
    // Chooses the command as the user would; false when it is disabled.
    bool Execute(int id) const
    {
        if (!Enabled(id))
            return false;
        Frame().Commands().Action(id)->trigger();
        return true;
    }
    // The items of a menu of the menu bar, or the bar's own command of that title.
    QList<QAction*> MenuActions(const QString& title) const
    {
        for (QAction* bar : Frame().menuBar()->actions())
            if (bar->text() == title)
                return bar->menu() ? bar->menu()->actions() : QList<QAction*> { bar };
        return {};
    }
    QAction* RecentAction(int index) const
    {
        for (QAction* action : MenuActions("&File"))
            if (action->data().toInt() == ID_FILE_MRU_FILE1 + index && action->isVisible())
                return action;
        return nullptr;
    }
    QString RecentEntry(int index) const { return RecentAction(index) ? RecentAction(index)->text() : ""; }

    QString FilePath(const QString& name) const { return m_sandbox.filePath(name); }
    // A path as the user reads it in a message or a menu.
    QString Shown(const QString& name) const { return QDir::toNativeSeparators(FilePath(name)); }
    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        EXPECT_TRUE(WriteBytes(FilePath(name), bytes)) << name.toStdString();
        return FilePath(name);
    }
    // Writes the file and opens it in the running window, as File Open would.
    QString OpenFile(const QString& name, const QByteArray& bytes) const
    {
        EXPECT_TRUE(Frame().Documents().OpenDocumentFile(WriteFile(name, bytes))) << name.toStdString();
        return FilePath(name);
    }

    // Types at the end of the text, giving the whole text after.
    QString TypeAtEnd(const QString& text) const
    {
        View().moveCursor(QTextCursor::End);
        View().textCursor().insertText(text);
        return Text();
    }
    void PutCaretOnLine(int line) const
    {
        View().setTextCursor(QTextCursor(View().document()->findBlockByNumber(line)));
    }

    MessageBoxRecorder m_boxes;
    std::unique_ptr<CQuillmark2App> m_app;
    QTemporaryDir m_sandbox;
    QString m_openChoice;
    QString m_saveChoice;

private:
    QByteArray m_previousDataHome;
};
