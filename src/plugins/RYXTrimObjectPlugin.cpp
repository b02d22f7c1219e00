#include "plugins/RYXTrimObjectPlugin.h"

#include "devices/PointSpec.h"
#include "devices/RYXChannel.h"
#include "dialogs/PropertyDialogProvider.h"
#include "plugins/TrimPluginDialog.h"

namespace {

// Trim points, and captured values, closer than this cannot be told apart
// by the channel (in the channel's units).
constexpr double minimumSeparation = 1.0;

// True when \a first and \a second are less than minimumSeparation apart as
// typed: stored with six decimals, 3.1 and 4.1 are 1.0 apart, though their
// binary difference is a little less.
bool tooClose(double first, double second)
{
    return second - first < minimumSeparation - 1e-9;
}

// The channel's trim points, presented here with the channel's value types
// (the channel, which transfers them, knows their device numbers); the
// validity flags are the channel's working points (not saved, not tracked).
const PointSpec pointTable[] = {
    {"trimenable", "false", 0, 0, ZEMP_NONE},
    {"numtrimpts", "0", 0, 0, ZEMP_UINT8},
    {"trimpointz", "0.0", 0, 0, ZEMP_FLOAT},
    {"trimpointf", "0.0", 0, 0, ZEMP_FLOAT},
    {"trimcapturez", "0.0", 0, 0, ZEMP_FLOAT},
    {"trimcapturef", "0.0", 0, 0, ZEMP_FLOAT},
    {"tzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tfisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapzisvalid", "true", 3, 0, ZEMP_NONE},
    {"tcapfisvalid", "true", 3, 0, ZEMP_NONE},
    {"trimisvalid", "true", 3, 0, ZEMP_NONE},
};

} // namespace

const RYXClassInfo RYXTrimObjectPlugin::Info = {
    RYXObjectFactory::PluginLevel, "TRIMPLUGIN", "Trimming", -1, -1, "Trimming", "Trimming",
    nullptr, 0, 0, &RYXClassInfo::make<RYXTrimObjectPlugin>};

RYXTrimObjectPlugin::RYXTrimObjectPlugin(RYXObject *host, int type) : RYXObjectPlugin(host)
{
    applyClassInfo(Info);
    moduleType = type;
    currentPixmap = QStringLiteral("SmallGreenLED");
    errorPixmap = QStringLiteral("SmallRedLED");
    notCurrentPixmap = QStringLiteral("SmallYellowLED");
    setDialogProvider(new PropertyDialogProvider<TrimPluginDialog, RYXTrimObjectPlugin>);
    PointSpec::insertAll(this, pointTable);
    if (auto *channel = qobject_cast<RYXChannel *>(host)) {
        connect(this, &RYXTrimObjectPlugin::TrimLowerClickedSignal, channel,
                [channel] { channel->trimButtonClicked(false); });
        connect(this, &RYXTrimObjectPlugin::TrimUpperClickedSignal, channel,
                [channel] { channel->trimButtonClicked(true); });
    }
}

void RYXTrimObjectPlugin::setModuleType(int type)
{
    moduleType = type;
    updateDialog();
}

int RYXTrimObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    RYXObject *channel = getHost();
    if (channel && op == QLatin1String("upload"))
        return channel->executeOperation(QStringLiteral("uploadtrim"), topLevel);
    if (channel && op == QLatin1String("download"))
        return channel->executeOperation(QStringLiteral("downloadtrim"), topLevel);
    return RYXObjectPlugin::executeOperation(op, topLevel);
}

void RYXTrimObjectPlugin::updateDialog()
{
    validate();
    RYXObjectPlugin::updateDialog();
}

double RYXTrimObjectPlugin::readDouble(const QString &key)
{
    return getString(key).toDouble();
}

// One-point trim checks only the lower point, and only against the range;
// two-point trim also needs the points, and the values captured at them,
// at least minimumSeparation apart.
void RYXTrimObjectPlugin::validate()
{
    // A detached plug-in (read from a file) has no channel to validate.
    if (!getHost())
        return;
    const double rangeZero = readDouble(QStringLiteral("trimrangez"));
    const double rangeFull = readDouble(QStringLiteral("trimrangef"));
    const double pointZero = readDouble(QStringLiteral("trimpointz"));
    const double pointFull = readDouble(QStringLiteral("trimpointf"));
    bool zeroOk = rangeZero <= pointZero && pointZero <= rangeFull;
    bool fullOk = true;
    bool capturesOk = true;
    if (getInt(QStringLiteral("numtrimpts")) == 2) {
        if (tooClose(pointZero, pointFull))
            zeroOk = fullOk = false;
        if (pointFull < rangeZero || pointFull > rangeFull)
            fullOk = false;
        const double captureZero = readDouble(QStringLiteral("trimcapturez"));
        const double captureFull = readDouble(QStringLiteral("trimcapturef"));
        capturesOk = !tooClose(captureZero, captureFull);
    }
    const bool valid = zeroOk && fullOk && capturesOk;
    setValue(QStringLiteral("tzisvalid"), zeroOk, false);
    setValue(QStringLiteral("tfisvalid"), fullOk, false);
    setValue(QStringLiteral("tcapzisvalid"), capturesOk, false);
    setValue(QStringLiteral("tcapfisvalid"), capturesOk, false);
    setValue(QStringLiteral("trimisvalid"), valid, false);
    setStatus(valid ? ClearConfigError : SetConfigError);
}
