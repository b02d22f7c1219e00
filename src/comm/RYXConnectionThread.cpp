#include "comm/RYXConnectionThread.h"

#include "comm/CommsConfigDialog.h"
#include "comm/CVELException.h"
#include "comm/CVELException_Cancel.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPOpEnum.h"
#include "comm/ZEMPRSPort.h"
#include "core/StartupFlags.h"
#include "model/events/Event_ShowSeekFailure.h"
#include "model/events/progressShowDialogEvent.h"
#include "model/events/setTreeItemPixEvent.h"
#include "model/events/setTreeItemTextEvent.h"
#include "model/events/showMessageBoxSynchEvent.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

namespace {

// Progress dialog modes posted by the worker itself.
constexpr int ProgressFinishAny = 3;
constexpr int ProgressResume = 4;

const QString RedLED = QStringLiteral("SmallRedLED");
const QString YellowLED = QStringLiteral("SmallYellowLED");
const QString GreenLED = QStringLiteral("SmallGreenLED");

// A synchronization that Cancel stopped: the result line and the box.
const char *const SynchronizationInterruptedLine = QT_TRANSLATE_NOOP("RYXConnectionThread",
    "Synhronization interrupted, Serial Number, Firmware Version and Process data may be invalid.");
const char *const SynchronizationInterruptedBox = QT_TRANSLATE_NOOP("RYXConnectionThread",
    "Synchronization interrupted, Serial Number, Firmware Version and Process data may be invalid.\n\n"
    "Please resynchronize before viewing these items.");

struct Failure
{
    int code;
    const char *resultLine;  // connect sequence only
    const char *connectText; // message box of a failed connect
    const char *lostText;    // message box of a failed operation
};

const Failure Failures[] = {
    { TransferContext::CommunicationLost, nullptr, nullptr,
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Disconnecting because:\n\nCommunication with the device was lost.\n\nYou must reconnect once the problem is resolved.") },
    { TransferContext::DifferentDevice, QT_TRANSLATE_NOOP("RYXConnectionThread", "Failure: Found different device"),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Connect failed because:\n\nThe attached device is reporting an incorrect ID.\n\nPlease create and connect a device of the correct type."),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Disconnecting because:\n\nThe connected device is reporting an incorrect ID.\n\nYou must reconnect once the problem is resolved.") },
    { TransferContext::ModuleCountDiffers, QT_TRANSLATE_NOOP("RYXConnectionThread", "Failure: Found different child module count"),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Connect failed because:\n\nThe number of modules connected to the attached device is incorrect.\n\nCreate and connect either a device with no modules, \nor a device with the correct modules."),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Disconnecting because:\n\nThe number of connected modules is incorrect.\n\nYou must reconnect once the problem is resolved.") },
    { TransferContext::ModuleTypesDiffer, QT_TRANSLATE_NOOP("RYXConnectionThread", "Failure: Found different child module type(s)"),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Connect failed because:\n\nThe type(s) of connected module(s) is incorrect.\n\nYou must reconnect once the problem is resolved."),
      QT_TRANSLATE_NOOP("RYXConnectionThread", "Disconnecting because:\n\nThe type(s) of connected module(s) is incorrect.\n\nYou must reconnect once the problem is resolved.") },
};

const Failure *failureOf(int code)
{
    for (const Failure &failure : Failures)
        if (failure.code == code)
            return &failure;
    return nullptr;
}

// What a connect attempt decides: success, no answer, or a device that is
// not the one in the tree. Anything else is a station that answered badly.
bool isVerdict(int code)
{
    const Failure *failure = failureOf(code);
    return code == TransferContext::Success || code == TransferContext::CommunicationLost
           || (failure && failure->connectText);
}

} // namespace

RYXConnectionThread::RYXConnectionThread(RYXConnection *connection)
    : m_connection(connection)
{
}

RYXObject *RYXConnectionThread::device() const
{
    return m_connection->getDevice();
}

void RYXConnectionThread::run()
{
    while (!m_connection->isStopping())
        pass();
    debugPrint(QStringLiteral("RYXConnection::run - Thread is exiting"));
}

void RYXConnectionThread::pass()
{
    int timeout = -1;
    switch (m_connection->state()) {
    case RYXConnection::Online:
        timeout = IdleIntervalMs;
        break;
    case RYXConnection::Seeking:
        timeout = m_seekPause ? SeekRetryMs : 0;
        break;
    default:
        break;
    }
    m_connection->waitForWork(timeout);
    if (m_connection->isStopping())
        return;

    m_connection->serviceRequests();
    m_seekPause = false;
    // A new connect request starts its attempts afresh.
    if (m_connection->state() != RYXConnection::Seeking)
        m_attemptsWithoutVerdict = 0;
    // Shows "seeking" before the connect sequence, which may take long.
    if (m_connection->takeUiUpdate())
        refreshTreeItem();
    switch (m_connection->state()) {
    case RYXConnection::Seeking:
        connectSequence();
        break;
    case RYXConnection::Online:
        if (!m_connection->pendingOperation().isEmpty()) {
            runPendingOperation();
        } else if (RYXObject *station = device()) {
            runGuarded([station] { return station->executeOperation(QStringLiteral("idle"), true); });
            keepAlive();
        }
        break;
    default:
        break;
    }
    if (m_connection->takeUiUpdate())
        refreshTreeItem();
}

int RYXConnectionThread::runGuarded(const std::function<int()> &operation)
{
    try {
        return operation();
    } catch (const CVELException_Cancel &) {
        return TransferContext::Success;
    } catch (const CVELException &e) {
        debugPrint(e.message());
        return TransferContext::GenericFailure;
    }
}

// --- connect sequence --------------------------------------------------------------

void RYXConnectionThread::connectSequence()
{
    m_connection->clearPendingOperation();
    bool connected = false;
    {
        TransferContext context(false, m_connection);
        context.setProgressTitle(tr("Attempting Connection"));
        try {
            connected = attemptConnect(context);
        } catch (const CVELException_Cancel &) {
            context.addProgressResult(RedLED, tr(SynchronizationInterruptedLine));
            showMessage(tr(SynchronizationInterruptedBox));
            context.addProgressResult(YellowLED, tr("Connection was incomplete."));
        } catch (const CVELException &e) {
            debugPrint(e.message());
        }
    }
    if (connected && m_connection->takeUploadAfterConnect() && device()) {
        m_connection->setPendingOperation(device(), QStringLiteral("upload"));
        runPendingOperation();
    }
}

bool RYXConnectionThread::attemptConnect(TransferContext &context)
{
    RYXObject *station = device();
    if (!station)
        return false;
    for (;;) {
        int code = station->executeOperation(QStringLiteral("connect"), true);
        if (!isVerdict(code)) {
            // A station that answers badly is tried again after a pause;
            // once the attempts are used up it counts as not answering.
            if (++m_attemptsWithoutVerdict < TransferContext::Attempts) {
                m_seekPause = true;
                return false;
            }
            code = TransferContext::CommunicationLost;
        }
        m_attemptsWithoutVerdict = 0;
        if (code == TransferContext::Success)
            break;
        if (code == TransferContext::CommunicationLost) {
            if (askAfterTimeout(context))
                continue;
            return false;
        }
        reportConnectFailure(context, code);
        return false;
    }

    m_connection->setState(RYXConnection::Online);
    station->setOnline(true);
    if (station->executeOperation(QStringLiteral("synchronize"), true) == TransferContext::GenericFailure) {
        context.addProgressResult(RedLED, tr("Connection with device failed during Synhronization."));
        context.addFailureCause();
        showMessage(tr("Connect failed because:\n\nCommunications were lost during Synchronization.\n\n"
                       "You must reconnect once the problem is resolved."),
                    true);
        m_connection->requestDisconnect();
        return false;
    }
    context.addProgressResult(GreenLED, tr("Connection was succesful."));
    m_connection->requestUiUpdate();
    return true;
}

bool RYXConnectionThread::askAfterTimeout(TransferContext &context)
{
    context.addProgressResult(RedLED, tr("Failure: Timeout"));
    context.addFailureCause();
    const int answer = askRetry();
    if (answer == 1)
        return true;
    if (answer == 0)
        m_connection->requestDisconnect();
    else
        m_seekPause = true;
    return false;
}

void RYXConnectionThread::reportConnectFailure(TransferContext &context, int code)
{
    const Failure *failure = failureOf(code);
    context.addProgressResult(RedLED, tr(failure->resultLine));
    showMessage(tr(failure->connectText));
    m_connection->requestDisconnect();
}

// --- pending operation ------------------------------------------------------------

void RYXConnectionThread::runPendingOperation()
{
    RYXObject *target = nullptr;
    quint64 serial = 0;
    const QString operation = m_connection->pendingOperation(&target, &serial);
    bool cancelled = false;
    if (target) {
        const int code = runGuarded([target, &operation, &cancelled] {
            try {
                return target->executeOperation(operation, true);
            } catch (const CVELException_Cancel &) {
                cancelled = true;
                return int(TransferContext::Success);
            }
        });
        if (cancelled) {
            reportCancelled(target, operation);
        } else if (failureOf(code)) {
            disconnectAfter(code);
        } else if (code == TransferContext::RetryLimitExceeded) {
            debugPrint(QStringLiteral("Excessive Retries Xfer Failure"));
        } else if (code == TransferContext::GenericFailure) {
            debugPrint(QStringLiteral("Generic Xfer Failure"));
        }
        if (!cancelled
            && (code == TransferContext::DeviceMissing || code == TransferContext::GenericFailure
                || code == TransferContext::RetryLimitExceeded))
            verifyAfterFailure();
    }
    post(new progressShowDialogEvent(ProgressFinishAny, 0));
    m_connection->clearPendingOperation(serial);
}

void RYXConnectionThread::disconnectAfter(int code)
{
    showMessage(tr(failureOf(code)->lostText), true);
    m_connection->requestDisconnect();
}

// The read is the cheapest one every station answers; a device error is
// still an answer. A station that does not answer is lost, as it would be
// to the next operation.
void RYXConnectionThread::keepAlive()
{
    RYXObject *station = device();
    ZEMPPort *port = m_connection->getPort();
    if (!station || !port || port->msSinceLastTransaction() < m_connection->keepAliveIntervalMs())
        return;
    int status = ZEMP_SUCCESS;
    {
        TransferContext context(false, station, true);
        status = runGuarded([&context] { return context.readPoint(QStringLiteral("devicetype"), true, true); });
    }
    const bool deviceAnswered = status > ZEMP_SUCCESS && status < ZEMP_ERR_TIMEOUT;
    if (status == ZEMP_SUCCESS || deviceAnswered || m_connection->isStopping()
        || m_connection->state() != RYXConnection::Online)
        return;
    disconnectAfter(TransferContext::CommunicationLost);
}

// Cancel stopped the operation at its next transaction: what it moved so far
// stays, so the tree shows the object not current and the lines say that the
// operation did not complete (a download is never reported a success).
void RYXConnectionThread::reportCancelled(RYXObject *target, const QString &operation)
{
    target->setStatus(RYXObject::InvalidateTree);
    TransferContext context(false, m_connection, true);
    if (operation == QLatin1String("synchronize")) {
        context.addProgressResult(RedLED, tr(SynchronizationInterruptedLine));
        showMessage(tr(SynchronizationInterruptedBox));
        return;
    }
    context.addProgressResult(RedLED, tr("%1 %2 cancelled!").arg(target->getName(), TransferContext::operationName(operation)));
    if (operation == QLatin1String("download"))
        context.addProgressResult(YellowLED, tr("The device may hold only part of this configuration."));
    else if (operation == QLatin1String("upload"))
        context.addProgressResult(YellowLED, tr("The configuration shown may be only partly uploaded."));
}

void RYXConnectionThread::verifyAfterFailure()
{
    RYXObject *station = device();
    if (!station || m_connection->isStopping())
        return;
    post(new progressShowDialogEvent(ProgressResume, 0));
    TransferContext context(false, m_connection, true);
    context.setProgressTitle(tr("Verifying Connection"));
    const int code = runGuarded([station] { return station->executeOperation(QStringLiteral("verifyconnection"), true); });
    if (code == TransferContext::Success) {
        context.addProgressResult(YellowLED, tr(
            "Communication with the device is OK, although there is a problem with the device."));
        return;
    }
    context.addProgressResult(RedLED, tr("Communication with the device has failed."));
    context.addFailureCause();
    showMessage(tr("Disconnecting because:\n\nCommunication with the device has failed.\n\n"
                       "You must reconnect once the problem is resolved."),
                true);
    m_connection->requestDisconnect();
}

// --- tree item ----------------------------------------------------------------------

QString RYXConnectionThread::treeItemText() const
{
    RYXObject *station = device();
    QString text = station ? station->getName() : QString();
    const int comPort = m_connection->comPortNumber();
    if (comPort < 0)
        text += tr(" <not specified>");
    else if (comPort == 0)
        text += QStringLiteral(" <") + m_connection->ipAddress() + QStringLiteral(">");
    else if (auto *serial = qobject_cast<ZEMPRSPort *>(m_connection->getPort());
             serial && comPort == CommsConfigDialog::DevicePathPort)
        text += QStringLiteral(" <") + serial->deviceName() + QStringLiteral(">");
    else
        text += QStringLiteral(" <COM%1>").arg(comPort);
    switch (m_connection->state()) {
    case RYXConnection::Online:
        return text + tr(", online");
    case RYXConnection::Seeking:
        return text + tr(", seeking");
    default:
        return text + tr(", offline");
    }
}

void RYXConnectionThread::refreshTreeItem()
{
    RYXObject *station = device();
    if (!station)
        return;
    QString led = QStringLiteral("OliveLED");
    if (m_connection->state() == RYXConnection::Online)
        led = QStringLiteral("GreenLED");
    else if (m_connection->state() == RYXConnection::Seeking)
        led = QStringLiteral("YellowLED");
    post(new setTreeItemTextEvent(station, treeItemText()));
    post(new setTreeItemPixEvent(station, led));
}

// --- events -------------------------------------------------------------------------

void RYXConnectionThread::post(QAsyncCustomEvent *event)
{
    RYXEventReceiver *receiver = m_connection->getEventReceiver();
    QAsyncCustomEvent::post(receiver ? receiver->eventTarget() : nullptr, event);
}

QString RYXConnectionThread::failureCause() const
{
    ZEMPPort *port = m_connection->getPort();
    return port ? port->lastFailure().sentence(port->peerName()) : QString();
}

void RYXConnectionThread::showMessage(const QString &text, bool withCause)
{
    RYXEventReceiver *receiver = m_connection->getEventReceiver();
    // Nobody would answer a box posted while the connection goes away.
    if (!receiver || m_connection->isStopping())
        return;
    QSyncCustomEvent::postAndWait(receiver->eventTarget(),
                                  new showMessageBoxSynchEvent(text, withCause ? failureCause() : QString()));
}

int RYXConnectionThread::askRetry()
{
    RYXEventReceiver *receiver = m_connection->getEventReceiver();
    if (!receiver || m_connection->isStopping())
        return 0;
    return QSyncCustomEvent::postAndWait(receiver->eventTarget(), new Event_ShowSeekFailure(failureCause()));
}
