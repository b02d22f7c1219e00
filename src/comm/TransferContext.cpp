#include "comm/TransferContext.h"

#include "comm/CommLog.h"
#include "comm/CVELException_Cancel.h"
#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/ZempCodec.h"
#include "comm/ZEMPPort.h"
#include "comm/ZempTransaction.h"
#include "core/MessageRelay.h"
#include "core/StartupFlags.h"
#include "model/events/progressAddResultEvent.h"
#include "model/events/progressSetStepCountEvent.h"
#include "model/events/progressSetStepEvent.h"
#include "model/events/progressSetTitleEvent.h"
#include "model/events/progressShowDialogEvent.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

#include <QtCore/QAtomicInt>
#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>

namespace {

QAtomicInt g_nextOwnerId(1);

// Progress dialog modes.
constexpr int ProgressOpen = 0;
constexpr int ProgressFinishOwn = 2;

// Reads are preceded by a short pause that gives the device time between
// transactions.
constexpr int ReadPauseMs = 5;

} // namespace

TransferContext::TransferContext(bool showSteps, RYXObject *object, bool quiet)
    : m_showSteps(showSteps), m_object(object), m_quiet(quiet), m_ownerId(g_nextOwnerId.fetchAndAddRelaxed(1))
{
    if (object) {
        RYXConnectionBase *found = nullptr;
        if (object->getConnection(object, found))
            m_connection = found;
        unsigned tunnel = 0;
        ZEMPPort *port = nullptr;
        if (object->getPort(object, port, tunnel)) {
            m_port = port;
            m_tunnel = (unsigned short)tunnel;
        }
    }
    start();
}

TransferContext::TransferContext(bool showSteps, RYXConnectionBase *connection, bool quiet)
    : m_showSteps(showSteps), m_connection(connection), m_quiet(quiet), m_ownerId(g_nextOwnerId.fetchAndAddRelaxed(1))
{
    if (connection)
        m_port = connection->getPort();
    start();
}

void TransferContext::start()
{
    if (m_connection) {
        m_receiver = m_connection->getEventReceiver();
        m_connection->beginTransfer();
    }
    if (!m_quiet)
        post(new progressShowDialogEvent(ProgressOpen, m_ownerId));
}

TransferContext::~TransferContext()
{
    post(new progressShowDialogEvent(ProgressFinishOwn, m_ownerId));
    if (m_connection)
        m_connection->endTransfer();
    if (m_object)
        m_object->setSuppressIndicatorRefresh(false);
}

void TransferContext::post(QAsyncCustomEvent *event)
{
    QAsyncCustomEvent::post(m_receiver ? m_receiver->eventTarget() : nullptr, event);
}

QString TransferContext::objectName() const
{
    if (m_object)
        return m_object->getName();
    if (m_connection && m_connection->getDevice())
        return m_connection->getDevice()->getName();
    return QString();
}

void TransferContext::checkCancel()
{
    if (m_connection && m_connection->isCancelRequested())
        throw CVELException_Cancel();
}

void TransferContext::progressStep()
{
    if (!m_showSteps)
        return;
    m_step = m_connection ? m_connection->nextProgressStep() : m_step + 1;
    post(new progressSetStepEvent(m_step));
}

void TransferContext::setStepCount(int count)
{
    if (!m_showSteps || (m_connection && !m_connection->claimProgressCount()))
        return;
    post(new progressSetStepCountEvent(count));
}

void TransferContext::setProgressTitle(const QString &text)
{
    post(new progressSetTitleEvent(text));
}

void TransferContext::addProgressResult(const QString &pixmapName, const QString &text)
{
    MessageRelay::instance()->relay(text);
    post(new progressAddResultEvent(pixmapName, text));
}

int TransferContext::readPoint(const QString &name, bool singleAttempt, bool noThrow)
{
    return transfer(false, name, singleAttempt, noThrow);
}

int TransferContext::writePoint(const QString &name, bool singleAttempt, bool noThrow)
{
    return transfer(true, name, singleAttempt, noThrow);
}

int TransferContext::transfer(bool write, const QString &name, bool singleAttempt, bool noThrow)
{
    if (!m_active) {
        ++m_skipped;
        return GenericFailure;
    }
    QElapsedTimer clock;
    clock.start();
    int status = GenericFailure;
    int failed = 0;
    for (int attempt = 0; attempt < m_attempts; ++attempt) {
        const bool retry = attempt > 0;
        status = write ? writePointOnce(name, retry) : readPointOnce(name, retry);
        if (status == 0)
            break;
        ++failed;
        if (singleAttempt)
            break;
    }
    const QString line = QStringLiteral("  %1 %2 returned error code is: %3, turnaround time: %4, retry count: %5")
                             .arg(write ? QStringLiteral("Write of") : QStringLiteral("Read of"), name)
                             .arg(status)
                             .arg(clock.elapsed())
                             .arg(failed);
    debugPrint(line);
    if (status != 0 && failed == m_attempts && !noThrow)
        throw CVELException_ExcessiveRetries(line);
    return status;
}

int TransferContext::readPointOnce(const QString &name, bool retry)
{
    QThread::msleep(ReadPauseMs);
    checkCancel();
    DataPoint point;
    if (!m_object || !m_port || !m_object->getDataPoint(name, point))
        return GenericFailure;
    ZempTransaction t(ZEMP_READ, point.pointNumber);
    t.tunnelAddress = m_tunnel;
    t.point = name;
    const int status = m_port->execute(t);
    if (status != 0) {
        checkCancel();
        return status;
    }
    QString value;
    const int decoded = ZempCodec::decode(point.type, point.size, t.responseData, t.responseCount, &value);
    if (decoded != 0)
        return decoded;
    m_object->setValue(name, value, false);
    if (!retry)
        progressStep();
    checkCancel();
    return 0;
}

int TransferContext::writePointOnce(const QString &name, bool retry)
{
    checkCancel();
    DataPoint point;
    if (!m_object || !m_port || !m_object->getDataPoint(name, point))
        return GenericFailure;
    QByteArray bytes;
    if (!ZempCodec::encode(point.type, point.size, point.value, &bytes)) {
        qCWarning(lcComm) << "TransferContext - value of" << name << "does not fit its point";
        return GenericFailure;
    }
    ZempTransaction t(ZEMP_WRITE, point.pointNumber,
                      reinterpret_cast<const BYTE *>(bytes.constData()), int(bytes.size()));
    t.tunnelAddress = m_tunnel;
    t.point = name;
    const int status = m_port->execute(t);
    if (status != 0)
        checkCancel();
    if (!retry)
        progressStep();
    checkCancel();
    return status;
}

int TransferContext::verifyDeviceType(int expected)
{
    return verifyType(expected, false);
}

int TransferContext::verifyType(int expected, bool module)
{
    const QString point = module ? QStringLiteral("moduletype") : QStringLiteral("devicetype");
    const int status = readPoint(point, false, true);
    if (status == ZEMP_ERR_TIMEOUT)
        return CommunicationLost;
    if (status == ZEMP_DEVERR_MISSING)
        return DeviceMissing;
    if (status != 0)
        return GenericFailure;
    return m_object->getInt(point) == expected ? Success : DifferentDevice;
}

QString TransferContext::failureMessage(int code)
{
    switch (code) {
    case Success: return QString();
    case CommunicationLost: return tr("Communication with the device was lost.");
    case DeviceMissing: return tr("The device is missing or has failed.");
    case DifferentDevice: return tr("The device does not match.");
    case ModuleCountDiffers: return tr("The number of modules does not match.");
    case ModuleTypesDiffer: return tr("The type(s) of the module(s) does not match.");
    case RetryLimitExceeded: return tr("Retry limit exceeded.");
    case NotAsDownloaded: return tr("The device does not hold what was downloaded.");
    default: return tr("Undetermined failure (please report.)");
    }
}

QString TransferContext::operationName(const QString &operation)
{
    if (operation == QLatin1String("upload"))
        return tr("upload");
    if (operation == QLatin1String("download"))
        return tr("download");
    if (operation == QLatin1String("synchronize"))
        return tr("synchronize");
    return operation;
}

int TransferContext::reportFailure(int code, const QString &context, const QString &detail)
{
    const QString message = detail.isEmpty() ? failureMessage(code) : detail;
    if (!message.isEmpty()) {
        addProgressResult(QStringLiteral("SmallRedLED"), objectName() + QLatin1Char(' ') + context + QLatin1Char(' ') + message);
        // tr("The device is missing or has failed.") is already what the device
        // answered (error 66), and the line names the object.
        if (code != DeviceMissing)
            addFailureCause();
    }
    return code;
}

void TransferContext::addFailureCause()
{
    const ZempFailure failure = m_port ? m_port->lastFailure() : ZempFailure();
    if (failure.isFailure())
        addProgressResult(QStringLiteral("SmallRedLED"), tr("Cause: ") + failure.text());
}
