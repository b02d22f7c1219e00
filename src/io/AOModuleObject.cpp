#include "io/AOModuleObject.h"

#include "devices/RYXClassRegistry.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/AOChannelObject.h"
#include "io/AOModuleDialog.h"

const RYXClassInfo AOModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "AO4", "AO4", RYXInterfaceModule::AOMType, RYXClassRegistry::KindAOM,
    "AOM Analog Output (AO4) Module", "AOM (AO4)", "AOM",
    RYXClassInfo::NewMenu | RYXClassInfo::AddModuleMenu | RYXClassInfo::StationMenu, 0,
    &RYXClassInfo::make<AOModuleObject>};

AOModuleObject::AOModuleObject(QObject *parent) : RYXIOModule(parent)
{
    applyClassInfo(Info);
    setObjectName(numberedName());
    setDialogProvider(new PropertyDialogProvider<AOModuleDialog, RYXObject>);
    createChannels();
}

void AOModuleObject::createChannels()
{
    for (int n = 1; n <= ChannelCount; ++n) {
        auto *channel = new AOChannelObject(this);
        channel->setChannelNumber(n);
        addChild(channel);
    }
}

int AOModuleObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("patch"))
        return patchChannels(getModuleType());
    if (op == QLatin1String("unpatch"))
        return patchChannels(UnpatchedType);
    return RYXIOModule::executeOperation(op, topLevel);
}

int AOModuleObject::patchChannels(int target)
{
    int result = 0;
    for (RYXObject *child : std::as_const(children)) {
        if (auto *channel = qobject_cast<AOChannelObject *>(child)) {
            const int code = channel->patchChannel(target);
            if (code != 0)
                result = code;
        }
    }
    return result;
}
