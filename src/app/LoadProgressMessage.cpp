#include "LoadProgressMessage.h"

#include <QStatusBar>

#include <chrono>
#include <utility>

qint64 LoadProgressMessage::SteadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

LoadProgressMessage::LoadProgressMessage(QStatusBar* statusBar, Clock clock)
    : QObject(statusBar)
    , m_statusBar(statusBar)
    , m_clock(std::move(clock))
{
}

void LoadProgressMessage::Show(const QString& fileName, int percent)
{
    const qint64 now = m_clock();
    if (percent <= 0) {
        m_startMs = now;
        return;
    }
    if (percent >= 100) {
        if (m_shownPercent >= 0)
            m_statusBar->clearMessage();
        m_shownPercent = -1;
        return;
    }
    if (percent == m_shownPercent || !m_startMs || now - *m_startMs < blinkMs)
        return;
    if (m_shownPercent >= 0 && now - m_shownMs < repaintMs)
        return;
    m_shownPercent = percent;
    m_shownMs = now;
    m_statusBar->showMessage(QStringLiteral("Opening %1 (%2%)").arg(fileName).arg(percent));
    m_statusBar->repaint();
}
