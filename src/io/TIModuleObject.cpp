#include "io/TIModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/AIChannelObject.h"
#include "io/TIModuleDialog.h"

namespace {
constexpr int TemperatureChannels[TIModuleObject::ChannelCount] = {
    TIModuleObject::TemperatureVariant, TIModuleObject::TemperatureVariant, TIModuleObject::TemperatureVariant,
    TIModuleObject::TemperatureVariant};
} // namespace

const RYXClassInfo TIModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "TI4", "TI4", RYXInterfaceModule::TIMType, RYXClassRegistry::KindTIM,
    "TIM Temperature Input (TI4) Module", "TIM (TI4)", "TIM",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<TIModuleObject>};

TIModuleObject::TIModuleObject(QObject *parent) : TIModuleObject(parent, Info, TemperatureChannels)
{
    setDialogProvider(new PropertyDialogProvider<TIModuleDialog, RYXObject>);
}

TIModuleObject::TIModuleObject(QObject *parent, const RYXClassInfo &info, const int (&variants)[ChannelCount])
    : RYXIOModule(parent)
{
    applyClassInfo(info);
    setObjectName(numberedName());
    createChannels(variants);
}

void TIModuleObject::createChannels(const int (&variants)[ChannelCount])
{
    for (int n = 1; n <= ChannelCount; ++n) {
        const int variant = variants[n - 1];
        RYXChannel *channel = variant == TemperatureVariant ? new TIChannelObject(this)
                                                            : new AIChannelObject(this, variant);
        channel->setChannelNumber(n);
        addChild(channel);
    }
}

int TIModuleObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("patch"))
        return patchChannels(getModuleType());
    if (op == QLatin1String("unpatch"))
        return patchChannels(UnpatchedType);
    return RYXIOModule::executeOperation(op, topLevel);
}

int TIModuleObject::patchChannels(int target)
{
    int result = 0;
    for (RYXObject *child : std::as_const(children)) {
        if (auto *channel = qobject_cast<TIChannelObject *>(child)) {
            const int code = channel->patchChannel(target);
            if (code != 0)
                result = code;
        }
    }
    return result;
}
