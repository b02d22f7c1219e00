#include "io/DIModuleVHObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"

const RYXClassInfo DIModuleVHObject::Info = {
    RYXObjectFactory::ModuleLevel, "HV8", "HV8", RYXInterfaceModule::DIMHV8Type, RYXClassRegistry::KindDIMVH,
    "DIM Discrete Input (HV8) Module", "DIM (HV8)", "DIMV",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<DIModuleVHObject>};

DIModuleVHObject::DIModuleVHObject(QObject *parent) : DIModuleVLObject(parent, Info)
{
}
