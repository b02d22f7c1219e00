#include "comm/RYXConnection.h"

#include "app/StartupFlags.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnectionThread.h"
#include "comm/ZEMPPort.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"
#include "model/events/QAsyncCustomEvent.h"
#include "model/events/QSyncCustomEvent.h"
#include "model/events/updateUIEnableStateEvent.h"
#include "stations/RYXInterfaceModule.h"

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
    : QObject(parent), m_device(device), m_created(QDateTime::currentDateTime())
{
    // Only an interface module can ever leave the offline state.
    if (qobject_cast<RYXInterfaceModule *>(device)) {
        m_workerAttached = true;
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
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        // Sticky while stopping: every further point transfer gives up.
        m_cancelRequested = true;
        m_wake.wakeAll();
    }
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

bool RYXConnection::isStopping() const
{
    QMutexLocker lock(&m_mutex);
    return m_stopping;
}

bool RYXConnection::hasWorkLocked() const
{
    if (m_stopping || m_uiUpdate)
        return true;
    switch (m_state) {
    case Offline:
        return m_connectRequested || m_disconnectRequested;
    case Online:
        return m_disconnectRequested || !m_pendingOperation.isEmpty();
    default:
        // Seeking: the worker decides how long to pause between attempts.
        return m_disconnectRequested;
    }
}

void RYXConnection::waitForWork(int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    QDeadlineTimer deadline(timeoutMs); // -1: never expires
    while (!hasWorkLocked() && !deadline.hasExpired())
        m_wake.wait(&m_mutex, deadline);
}

int RYXConnection::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void RYXConnection::setState(int state)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_state == state)
            return;
        m_state = state;
    }
    Q_EMIT stateChanged(state);
}

void RYXConnection::requestConnect(bool uploadAfterConnect)
{
    {
        QMutexLocker lock(&m_mutex);
        m_disconnectRequested = false;
        m_connectRequested = true;
        m_uploadAfterConnect = uploadAfterConnect;
        m_wake.wakeAll();
    }
}

void RYXConnection::requestDisconnect()
{
    {
        QMutexLocker lock(&m_mutex);
        m_connectRequested = false;
        m_disconnectRequested = true;
        m_wake.wakeAll();
    }
    if (!hasWorker())
        serviceRequests();
}

void RYXConnection::connectSlot(bool uploadAfterConnect)
{
    // Without a worker the request is only recorded for one attached later.
    if (!m_worker) {
        requestConnect(uploadAfterConnect);
        return;
    }
    auto *station = qobject_cast<RYXInterfaceModule *>(m_device.data());
    const unsigned transports = RYXInterfaceModule::TransportRS232 | RYXInterfaceModule::TransportTCPIP;
    if (!station || !(station->getTransportMask() & transports)) {
        CommsSetup::showError(QStringLiteral("You cannot connect to a device that is not an Interface Module!"));
        return;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_disconnectRequested = false;
    }
    if (RYXEventReceiver *receiver = getEventReceiver())
        QAsyncCustomEvent::post(receiver->eventTarget(), new updateUIEnableStateEvent(station));
    if (!getPort() && !CommsSetup(this, station).run())
        return;
    ZEMPPort *port = getPort();
    if (!port || !port->openPort()) {
        CommsSetup::showError(QStringLiteral("Failed to open COM port, it may be in use."));
        return;
    }
    requestConnect(uploadAfterConnect);
}

void RYXConnection::configureCommsSlot()
{
    if (ZEMPPort *port = getPort(); port && port->isPortOpen())
        return;
    auto *station = qobject_cast<RYXInterfaceModule *>(m_device.data());
    if (!station)
        return;
    CommsSetup(this, station).run();
    requestUiUpdate();
}

void RYXConnection::disconnectSlot()
{
    requestDisconnect();
}

bool RYXConnection::isConnectRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_connectRequested;
}

bool RYXConnection::isDisconnectRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_disconnectRequested;
}

bool RYXConnection::isUploadAfterConnect() const
{
    QMutexLocker lock(&m_mutex);
    return m_uploadAfterConnect;
}

bool RYXConnection::takeConnectRequest()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_connectRequested, false);
}

bool RYXConnection::takeUploadAfterConnect()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_uploadAfterConnect, false);
}

void RYXConnection::setPendingOperation(RYXObject *object, const QString &op)
{
    QMutexLocker lock(&m_mutex);
    m_pendingTarget = object;
    m_pendingOperation = op;
    m_wake.wakeAll();
}

QString RYXConnection::pendingOperation(RYXObject **object) const
{
    QMutexLocker lock(&m_mutex);
    if (object)
        *object = m_pendingTarget;
    return m_pendingOperation;
}

void RYXConnection::clearPendingOperation()
{
    setPendingOperation(nullptr, QString());
}

void RYXConnection::setCancelRequested(bool cancel)
{
    QMutexLocker lock(&m_mutex);
    m_cancelRequested = cancel || m_stopping;
}

bool RYXConnection::isCancelRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_cancelRequested;
}

bool RYXConnection::takeUiUpdate()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_uiUpdate, false);
}

void RYXConnection::requestUiUpdate()
{
    QMutexLocker lock(&m_mutex);
    m_uiUpdate = true;
    m_wake.wakeAll();
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

RYXSysManager *RYXConnection::getSysManager() const
{
    QMutexLocker lock(&m_mutex);
    return m_sysManager;
}

void RYXConnection::setSysManager(RYXSysManager *manager)
{
    QMutexLocker lock(&m_mutex);
    m_sysManager = manager;
}

RYXEventReceiver *RYXConnection::getEventReceiver() const
{
    QMutexLocker lock(&m_mutex);
    return m_eventReceiver;
}

void RYXConnection::setEventReceiver(RYXEventReceiver *receiver)
{
    QMutexLocker lock(&m_mutex);
    m_eventReceiver = receiver;
    // The tree item shows the state once there is someone to show it.
    m_uiUpdate = true;
    m_wake.wakeAll();
}

bool RYXConnection::hasWorker() const
{
    QMutexLocker lock(&m_mutex);
    return m_workerAttached;
}

void RYXConnection::setWorkerAttached(bool attached)
{
    QMutexLocker lock(&m_mutex);
    m_workerAttached = attached;
}

void RYXConnection::serviceRequests()
{
    bool disconnect = false;
    {
        QMutexLocker lock(&m_mutex);
        if (m_state == Offline && m_connectRequested) {
            m_connectRequested = false;
            m_uiUpdate = true;
            lock.unlock();
            setState(Seeking);
            return;
        }
        disconnect = m_state != Offline && m_disconnectRequested;
        // A disconnect asked for while already offline is simply done.
        if (m_state == Offline)
            m_disconnectRequested = false;
    }
    if (disconnect)
        disconnectDevice();
}

void RYXConnection::disconnectDevice()
{
    if (ZEMPPort *port = getPort())
        port->closePort();
    {
        QMutexLocker lock(&m_mutex);
        m_disconnectRequested = false;
        m_uiUpdate = true;
    }
    if (m_device)
        m_device->setOnline(false);
    setState(Offline);
}

void RYXConnection::attachDeviceToTree()
{
    if (m_device)
        m_device->initialize(nullptr);
}
