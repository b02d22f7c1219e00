#include "io/ROModuleObject.h"

#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/PointSpec.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/ROModuleDialog.h"

namespace {

const PointSpec ModulePoints[] = {
    {"ledmode", "red", 0, 0, ZEMP_NONE},
    {"powerup", "0", 1, 0xF006, ZEMP_UINT8},
    {"power_up", "0", 1, 0xF007, ZEMP_UINT8},
    {"comfail", "0", 1, 0xE010, ZEMP_UINT32},
    {"ledmask", "15", 1, 0xF004, ZEMP_UINT8},
    {"outputmask", "0", 1, 0xF005, ZEMP_UINT8},
    {"output", "0", 1, 0x5500, ZEMP_UINT8},
};

// One bit per relay in each byte of "comfail": "on" sets it in all four
// bytes, "hold" in bytes 0 and 2, "off" in none.
constexpr unsigned OnPattern = 0x01010101u, HoldPattern = 0x00010001u;
constexpr unsigned GreenLeds = 0xFF;

const DiscreteModuleObject::StatusRow ProducerStatus = {
    0x8000, QT_TRANSLATE_NOOP("DiscreteModuleObject", "Error in Producer Channel")};

} // namespace

const RYXClassInfo ROModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "RO4", "RO4", RYXInterfaceModule::ROM4Type, RYXClassRegistry::KindROM,
    "ROM Relay Output (RO4) Module", "ROM (RO4)", "ROM", RYXClassInfo::NewMenu | RYXClassInfo::StationMenu,
    RYXClassInfo::NewMenu, &RYXClassInfo::make<ROModuleObject>};

ROModuleObject::ROModuleObject(QObject *parent) : ROModuleObject(parent, Info, 4)
{
    setDialogProvider(new PropertyDialogProvider<ROModuleDialog, RYXObject>);
}

ROModuleObject::ROModuleObject(QObject *parent, const RYXClassInfo &info, int relays)
    : DiscreteModuleObject(parent, info, relays)
{
    insertCommonPoints();
    const PointSpec perRelay[] = {
        {"ch%1_powerupstate", "false", 0, 0, ZEMP_NONE, -1, relays},
        {"ch%1_failresponse", "hold", 0, 0, ZEMP_NONE, -1, relays},
    };
    PointSpec::insertAll(this, perRelay);
    PointSpec::insertAll(this, ModulePoints);
}

unsigned ROModuleObject::failurePattern(int n, const QString &response)
{
    if (response == QLatin1String("on"))
        return OnPattern << (n - 1);
    if (response == QLatin1String("hold"))
        return HoldPattern << (n - 1);
    return 0;
}

QString ROModuleObject::failureResponse(int n, unsigned word)
{
    const unsigned on = OnPattern << (n - 1), hold = HoldPattern << (n - 1);
    if ((word & on) == on)
        return QStringLiteral("on");
    if ((word & hold) == hold)
        return QStringLiteral("hold");
    return QStringLiteral("off");
}

bool ROModuleObject::prepareDownloadData()
{
    unsigned powerUp = 0, comfail = 0;
    for (int n = 1; n <= channelCount(); ++n) {
        if (getBool(indexed("ch%1_powerupstate", n)))
            powerUp |= 1u << (n - 1);
        comfail |= failurePattern(n, getString(indexed("ch%1_failresponse", n)));
    }
    setValue(QStringLiteral("powerup"), powerUp);
    setValue(QStringLiteral("power_up"), powerUp);
    setValue(QStringLiteral("comfail"), comfail);
    setValue(QStringLiteral("ledmask"),
             getString(QStringLiteral("ledmode")) == QLatin1String("green") ? GreenLeds : 0u);
    setValue(QStringLiteral("channelnotusedzemppoint"), 0);
    setShadows();
    return true;
}

bool ROModuleObject::processUploadedData()
{
    const unsigned powerUp = getUInt(QStringLiteral("powerup"));
    const unsigned comfail = getUInt(QStringLiteral("comfail"));
    for (int n = 1; n <= channelCount(); ++n) {
        setValue(indexed("ch%1_powerupstate", n), bool(powerUp & (1u << (n - 1))));
        setValue(indexed("ch%1_failresponse", n), failureResponse(n, comfail));
    }
    setValue(QStringLiteral("ledmode"), QLatin1String(getUInt(QStringLiteral("ledmask")) == 0 ? "red" : "green"));
    decodeNotUsed();
    setShadows();
    updateDialog();
    return true;
}

int ROModuleObject::uploadPoints(TransferContext &context)
{
    readAll(context, {QStringLiteral("channelnotusedzemppoint"), QStringLiteral("powerup"), QStringLiteral("comfail"),
                      QStringLiteral("output"), QStringLiteral("ledmask"), QStringLiteral("outputmask")});
    uploadTags(context);
    return 0;
}

int ROModuleObject::downloadPoints(TransferContext &context)
{
    writeAll(context, {QStringLiteral("enableeeprom"), QStringLiteral("channelnotusedzemppoint"),
                       QStringLiteral("powerup"), QStringLiteral("power_up"), QStringLiteral("comfail"),
                       QStringLiteral("ledmask"), QStringLiteral("outputmask")});
    writeCommands(context);
    downloadTags(context);
    return 0;
}

QList<DiscreteModuleObject::StatusRow> ROModuleObject::statusRows() const
{
    return DiscreteModuleObject::statusRows() << ProducerStatus;
}

QString ROModuleObject::stateText(bool set) const
{
    return set ? tr("ENERGIZED") : tr("DEENERGIZED");
}

QString ROModuleObject::patchedText() const
{
    return tr("... Patched!");
}

QString ROModuleObject::unpatchedText() const
{
    return tr("... No patching necessary!");
}
