#include "OffInterfaceThread.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>

#include <memory>

void RunOffInterfaceThread(const std::function<void()>& work)
{
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create(work));
    // Queued, so that an end that comes before the loop runs still ends it.
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QGuiApplication::restoreOverrideCursor();
}
