#include "io/DiscreteModuleObject.h"

#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/PointSpec.h"
#include "devices/RYXInterfaceModule.h"
#include "io/TIChannelObject.h"
#include "model/events/addToEventBoxEvent.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QtEndian>

namespace {

// Points of every discrete input and relay output module, in their order of
// creation; the per-channel points follow, one row per channel count.
const PointSpec CommonPoints[] = {
    {"channelnotused", "false", 0, 0, ZEMP_NONE},
    // The device word is a number; "false" would not go on the wire.
    {"channelnotusedzemppoint", "0", 3, 0x12, ZEMP_UINT8},
    {"calccs", "00", 3, 0x5710, ZEMP_BINARY, 1},
    {"reset", "00", 3, 0x6F, ZEMP_BINARY, 1},
    {"clearerror", "65519", 3, 0x5700, ZEMP_UINT16},
    {"enableeeprom", "85", 3, 0x73, ZEMP_UINT8},
    {"iomask", "0", 3, 0, ZEMP_NONE},
};

const DiscreteModuleObject::StatusRow ModuleStatus[] = {
    {0x01, QT_TRANSLATE_NOOP("DiscreteModuleObject", "I/O Channel Fail")},
    {0x02, QT_TRANSLATE_NOOP("DiscreteModuleObject", "Channel Disabled")},
    {0x08, QT_TRANSLATE_NOOP("DiscreteModuleObject", "SRAM Failure")},
    {0x10, QT_TRANSLATE_NOOP("DiscreteModuleObject", "FLASH Failure")},
    {0x04, QT_TRANSLATE_NOOP("DiscreteModuleObject", "EEPROM Checksum error")},
    {0x20, QT_TRANSLATE_NOOP("DiscreteModuleObject", "Front-end reset occured")},
    {0x40, QT_TRANSLATE_NOOP("DiscreteModuleObject", "LED Port Error")},
};

} // namespace

DiscreteModuleObject::DiscreteModuleObject(QObject *parent, const RYXClassInfo &info, int channels)
    : RYXIOModule(parent), m_channels(channels)
{
    applyClassInfo(info);
    setObjectName(numberedName());
}

QString DiscreteModuleObject::indexed(const char *pattern, int n)
{
    return QString::fromLatin1(pattern).arg(n);
}

void DiscreteModuleObject::insertCommonPoints()
{
    PointSpec::insertAll(this, CommonPoints);
    const PointSpec perChannel[] = {
        {"tag%1isvalid", "true", 3, 0, ZEMP_NONE, -1, m_channels},
        {"tag%1", "PV", 0, 0, ZEMP_NONE, -1, m_channels},
        {"synchtag%1", "", 7, 0, ZEMP_NONE, -1, m_channels},
    };
    PointSpec::insertAll(this, perChannel);
}

void DiscreteModuleObject::tagAddress(int n, int &index, quint16 &point)
{
    index = n <= TunnelTargets ? n - 1 : 0;
    point = n <= TunnelTargets ? TagPoint : quint16(UpperTagPoint + n - TunnelTargets - 1);
}

// ------------------------------------------------------------ I/O word

unsigned DiscreteModuleObject::ioWord(const QList<bool> &states)
{
    unsigned word = 0;
    for (int n = 1; n <= states.size(); ++n) {
        if (states.at(n - 1))
            word |= 1u << (IoFirstBit + n - 1);
    }
    return word;
}

bool DiscreteModuleObject::ioState(unsigned word, int n)
{
    return word & (1u << (IoFirstBit + n - 1));
}

bool DiscreteModuleObject::readRegister(int j, unsigned char *bytes)
{
    return readChannelBlockAt(0, j, bytes) == 0;
}

int DiscreteModuleObject::readIO()
{
    unsigned char bytes[BlockSize] = {};
    const int status = readChannelBlockAt(0, IoRegister, bytes);
    if (status == 0) {
        setValue(QStringLiteral("iomask"), unsigned(qFromBigEndian<quint32>(bytes)));
        emit ioStateChanged();
    }
    return status;
}

int DiscreteModuleObject::applyIO()
{
    unsigned char bytes[BlockSize] = {};
    qToBigEndian<quint32>(getUInt(QStringLiteral("iomask")), bytes);
    const int status = writeChannelBlockAt(0, IoRegister, bytes);
    if (status == 0)
        emit ioStateChanged();
    return status;
}

// ------------------------------------------------------------ validation

bool DiscreteModuleObject::validate()
{
    bool valid = true;
    for (int n = 1; n <= m_channels; ++n) {
        const bool tag = TIChannelObject::isValidTag(getString(indexed("tag%1", n)));
        setValue(indexed("tag%1isvalid", n), tag);
        valid = valid && tag;
    }
    setStatus(valid ? ClearConfigError : SetConfigError);
    return valid;
}

void DiscreteModuleObject::updateDialog()
{
    // A transfer holding the module leaves validation to its next refresh.
    if (!mutex.tryLock())
        return;
    validate();
    mutex.unlock();
    RYXIOModule::updateDialog();
}

void DiscreteModuleObject::setShadows()
{
    for (int n = 1; n <= m_channels; ++n)
        setValue(indexed("synchtag%1", n), getString(indexed("tag%1", n)));
}

void DiscreteModuleObject::decodeNotUsed()
{
    setValue(QStringLiteral("channelnotused"), getUInt(QStringLiteral("channelnotusedzemppoint")) != 0);
}

// ------------------------------------------------------------ transfers

void DiscreteModuleObject::readAll(TransferContext &context, const QStringList &keys)
{
    for (const QString &key : keys)
        context.readPoint(key);
}

void DiscreteModuleObject::writeAll(TransferContext &context, const QStringList &keys)
{
    for (const QString &key : keys)
        context.writePoint(key);
}

void DiscreteModuleObject::writeCommands(TransferContext &context)
{
    writeAll(context, {QStringLiteral("calccs"), QStringLiteral("reset"), QStringLiteral("clearerror")});
}

int DiscreteModuleObject::forEachTag(TransferContext &context, const std::function<int(int, int, quint16)> &transfer)
{
    if (checkOperation(1) != 0 || !context.isActive())
        return 0;
    for (int n = 1; n <= m_channels; ++n) {
        int index = 0;
        quint16 point = 0;
        tagAddress(n, index, point);
        const int status = transfer(n, index, point);
        if (status != 0)
            return status;
    }
    return 0;
}

// A tag that cannot be moved only warns, once.
void DiscreteModuleObject::uploadTags(TransferContext &context)
{
    const int status = forEachTag(context, [this](int n, int index, quint16 point) {
        QString text;
        const int read = readChannelTextAt(index, point, TagSize, text);
        if (read == 0)
            setValue(indexed("tag%1", n), text);
        return read;
    });
    if (status != 0)
        context.addProgressResult(QStringLiteral("SmallYellowLED"),
                                  getName() + tr(" upload warning!  This module's tag information could not be read."));
}

void DiscreteModuleObject::downloadTags(TransferContext &context)
{
    const int status = forEachTag(context, [this](int n, int index, quint16 point) {
        return writeChannelTextAt(index, point, TagSize, getString(indexed("tag%1", n)));
    });
    if (status != 0)
        context.addProgressResult(
            QStringLiteral("SmallYellowLED"),
            getName() + tr(" download warning!  This module's tag information could not be written."));
}

// The tags the device holds are the shadows' values; a tag that cannot be
// read leaves its shadow as it was.
int DiscreteModuleObject::synchronizePoints(TransferContext &context)
{
    RYXIOModule::synchronizePoints(context);
    forEachTag(context, [this](int n, int index, quint16 point) {
        QString text;
        if (readChannelTextAt(index, point, TagSize, text) == 0)
            setValue(indexed("synchtag%1", n), text);
        return 0;
    });
    return 0;
}

// ------------------------------------------------------------ operations

int DiscreteModuleObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("readio"))
        return readIO();
    if (op == QLatin1String("applyio"))
        return applyIO();
    if (op == QLatin1String("patch"))
        return patchModule(getModuleType());
    if (op == QLatin1String("unpatch"))
        return patchModule(UnpatchedType);
    return RYXIOModule::executeOperation(op, topLevel);
}

int DiscreteModuleObject::patchResult(TransferContext &context, const QString &pixmap, const QString &text,
                                      int result)
{
    context.addProgressResult(pixmap, getName() + text);
    return result;
}

// The module's own type code, in the order the station takes it: enable
// non-volatile writes, the code, then checksum, reset and clear errors.
int DiscreteModuleObject::patchModule(int target)
{
    TransferContext context(false, this);
    const QString moduleTypeKey = QStringLiteral("moduletype");
    if (context.readPoint(moduleTypeKey, false, true) != 0)
        return patchResult(context, QStringLiteral("SmallRedLED"),
                           tr(" Failed to read MT, cannot patch (old TIM FW)!"), -1);
    if (getInt(moduleTypeKey) == target)
        return patchResult(context, QStringLiteral("SmallGreenLED"), unpatchedText(), 0);
    setValue(moduleTypeKey, target);
    int status = 0;
    for (const QString &key : {QStringLiteral("enableeeprom"), moduleTypeKey, QStringLiteral("calccs"),
                               QStringLiteral("reset"), QStringLiteral("clearerror")}) {
        if (status == 0)
            status = context.writePoint(key, false, true);
    }
    if (status != 0)
        return context.reportFailure(RYXInterfaceModule::resultOfStatus(status), tr("patch failure!"));
    return patchResult(context, QStringLiteral("SmallGreenLED"), patchedText(), 0);
}

// ------------------------------------------------------------ event log

QList<DiscreteModuleObject::StatusRow> DiscreteModuleObject::statusRows() const
{
    return {std::begin(ModuleStatus), std::end(ModuleStatus)};
}

QString DiscreteModuleObject::statusText(unsigned status) const
{
    for (const StatusRow &row : statusRows()) {
        if (status & row.mask)
            return QCoreApplication::translate("DiscreteModuleObject", row.text);
    }
    return QString();
}

void DiscreteModuleObject::postLine(const QString &text)
{
    postToMainWindow(new addToEventBoxEvent(QStringLiteral("    ") + text));
}

bool DiscreteModuleObject::addToEventBox(int)
{
    postToMainWindow(new addToEventBoxEvent(getName()));
    unsigned char bytes[BlockSize] = {};
    if (!readRegister(StatusRegister, bytes)) {
        postLine(tr("Failed to read Status."));
        return false;
    }
    const QString fault = statusText(qFromBigEndian<quint16>(bytes));
    if (!fault.isEmpty())
        postLine(fault);
    if (!readRegister(IoRegister, bytes)) {
        postLine(tr("Failed to read PV"));
        return false;
    }
    const unsigned word = qFromBigEndian<quint32>(bytes);
    for (int n = 1; n <= m_channels; ++n)
        postLine(getChannelLabel(n).trimmed() + QStringLiteral(": ") + stateText(ioState(word, n)));
    return true;
}
