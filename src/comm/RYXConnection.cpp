#include "comm/RYXConnection.h"

#include "comm/CommsSetup.h"
#include "comm/RYXConnectionThread.h"
#include "comm/ZEMPPort.h"
#include "core/StartupFlags.h"
#include "model/events/QAsyncCustomEvent.h"
#include "model/events/QSyncCustomEvent.h"
#include "model/events/updateUIEnableStateEvent.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDeadlineTimer>
#include <QtCore/QMutexLocker>

namespace {
// How long destruction waits for the worker to finish.
constexpr int GracePeriodMs = 2500;
// Slices of that wait, between which message boxes the worker already
// posted are answered (it would otherwise wait for them forever).
constexpr int GraceSliceMs = 10;
} // namespace

RYXConnection::RYXConnection(RYXObject *device, QObject *parent)
    : RYXConnectionBase(device, parent)
{
    // Only a device reached over some transport can ever leave the offline state.
    if (device && device->getTransportMask() != 0) {
        setWorkerAttached(true);
        m_worker = new RYXConnectionThread(this);
        m_worker->start();
    }
}

RYXConnection::~RYXConnection()
{
    stopWorker();
    delete m_port;
}

void RYXConnection::stopWorker()
{
    if (!m_worker)
        return;
    markStopping();
    QDeadlineTimer grace(GracePeriodMs);
    bool ended = false;
    while (!ended && !grace.hasExpired())
        ended = releaseWorker();
    if (ended) {
        debugPrint(QStringLiteral("RYXConnection::~RYXConnection - Thread seems to be shutdown"));
    } else {
        // Terminating a thread that may hold a lock is never safe; waiting
        // is, since every wait of the worker ends once the port is closed.
        debugPrint(QStringLiteral("RYXConnection::~RYXConnection - Thread failed to shutdown in time, still waiting"));
        while (!ended)
            ended = releaseWorker();
    }
    delete m_worker;
    m_worker = nullptr;
}

bool RYXConnection::releaseWorker()
{
    // Closing the port fails the transaction the worker waits for; closing
    // it again catches one that started after the previous close.
    if (ZEMPPort *port = getPort())
        port->closePort();
    if (m_worker->wait(GraceSliceMs))
        return true;
    QCoreApplication::sendPostedEvents(nullptr, QSyncCustomEvent::Type);
    return false;
}

void RYXConnection::connectSlot(bool uploadAfterConnect)
{
    // Without a worker the request is only recorded for one attached later.
    if (!m_worker) {
        requestConnect(uploadAfterConnect);
        return;
    }
    RYXObject *station = getDevice();
    const unsigned transports = RYXObject::TransportRS232 | RYXObject::TransportTCPIP;
    if (!station || !(station->getTransportMask() & transports)) {
        CommsSetup::showError(tr("You cannot connect to a device that is not an Interface Module!"));
        return;
    }
    clearDisconnectRequest();
    if (RYXEventReceiver *receiver = getEventReceiver())
        QAsyncCustomEvent::post(receiver->eventTarget(), new updateUIEnableStateEvent(station));
    if (!getPort() && !CommsSetup(this, station).run())
        return;
    ZEMPPort *port = getPort();
    if (!port || !port->openPort()) {
        CommsSetup::showError(tr("Failed to open COM port, it may be in use."));
        return;
    }
    requestConnect(uploadAfterConnect);
}

void RYXConnection::configureCommsSlot()
{
    if (ZEMPPort *port = getPort(); port && port->isPortOpen())
        return;
    RYXObject *station = getDevice();
    if (!station || station->getTransportMask() == 0)
        return;
    CommsSetup(this, station).run();
    requestUiUpdate();
}

ZEMPPort *RYXConnection::getPort() const
{
    QMutexLocker lock(&m_mutex);
    return m_port;
}

void RYXConnection::setPort(ZEMPPort *port)
{
    ZEMPPort *old = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        old = std::exchange(m_port, port);
    }
    if (old != port)
        delete old;
}

int RYXConnection::comPortNumber() const
{
    QMutexLocker lock(&m_mutex);
    return m_comPort;
}

void RYXConnection::setComPortNumber(int number)
{
    QMutexLocker lock(&m_mutex);
    m_comPort = number;
}

QString RYXConnection::ipAddress() const
{
    QMutexLocker lock(&m_mutex);
    return m_ipAddress;
}

void RYXConnection::setIpAddress(const QString &address)
{
    QMutexLocker lock(&m_mutex);
    m_ipAddress = address;
}

void RYXConnection::disconnectDevice()
{
    if (ZEMPPort *port = getPort())
        port->closePort();
    RYXConnectionBase::disconnectDevice();
}
