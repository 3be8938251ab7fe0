#include "LockKeyIndicators.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {
// X11 core protocol modifier bits; Num Lock sits on Mod2 on every common layout.
constexpr quint32 x11LockMask = 1u << 1;
constexpr quint32 x11Mod2Mask = 1u << 4;

QLabel* AddPane(QStatusBar* statusBar, const QString& text)
{
    auto* pane = new QLabel(text, statusBar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
    pane->setEnabled(false);
    statusBar->addPermanentWidget(pane);
    return pane;
}
}

LockKeyIndicators::LockKeyIndicators(QStatusBar* statusBar)
    : QObject(statusBar)
    , m_caps(AddPane(statusBar, QStringLiteral("CAP")))
    , m_num(AddPane(statusBar, QStringLiteral("NUM")))
    , m_readsNativeModifiers(QGuiApplication::platformName() == QLatin1String("xcb"))
{
    AddPane(statusBar, QStringLiteral("SCRL"));
    if (m_readsNativeModifiers)
        QCoreApplication::instance()->installEventFilter(this);
}

void LockKeyIndicators::SetStates(bool capsLock, bool numLock)
{
    m_caps->setEnabled(capsLock);
    m_num->setEnabled(numLock);
}

bool LockKeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // The state is the one before this key; a press of the lock key itself
        // shows on the next key event.
        const quint32 modifiers = static_cast<QKeyEvent*>(event)->nativeModifiers();
        SetStates(modifiers & x11LockMask, modifiers & x11Mod2Mask);
    }
    return QObject::eventFilter(watched, event);
}
