#include "io/CIMAModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "io/AIChannelObject.h"

namespace {
constexpr int Channels[TIModuleObject::ChannelCount] = {AIChannelObject::CI1, AIChannelObject::CI2, AIChannelObject::CI3, AIChannelObject::II};
} // namespace

const RYXClassInfo CIMAModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "CI4", "CI4", RYXInterfaceModule::CIMType, RYXClassRegistry::KindCIMA,
    "CIM Cathodic Input (CI4) Module", "CIM (CI4)", "AIM", RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<CIMAModuleObject>};

CIMAModuleObject::CIMAModuleObject(QObject *parent) : AIModuleObject(parent, Info, Channels)
{
}
