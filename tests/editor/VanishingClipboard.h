#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

// Clipboard data whose owner answers one question and is gone: the platform
// then drops the data object, so any later question would reach an object
// that no longer exists. Here such a question is counted instead of crashing.
class OwnerAnswersOnce : public QMimeData {
public:
    static void Offer(const QString& text)
    {
        latecomers = 0;
        auto* data = new OwnerAnswersOnce;
        data->m_text = text;
        QGuiApplication::clipboard()->setMimeData(data);
    }

    // Questions that reached the data after its one answer.
    static inline int latecomers = 0;

    QStringList formats() const override { return Answer() ? QStringList { "text/plain" } : QStringList(); }

protected:
    QVariant retrieveData(const QString& type, QMetaType) const override
    {
        return Answer() && type.startsWith(u"text/plain") ? QVariant(m_text) : QVariant();
    }

private:
    bool Answer() const
    {
        if (std::exchange(m_answered, true)) {
            ++latecomers;
            return false;
        }
        // The platform learns of the owner's going at its next turn.
        QMetaObject::invokeMethod(
            QGuiApplication::clipboard(), [] { QGuiApplication::clipboard()->clear(); },
            Qt::QueuedConnection);
        return true;
    }

    QString m_text;
    mutable bool m_answered = false;
};
