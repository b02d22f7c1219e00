#include "SimThread.h"

#include "SimHttpServer.h"
#include "SimPtyServer.h"
#include "SimStation.h"

#include <QtCore/QMutexLocker>

SimThread::SimThread(const SimOptions &options, QObject *parent)
    : QThread(parent), m_options(options)
{
    m_station.reset(SimStation::create(options.type, options.modules, &m_error));
    if (m_station) {
        m_station->configure(options);
        m_station->moveToThread(this);
    }
}

SimThread::~SimThread()
{
    stopServing();
}

bool SimThread::startServing()
{
    if (!m_station)
        return false;
    QMutexLocker locker(&m_mutex);
    m_ready = false;
    start();
    while (!m_ready)
        m_readyCondition.wait(&m_mutex);
    return m_error.isEmpty();
}

void SimThread::stopServing()
{
    quit();
    wait();
}

void SimThread::run()
{
    SimHttpServer http(m_station.get());
    SimPtyServer pty(m_station.get());
    QString error;
    if (m_options.httpEnabled && !http.listen(m_options.httpAddress, m_options.httpPort))
        error = QStringLiteral("cannot listen for HTTP: %1").arg(http.errorString());
    pty.setBaudRate(m_options.baud);
    if (error.isEmpty() && m_options.ptyEnabled && !pty.open(m_options.ptyLink))
        error = QStringLiteral("cannot open a pty: %1").arg(pty.errorString());
    {
        QMutexLocker locker(&m_mutex);
        m_httpPort = http.port();
        m_slavePath = pty.slavePath();
        m_error = error;
        m_ready = true;
        m_readyCondition.wakeAll();
    }
    if (error.isEmpty())
        exec();
}

SimStation *SimThread::station() const
{
    return m_station.get();
}

quint16 SimThread::httpPort() const
{
    QMutexLocker locker(&m_mutex);
    return m_httpPort;
}

QString SimThread::slavePath() const
{
    QMutexLocker locker(&m_mutex);
    return m_slavePath;
}

QString SimThread::errorString() const
{
    QMutexLocker locker(&m_mutex);
    return m_error;
}
