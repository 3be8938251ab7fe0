#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include <utility>

namespace {
FileDialogHandler& OpenHandler()
{
    static FileDialogHandler handler;
    return handler;
}

FileDialogHandler& SaveHandler()
{
    static FileDialogHandler handler;
    return handler;
}
}

FileDialogHandler SetOpenFileDialogHandler(FileDialogHandler handler)
{
    return std::exchange(OpenHandler(), std::move(handler));
}

FileDialogHandler SetSaveFileDialogHandler(FileDialogHandler handler)
{
    return std::exchange(SaveHandler(), std::move(handler));
}

QString AskOpenFileName(QWidget* parent, const QString& folder)
{
    if (OpenHandler())
        return OpenHandler()(folder);
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), folder, featureFileFilter);
}

QString AskSaveFileName(QWidget* parent, const QString& suggestedPath)
{
    QString path;
    if (SaveHandler()) {
        path = SaveHandler()(suggestedPath);
    } else {
        QFileDialog dialog(parent, QStringLiteral("Save As"), suggestedPath, featureFileFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(featureFileExtension.mid(1));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().constFirst();
    }
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += featureFileExtension;
    return path;
}
