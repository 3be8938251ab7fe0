#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes of the status bar. Qt has no query for the lock
// keys, so the panes follow what key events carry: on X11 the native modifier
// state of every key event holds Caps Lock and Num Lock. A pane is drawn
// enabled while its lock is on and greyed while it is off or unknown; Scroll
// Lock is never reported and stays grey.
class LockKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit LockKeyIndicators(QStatusBar* statusBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetStates(bool capsLock, bool numLock);

    QLabel* m_caps;
    QLabel* m_num;
    bool m_readsNativeModifiers;
};
