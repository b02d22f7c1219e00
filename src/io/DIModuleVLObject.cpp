#include "io/DIModuleVLObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/DIModuleVDialog.h"

namespace {
// Input n has "filterup<n>" at FilterBase + FilterStep * (n - 1) and
// "filterdn<n>" two further.
constexpr quint16 FilterBase = 0xF03F, FilterStep = 0x18, DownOffset = 2;
} // namespace

const RYXClassInfo DIModuleVLObject::Info = {
    RYXObjectFactory::ModuleLevel, "LV8", "LV8", RYXInterfaceModule::DIMLV8Type, RYXClassRegistry::KindDIMVL,
    "DIM Discrete Input (LV8) Module", "DIM (LV8)", "DIMV",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<DIModuleVLObject>};

DIModuleVLObject::DIModuleVLObject(QObject *parent) : DIModuleVLObject(parent, Info)
{
}

DIModuleVLObject::DIModuleVLObject(QObject *parent, const RYXClassInfo &info) : DIModuleObject(parent, info)
{
    setDialogProvider(new PropertyDialogProvider<DIModuleVDialog, RYXObject>);
    InsertPoint(QStringLiteral("filterfreq"), QStringLiteral("60"), DataPoint::Attributes(0), 0, ZEMP_NONE);
    InsertPoint(QStringLiteral("filtercountinit"), QString::number(Count60Hz),
                DataPoint::Attributes(DataPoint::NotSaved), 0xF013, ZEMP_UINT8);
    for (int n = 1; n <= InputCount; ++n) {
        const quint16 up = quint16(FilterBase + FilterStep * (n - 1));
        InsertPoint(indexed("filterup%1", n), QStringLiteral("20"), DataPoint::Attributes(DataPoint::NotSaved), up,
                    ZEMP_UINT8);
        InsertPoint(indexed("filterdn%1", n), QStringLiteral("01"), DataPoint::Attributes(DataPoint::NotSaved),
                    quint16(up + DownOffset), ZEMP_UINT8);
    }
}

QStringList DIModuleVLObject::uploadKeys() const
{
    return {QStringLiteral("filtercountinit")};
}

QStringList DIModuleVLObject::downloadKeys() const
{
    QStringList keys{QStringLiteral("filtercountinit")};
    for (const char *pattern : {"filterup%1", "filterdn%1"}) {
        for (int n = 1; n <= InputCount; ++n)
            keys << indexed(pattern, n);
    }
    return keys;
}

// Only the count follows the filter frequency: a 50 Hz mains period is
// longer, so the count of a 60 Hz filter is scaled up by 60/50. The up and
// down words stay as they are.
void DIModuleVLObject::deriveDeviceWords()
{
    const bool fifty = getString(QStringLiteral("filterfreq")) == QLatin1String("50");
    setValue(QStringLiteral("filtercountinit"), fifty ? Count50Hz : Count60Hz);
}

void DIModuleVLObject::decodeDeviceWords()
{
    const bool sixty = getInt(QStringLiteral("filtercountinit")) == Count60Hz;
    setValue(QStringLiteral("filterfreq"), QLatin1String(sixty ? "60" : "50"));
}

// A set input bit is a high input voltage.
QString DIModuleVLObject::stateText(bool set) const
{
    return set ? tr("HIGH") : tr("LOW");
}
