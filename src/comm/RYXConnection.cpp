#include "comm/RYXConnection.h"

#include "comm/ZEMPPort.h"
#include "model/RYXObject.h"

#include <QtCore/QMutexLocker>

RYXConnection::RYXConnection(RYXObject *device, QObject *parent)
    : QObject(parent), m_device(device), m_created(QDateTime::currentDateTime())
{
}

RYXConnection::~RYXConnection()
{
    delete m_port;
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
    }
}

void RYXConnection::requestDisconnect()
{
    {
        QMutexLocker lock(&m_mutex);
        m_connectRequested = false;
        m_disconnectRequested = true;
    }
    if (!hasWorker())
        serviceRequests();
}

void RYXConnection::connectSlot(bool uploadAfterConnect)
{
    requestConnect(uploadAfterConnect);
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
    m_cancelRequested = cancel;
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
