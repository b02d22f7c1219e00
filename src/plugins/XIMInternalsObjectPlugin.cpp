#include "plugins/XIMInternalsObjectPlugin.h"

#include "plugins/PluginDialogFactory.h"
#include "plugins/XIMInternalsDialog.h"

XIMInternalsObjectPlugin::XIMInternalsObjectPlugin(RYXObject *host) : RYXObjectPlugin(host)
{
    name = QStringLiteral("Internals");
    family = name;
    xmlTag = QStringLiteral("XIMINTERNALSPLUGIN");
    setObjectName(name);
    currentPixmap = QStringLiteral("SmallYellowLED");
    errorPixmap = QStringLiteral("SmallRedLED");
    connectToHost(this, SIGNAL(GetScanModeButtonClickedSignal()), host,
                  SLOT(GetScanModeButtonClickedSlot()));
    connectToHost(this, SIGNAL(SetScanModeButtonClickedSignal()), host,
                  SLOT(SetScanModeButtonClickedSlot()));
}

QWidget *XIMInternalsObjectPlugin::createDialog(QWidget *parent, QWidget *currentDialog,
                                                bool *reused)
{
    return createOrReuseDialog(this, parent, currentDialog, reused, m_dialog);
}

void XIMInternalsObjectPlugin::updateDialog()
{
    refreshObjectDialog(this, m_dialog);
}

// Nothing of the station's configuration lives here.
int XIMInternalsObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload") || op == QLatin1String("download"))
        return 0;
    return RYXObjectPlugin::executeOperation(op, topLevel);
}
