#include "io/CIMCModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "io/AIChannelObject.h"

namespace {
constexpr int Channels[TIModuleObject::ChannelCount] = {AIChannelObject::CI1, AIChannelObject::CI2, AIChannelObject::CI2, AIChannelObject::CI2};
} // namespace

const RYXClassInfo CIMCModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "VI4", "VI4", RYXInterfaceModule::VIMType, RYXClassRegistry::KindCIMC,
    "VIM Voltage Input (VI4) Module", "VIM (VI4)", "AIM", RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<CIMCModuleObject>};

CIMCModuleObject::CIMCModuleObject(QObject *parent) : AIModuleObject(parent, Info, Channels)
{
}
