#pragma once

#include <QString>

#include <functional>

class QWidget;

// The Open and Save As dialogs of feature files. Both go through replaceable
// handlers so that tests choose a path without a window. An empty result
// means the user cancelled.

inline const QString featureFileFilter = QStringLiteral("Feature files(*.feature);;All files (*)");
inline const QString featureFileExtension = QStringLiteral(".feature");

using FileDialogHandler = std::function<QString(const QString& suggestedPath)>;

// Install handlers (an empty one restores the real dialog); each returns the previous one.
FileDialogHandler SetOpenFileDialogHandler(FileDialogHandler handler);
FileDialogHandler SetSaveFileDialogHandler(FileDialogHandler handler);

QString AskOpenFileName(QWidget* parent, const QString& folder);
// Gives the chosen name the ".feature" extension when it has none.
QString AskSaveFileName(QWidget* parent, const QString& suggestedPath);
