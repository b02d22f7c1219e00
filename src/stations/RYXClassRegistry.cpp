#include "stations/RYXClassRegistry.h"

#include "database/RYXObjectFactory.h"
#include "io/UndeterminedModuleObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"
#include "stations/RYXInterfaceModule.h"

namespace {

using Create = RYXObject *(*)();

template<typename T>
RYXObject *make()
{
    return new T;
}

// Add Module kinds and the device module type code each stands for.
struct KindEntry
{
    int kind;
    int typeCode;
};

constexpr KindEntry Kinds[] = {
    {RYXClassRegistry::KindTIM, RYXInterfaceModule::TIMType},
    {RYXClassRegistry::KindCIMA, RYXInterfaceModule::CIMType},
    {RYXClassRegistry::KindCIMB, RYXInterfaceModule::IIMType},
    {RYXClassRegistry::KindCIMC, RYXInterfaceModule::VIMType},
    {RYXClassRegistry::KindAIM, RYXInterfaceModule::AIMType},
    {RYXClassRegistry::KindAOM, RYXInterfaceModule::AOMType},
    {RYXClassRegistry::KindROM, RYXInterfaceModule::ROM4Type},
    {RYXClassRegistry::KindROM8, RYXInterfaceModule::ROM8Type},
    {RYXClassRegistry::KindDIMCC, RYXInterfaceModule::DIMCC8Type},
    {RYXClassRegistry::KindDIMVL, RYXInterfaceModule::DIMLV8Type},
    {RYXClassRegistry::KindDIMVH, RYXInterfaceModule::DIMHV8Type},
};

// The module classes built so far, by device module type code. A code
// missing here is created as an undetermined module.
struct ModuleClass
{
    int typeCode;
    Create create;
};

const ModuleClass ModuleClasses[] = {
    {RYXInterfaceModule::UndeterminedType, &make<UndeterminedModuleObject>},
};

// Every other element the configuration file may hold: stations and plug-ins.
struct ElementClass
{
    const char *element;
    RYXObjectFactory::Level level;
    Create create;
};

const ElementClass OtherElements[] = {
    {"EIM", RYXObjectFactory::StationLevel, &make<EIModuleObject>},
    {"EIMCONFIGPLUGIN", RYXObjectFactory::PluginLevel, &make<EIMConfigurationObjectPlugin>},
    {"XIMPROCESSPLUGIN", RYXObjectFactory::PluginLevel, &make<XIMProcessObjectPlugin>},
    {"XIMINTERNALSPLUGIN", RYXObjectFactory::PluginLevel, &make<XIMInternalsObjectPlugin>},
};

} // namespace

void RYXClassRegistry::registerAll()
{
    // Registering again replaces each creator with itself.
    for (const ModuleClass &entry : ModuleClasses) {
        QString element;
        RYXInterfaceModule::moduleTypeElement(entry.typeCode, element);
        const Create create = entry.create;
        RYXObjectFactory::registerClass(element, RYXObjectFactory::ModuleLevel,
                                        [create](int) { return create(); });
    }
    for (const ElementClass &entry : OtherElements) {
        const Create create = entry.create;
        RYXObjectFactory::registerClass(QString::fromLatin1(entry.element), entry.level,
                                        [create](int) { return create(); });
    }
}

bool RYXClassRegistry::kindForTypeCode(int typeCode, int &kind)
{
    for (const KindEntry &entry : Kinds) {
        if (entry.typeCode == typeCode) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
}

RYXObject *RYXClassRegistry::createModuleForKind(int kind)
{
    for (const KindEntry &entry : Kinds) {
        if (entry.kind == kind)
            return createModuleForTypeCode(entry.typeCode);
    }
    return new UndeterminedModuleObject;
}

RYXObject *RYXClassRegistry::createModuleForTypeCode(int typeCode)
{
    for (const ModuleClass &entry : ModuleClasses) {
        if (entry.typeCode == typeCode)
            return entry.create();
    }
    return new UndeterminedModuleObject;
}
