#pragma once

#include "comm/CVELException.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEventLoop>
#include <QtCore/QThread>
#include <QtCore/QTimer>

#include <functional>

/// Runs \a work on a worker thread, as the connection thread does, while
/// the calling thread serves the socket and the posted events. Returns
/// work's result (-100 when it threw). A worker still running after 30 s
/// aborts the test: its work refers to the caller's state.
inline int runOnWorker(const std::function<int()> &work)
{
    int result = -100;
    QString failure;
    QThread *worker = QThread::create([&] {
        try {
            result = work();
        } catch (const CVELException &e) {
            failure = e.message();
        }
    });
    // The finished signal is queued to this loop, so a worker that ends
    // before exec() starts still ends the loop.
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    if (!worker->wait(5000))
        qFatal("worker: did not finish");
    delete worker;
    QCoreApplication::processEvents(); // the last posted results
    if (!failure.isEmpty())
        qWarning("worker: %s", qPrintable(failure));
    return result;
}
