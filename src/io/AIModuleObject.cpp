#include "io/AIModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/AIChannelObject.h"
#include "io/AIModuleDialog.h"

namespace {
constexpr int PlainChannels[TIModuleObject::ChannelCount] = {
    AIChannelObject::PlainAI, AIChannelObject::PlainAI, AIChannelObject::PlainAI, AIChannelObject::PlainAI};
} // namespace

const RYXClassInfo AIModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "AI4", "AI4", RYXInterfaceModule::AIMType, RYXClassRegistry::KindAIM,
    "AIM Analog Input (AI4) Module", "AIM (AI4)", "AIM",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<AIModuleObject>};

AIModuleObject::AIModuleObject(QObject *parent) : AIModuleObject(parent, Info, PlainChannels)
{
}

AIModuleObject::AIModuleObject(QObject *parent, const RYXClassInfo &info, const int (&variants)[ChannelCount])
    : TIModuleObject(parent, info, variants)
{
    setDialogProvider(new PropertyDialogProvider<AIModuleDialog, RYXObject>);
}
