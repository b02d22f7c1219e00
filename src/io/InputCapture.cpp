#include "io/InputCapture.h"

#include "core/StartupFlags.h"
#include "database/RYXDatabase.h"
#include "devices/RYXChannel.h"
#include "devices/RYXIOModule.h"
#include "io/InputCaptureDialog.h"
#include "io/updateCaptureDialogEvent.h"
#include "model/RYXConnectionBase.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QMutexLocker>
#include <QtCore/QtEndian>

#include <cstring>

namespace {

struct TargetRow
{
    const char *caption;
    const char *key;
};

const TargetRow Targets[] = {
    {QT_TRANSLATE_NOOP("InputCapture", "Input Zero Capture"), "inputzero"},
    {QT_TRANSLATE_NOOP("InputCapture", "Input Full Capture"), "inputfull"},
    {QT_TRANSLATE_NOOP("InputCapture", "Trimming Zero Capture"), "trimcapturez"},
    {QT_TRANSLATE_NOOP("InputCapture", "Trimming Full Capture"), "trimcapturef"},
};

// Indexed by the failed results, Error to ChannelFailed.
const char *const FailureTexts[] = {
    QT_TRANSLATE_NOOP("InputCapture", "Error, aborted!"),
    QT_TRANSLATE_NOOP("InputCapture", "Broken Wire detected, aborted!"),
    QT_TRANSLATE_NOOP("InputCapture", "Failed to respond in alotted 20 Seconds, aborted!!"),
    QT_TRANSLATE_NOOP("InputCapture", "This IO Channel has failed, aborted!!"),
};

const TargetRow *targetRow(int target)
{
    return target >= 0 && target < int(std::size(Targets)) ? &Targets[target] : nullptr;
}

float floatFromBlock(const unsigned char *block)
{
    const quint32 bits = qFromBigEndian<quint32>(block);
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

InputCapture::InputCapture(RYXChannel *channel, int target, QWidget *dialogParent)
    : RYXObject(channel), m_channel(channel), m_target(target), m_dialog(new InputCaptureDialog(dialogParent))
{
    setObjectName(QStringLiteral("InputCapture"));
    m_dialog->setWindowTitle(caption(target));
    const RYXIOModule *module = channel->module();
    m_dialog->setChannel(module ? module->getModuleNumber() : 0, channel->getChannelNumber());
    connect(m_dialog, &InputCaptureDialog::nextClicked, this, &InputCapture::CaptureNextClickedSlot);
    connect(m_dialog, &QDialog::finished, this, &InputCapture::dialogFinished);
    connect(m_dialog, &QObject::destroyed, this, &InputCapture::dialogGoneSlot);
}

InputCapture::~InputCapture()
{
    if (m_dialog) {
        disconnect(m_dialog, nullptr, this, nullptr);
        delete m_dialog;
    }
}

void InputCapture::showCaptureDialog(RYXChannel *channel, int target, QWidget *parent)
{
    auto *capture = new InputCapture(channel, target, parent);
    capture->dialog()->exec();
}

QString InputCapture::caption(int target)
{
    const TargetRow *row = targetRow(target);
    return row ? QCoreApplication::translate("InputCapture", row->caption) : QString();
}

QString InputCapture::targetKey(int target)
{
    const TargetRow *row = targetRow(target);
    return row ? QLatin1String(row->key) : QString();
}

QString InputCapture::resultText(int result)
{
    if (result < Error || result > ChannelFailed)
        return QString();
    return QCoreApplication::translate("InputCapture", FailureTexts[result - Error]);
}

int InputCapture::statusResult(unsigned status)
{
    if (status & 0xF0)
        return BrokenWire;
    if (status & 0x01)
        return ChannelFailed;
    return status ? Error : Success;
}

// ------------------------------------------------------------ GUI thread

void InputCapture::CaptureNextClickedSlot()
{
    m_dialog->showCapturing();
    {
        QMutexLocker locker(&m_stateLock);
        m_busy = true;
    }
    if (stationOnline() && requestOperation(QStringLiteral("capture")))
        return;
    // Nothing would ever answer: say so at once.
    {
        QMutexLocker locker(&m_stateLock);
        m_busy = false;
    }
    showResult(Error, 0.0f);
}

bool InputCapture::stationOnline()
{
    RYXConnectionBase *link = nullptr;
    return getConnection(this, link) && link->state() == RYXConnectionBase::Online;
}

void InputCapture::showResult(int result, float value)
{
    if (!m_dialog)
        return;
    if (result == Success)
        m_dialog->showCaptured(value);
    else
        m_dialog->showFailure(resultText(result));
}

void InputCapture::dialogFinished(int dialogResult)
{
    if (dialogResult == QDialog::Accepted && m_dialog && m_dialog->hasValue())
        storeValue(m_dialog->capturedValue());
    releaseDialog();
}

void InputCapture::dialogGoneSlot()
{
    releaseDialog();
}

void InputCapture::storeValue(float value)
{
    const QString key = targetKey(m_target);
    if (key.isEmpty() || !m_channel->getDatabase()->contains(key))
        return;
    m_channel->setValue(key, value);
    m_channel->updateDialog();
}

void InputCapture::releaseDialog()
{
    QMutexLocker locker(&m_stateLock);
    if (m_gone)
        return;
    m_gone = true;
    m_dialogClosed.wakeAll();
    if (!m_busy)
        deleteLater();
}

// ----------------------------------------------------- connection thread

int InputCapture::executeOperation(const QString &op, bool topLevel)
{
    if (op != QLatin1String("capture"))
        return RYXObject::executeOperation(op, topLevel);
    float value = 0.0f;
    const int result = doCapture(value);
    if (result != DialogClosed)
        postToMainWindow(new updateCaptureDialogEvent(this, result, value));
    endOperation();
    return 0;
}

void InputCapture::endOperation()
{
    QMutexLocker locker(&m_stateLock);
    m_busy = false;
    if (m_gone)
        deleteLater();
}

int InputCapture::doCapture(float &value)
{
    QElapsedTimer timer;
    timer.start();
    debugPrint(QStringLiteral("TIChannelObject::doCapture - Capturing input... will timeout in 20 seconds "
                              "(average capture is approx 9.5sec)..."));
    int result = readStatus();
    if (result != Success)
        return result;
    unsigned char block[RYXIOModule::BlockSize] = {};
    if (m_channel->writeBlock(CaptureBlock, block) != 0)
        return Error;
    int status = m_channel->readBlock(CaptureBlock, block);
    while (status != 0) {
        if (timer.elapsed() >= m_timeLimitMs) {
            debugPrint(QStringLiteral("TIChannelObject::doCapture - the TI Channel failed to respond in the "
                                      "alotted 20 seconds... capture aborted!"));
            return NoAnswer;
        }
        if (status == CaptureFailedStatus || isConnectionStopping())
            return Error;
        if (isDialogGone())
            return DialogClosed;
        result = readStatus();
        if (result != Success)
            return result;
        waitForNextPoll();
        status = m_channel->readBlock(CaptureBlock, block);
    }
    value = floatFromBlock(block);
    debugPrint(QStringLiteral("TIChannelObject::doCapture - input capture succeeded!"));
    return Success;
}

// The status word is the first two bytes of its block, most significant first.
int InputCapture::readStatus()
{
    unsigned char block[RYXIOModule::BlockSize] = {};
    if (m_channel->readBlock(StatusBlock, block) != 0)
        return Error;
    return statusResult((unsigned(block[0]) << 8) | block[1]);
}

bool InputCapture::isDialogGone()
{
    QMutexLocker locker(&m_stateLock);
    return m_gone;
}

void InputCapture::waitForNextPoll()
{
    QMutexLocker locker(&m_stateLock);
    if (!m_gone)
        m_dialogClosed.wait(&m_stateLock, PollIntervalMs);
}

bool InputCapture::isConnectionStopping()
{
    RYXConnectionBase *link = nullptr;
    return !getConnection(this, link) || link->isStopping();
}
