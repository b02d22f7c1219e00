#include "io/CIMBModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "io/AIChannelObject.h"

namespace {
constexpr int Channels[TIModuleObject::ChannelCount] = {AIChannelObject::II, AIChannelObject::II, AIChannelObject::II, AIChannelObject::II};
} // namespace

const RYXClassInfo CIMBModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "II4", "II4", RYXInterfaceModule::IIMType, RYXClassRegistry::KindCIMB,
    "IIM Current Input (II4) Module", "IIM (II4)", "AIM", RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<CIMBModuleObject>};

CIMBModuleObject::CIMBModuleObject(QObject *parent) : AIModuleObject(parent, Info, Channels)
{
}
