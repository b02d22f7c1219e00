#include "model/RYXConnectionBase.h"

#include "model/RYXObject.h"

#include <QtCore/QDeadlineTimer>
#include <QtCore/QMutexLocker>

RYXConnectionBase::RYXConnectionBase(RYXObject *device, QObject *parent)
    : QObject(parent), m_device(device), m_created(QDateTime::currentDateTime())
{
}

RYXConnectionBase::~RYXConnectionBase() = default;

void RYXConnectionBase::markStopping()
{
    QMutexLocker lock(&m_mutex);
    m_stopping = true;
    // Sticky while stopping: every further point transfer gives up.
    m_cancelRequested = true;
    m_wake.wakeAll();
}

bool RYXConnectionBase::isStopping() const
{
    QMutexLocker lock(&m_mutex);
    return m_stopping;
}

bool RYXConnectionBase::hasWorkLocked() const
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

void RYXConnectionBase::waitForWork(int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    QDeadlineTimer deadline(timeoutMs); // -1: never expires
    while (!hasWorkLocked() && !deadline.hasExpired())
        m_wake.wait(&m_mutex, deadline);
}

int RYXConnectionBase::state() const
{
    QMutexLocker lock(&m_mutex);
    return m_state;
}

void RYXConnectionBase::setState(int state)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_state == state)
            return;
        m_state = state;
    }
    Q_EMIT stateChanged(state);
}

void RYXConnectionBase::requestConnect(bool uploadAfterConnect)
{
    QMutexLocker lock(&m_mutex);
    m_disconnectRequested = false;
    m_connectRequested = true;
    m_uploadAfterConnect = uploadAfterConnect;
    m_wake.wakeAll();
}

void RYXConnectionBase::requestDisconnect()
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

void RYXConnectionBase::connectSlot(bool uploadAfterConnect)
{
    requestConnect(uploadAfterConnect);
}

void RYXConnectionBase::configureCommsSlot()
{
}

void RYXConnectionBase::disconnectSlot()
{
    requestDisconnect();
}

bool RYXConnectionBase::isConnectRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_connectRequested;
}

bool RYXConnectionBase::isDisconnectRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_disconnectRequested;
}

bool RYXConnectionBase::isUploadAfterConnect() const
{
    QMutexLocker lock(&m_mutex);
    return m_uploadAfterConnect;
}

void RYXConnectionBase::clearDisconnectRequest()
{
    QMutexLocker lock(&m_mutex);
    m_disconnectRequested = false;
}

bool RYXConnectionBase::takeConnectRequest()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_connectRequested, false);
}

bool RYXConnectionBase::takeUploadAfterConnect()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_uploadAfterConnect, false);
}

void RYXConnectionBase::setPendingOperation(RYXObject *object, const QString &op)
{
    QMutexLocker lock(&m_mutex);
    m_pendingTarget = object;
    m_pendingOperation = op;
    ++m_pendingSerial;
    m_wake.wakeAll();
}

QString RYXConnectionBase::pendingOperation(RYXObject **object, quint64 *serial) const
{
    QMutexLocker lock(&m_mutex);
    if (object)
        *object = m_pendingTarget;
    if (serial)
        *serial = m_pendingSerial;
    return m_pendingOperation;
}

void RYXConnectionBase::clearPendingOperation()
{
    setPendingOperation(nullptr, QString());
}

void RYXConnectionBase::clearPendingOperation(quint64 serial)
{
    QMutexLocker lock(&m_mutex);
    if (serial != m_pendingSerial)
        return;
    m_pendingTarget = nullptr;
    m_pendingOperation.clear();
}

void RYXConnectionBase::setCancelRequested(bool cancel)
{
    QMutexLocker lock(&m_mutex);
    m_cancelRequested = cancel || m_stopping;
}

bool RYXConnectionBase::isCancelRequested() const
{
    QMutexLocker lock(&m_mutex);
    return m_cancelRequested;
}

void RYXConnectionBase::beginTransfer()
{
    QMutexLocker lock(&m_mutex);
    if (m_transferDepth++ == 0) {
        m_cancelRequested = m_stopping;
        m_progressCounted = false;
        m_progressStep = 0;
    }
}

bool RYXConnectionBase::claimProgressCount()
{
    QMutexLocker lock(&m_mutex);
    return !std::exchange(m_progressCounted, true);
}

int RYXConnectionBase::nextProgressStep()
{
    QMutexLocker lock(&m_mutex);
    return ++m_progressStep;
}

void RYXConnectionBase::endTransfer()
{
    QMutexLocker lock(&m_mutex);
    if (m_transferDepth > 0 && --m_transferDepth == 0)
        m_cancelRequested = m_stopping;
}

bool RYXConnectionBase::takeUiUpdate()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_uiUpdate, false);
}

void RYXConnectionBase::requestUiUpdate()
{
    QMutexLocker lock(&m_mutex);
    m_uiUpdate = true;
    m_wake.wakeAll();
}

ZEMPPort *RYXConnectionBase::getPort() const
{
    return nullptr;
}

RYXSysManager *RYXConnectionBase::getSysManager() const
{
    QMutexLocker lock(&m_mutex);
    return m_sysManager;
}

void RYXConnectionBase::setSysManager(RYXSysManager *manager)
{
    QMutexLocker lock(&m_mutex);
    m_sysManager = manager;
}

RYXEventReceiver *RYXConnectionBase::getEventReceiver() const
{
    QMutexLocker lock(&m_mutex);
    return m_eventReceiver;
}

void RYXConnectionBase::setEventReceiver(RYXEventReceiver *receiver)
{
    QMutexLocker lock(&m_mutex);
    m_eventReceiver = receiver;
    // The tree item shows the state once there is someone to show it.
    m_uiUpdate = true;
    m_wake.wakeAll();
}

bool RYXConnectionBase::hasWorker() const
{
    QMutexLocker lock(&m_mutex);
    return m_workerAttached;
}

void RYXConnectionBase::setWorkerAttached(bool attached)
{
    QMutexLocker lock(&m_mutex);
    m_workerAttached = attached;
}

void RYXConnectionBase::serviceRequests()
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

void RYXConnectionBase::disconnectDevice()
{
    {
        QMutexLocker lock(&m_mutex);
        m_disconnectRequested = false;
        m_uiUpdate = true;
    }
    if (m_device)
        m_device->setOnline(false);
    setState(Offline);
}

void RYXConnectionBase::attachDeviceToTree()
{
    if (m_device)
        m_device->initialize(nullptr);
}
