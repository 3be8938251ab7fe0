#include "MessageBox.h"

#include "AppInfo.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>

#include <mutex>
#include <utility>

namespace {

MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

// Box texts carry file names, paths, file contents and the user's words: shown
// as rich text, a name or a first line could hold a live link that starts a
// program, or an image tag that loads a file.
void ShowPlainText(QMessageBox& box, const QString& text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

QMessageBox::StandardButton Show(MessageBoxKind kind, const QString& text, QWidget* parent)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(kind, text);

    QMessageBox box(QMessageBox::NoIcon, AppInfo::applicationName, QString(), QMessageBox::Ok, parent);
    switch (kind) {
    case MessageBoxKind::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageBoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageBoxKind::Ok:
    case MessageBoxKind::Question:
        break;
    }
    ShowPlainText(box, text);
    const int answer = box.exec();
    return kind == MessageBoxKind::YesNoCancel ? static_cast<QMessageBox::StandardButton>(answer)
                                               : QMessageBox::Ok;
}

// Sets the text format as a box is shown, before it measures its text.
class PlainTextOnShow : public QObject {
public:
    using QObject::QObject;

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                box->setTextFormat(Qt::PlainText);
        return false;
    }
};

} // namespace

void ShowEveryMessageBoxAsPlainText()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        QCoreApplication* application = QCoreApplication::instance();
        application->installEventFilter(new PlainTextOnShow(application));
    });
}

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

    QMessageBox box(
        QMessageBox::Question, AppInfo::applicationName, QString(), QMessageBox::NoButton, parent);
    ShowPlainText(box, text);
    QPushButton* acceptButton = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* rejectButton = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(acceptIsDefault ? acceptButton : rejectButton);
    box.setEscapeButton(rejectButton);
    box.exec();
    return box.clickedButton() == acceptButton;
}
