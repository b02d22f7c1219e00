#include "io/DIModuleCCObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/DIModuleDialog.h"

namespace {
// Input n has the words "debounceconst<n>" at DebounceBase + DebounceStep * (n - 1)
// and "debounceconst<n>_1" SecondWordOffset further.
constexpr quint16 DebounceBase = 0xE034, DebounceStep = 0x18, SecondWordOffset = 8;
} // namespace

const RYXClassInfo DIModuleCCObject::Info = {
    RYXObjectFactory::ModuleLevel, "CC8", "CC8", RYXInterfaceModule::DIMCC8Type, RYXClassRegistry::KindDIMCC,
    "DIM Discrete Input (CC8) Module", "DIM (CC8)", "DIM",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<DIModuleCCObject>};

DIModuleCCObject::DIModuleCCObject(QObject *parent) : DIModuleObject(parent, Info)
{
    setDialogProvider(new PropertyDialogProvider<DIModuleDialog, RYXObject>);
    // Only the first word is the module's setting; the others copy it.
    for (int n = 1; n <= InputCount; ++n) {
        const quint16 address = quint16(DebounceBase + DebounceStep * (n - 1));
        InsertPoint(indexed("debounceconst%1", n), QStringLiteral("00000005"),
                    DataPoint::Attributes(n == 1 ? 0 : DataPoint::NotSaved), address, ZEMP_UINT32);
        InsertPoint(indexed("debounceconst%1_1", n), QStringLiteral("00000005"),
                    DataPoint::Attributes(DataPoint::NotSaved), quint16(address + SecondWordOffset), ZEMP_UINT32);
    }
}

QStringList DIModuleCCObject::debounceKeys()
{
    QStringList keys;
    for (const char *pattern : {"debounceconst%1", "debounceconst%1_1"}) {
        for (int n = 1; n <= InputCount; ++n)
            keys << indexed(pattern, n);
    }
    return keys;
}

QStringList DIModuleCCObject::uploadKeys() const
{
    return {QStringLiteral("debounceconst1")};
}

QStringList DIModuleCCObject::downloadKeys() const
{
    return debounceKeys();
}

void DIModuleCCObject::deriveDeviceWords()
{
    const QString value = getString(QStringLiteral("debounceconst1"));
    for (const QString &key : debounceKeys())
        setValue(key, value);
}

void DIModuleCCObject::decodeDeviceWords()
{
}
