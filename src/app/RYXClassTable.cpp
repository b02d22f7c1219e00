#include "app/RYXClassTable.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "io/AIChannelObject.h"
#include "io/AIModuleObject.h"
#include "io/AOChannelObject.h"
#include "io/AOModuleObject.h"
#include "io/CIMAModuleObject.h"
#include "io/CIMBModuleObject.h"
#include "io/CIMCModuleObject.h"
#include "io/DIModuleCCObject.h"
#include "io/DIModuleVHObject.h"
#include "io/DIModuleVLObject.h"
#include "io/ROModule8Object.h"
#include "io/ROModuleObject.h"
#include "io/TIChannelObject.h"
#include "io/TIModuleObject.h"
#include "io/UndeterminedModuleObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/RYXCustomCurveObjectPlugin.h"
#include "plugins/RYXTrimObjectPlugin.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"

namespace {

using Info = RYXClassInfo;
using Registry = RYXClassRegistry;
using Station = RYXInterfaceModule;
constexpr auto StationLevel = RYXObjectFactory::StationLevel;
constexpr auto ModuleLevel = RYXObjectFactory::ModuleLevel;

constexpr unsigned ModuleMenus = Info::NewMenu | Info::AddModuleMenu | Info::StationMenu;
constexpr unsigned StationMenus = Info::NewMenu | Info::TreePopupMenu | Info::ConnectMenu | Info::UploadMenu;

// Device types whose classes are not built yet: they name their modules and
// fill the menus, and create nothing.
const Info MIM = {StationLevel, "MIM", "MIM", 27, Registry::IdMIM, "MIM", "MIM", nullptr, StationMenus, 0, nullptr};
const Info CPS = {StationLevel, "DORV", "DORV", 55, Registry::IdCPS, "DORV", "DORV / Ombra", nullptr,
                  StationMenus, 0, nullptr};
const Info EMM = {StationLevel, "EMM", "EMM", 89, Registry::IdEMM, "EMM", "EMM", nullptr, StationMenus, 0, nullptr};
const Info MTPatcher = {StationLevel, "MTPatcher", "MTPatcher", -1, Registry::IdMTPatcher, "MT Patcher",
                        QT_TRANSLATE_NOOP("RYXClassInfo", "MT Patcher"), nullptr, Info::NewMenu | Info::TreePopupMenu,
                        Info::NewMenu | Info::TreePopupMenu, nullptr};
const Info Network = {RYXObjectFactory::NetworkLevel, "MODBUSNET", "MODBUSNET", -1, Registry::IdMODBUSNetwork,
                      "MODBUS Network", QT_TRANSLATE_NOOP("RYXClassInfo", "MODBUS Network"), nullptr, Info::NewMenu | Info::ConnectMenu,
                      Info::NewMenu | Info::ConnectMenu, nullptr};

} // namespace

QList<const RYXClassInfo *> RYXClassTable::rows()
{
    return {
        // Stations, in the order of the interface module popups.
        &MIM, &EIModuleObject::Info, &CPS, &EMM, &MTPatcher, &Network,
        // Modules, in the order of the Add Module menus.
        &TIModuleObject::Info, &AIModuleObject::Info, &AOModuleObject::Info,
        &ROModuleObject::Info, &ROModule8Object::Info, &DIModuleCCObject::Info, &DIModuleVLObject::Info,
        &DIModuleVHObject::Info, &CIMAModuleObject::Info, &CIMBModuleObject::Info, &CIMCModuleObject::Info, &UndeterminedModuleObject::Info,
        // Channels.
        &TIChannelObject::Info, &AIChannelObject::Infos[0], &AIChannelObject::Infos[1], &AIChannelObject::Infos[2],
        &AIChannelObject::Infos[3], &AIChannelObject::Infos[4], &AOChannelObject::Info,
        // Plug-ins.
        &EIMConfigurationObjectPlugin::Info, &XIMProcessObjectPlugin::Info, &XIMInternalsObjectPlugin::Info,
        &RYXTrimObjectPlugin::Info, &RYXCustomCurveObjectPlugin::Info,
    };
}

void RYXClassTable::registerAll()
{
    RYXClassRegistry::install(rows());
}
