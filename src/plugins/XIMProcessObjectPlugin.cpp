#include "plugins/XIMProcessObjectPlugin.h"

#include "core/RYXImages.h"
#include "dialogs/PropertyDialogProvider.h"
#include "model/events/QAsyncCustomEvent.h"
#include "model/events/setTreeItemPixEvent.h"
#include "model/RYXEventReceiver.h"
#include "plugins/XIMProcessDialog.h"

const RYXClassInfo XIMProcessObjectPlugin::Info = {
    RYXObjectFactory::PluginLevel, "XIMPROCESSPLUGIN", "Process Data", -1, -1,
    QT_TRANSLATE_NOOP("RYXClassInfo", "Process Data"), "Process Data",
    nullptr, 0, 0, &RYXClassInfo::make<XIMProcessObjectPlugin>};

XIMProcessObjectPlugin::XIMProcessObjectPlugin(RYXObject *host) : RYXObjectPlugin(host)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<XIMProcessDialog, XIMProcessObjectPlugin>);
    connectToHost(this, SIGNAL(monitorEnableButtonToggledSignal(bool)), host,
                  SLOT(monitorEnableToggledSlot(bool)));
}

XIMProcessDialog *XIMProcessObjectPlugin::dialog() const
{
    auto *shown = qobject_cast<XIMProcessDialog *>(propertyDialog());
    return shown && shown->object() == this ? shown : nullptr;
}

void XIMProcessObjectPlugin::updateDialog()
{
    setStatus(ClearConfigError);
    RYXObjectPlugin::updateDialog();
}

void XIMProcessObjectPlugin::setOnline(bool online)
{
    RYXObjectPlugin::setOnline(online);
    if (!online)
        setDataCurrent(false);
    postToMainWindow(new setTreeItemPixEvent(this, getStatusPixmapName(statusFlags)));
}

// Online, the LED tells whether the shown values are fresh.
QString XIMProcessObjectPlugin::getStatusPixmapName(unsigned flags)
{
    if (!(flags & Online))
        return RYXObjectPlugin::getStatusPixmapName(flags);
    return m_dataCurrent ? QStringLiteral("SmallGreenLED") : QStringLiteral("SmallYellowLED");
}

QPixmap XIMProcessObjectPlugin::getStatusPixmap(unsigned flags)
{
    return RYXImages::pixmap(getStatusPixmapName(flags));
}

QString XIMProcessObjectPlugin::getExtraPropertiesHtml()
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
        .arg(tr("Data Status:"), m_dataCurrent ? tr("PROCESS DATA CURRENT") : tr("PROCESS DATA STALE"));
}

// Nothing of the station's configuration lives here.
int XIMProcessObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload") || op == QLatin1String("download"))
        return 0;
    return RYXObjectPlugin::executeOperation(op, topLevel);
}

void XIMProcessObjectPlugin::setProcessValues(const QList<ProcessValue> &values)
{
    QMutexLocker locker(&m_listMutex);
    m_values = values;
}

void XIMProcessObjectPlugin::setDataCurrent(bool current)
{
    if (m_dataCurrent == current)
        return;
    m_dataCurrent = current;
    postToMainWindow(new setTreeItemPixEvent(this, getStatusPixmapName(statusFlags)));
}
