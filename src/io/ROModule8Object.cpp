#include "io/ROModule8Object.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/ROModule8Dialog.h"

const RYXClassInfo ROModule8Object::Info = {
    RYXObjectFactory::ModuleLevel, "RO8", "RO8", RYXInterfaceModule::ROM8Type, RYXClassRegistry::KindROM8,
    "ROM Relay Output (RO8) Module", "ROM (RO8)", "ROM8",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<ROModule8Object>};

ROModule8Object::ROModule8Object(QObject *parent) : ROModuleObject(parent, Info, 8)
{
    setDialogProvider(new PropertyDialogProvider<ROModule8Dialog, RYXObject>);
}
