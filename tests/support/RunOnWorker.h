#pragma once

#include "comm/CVELException.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QThread>
#include <QtTest/QSignalSpy>

#include <functional>

/// Runs \a work on a worker thread, as the connection thread does, while
/// the calling thread serves the socket and the posted events. Returns
/// work's result (-100 when it threw or did not finish in time).
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
    QSignalSpy done(worker, &QThread::finished);
    worker->start();
    const bool finished = done.wait(30000);
    worker->wait();
    delete worker;
    QCoreApplication::processEvents(); // the last posted results
    if (!finished || !failure.isEmpty())
        qWarning("worker: %s", finished ? qPrintable(failure) : "did not finish");
    return result;
}
