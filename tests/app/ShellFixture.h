#pragma once

#include "app/CMainFrame.h"
#include "app/CQuillmark2App.h"
#include "app/CQuillmark2Doc.h"
#include "app/CommandIds.h"
#include "app/CommandTable.h"
#include "app/DocumentManager.h"
#include "app/FileDialogs.h"
#include "core/language/KeywordDictionary.h"
#include "editor/CQuillmark2View.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace CommandId;

// Runs `action` on the first modal dialog of type Dialog once it is up.
template <typename Dialog> void WhenModal(std::function<void(Dialog&)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        action(*dialog);
    });
    poll->start(0);
}

// A running application in a sandbox: settings and files in temporary folders,
// message boxes and file dialogs answered by the test.
class ShellFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_settingsDir.isValid() && m_filesDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        m_previousBox = SetMessageBoxHandler([this](MessageBoxKind kind, const QString& text) {
            m_messages.append(text);
            if (kind != MessageBoxKind::YesNoCancel)
                return QMessageBox::Ok;
            ++m_questions;
            return m_answers.isEmpty() ? QMessageBox::Cancel : m_answers.takeFirst();
        });
        m_previousOpen = SetOpenFileDialogHandler([this](const QString&) { return m_openChoice; });
        m_previousSave = SetSaveFileDialogHandler([this](const QString&) { return m_saveChoice; });
    }

    void TearDown() override
    {
        m_app.reset();
        SetMessageBoxHandler(m_previousBox);
        SetOpenFileDialogHandler(m_previousOpen);
        SetSaveFileDialogHandler(m_previousSave);
        ResetLanguage();
    }

    // The dictionary's current language is program-wide; the next start begins from the default.
    static void ResetLanguage()
    {
        currentLanguageCode = u"en";
        SetLanguage(currentLanguageCode);
    }

    void StartApp(const QStringList& arguments = {})
    {
        m_app = std::make_unique<CQuillmark2App>();
        ASSERT_TRUE(m_app->InitInstance(QStringList { QStringLiteral("quillmark2") } + arguments));
    }

    // Exit, which stores the settings, and start again in the same sandbox.
    void Restart()
    {
        m_app->ExitInstance();
        m_app.reset();
        ResetLanguage();
        StartApp();
    }

    CMainFrame& Frame() const { return *m_app->GetMainFrame(); }
    CQuillmark2View& View() const { return *Frame().GetActiveView(); }
    CQuillmark2Doc& Doc() const { return *Frame().GetActiveDocument(); }

    bool Enabled(int id) const
    {
        CommandTable& commands = Frame().Commands();
        commands.Update({ commands.Action(id) });
        return commands.Action(id)->isEnabled();
    }

    QString FilePath(const QString& name) const { return QDir(m_filesDir.path()).filePath(name); }

    QString WriteFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(FilePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void TypeAtEnd(const QString& text) const
    {
        View().moveCursor(QTextCursor::End);
        View().textCursor().insertText(text);
    }

    void PutCaretOnLine(int line) const
    {
        View().setTextCursor(QTextCursor(View().document()->findBlockByNumber(line)));
    }

    std::unique_ptr<CQuillmark2App> m_app;
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_filesDir;
    QStringList m_messages;
    QList<QMessageBox::StandardButton> m_answers;
    int m_questions = 0;
    QString m_openChoice;
    QString m_saveChoice;

private:
    MessageBoxHandler m_previousBox;
    FileDialogHandler m_previousOpen;
    FileDialogHandler m_previousSave;
};
