#include "plugins/XIMInternalsObjectPlugin.h"

#include "dialogs/PropertyDialogProvider.h"
#include "plugins/XIMInternalsDialog.h"

const RYXClassInfo XIMInternalsObjectPlugin::Info = {
    RYXObjectFactory::PluginLevel, "XIMINTERNALSPLUGIN", "Internals", -1, -1,
    QT_TRANSLATE_NOOP("RYXClassInfo", "Internals"), "Internals",
    nullptr, 0, 0, &RYXClassInfo::make<XIMInternalsObjectPlugin>};

XIMInternalsObjectPlugin::XIMInternalsObjectPlugin(RYXObject *host) : RYXObjectPlugin(host)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<XIMInternalsDialog, XIMInternalsObjectPlugin>);
    currentPixmap = QStringLiteral("SmallYellowLED");
    errorPixmap = QStringLiteral("SmallRedLED");
    connectToHost(this, SIGNAL(GetScanModeButtonClickedSignal()), host,
                  SLOT(GetScanModeButtonClickedSlot()));
    connectToHost(this, SIGNAL(SetScanModeButtonClickedSignal()), host,
                  SLOT(SetScanModeButtonClickedSlot()));
}

// Nothing of the station's configuration lives here.
int XIMInternalsObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload") || op == QLatin1String("download"))
        return 0;
    return RYXObjectPlugin::executeOperation(op, topLevel);
}
