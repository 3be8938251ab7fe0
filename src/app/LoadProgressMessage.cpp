#include "LoadProgressMessage.h"

#include <QStatusBar>

LoadProgressMessage::LoadProgressMessage(QStatusBar* statusBar)
    : QObject(statusBar)
    , m_statusBar(statusBar)
{
}

void LoadProgressMessage::Show(const QString& fileName, int percent)
{
    if (percent <= 0) {
        m_sinceStart.start();
        return;
    }
    if (percent >= 100) {
        if (m_shownPercent >= 0)
            m_statusBar->clearMessage();
        m_shownPercent = -1;
        return;
    }
    if (percent == m_shownPercent || !m_sinceStart.isValid() || m_sinceStart.elapsed() < blinkMs)
        return;
    if (m_shownPercent >= 0 && m_sinceShown.elapsed() < repaintMs)
        return;
    m_shownPercent = percent;
    m_sinceShown.start();
    m_statusBar->showMessage(QStringLiteral("Opening %1 (%2%)").arg(fileName).arg(percent));
    m_statusBar->repaint();
}
