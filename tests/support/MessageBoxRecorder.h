#pragma once

#include "platform/MessageBox.h"

#include <QStringList>

#include <utility>

// While it lives, every message box is recorded and answered, none shown: questions get the answers
// queued in `answers`, then Cancel (of two answers, Yes is the first, anything else the second).
struct MessageBoxRecorder {
    MessageBoxRecorder()
        : previous(SetMessageBoxHandler([this](MessageBoxKind kind, const QString& text) {
            texts << text;
            kinds.push_back(kind);
            if (kind != MessageBoxKind::YesNoCancel && kind != MessageBoxKind::Question)
                return QMessageBox::Ok;
            return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
        }))
    {
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler(std::move(previous)); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    QStringList texts;
    std::vector<MessageBoxKind> kinds;
    QList<QMessageBox::StandardButton> answers;
    MessageBoxHandler previous;
};
