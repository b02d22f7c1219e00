#include "comm/ZEMPPort.h"

#include "comm/CommLog.h"

#include <QtCore/QMutexLocker>
#include <QtCore/QTimer>

#include <algorithm>
#include <cstring>

ZEMPPort::ZEMPPort(QObject *parent)
    : QObject(parent), m_timer(new QTimer(this))
{
    std::memset(m_receiveBuffer, 0, sizeof m_receiveBuffer);
    std::memset(m_responseData, 0, sizeof m_responseData);
    m_timer->setSingleShot(true);
    m_lastTransaction.start();
    connect(m_timer, &QTimer::timeout, this, [this] { timerEvent(); });
}

ZEMPPort::~ZEMPPort() = default;

bool ZEMPPort::openPort()
{
    setPortOpen(true);
    return true;
}

bool ZEMPPort::closePort()
{
    setPortOpen(false);
    failWith(ZEMP_ERR_TIMEOUT, tr("port closed"));
    return false;
}

bool ZEMPPort::isPortOpen()
{
    QMutexLocker lock(&m_stateMutex);
    return m_portOpen;
}

void ZEMPPort::setPortOpen(bool open)
{
    QMutexLocker lock(&m_stateMutex);
    m_portOpen = open;
}

int ZEMPPort::timeout() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_timeout;
}

void ZEMPPort::setTimeout(int milliseconds)
{
    QMutexLocker lock(&m_stateMutex);
    m_timeout = milliseconds;
}

bool ZEMPPort::isAwaitingResponse() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_awaitingResponse;
}

ZempFailure ZEMPPort::lastFailure() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_lastFailure;
}

BYTE ZEMPPort::frameChecksum(const BYTE *bytes, int length)
{
    unsigned sum = 0;
    for (int i = 0; i < length; ++i)
        sum += bytes[i];
    return BYTE((256 - (sum % 256)) % 256);
}

int ZEMPPort::buildFrame(ZEMPOpEnum op, unsigned short address, int count,
                         const BYTE *data, BYTE *out)
{
    const int n = data ? count : 0;
    if (n < 0 || n > ZEMP_MAX_DATA)
        return 0;
    out[0] = BYTE(n + 3);
    if (op == ZEMP_WRITE)
        out[0] |= 0x80;
    out[1] = BYTE(address >> 8);
    out[2] = BYTE(address & 0xFF);
    if (n > 0)
        std::memcpy(out + 3, data, size_t(n));
    out[n + 3] = frameChecksum(out, n + 3);
    return n + 4;
}

int ZEMPPort::parseFrame(const BYTE *frame, int length, unsigned short *address,
                         int *count, BYTE *data)
{
    *count = 0;
    if (length < 4)
        return ZEMP_ERR_CHECKSUM;
    if (frame[0] & 0x80)
        return frame[3];
    const int n = (frame[0] & 0x7F) - 3;
    if (n < 0 || n + 4 > length)
        return ZEMP_ERR_CHECKSUM;
    *address = (unsigned short)((frame[1] << 8) | frame[2]);
    if (n > 0)
        std::memcpy(data, frame + 3, size_t(n));
    *count = n;
    return ZEMP_SUCCESS;
}

void ZEMPPort::sendCommandSlot(ZEMPOpEnum command, unsigned short address, int count, BYTE *buff)
{
    BYTE frame[ZEMP_MAX_FRAME];
    const int length = buildFrame(command, address, count, buff, frame);
    if (length == 0) {
        qCWarning(lcComm) << "ZEMPPort::sendCommandSlot - payload of" << count
                          << "bytes does not fit a frame";
        return;
    }
    {
        // Armed before the bytes leave: a fast device may answer before
        // writeFrame returns.
        QMutexLocker lock(&m_stateMutex);
        m_pendingAddress = address;
        m_receiveCount = 0;
        m_awaitingResponse = true;
        m_sentTime.start();
    }
    if (!writeFrame(frame, length))
        fail(ZEMP_ERR_TIMEOUT, address, tr("request not sent"));
}

void ZEMPPort::processBytesSlot(BYTE *buff, int count)
{
    QMutexLocker lock(&m_stateMutex);
    if (!m_awaitingResponse) {
        // Late bytes of a transaction that already ended would otherwise be
        // taken as the start of the next response.
        qCDebug(lcComm) << "ZEMPPort::processBytesSlot - dropping" << count
                        << "bytes received with no request pending";
        return;
    }
    const int room = ZEMP_RECEIVE_BUFFER - m_receiveCount;
    const int taken = std::clamp(count, 0, room);
    if (taken > 0)
        std::memcpy(m_receiveBuffer + m_receiveCount, buff, size_t(taken));
    m_receiveCount += taken;

    const Outcome outcome = reassemble();
    if (!outcome.done)
        return;
    lock.unlock();
    finish(outcome, outcome.signalAddress);
}

ZEMPPort::Outcome ZEMPPort::reassemble()
{
    Outcome outcome;
    if (m_receiveCount < 4) {
        qCDebug(lcComm, "ZEMPPort::processBytesSlot - Not enough bytes rcv'd ( < 4) to constitue a complete message");
        return outcome;
    }
    if (m_receiveBuffer[0] == 0) {
        // A zero length byte can never start a frame: end the wait now
        // rather than leaving the caller blocked until the time-out.
        outcome.done = true;
        outcome.status = ZEMP_ERR_TIMEOUT;
        outcome.signalAddress = m_pendingAddress;
        outcome.cause = tr("reply with a length byte of 0");
    } else if (m_receiveCount - 1 != (m_receiveBuffer[0] & 0x7F)) {
        return outcome; // incomplete, or more bytes than announced
    } else {
        outcome.done = true;
        const int last = m_receiveCount - 1;
        if (frameChecksum(m_receiveBuffer, last) != m_receiveBuffer[last])
            outcome.status = ZEMP_ERR_CHECKSUM;
        else
            outcome.status = parseFrame(m_receiveBuffer, m_receiveCount,
                                        &outcome.address, &outcome.count, outcome.data);
        // Device errors and checksum failures are reported without an address.
        outcome.signalAddress = outcome.status == ZEMP_SUCCESS ? outcome.address : 0;
        outcome.cause = ZempFailure::causeOf(outcome.status);
    }
    m_awaitingResponse = false;
    m_receiveCount = 0;
    return outcome;
}

void ZEMPPort::timerEvent()
{
    failWith(ZEMP_ERR_TIMEOUT, ZempFailure::noAnswerIn(timeout()));
}

void ZEMPPort::processZEMPError(int errorCode)
{
    failWith(errorCode, ZempFailure::causeOf(errorCode));
}

void ZEMPPort::failWith(int status, const QString &cause)
{
    unsigned short address;
    {
        QMutexLocker lock(&m_stateMutex);
        address = m_pendingAddress;
    }
    fail(status, address, cause);
}

void ZEMPPort::fail(int status, unsigned short address, const QString &cause)
{
    {
        // Only a pending request can fail; a stray failure must not complete
        // the transaction that comes after it.
        QMutexLocker lock(&m_stateMutex);
        if (!m_awaitingResponse)
            return;
        m_awaitingResponse = false;
        m_receiveCount = 0;
    }
    Outcome outcome;
    outcome.done = true;
    outcome.status = status;
    outcome.cause = cause;
    finish(outcome, address);
}

void ZEMPPort::finish(const Outcome &outcome, unsigned short signalAddress)
{
    if (outcome.status == ZEMP_SUCCESS)
        Q_EMIT zempResponseSignal(signalAddress, outcome.count, const_cast<BYTE *>(outcome.data));
    else
        Q_EMIT zempErrorSignal(signalAddress, outcome.status);

    QMutexLocker lock(&m_stateMutex);
    m_status = outcome.status;
    m_responseCount = outcome.status == ZEMP_SUCCESS ? outcome.count : 0;
    if (m_responseCount > 0)
        std::memcpy(m_responseData, outcome.data, size_t(m_responseCount));
    m_lastFailure = ZempFailure();
    m_lastFailure.status = outcome.status;
    m_lastFailure.cause = outcome.cause;
    m_lastFailure.address = m_pendingAddress;
    m_transactionComplete = true; // written last: the waiter reads the rest after it
    m_completedCondition.wakeAll();
}

int ZEMPPort::waitForCompletion()
{
    QMutexLocker lock(&m_stateMutex);
    while (!m_transactionComplete) {
        // Strictly more than the time-out must pass before it counts.
        const qint64 remaining = m_timeout + 1 - m_sentTime.elapsed();
        if (remaining <= 0 && m_awaitingResponse) {
            lock.unlock();
            timerEvent();
            lock.relock();
            continue;
        }
        // Past the deadline but already answered: completion is a moment away.
        m_completedCondition.wait(&m_stateMutex, remaining > 0 ? remaining : 10);
    }
    return m_status;
}

int ZEMPPort::transact(ZEMPOpEnum op, unsigned short address, int *count, BYTE *buffer)
{
    QMutexLocker transaction(&m_transactMutex);
    const int requestCount = (buffer && count) ? *count : 0;
    if (requestCount < 0 || requestCount > ZEMP_MAX_DATA) {
        if (count)
            *count = 0;
        return ZEMP_ERR_REQUEST;
    }
    {
        QMutexLocker lock(&m_stateMutex);
        m_transactionComplete = false;
        m_responseCount = 0;
    }
    sendCommandSlot(op, address, requestCount, buffer);
    const int status = waitForCompletion();

    QMutexLocker lock(&m_stateMutex);
    if (buffer && m_responseCount > 0)
        std::memcpy(buffer, m_responseData, size_t(m_responseCount));
    if (count)
        *count = buffer ? m_responseCount : 0;
    return status;
}

int ZEMPPort::readCommand(unsigned short address, int *count, BYTE *buffer)
{
    return transact(ZEMP_READ, address, count, buffer);
}

int ZEMPPort::writeCommand(unsigned short address, int *count, BYTE *buffer)
{
    return transact(ZEMP_WRITE, address, count, buffer);
}

int ZEMPPort::execute(ZempTransaction &t)
{
    const int status = executeDirectOrTunnelled(t);
    recordFailure(t, status);
    return status;
}

// The port saw the outer transaction only: the failure is told in terms of
// the caller's point, and an error of the inner device is recorded here.
void ZEMPPort::recordFailure(const ZempTransaction &t, int status)
{
    QMutexLocker lock(&m_stateMutex);
    m_lastTransaction.restart();
    if (status == ZEMP_SUCCESS) {
        m_lastFailure = ZempFailure();
        return;
    }
    if (m_lastFailure.status != status) {
        m_lastFailure = ZempFailure();
        m_lastFailure.status = status;
        m_lastFailure.cause = ZempFailure::causeOf(status);
    }
    m_lastFailure.point = t.point;
    m_lastFailure.address = t.address;
    m_lastFailure.tunnel = t.tunnelAddress;
}

qint64 ZEMPPort::msSinceLastTransaction() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_lastTransaction.elapsed();
}

int ZEMPPort::executeDirectOrTunnelled(ZempTransaction &t)
{
    t.responseCount = 0;
    if (t.tunnelAddress == 0) {
        int count = t.requestCount;
        std::memcpy(t.responseData, t.requestData, sizeof t.responseData);
        const int status = transact(t.op, t.address, &count, t.responseData);
        t.responseCount = status == ZEMP_SUCCESS ? count : 0;
        return status;
    }
    if (t.requestCount < 0 || t.requestCount > ZEMP_MAX_TUNNEL_DATA)
        return ZEMP_ERR_REQUEST;
    t.frameLength = buildFrame(t.op, t.address, t.requestCount, t.requestData, t.frame);
    int count = t.frameLength;
    const int status = transact(ZEMP_WRITE, t.tunnelAddress, &count, t.frame);
    if (status != ZEMP_SUCCESS)
        return status;
    // The returned bytes are the inner device's own response frame; its
    // checksum was already covered by the outer frame.
    unsigned short innerAddress = 0;
    return parseFrame(t.frame, count, &innerAddress, &t.responseCount, t.responseData);
}
