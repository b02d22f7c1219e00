#include "io/AOChannelObject.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/PointSpec.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "devices/RYXIOModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/AOChannelDialog.h"
#include "io/AOControlOutputDialog.h"
#include "io/TIChannelObject.h"
#include "plugins/RYXTrimObjectPlugin.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTime>
#include <QtCore/QtEndian>
#include <QtWidgets/QApplication>

#include <cmath>
#include <cstring>

namespace {

RYXObject *makeAOChannel(int channel)
{
    auto *object = new AOChannelObject;
    object->setChannelNumber(channel);
    return object;
}

// The channel's points, in their order of creation.
const PointSpec Points[] = {
    {"channelnotused", "false", 0, 0, ZEMP_NONE},
    // A device byte: written as 0 or 1 from "channelnotused".
    {"channelnotusedzemppoint", "0", 3, 0x12, ZEMP_UINT8},
    {"calccs", "00", 3, 0x5710, ZEMP_BINARY, 1},
    {"reset", "00", 3, 0x6F, ZEMP_BINARY, 1},
    {"clearerror", "65519", 3, 0x5700, ZEMP_UINT16},
    {"enableeeprom", "85", 3, 0x73, ZEMP_UINT8},
    {"outputtype", "ma", 0, 0, ZEMP_NONE},
    {"constptr", "152", 1, 0xF006, ZEMP_UINT8},
    {"type", "68", 1, 0xF007, ZEMP_UINT8},
    {"outputzero", "4.0", 0, 0xE050, ZEMP_FLOAT},
    {"outputfull", "20.0", 0, 0xE054, ZEMP_FLOAT},
    {"outputdamping", "0.0", 0, 0, ZEMP_NONE},
    {"outputonunderrange", "0.0", 0, 0xE058, ZEMP_FLOAT},
    {"outputonoverrange", "23.6", 0, 0xE05C, ZEMP_FLOAT},
    {"scalingflag", "0", 0, 0xF0E1, ZEMP_UINT8},
    {"scalingenabled", "false", 0, 0, ZEMP_NONE},
    {"scalingzero", "0.0", 0, 0xE0E4, ZEMP_FLOAT},
    {"scalingfull", "100.0", 0, 0xE0E8, ZEMP_FLOAT},
    {"failuremode", "hold", 0, 0, ZEMP_NONE},
    {"failurevalue", "0.0", 0, 0xE018, ZEMP_FLOAT},
    {"dampcnst", "0.0", 1, 0xE020, ZEMP_FLOAT},
    {"dampingenable", "0", 1, 0xF00B, ZEMP_UINT8},
    {"nanoutput", "0.0", 1, 0xE01C, ZEMP_FLOAT},
    {"flags", "0", 1, 0xF008, ZEMP_UINT8},
    {"initval", "0", 1, 0xE014, ZEMP_FLOAT},
    {"output", "0.0", 3, 0, ZEMP_NONE},
    {"tag1", "PV", 0, 0, ZEMP_NONE},
    {"egu1", "", 0, 0, ZEMP_NONE},
    {"numtrimpts", "0", 0, 0xF0E0, ZEMP_UINT8},
    {"trimpointz", "0.0", 0, 0xE0D0, ZEMP_FLOAT},
    {"trimpointf", "0.0", 0, 0xE0D4, ZEMP_FLOAT},
    {"trimcapturez", "0.0", 0, 0xE0D8, ZEMP_FLOAT},
    {"trimcapturef", "0.0", 0, 0xE0DC, ZEMP_FLOAT},
    {"trimenable", "false", 3, 0, ZEMP_NONE},
    {"tag1isvalid", "true", 3, 0, ZEMP_NONE},
    {"egu1isvalid", "true", 3, 0, ZEMP_NONE},
    {"isvalid", "true", 3, 0, ZEMP_NONE},
    {"ozisvalid", "true", 3, 0, ZEMP_NONE},
    {"ofisvalid", "true", 3, 0, ZEMP_NONE},
    {"dampingisvalid", "true", 3, 0, ZEMP_NONE},
    {"urangeisvalid", "true", 3, 0, ZEMP_NONE},
    {"orangeisvalid", "true", 3, 0, ZEMP_NONE},
    {"scalingisvalid", "true", 3, 0, ZEMP_NONE},
    {"fvalisvalid", "true", 3, 0, ZEMP_NONE},
    {"tzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tfisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapfisvalid", "true", 3, 0, ZEMP_NONE},
    {"trimisvalid", "true", 3, 0, ZEMP_NONE},
    {"trimrangez", "0.0", 3, 0, ZEMP_NONE},
    {"trimrangef", "0.0", 3, 0, ZEMP_NONE},
    {"synch_outputtype", "0", 7, 0xF007, ZEMP_UINT8},
    {"synch_scalingflag", "0", 7, 0xF0E1, ZEMP_UINT8},
    {"synchtag1", "", 7, 0, ZEMP_NONE},
    {"synchegu1", "", 7, 0, ZEMP_NONE},
    // The damping coefficient as the device's bits: a coefficient of a long
    // damping is too small for the six decimals of a float point's text.
    {"dampcnstbits", "0", 3, 0xE020, ZEMP_UINT32},
};

const AOChannelObject::StatusRow OutputStatus[] = {
    {0x0001, QT_TRANSLATE_NOOP("AOChannelObject", "Channel Fail")},
    {0x0002, QT_TRANSLATE_NOOP("AOChannelObject", "Channel Disabled")},
    {0x0008, QT_TRANSLATE_NOOP("AOChannelObject", "SRAM Fail")},
    {0x0010, QT_TRANSLATE_NOOP("AOChannelObject", "FLASH Fail")},
    {0x0004, QT_TRANSLATE_NOOP("AOChannelObject", "EEPROM Fail")},
    {0x0020, QT_TRANSLATE_NOOP("AOChannelObject", "Front-End Reset")},
    {0x0040, QT_TRANSLATE_NOOP("AOChannelObject", "Low-Current Error")},
    {0x8000, QT_TRANSLATE_NOOP("AOChannelObject", "Error in Producer Channel")},
    {0x0080, QT_TRANSLATE_NOOP("AOChannelObject", "PV Invalid")},
    {0x0100, QT_TRANSLATE_NOOP("AOChannelObject", "PV too small")},
    {0x0200, QT_TRANSLATE_NOOP("AOChannelObject", "PV too large")},
};

// Values derived from device words keep their full precision in the text.
QString exactText(double value)
{
    return QString::number(value, 'g', 9);
}

} // namespace

const RYXClassInfo AOChannelObject::Info = {
    RYXObjectFactory::ChannelLevel, "AOCHANNEL", "AO", 1, -1, "AO Channel", "AO Channel", "AO", 0, 0,
    &makeAOChannel};

AOChannelObject::AOChannelObject(QObject *parent) : RYXChannel(parent)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<AOChannelDialog, RYXObject>);
    PointSpec::insertAll(this, Points);
    // The trim plug-in presents this channel's trim points in a tree item and
    // a dialog of its own; the values stay in this channel.
    m_trimPlugin = new RYXTrimObjectPlugin(this, RYXTrimObjectPlugin::AnalogOutput);
    RYXObject::addChild(m_trimPlugin);
}

bool AOChannelObject::setValue(const QString &key, const QString &value, bool updateUi)
{
    const bool stored = RYXChannel::setValue(key, value, updateUi);
    // Without this a channel read from its file would download with its
    // trim points cleared, as if trimming had been switched off.
    if (stored && key == QLatin1String("numtrimpts") && value.toInt() != 0)
        RYXChannel::setValue(QStringLiteral("trimenable"), QStringLiteral("true"), updateUi);
    return stored;
}

QString AOChannelObject::getXmlStartTag()
{
    return channelXmlStartTag();
}

// --- device words ---------------------------------------------------------------

AOChannelObject::Limits AOChannelObject::limitsOf(const QString &type)
{
    return type == QLatin1String("v") ? Limits{-0.25, 11.0} : Limits{0.0, 23.6};
}

QString AOChannelObject::outputUnit()
{
    const QString type = getString(QStringLiteral("outputtype"));
    return type == QLatin1String("ma") ? QStringLiteral("mA") : type;
}

double AOChannelObject::dampingCoefficient(double seconds)
{
    if (!(seconds > 0.0 && seconds <= MaxDamping))
        return 0.0;
    return 1.0 - std::exp(-1.0 / (300.0 * seconds));
}

double AOChannelObject::dampingOf(double coefficient)
{
    if (!(coefficient > 0.0 && coefficient < 1.0))
        return 0.0;
    const double x = -1.0 / (std::log(1.0 - coefficient) * 300.0);
    return std::trunc(x * 100.0 + 0.5) * 0.01;
}

void AOChannelObject::deriveDeviceWords()
{
    const bool volts = getString(QStringLiteral("outputtype")) == QLatin1String("v");
    setValue(QStringLiteral("type"), unsigned(volts ? VoltsType : CurrentType));
    setValue(QStringLiteral("constptr"), unsigned(volts ? VoltsConst : CurrentConst));
    setValue(QStringLiteral("initval"), getString(QStringLiteral("outputzero")));
    const double coefficient = dampingCoefficient(getString(QStringLiteral("outputdamping")).toDouble());
    setValue(QStringLiteral("dampingenable"), coefficient > 0.0 ? 1 : 0);
    setValue(QStringLiteral("dampcnst"), exactText(coefficient));
    const float deviceCoefficient = float(coefficient);
    quint32 bits = 0;
    std::memcpy(&bits, &deviceCoefficient, sizeof bits);
    setValue(QStringLiteral("dampcnstbits"), unsigned(bits));
    if (!getBool(QStringLiteral("trimenable")))
        setValue(QStringLiteral("numtrimpts"), 0);
    setValue(QStringLiteral("nanoutput"), getString(QStringLiteral("failurevalue")));
    // Bits the program does not own are kept as the device gave them.
    unsigned flags = getUInt(QStringLiteral("flags")) & ~unsigned(PresetBits | CurrentBit);
    if (getString(QStringLiteral("failuremode")) == QLatin1String("preset"))
        flags |= PresetBits;
    if (!volts)
        flags |= CurrentBit;
    setValue(QStringLiteral("flags"), flags);
    const bool scaling = getBool(QStringLiteral("scalingenabled"));
    setValue(QStringLiteral("scalingflag"), scaling ? 1 : 0);
    if (!scaling)
        setValue(QStringLiteral("egu1"), QString());
    setValue(QStringLiteral("channelnotusedzemppoint"), getBool(QStringLiteral("channelnotused")) ? 1 : 0);
}

void AOChannelObject::decodeDeviceWords()
{
    setValue(QStringLiteral("outputtype"),
             getUInt(QStringLiteral("type")) == VoltsType ? QStringLiteral("v") : QStringLiteral("ma"));
    quint32 bits = getUInt(QStringLiteral("dampcnstbits"));
    float coefficient = 0.0f;
    std::memcpy(&coefficient, &bits, sizeof coefficient);
    setValue(QStringLiteral("dampcnst"), exactText(coefficient));
    setValue(QStringLiteral("outputdamping"), QString::asprintf("%.2f", dampingOf(coefficient)));
    setValue(QStringLiteral("trimenable"), getInt(QStringLiteral("numtrimpts")) != 0);
    setValue(QStringLiteral("failuremode"), (getUInt(QStringLiteral("flags")) & PresetBits)
                                                    ? QStringLiteral("preset")
                                                    : QStringLiteral("hold"));
    setValue(QStringLiteral("scalingenabled"), getInt(QStringLiteral("scalingflag")) != 0);
    setValue(QStringLiteral("channelnotused"), getInt(QStringLiteral("channelnotusedzemppoint")) != 0);
}

void AOChannelObject::setShadows()
{
    setValue(QStringLiteral("synch_outputtype"), getString(QStringLiteral("type")));
    setValue(QStringLiteral("synch_scalingflag"), getString(QStringLiteral("scalingflag")));
    setValue(QStringLiteral("synchtag1"), getString(QStringLiteral("tag1")));
    setValue(QStringLiteral("synchegu1"), getString(QStringLiteral("egu1")));
}

bool AOChannelObject::prepareDownloadData()
{
    deriveDeviceWords();
    setShadows();
    return true;
}

bool AOChannelObject::processUploadedData()
{
    decodeDeviceWords();
    setShadows();
    updateDialog();
    return true;
}

// --- validation ---------------------------------------------------------------

bool AOChannelObject::validateOutputs()
{
    const Limits range = limits();
    const auto within = [&](const char *key) {
        const double value = getString(QLatin1String(key)).toDouble();
        return value >= range.low && value <= range.high;
    };
    const double zero = getString(QStringLiteral("outputzero")).toDouble();
    const double full = getString(QStringLiteral("outputfull")).toDouble();
    // The values are compared as typed; 4.9997 - 4 falls a rounding error
    // short of 0.9997 in binary, and is the least span that is allowed.
    const bool span = full - zero >= MinSpan - 1e-9;
    const double damping = getString(QStringLiteral("outputdamping")).toDouble();
    const bool preset = getString(QStringLiteral("failuremode")) != QLatin1String("hold");
    const struct
    {
        const char *flag;
        bool valid;
    } checks[] = {
        {"ozisvalid", span && within("outputzero")},
        {"ofisvalid", span && within("outputfull")},
        {"dampingisvalid", damping >= 0.0 && damping <= MaxDamping},
        {"urangeisvalid", within("outputonunderrange")},
        {"orangeisvalid", within("outputonoverrange")},
        {"fvalisvalid", !preset || within("failurevalue")},
    };
    bool valid = true;
    for (const auto &check : checks) {
        setValue(QLatin1String(check.flag), check.valid);
        valid = valid && check.valid;
    }
    return valid;
}

bool AOChannelObject::validate()
{
    bool valid = validateOutputs();
    const bool scaling = !getBool(QStringLiteral("scalingenabled"))
                         || std::fabs(getString(QStringLiteral("scalingzero")).toDouble()
                                      - getString(QStringLiteral("scalingfull")).toDouble())
                                    >= 0.001;
    setValue(QStringLiteral("scalingisvalid"), scaling);
    const bool tag = TIChannelObject::isValidTag(getString(QStringLiteral("tag1")));
    setValue(QStringLiteral("tag1isvalid"), tag);
    const bool egu = getString(QStringLiteral("egu1")).size() <= 8;
    setValue(QStringLiteral("egu1isvalid"), egu);
    valid = validateTrim() && valid && scaling && tag && egu;
    setValue(QStringLiteral("isvalid"), valid);
    setStatus(valid ? ClearConfigError : SetConfigError);
    return valid;
}

// The trim plug-in is in the tree while trimming is on.
bool AOChannelObject::validateTrim()
{
    return validateTrimRange(m_trimPlugin, QStringLiteral("outputzero"), QStringLiteral("outputfull"));
}

void AOChannelObject::updateDialog()
{
    validateThenRefresh([this] { validate(); });
}

void AOChannelObject::TrimEnableToggled(bool on)
{
    storeTrimEnable(on, "AOChannelObject::TrimEnableToggled - An AO Channel must have a current configuration "
                        "without errors when enabling trimming");
}

void AOChannelObject::setOnline(bool online)
{
    RYXChannel::setOnline(online);
    m_trimPlugin->setOnline(online);
}

void AOChannelObject::invalidateConfiguration()
{
    m_trimPlugin->invalidateConfiguration();
    setStatus(Invalidate);
}

// --- transfers ------------------------------------------------------------------

int AOChannelObject::uploadPoints(TransferContext &context)
{
    readAll(context, keysOf({"channelnotusedzemppoint", "constptr", "type", "outputzero", "outputfull", "initval",
                             "outputonunderrange", "outputonoverrange", "dampingenable", "dampcnstbits",
                             "failurevalue", "nanoutput", "flags", "numtrimpts", "trimpointz", "trimpointf",
                             "trimcapturez", "trimcapturef", "scalingzero", "scalingfull", "scalingflag"}));
    transferChannelTexts(context, false);
    return 0;
}

int AOChannelObject::downloadPoints(TransferContext &context)
{
    writeAll(context, keysOf({"enableeeprom", "channelnotusedzemppoint", "constptr", "type", "outputzero",
                              "outputfull", "initval", "outputonunderrange", "outputonoverrange", "dampingenable",
                              "dampcnst", "failurevalue", "nanoutput", "flags", "trimpointz", "trimpointf",
                              "trimcapturez", "trimcapturef", "numtrimpts", "scalingzero", "scalingfull",
                              "scalingflag", "calccs", "reset", "clearerror"}));
    transferChannelTexts(context, true);
    return 0;
}

int AOChannelObject::synchronizePoints(TransferContext &context)
{
    synchronizeShadows(context, keysOf({"synch_fwversion", "synch_outputtype", "synch_scalingflag"}));
    return 0;
}

int AOChannelObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("writeOutput"))
        return writeOutput();
    if (op == QLatin1String("readOutput"))
        return readOutput();
    if (op == QLatin1String("uploadtrim") || op == QLatin1String("downloadtrim"))
        return runTrimTransfer(op == QLatin1String("downloadtrim"));
    return RYXChannel::executeOperation(op, topLevel);
}

int AOChannelObject::runTrimTransfer(bool download)
{
    TransferContext context(true, this);
    context.setProgressTitle((download ? QStringLiteral("Downloading Trim Data ") : QStringLiteral("Uploading Trim Data "))
                             + getName());
    try {
        if (download)
            writeAll(context, trimKeys());
        else
            readAll(context, trimKeys());
    } catch (const CVELException_ExcessiveRetries &) {
        context.addProgressResult(QStringLiteral("SmallRedLED"), getName() + QStringLiteral(" upload trim data failure!"));
        return TransferContext::RetryLimitExceeded;
    }
    if (!download && !processUploadedData())
        return context.reportFailure(TransferContext::GenericFailure, QStringLiteral("upload failure"),
                                     tr("There is a problem with the data."));
    context.addProgressResult(QStringLiteral("SmallGreenLED"),
                              getName()
                                  + (download ? QStringLiteral(" download trim data success!")
                                              : QStringLiteral(" upload trim data success!")));
    return 0;
}

// --- the live output --------------------------------------------------------------

QString AOChannelObject::placeText()
{
    RYXIOModule *io = module();
    RYXObject *station = io ? io->getParentObject() : nullptr;
    return tr("station %1, module %2, channel %3")
        .arg(station ? station->getName() : tr("(none)"), io ? io->getName() : tr("(none)"))
        .arg(channelNumber);
}

int AOChannelObject::writeOutput()
{
    const float value = getFloat(QStringLiteral("output"));
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    unsigned char bytes[4] = {};
    qToBigEndian(bits, bytes);
    const int status = writeBlock(OutputRegister, bytes);
    // Every value sent to the real output is on record.
    const QString amount = QString::asprintf("%.2f ", double(value)) + outputUnit();
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    postEventLine(status == 0 ? tr("%1 %2: output set to %3").arg(time, placeText(), amount)
                              : tr("%1 %2: the output could not be set to %3").arg(time, placeText(), amount));
    return status;
}

int AOChannelObject::readOutput()
{
    float value = 0.0f;
    if (!readFloatRegister(OutputRegister, value))
        return -1;
    setValue(QStringLiteral("output"), value);
    return 0;
}

void AOChannelObject::recordOutputLeft()
{
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    postEventLine(tr("%1 %2: output control closed, the output stays at its last value").arg(time, placeText()));
}

void AOChannelObject::showControlOutputDialog(int mode)
{
    auto *dialog = new AOControlOutputDialog(this, AOControlOutputDialog::Mode(mode), QApplication::activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->show();
}

void AOChannelObject::trimButtonClicked(bool upper)
{
    showControlOutputDialog(upper ? AOControlOutputDialog::TrimUpper : AOControlOutputDialog::TrimLower);
}

// --- patching -----------------------------------------------------------------

int AOChannelObject::patchChannel(int target)
{
    TransferContext context(false, this);
    const auto result = [&](const char *pixmap, const QString &text, int code) {
        context.addProgressResult(QLatin1String(pixmap), getName() + text);
        return code;
    };
    if (verifyDevice(context.port()) != 0)
        return result("SmallYellowLED", QStringLiteral(" This channel is not a AO!"), -1);
    const QString moduleType = QStringLiteral("moduletype");
    if (context.readPoint(moduleType, false, true) != 0)
        return result("SmallRedLED", QStringLiteral(" Failed to read MT, cannot patch (old TIM FW)!"), -1);
    if (getInt(moduleType) == target)
        return result("SmallGreenLED", QStringLiteral(" No patching necessary!"), 0);
    setValue(moduleType, target);
    int status = 0;
    for (const QString &key : keysOf({"enableeeprom", "moduletype", "calccs", "reset", "clearerror"})) {
        status = context.writePoint(key, false, true);
        if (status != 0)
            return context.reportFailure(RYXInterfaceModule::resultOfStatus(status), QStringLiteral("patch failure!"));
    }
    return result("SmallGreenLED", QStringLiteral(" Patched!"), 0);
}

// --- event log ------------------------------------------------------------------

QString AOChannelObject::statusText(unsigned status)
{
    for (const StatusRow &row : OutputStatus) {
        if (status & row.mask)
            return QCoreApplication::translate("AOChannelObject", row.text);
    }
    return QString();
}

QString AOChannelObject::pvUnitLabel()
{
    if (getInt(QStringLiteral("synch_scalingflag")) != 0) {
        const QString egu = getString(QStringLiteral("synchegu1"));
        return egu.isEmpty() || checkOperation(0) != 0 ? QStringLiteral("EU") : egu;
    }
    return getUInt(QStringLiteral("synch_outputtype")) == VoltsType ? QStringLiteral("V") : QStringLiteral("mA");
}

bool AOChannelObject::addToEventBox(int decimals)
{
    postEventLine(getName());
    unsigned char bytes[4] = {};
    if (readBlock(StatusRegister, bytes) != 0) {
        postEventLine(QStringLiteral("    ") + tr("Failed to read Status"));
        return false;
    }
    const QString fault = statusText(qFromBigEndian<quint16>(bytes));
    if (!fault.isEmpty()) {
        postEventLine(QStringLiteral("    ") + fault);
        return true;
    }
    float value = 0.0f;
    postEventLine(readFloatRegister(PvRegister, value) ? valueLine(value, decimals, pvUnitLabel(), QString())
                                                       : QStringLiteral("    ") + tr("Failed to read PV"));
    return true;
}
