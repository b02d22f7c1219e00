// Runs a benchmark's transfers on a worker thread, as the connection thread
// does, while the calling thread serves the sockets and the posted events.
#pragma once

#include <QtCore/QEventLoop>
#include <QtCore/QThread>

#include <functional>

inline void runOnWorker(const std::function<void()> &work)
{
    QThread *worker = QThread::create(work);
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
}
