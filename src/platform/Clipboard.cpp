#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

bool CopyTextToClipboard(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(text);
    // Another program may own the clipboard, or the platform may refuse it;
    // only the text read back proves that the copy took.
    return clipboard->text() == text;
}

QString GetClipboardText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard == nullptr ? QString() : clipboard->text();
}

bool ClipboardHasText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard == nullptr ? nullptr : clipboard->mimeData();
    return data != nullptr && data->hasText();
}

QString GetSelectionText()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || !clipboard->supportsSelection())
        return {};
    return clipboard->text(QClipboard::Selection);
}

void WhenClipboardChanges(QObject* context, std::function<void()> action)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        QObject::connect(clipboard, &QClipboard::dataChanged, context, std::move(action));
}
