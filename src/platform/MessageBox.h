#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// The program's message boxes. Every one goes through a replaceable handler, so
// that tests answer them without a window; nothing above this layer calls
// QMessageBox itself. The title is always the application's name, and the
// text is always shown as plain text, never as rich text.

enum class MessageBoxKind {
    Ok, // OK button only, no icon
    YesNoCancel, // a question with Yes, No and Cancel
    Error, // OK button only, with the critical icon
    Question, // two answers in the caller's words; a handler answers Yes for the first
};

// Receives the kind and the text, and answers with the button pressed.
using MessageBoxHandler
    = std::function<QMessageBox::StandardButton(MessageBoxKind kind, const QString& text)>;

// Makes the boxes that Qt's own dialogs show (the file dialog's question before
// it replaces a file, for one) plain text as well. Once the application object
// exists; calling it again does nothing.
void ShowEveryMessageBoxAsPlainText();

// Installs `handler` (an empty one restores the modal boxes) and returns the previous one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

void MessageBoxOk(const QString& text, QWidget* parent = nullptr);
QMessageBox::StandardButton MessageBoxYesNoCancel(const QString& text, QWidget* parent = nullptr);
void MessageBoxError(const QString& text, QWidget* parent = nullptr);
// A question with two answers in the caller's words: true for `accept`, false
// for `reject` or Escape. The default button is `accept` when `acceptIsDefault`.
bool MessageBoxAsk(const QString& text, const QString& accept, const QString& reject, bool acceptIsDefault,
    QWidget* parent = nullptr);
