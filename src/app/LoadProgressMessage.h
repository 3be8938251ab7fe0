#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QStatusBar;

// How far the opening of a file has come, in the status bar, for a file
// that takes longer than a blink: "Opening name (40%)". The file goes into
// the view without a turn of the event loop, so the bar is painted at once
// when the figure changes (a few times a second at most); at the end the bar
// shows what it showed before.
class LoadProgressMessage : public QObject {
    Q_OBJECT
public:
    // Milliseconds on a clock that never goes back.
    using Clock = std::function<qint64()>;
    static qint64 SteadyMilliseconds();

    explicit LoadProgressMessage(QStatusBar* statusBar, Clock clock = SteadyMilliseconds);

    // 0 when the opening starts, 100 when it is over.
    void Show(const QString& fileName, int percent);

    // No message before the opening has taken this long, nor sooner than
    // this after the last: each repaints the whole window.
    static constexpr int blinkMs = 100;
    static constexpr int repaintMs = 250;

private:
    QStatusBar* m_statusBar;
    Clock m_clock;
    std::optional<qint64> m_startMs;
    qint64 m_shownMs = 0;
    int m_shownPercent = -1;
};
