#include "io/TIChannelObject.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/PointSpec.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/InputCapture.h"
#include "io/TemperatureSensorModel.h"
#include "io/TIChannelDialog.h"
#include "model/RYXObjectPlugin.h"
#include "plugins/RYXCustomCurveObjectPlugin.h"
#include "plugins/RYXTrimObjectPlugin.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QRegularExpression>
#include <QtCore/QtEndian>

#include <cmath>

namespace {

using Model = TemperatureSensorModel;

RYXObject *makeTIChannel(int channel)
{
    auto *object = new TIChannelObject;
    object->setChannelNumber(channel);
    return object;
}

// Points of every input channel, in their order of creation.
const PointSpec MainPoints[] = {
    {"inputtype", "1", 0, 0, ZEMP_NONE},
    {"sensor1", "0", 3, 0xFF12, ZEMP_UINT8},
    {"sensor2", "0", 3, 0xFF13, ZEMP_UINT8},
    {"pvunits", "0", 3, 0xFF14, ZEMP_UINT8},
    {"config3", "0", 1, 0xFF53, ZEMP_UINT8},
    {"config4", "0", 1, 0xFF54, ZEMP_UINT8},
    {"inputzero", "0", 0, 0xFF1B, ZEMP_FLOAT},
    {"inputfull", "100.0", 0, 0xFF1C, ZEMP_FLOAT},
    {"dampingvalue", "0.0", 0, 0xFF22, ZEMP_FLOAT},
    {"scalingenabled", "false", 0, 0, ZEMP_NONE},
    {"scalingzero", "0.0", 0, 0xFF3B, ZEMP_FLOAT},
    {"scalingfull", "100.0", 0, 0xFF3C, ZEMP_FLOAT},
    {"filterfreq", "60", 0, 0, ZEMP_NONE},
    {"channelnotused", "false", 0, 0, ZEMP_NONE},
    {"tag1", "PV", 0, 0, ZEMP_NONE},
    {"egu1", "", 0, 0, ZEMP_NONE},
    {"failmodeflags", "00", 1, 0xFA00, ZEMP_UINT8},
    {"failmode", "hold", 0, 0, ZEMP_NONE},
    {"failpreset", "0.0", 0, 0xFD01, ZEMP_FLOAT},
    {"trimenable", "false", 0, 0, ZEMP_NONE},
    {"numtrimpts", "0", 0, 0xF0E0, ZEMP_UINT8},
    {"trimpointz", "0.0", 0, 0xFF23, ZEMP_FLOAT},
    {"trimpointf", "0.0", 0, 0xFF24, ZEMP_FLOAT},
    {"trimcapturez", "0.0", 0, 0xFF25, ZEMP_FLOAT},
    {"trimcapturef", "0.0", 0, 0xFF26, ZEMP_FLOAT},
    {"customcurveenable", "false", 0, 0, ZEMP_NONE},
    {"customcurvenumpts", "0", 0, 0xFF37, ZEMP_UINT8},
};

// After the curve's X and Y values.
const PointSpec WorkingPoints[] = {
    {"customcurverangelow", "0.0", 2, 0xFF38, ZEMP_FLOAT},
    {"customcurverangehigh", "0.0", 2, 0xFF39, ZEMP_FLOAT},
    {"tablelow", "0.0", 1, 0xFF38, ZEMP_FLOAT},
    {"tablehigh", "0.0", 1, 0xFF39, ZEMP_FLOAT},
    {"isvalid", "true", 1, 0, ZEMP_NONE},
    {"sysdampingvalue", "true", 1, 0, ZEMP_NONE},
    {"tag1isvalid", "true", 3, 0, ZEMP_NONE},
    {"egu1isvalid", "true", 3, 0, ZEMP_NONE},
    {"izisvalid", "true", 3, 0, ZEMP_NONE},
    {"ifisvalid", "true", 3, 0, ZEMP_NONE},
    {"dampingisvalid", "true", 3, 0, ZEMP_NONE},
    {"scalingisvalid", "true", 3, 0, ZEMP_NONE},
    {"fvalisvalid", "true", 3, 0, ZEMP_NONE},
    {"ambtempunitsvalid", "true", 3, 0, ZEMP_NONE},
    {"tzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tfisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapfisvalid", "true", 3, 0, ZEMP_NONE},
    {"trimisvalid", "true", 3, 0, ZEMP_NONE},
    {"ccurveisvalid", "true", 3, 0, ZEMP_NONE},
    {"ccurvenumpointsisvalid", "true", 3, 0, ZEMP_NONE},
    {"inputmin", "-400", 3, 0, ZEMP_NONE},
    {"inputmax", "1760", 3, 0, ZEMP_NONE},
    {"inputminspan", "50", 3, 0, ZEMP_NONE},
    {"trimrangez", "0.0", 3, 0, ZEMP_NONE},
    {"trimrangef", "0.0", 3, 0, ZEMP_NONE},
    {"ccurveerrormessage", "", 3, 0, ZEMP_NONE},
    {"synch_inputunits", "0", 7, 0xFF14, ZEMP_UINT8},
    {"synch_config3", "0", 7, 0xFF53, ZEMP_UINT8},
    {"synchtag1", "", 7, 0, ZEMP_NONE},
    {"synchegu1", "", 7, 0, ZEMP_NONE},
    // Reading a command point makes the device execute it.
    {"goonline", "00000000", 3, 0x301, ZEMP_BINARY, 4},
    {"gooffline", "00000000", 3, 0x302, ZEMP_BINARY, 4},
    {"gocalmode", "00000000", 3, 0x303, ZEMP_BINARY, 4},
    {"calccalchecksum", "00", 3, 0x4400, ZEMP_BINARY, 1},
    {"calcconfigchecksum", "00", 3, 0x4401, ZEMP_BINARY, 1},
};

// Only a temperature channel has a sensor model, the ambient temperature
// and broken wire detection.
const PointSpec TemperaturePoints[] = {
    {"inputsubtype", "2", 0, 0, ZEMP_NONE},
    {"inputconnection", "3", 0, 0, ZEMP_NONE},
    {"inputresistance", "2", 2, 0, ZEMP_NONE},
    {"inputunits", "33", 0, 0, ZEMP_NONE},
    {"ambtempenable", "false", 0, 0, ZEMP_NONE},
    {"ambtempunits", "0", 0, 0xFF15, ZEMP_UINT8},
    {"brokenwireeenable", "false", 0, 0, ZEMP_NONE},
    {"ambtempfailmode", "hold", 0, 0, ZEMP_NONE},
    {"ambtempfailpreset", "0.0", 0, 0xFD02, ZEMP_FLOAT},
    {"synchambtempunits", "0", 7, 0xFF15, ZEMP_UINT8},
};

const TIChannelObject::StatusRow TemperatureStatus[] = {
    {0x001, QT_TRANSLATE_NOOP("TIChannelObject", "I/O Channel Fail")},
    {0x002, QT_TRANSLATE_NOOP("TIChannelObject", "Channel Disabled")},
    {0x800, QT_TRANSLATE_NOOP("TIChannelObject", "Run-Time Fail")},
    {0x200, QT_TRANSLATE_NOOP("TIChannelObject", "A/D Converter Fail")},
    {0x400, QT_TRANSLATE_NOOP("TIChannelObject", "EEPROM Fail")},
    {0x100, QT_TRANSLATE_NOOP("TIChannelObject", "Broken RJC")},
    {0x0F0, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #4")},
    {0x0C0, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #3")},
    {0x010, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #1")},
    {0x020, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #2")},
    {0x008, QT_TRANSLATE_NOOP("TIChannelObject", "A/D Input Saturated")},
    {0x004, QT_TRANSLATE_NOOP("TIChannelObject", "Out of Table Range")},
};

// The trim and curve transfers run alone by executeOperation.
struct PartTransfer
{
    const char *operation;
    const char *title;
    const char *success;
    const char *retries;
    bool download;
    bool curve;
};

const PartTransfer PartTransfers[] = {
    {"uploadtrim", "Uploading Trim Data ", "...Upload Trim Data success!",
     " Upload Trim Data failure! (excess retries)", false, false},
    {"downloadtrim", "Downloading Trim Data ", " Download Trim Data success!",
     " Download Trim Data failure! (excess retries)", true, false},
    {"uploadcurve", "Uploading Custom Curve Data ", " Upload Custom Curve Data success!",
     " Upload Custom Curve Data failure! (excess retries)", false, true},
    {"downloadcurve", "Downloading Custom Curve Data ", " Download Custom Curve Data success!",
     " Download Custom Curve Data failure! (excess retries)", true, true},
};

QString curveKey(char axis, int i)
{
    return QStringLiteral("customcurve_%1_value%2").arg(QLatin1Char(axis)).arg(i);
}

} // namespace

const RYXClassInfo TIChannelObject::Info = {
    RYXObjectFactory::ChannelLevel, "TICHANNEL", "TI", 2, -1, "TI Channel", "TI Channel", "TI", 0, 0,
    &makeTIChannel};

TIChannelObject::TIChannelObject(QObject *parent) : TIChannelObject(parent, true)
{
}

TIChannelObject::TIChannelObject(QObject *parent, bool temperature)
    : RYXChannel(parent), m_temperature(temperature)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<TIChannelDialog, RYXObject>);
    PointSpec::insertAll(this, MainPoints);
    for (char axis : {'x', 'y'}) {
        const quint16 base = axis == 'x' ? 0xFE00 : 0xF900;
        for (int i = 1; i <= MaxCurvePoints; ++i)
            InsertPoint(curveKey(axis, i), QStringLiteral("0.000000"), DataPoint::Attributes(0),
                        quint16(base + i), ZEMP_FLOAT);
    }
    PointSpec::insertAll(this, WorkingPoints);
    if (temperature)
        PointSpec::insertAll(this, TemperaturePoints);
    createPlugins();
}

// The trim plug-in (channel kind 7 here, 11 for an analog input channel)
// and the custom curve plug-in present this channel's trim and curve points
// in tree items and dialogs of their own; the values stay in this channel.
void TIChannelObject::createPlugins()
{
    m_trimPlugin = new RYXTrimObjectPlugin(this, RYXTrimObjectPlugin::TemperatureInput);
    m_curvePlugin = new RYXCustomCurveObjectPlugin(this, getTypeCode());
    for (RYXObjectPlugin *plugin : ownPlugins())
        RYXObject::addChild(plugin);
}

QString TIChannelObject::getXmlStartTag()
{
    return channelXmlStartTag();
}

bool TIChannelObject::isValidTag(const QString &tag)
{
    static const QRegularExpression nonWord(QStringLiteral("\\W"));
    if (tag.isEmpty())
        return true;
    return tag.size() <= 24 && !tag.contains(nonWord) && !(tag.at(0) >= QLatin1Char('0') && tag.at(0) <= QLatin1Char('9'));
}

// --- sensor model -------------------------------------------------------------

void TIChannelObject::updateSensorWords()
{
    Model::Choice choice;
    choice.type = getInt(QStringLiteral("inputtype"));
    choice.subtype = getInt(QStringLiteral("inputsubtype"));
    choice.resistance = getInt(QStringLiteral("inputresistance"));
    choice.connection = getInt(QStringLiteral("inputconnection"));
    choice.units = getInt(QStringLiteral("inputunits"));
    const Model::Words words = Model::derive(choice);
    setValue(QStringLiteral("sensor1"), words.sensor1);
    setValue(QStringLiteral("sensor2"), words.sensor2);
    setValue(QStringLiteral("pvunits"), words.pvunits);
    if (!words.hasRange)
        return;
    setValue(QStringLiteral("inputmin"), QString::number(words.range.low));
    setValue(QStringLiteral("inputmax"), QString::number(words.range.high));
    setValue(QStringLiteral("inputminspan"), QString::number(words.range.minSpan));
}

QString TIChannelObject::unitLabel(int code, unsigned config3)
{
    return Model::unitLabel(code, config3, getString(QStringLiteral("synchegu1")), typeCode);
}

// --- device words ---------------------------------------------------------------

QList<TIChannelObject::FlagBit> TIChannelObject::flagBits() const
{
    QList<FlagBit> bits = {
        {"config3", CurveBit, "customcurveenable", "true", "false", false},
        {"config3", ScalingBit, "scalingenabled", "true", "false", false},
        {"config4", NotUsedBit, "channelnotused", "true", "false", false},
        {"config4", Filter50HzBit, "filterfreq", "50", "60", false},
        {"failmodeflags", 0x01, "failmode", "preset", "hold", true},
    };
    if (m_temperature) {
        bits += {
            {"config3", BrokenWireBit, "brokenwireeenable", "true", "false", false},
            {"config3", AmbientBit, "ambtempenable", "true", "false", false},
            {"failmodeflags", 0x02, "ambtempfailmode", "preset", "hold", true},
        };
    }
    return bits;
}

// Each word is read, its own bits are changed and every other bit is kept
// as the device gave it.
void TIChannelObject::encodeFlags()
{
    QMap<QString, unsigned> words;
    for (const QString &word : {QStringLiteral("config3"), QStringLiteral("config4"), QStringLiteral("failmodeflags")})
        words[word] = getUInt(word);
    words[QStringLiteral("config4")] |= AlwaysSetBit;
    for (const FlagBit &bit : flagBits()) {
        const QString value = getString(QLatin1String(bit.point));
        const bool set = bit.setUnlessOff ? value != QLatin1String(bit.offValue) : value == QLatin1String(bit.onValue);
        unsigned &word = words[QLatin1String(bit.word)];
        word = set ? word | bit.mask : word & ~bit.mask;
    }
    encodeTrimBits(words[QStringLiteral("config3")]);
    for (auto it = words.cbegin(); it != words.cend(); ++it)
        setValue(it.key(), it.value());
}

void TIChannelObject::encodeTrimBits(unsigned &config3)
{
    const int points = getInt(QStringLiteral("numtrimpts"));
    if (!getBool(QStringLiteral("trimenable")) || points == 0)
        config3 &= ~unsigned(TrimBit);
    else if (points == 1)
        config3 = (config3 | TrimBit) & ~unsigned(SecondTrimBit);
    else if (points == 2)
        config3 |= TrimBit | SecondTrimBit;
}

void TIChannelObject::decodeFlags()
{
    for (const FlagBit &bit : flagBits()) {
        const bool set = getUInt(QLatin1String(bit.word)) & bit.mask;
        setValue(QLatin1String(bit.point), QLatin1String(set ? bit.onValue : bit.offValue));
    }
    const unsigned config3 = getUInt(QStringLiteral("config3"));
    const bool trimmed = config3 & TrimBit;
    setValue(QStringLiteral("trimenable"), trimmed);
    setValue(QStringLiteral("numtrimpts"), !trimmed ? 0 : (config3 & SecondTrimBit) ? 2 : 1);
}

void TIChannelObject::deriveDeviceWords()
{
    updateSensorWords();
}

void TIChannelObject::decodeDeviceWords()
{
    const Model::Choice choice = Model::decode(getInt(QStringLiteral("sensor1")), getInt(QStringLiteral("sensor2")),
                                               getInt(QStringLiteral("pvunits")));
    setValue(QStringLiteral("inputtype"), choice.type);
    setValue(QStringLiteral("inputsubtype"), choice.subtype);
    setValue(QStringLiteral("inputconnection"), choice.connection);
    setValue(QStringLiteral("inputresistance"), choice.resistance);
    setValue(QStringLiteral("inputunits"), choice.units);
}

void TIChannelObject::setShadows()
{
    setValue(QStringLiteral("synch_inputunits"), getString(QStringLiteral("pvunits")));
    setValue(QStringLiteral("synch_config3"), getString(QStringLiteral("config3")));
    setValue(QStringLiteral("synchtag1"), getString(QStringLiteral("tag1")));
    setValue(QStringLiteral("synchegu1"), getString(QStringLiteral("egu1")));
    if (m_temperature)
        setValue(QStringLiteral("synchambtempunits"), getString(QStringLiteral("ambtempunits")));
}

bool TIChannelObject::prepareDownloadData()
{
    deriveDeviceWords();
    encodeFlags();
    if (!getBool(QStringLiteral("customcurveenable")) && !getBool(QStringLiteral("scalingenabled")))
        setValue(QStringLiteral("egu1"), QString());
    setShadows();
    return true;
}

bool TIChannelObject::processUploadedData()
{
    decodeDeviceWords();
    decodeFlags();
    setShadows();
    updateDialog();
    return true;
}

// --- validation ---------------------------------------------------------------

void TIChannelObject::updateLimits()
{
    updateSensorWords();
}

bool TIChannelObject::validateRange()
{
    const double zero = getFloat(QStringLiteral("inputzero"));
    const double full = getFloat(QStringLiteral("inputfull"));
    const double low = getFloat(QStringLiteral("inputmin"));
    const double high = getFloat(QStringLiteral("inputmax"));
    const double minSpan = getFloat(QStringLiteral("inputminspan"));
    const bool span = full - zero >= minSpan;
    const bool zeroValid = span && zero >= low && zero <= high;
    const bool fullValid = span && full >= low && full <= high;
    setValue(QStringLiteral("izisvalid"), zeroValid);
    setValue(QStringLiteral("ifisvalid"), fullValid);
    return zeroValid && fullValid;
}

bool TIChannelObject::validateOwnRules()
{
    bool valid = Model::consistent(getInt(QStringLiteral("sensor1")), getInt(QStringLiteral("sensor2")));
    const bool ambient = !getBool(QStringLiteral("ambtempenable")) || getInt(QStringLiteral("ambtempunits")) != 0;
    setValue(QStringLiteral("ambtempunitsvalid"), ambient);
    return valid && ambient;
}

bool TIChannelObject::validate()
{
    updateLimits();
    bool valid = validateRange();
    const bool scaling = !getBool(QStringLiteral("scalingenabled"))
                         || std::fabs(getFloat(QStringLiteral("scalingzero")) - getFloat(QStringLiteral("scalingfull")))
                                    >= 0.001;
    setValue(QStringLiteral("scalingisvalid"), scaling);
    const bool tag = isValidTag(getString(QStringLiteral("tag1")));
    setValue(QStringLiteral("tag1isvalid"), tag);
    const bool egu = getString(QStringLiteral("egu1")).size() <= 8;
    setValue(QStringLiteral("egu1isvalid"), egu);
    valid = validateTrim() && valid;
    valid = validateCustomCurve() && valid;
    valid = validateOwnRules() && valid;
    valid = valid && scaling && tag && egu;
    setValue(QStringLiteral("isvalid"), valid);
    setStatus(valid ? ClearConfigError : SetConfigError);
    return valid;
}

// The trim and curve plug-ins are in the tree while their function is on.
bool TIChannelObject::validateTrim()
{
    return validateTrimRange(m_trimPlugin, QStringLiteral("inputzero"), QStringLiteral("inputfull"));
}

bool TIChannelObject::validateCustomCurve()
{
    const bool enabled = getBool(QStringLiteral("customcurveenable"));
    m_curvePlugin->setShowInTree(enabled);
    if (!enabled)
        return true;
    m_curvePlugin->updateDialog();
    return getBool(QStringLiteral("ccurveisvalid"));
}

void TIChannelObject::updateDialog()
{
    validateThenRefresh([this] { validate(); });
}

bool TIChannelObject::customCurveUploaded()
{
    updateDialog();
    return true;
}

void TIChannelObject::TrimEnableToggled(bool on)
{
    storeTrimEnable(on, "TIChannelObject::TrimEnableToggled - A TI Channel must have a current configuration without "
                        "errors when enabling trimming");
}

QList<RYXObjectPlugin *> TIChannelObject::ownPlugins() const
{
    return {m_trimPlugin, m_curvePlugin};
}

void TIChannelObject::showCaptureDialog(int target)
{
    InputCapture::showCaptureDialog(this, target);
}

void TIChannelObject::trimButtonClicked(bool upper)
{
    showCaptureDialog(upper ? InputCapture::TrimFull : InputCapture::TrimZero);
}

void TIChannelObject::setOnline(bool online)
{
    RYXChannel::setOnline(online);
    for (RYXObjectPlugin *plugin : ownPlugins()) {
        if (plugin)
            plugin->setOnline(online);
    }
}

void TIChannelObject::invalidateConfiguration()
{
    for (RYXObjectPlugin *plugin : ownPlugins()) {
        if (plugin)
            plugin->invalidateConfiguration();
    }
    setStatus(Invalidate);
}

// --- transfers ------------------------------------------------------------------

void TIChannelObject::commitCommands(TransferContext &context)
{
    readAll(context, keysOf({"gooffline", "calcconfigchecksum", "goonline"}));
}

QStringList TIChannelObject::uploadKeys() const
{
    return keysOf({"sensor1", "sensor2", "config4", "inputzero", "inputfull", "pvunits", "ambtempunits",
                   "dampingvalue", "scalingzero", "scalingfull", "trimpointz", "trimpointf", "trimcapturez",
                   "trimcapturef", "failmodeflags", "failpreset", "ambtempfailpreset"});
}

QStringList TIChannelObject::downloadKeys() const
{
    return keysOf({"sensor1", "sensor2", "config3", "config4", "inputzero", "inputfull", "pvunits", "ambtempunits",
                   "dampingvalue", "scalingzero", "scalingfull", "trimpointz", "trimpointf", "trimcapturez",
                   "trimcapturef", "failmodeflags", "failpreset", "ambtempfailpreset"});
}

int TIChannelObject::uploadPoints(TransferContext &context)
{
    if (context.readPoint(QStringLiteral("config3")) == 0 && (getUInt(QStringLiteral("config3")) & CurveBit))
        uploadCustomCurvePoints(context);
    readAll(context, uploadKeys());
    transferChannelTexts(context, false);
    return 0;
}

int TIChannelObject::downloadPoints(TransferContext &context)
{
    if (getBool(QStringLiteral("customcurveenable")))
        downloadCustomCurvePoints(context);
    writeAll(context, downloadKeys());
    commitCommands(context);
    transferChannelTexts(context, true);
    return 0;
}

int TIChannelObject::uploadCustomCurvePoints(TransferContext &context)
{
    context.readPoint(QStringLiteral("customcurvenumpts"));
    const int count = qMin(getInt(QStringLiteral("customcurvenumpts")), MaxCurvePoints);
    setValue(QStringLiteral("customcurvenumpts"), count);
    for (int i = 1; i <= count; ++i) {
        context.readPoint(curveKey('x', i));
        context.readPoint(curveKey('y', i));
    }
    return 0;
}

int TIChannelObject::downloadCustomCurvePoints(TransferContext &context)
{
    context.writePoint(QStringLiteral("customcurvenumpts"));
    const int count = qBound(0, getInt(QStringLiteral("customcurvenumpts")), MaxCurvePoints);
    for (int i = 1; i <= count; ++i) {
        context.writePoint(curveKey('x', i));
        context.writePoint(curveKey('y', i));
    }
    writeAll(context, keysOf({"customcurverangelow", "customcurverangehigh"}));
    return 0;
}

int TIChannelObject::synchronizePoints(TransferContext &context)
{
    QStringList keys = keysOf({"synch_fwversion", "synch_inputunits", "synch_config3"});
    if (m_temperature)
        keys << QStringLiteral("synchambtempunits");
    synchronizeShadows(context, keys);
    return 0;
}

int TIChannelObject::executeOperation(const QString &op, bool topLevel)
{
    for (int part = 0; part < int(std::size(PartTransfers)); ++part) {
        if (op == QLatin1String(PartTransfers[part].operation))
            return runPartTransfer(part);
    }
    return RYXChannel::executeOperation(op, topLevel);
}

int TIChannelObject::runPartTransfer(int part)
{
    const PartTransfer &transfer = PartTransfers[part];
    TransferContext context(true, this);
    context.setProgressTitle(QLatin1String(transfer.title) + getName());
    try {
        if (transfer.curve)
            transfer.download ? downloadCustomCurvePoints(context) : uploadCustomCurvePoints(context);
        else if (transfer.download)
            writeAll(context, trimKeys());
        else
            readAll(context, trimKeys());
        if (transfer.download)
            commitCommands(context);
        else if (transfer.curve)
            customCurveUploaded();
    } catch (const CVELException_ExcessiveRetries &) {
        context.addProgressResult(QStringLiteral("SmallRedLED"), getName() + QLatin1String(transfer.retries));
        return TransferContext::RetryLimitExceeded;
    }
    context.addProgressResult(QStringLiteral("SmallGreenLED"), getName() + QLatin1String(transfer.success));
    return 0;
}

// --- patching -----------------------------------------------------------------

int TIChannelObject::patchResult(TransferContext &context, const QString &pixmap, const QString &text, int result)
{
    context.addProgressResult(pixmap, getName() + text);
    return result;
}

int TIChannelObject::patchChannel(int target)
{
    TransferContext context(false, this);
    if (verifyDevice(context.port()) != 0)
        return patchResult(context, QStringLiteral("SmallYellowLED"),
                           QStringLiteral(" This channel is not a ") + getName() + QStringLiteral("!"), -1);
    const QString moduleType = QStringLiteral("moduletype");
    if (context.readPoint(moduleType, false, true) != 0)
        return patchResult(context, QStringLiteral("SmallRedLED"),
                           QStringLiteral(" Failed to read MT, cannot patch (old TIM FW)!"), -1);
    if (getInt(moduleType) == target)
        return patchResult(context, QStringLiteral("SmallGreenLED"), QStringLiteral(" No patching necessary!"), 0);
    setValue(moduleType, target);
    int status = context.writePoint(moduleType, false, true);
    if (status == 0)
        status = context.readPoint(QStringLiteral("calcconfigchecksum"), false, true);
    if (status != 0)
        return context.reportFailure(RYXInterfaceModule::resultOfStatus(status), QStringLiteral("patch failure!"));
    return patchResult(context, QStringLiteral("SmallGreenLED"), QStringLiteral(" Patched!"), 0);
}

// --- event log ------------------------------------------------------------------

QList<TIChannelObject::StatusRow> TIChannelObject::statusRows() const
{
    return {std::begin(TemperatureStatus), std::end(TemperatureStatus)};
}

QString TIChannelObject::statusText(unsigned status) const
{
    for (const StatusRow &row : statusRows()) {
        if ((status & row.mask) == row.mask)
            return QCoreApplication::translate("TIChannelObject", row.text);
    }
    return QString();
}

bool TIChannelObject::addToEventBox(int decimals)
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
    const unsigned config3 = getUInt(QStringLiteral("synch_config3"));
    float value = 0;
    postEventLine(readFloatRegister(PvRegister, value)
                          ? valueLine(value, decimals, unitLabel(getInt(QStringLiteral("synch_inputunits")), config3),
                                      QString())
                          : QStringLiteral("    ") + tr("Failed to read PV"));
    if (m_temperature && (config3 & AmbientBit)) {
        // The ambient temperature is in its own units, never the custom ones.
        const QString unit = unitLabel(getInt(QStringLiteral("synchambtempunits")), 0);
        postEventLine(readFloatRegister(AmbientRegister, value)
                              ? valueLine(value, decimals, unit, QStringLiteral(" - Ambient Temperature"))
                              : QStringLiteral("    ") + tr("Failed to read Ambient Temperature"));
    }
    return true;
}
