#include "MessageBox.h"

#include "AppInfo.h"

#include <QPushButton>
#include <QWidget>

#include <utility>

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::StandardButton Show(MessageBoxKind kind, const QString& text, QWidget* parent)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(kind, text);

    const QString& title = AppInfo::applicationName;
    switch (kind) {
    case MessageBoxKind::YesNoCancel:
        return QMessageBox::question(
            parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    case MessageBoxKind::Error:
        return QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    case MessageBoxKind::Ok:
    case MessageBoxKind::Question:
        break;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
    return QMessageBox::Ok;
}

} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}

void MessageBoxOk(const QString& text, QWidget* parent)
{
    Show(MessageBoxKind::Ok, text, parent);
}

QMessageBox::StandardButton MessageBoxYesNoCancel(const QString& text, QWidget* parent)
{
    return Show(MessageBoxKind::YesNoCancel, text, parent);
}

void MessageBoxError(const QString& text, QWidget* parent)
{
    Show(MessageBoxKind::Error, text, parent);
}

bool MessageBoxAsk(
    const QString& text, const QString& accept, const QString& reject, bool acceptIsDefault, QWidget* parent)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(MessageBoxKind::Question, text) == QMessageBox::Yes;

    QMessageBox box(QMessageBox::Question, AppInfo::applicationName, text, QMessageBox::NoButton, parent);
    QPushButton* acceptButton = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* rejectButton = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(acceptIsDefault ? acceptButton : rejectButton);
    box.setEscapeButton(rejectButton);
    box.exec();
    return box.clickedButton() == acceptButton;
}
