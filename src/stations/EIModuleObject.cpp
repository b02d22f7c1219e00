#include "stations/EIModuleObject.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "core/RYXPrompter.h"
#include "core/StartupFlags.h"
#include "database/RYXDatabase.h"
#include "devices/PointSpec.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXIOModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/UndeterminedModuleObject.h"
#include "model/events/addToEventBoxEvent.h"
#include "model/events/createChildObjectSynchEvent.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXListViewItem.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/MIModuleDialog.h"

#include <QtCore/QDateTime>
#include <QtCore/QDebug>
#include <QtWidgets/QMenu>

namespace {

// The station's own points; the configuration plug-in presents descriptor,
// serverlocation and floatorder, the process data plug-in the monitoring points.
const PointSpec StationPoints[] = {
    {"status", "0", 1, 0x210, ZEMP_UINT16},
    {"p2pstatus", "0", 1, 0x130, ZEMP_UINT16},
    {"disablescan", "0", 1, 0x100, ZEMP_UINT8},
    {"scanlinecontrol", "0", 1, 0x101, ZEMP_UINT8},
    {"descriptor", "EIM", 0, 0x00C, ZEMP_TEXT, 12},
    {"descriptorisvalid", "true", 3, 0, ZEMP_NONE},
    {"serverlocation", "", 0, 0x214, ZEMP_TEXT, 32},
    {"serverlocationisvalid", "true", 3, 0, ZEMP_NONE},
    {"floatorder", "0", 0, 0x200, ZEMP_UINT8},
    {"clocktime", "0", 1, 0x213, ZEMP_UINT32},
    {"monitorisidle", "true", 3, 0, ZEMP_NONE},
    {"monitormessage", "IDLE", 3, 0, ZEMP_NONE},
    {"lastupdate", "<n/a>", 3, 0, ZEMP_NONE},
    {"updatefreq", "5", 3, 0, ZEMP_NONE},
    {"analogprecision", "3", 3, 0, ZEMP_NONE},
    {"ximconfigisvalid", "true", 3, 0, ZEMP_NONE},
    {"synch_descriptor", "0", 7, 0x00C, ZEMP_TEXT, 12},
};

} // namespace

const RYXClassInfo EIModuleObject::Info = {
    RYXObjectFactory::StationLevel, "EIM", "EIM", 28, RYXClassRegistry::IdEIM, "EIM", "EIM", nullptr,
    RYXClassInfo::NewMenu | RYXClassInfo::TreePopupMenu | RYXClassInfo::ConnectMenu | RYXClassInfo::UploadMenu, 0,
    &RYXClassInfo::make<EIModuleObject>};

EIModuleObject::EIModuleObject(QObject *parent) : RYXInterfaceModule(parent), m_monitor(this)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<MIModuleDialog, RYXObject>);
    offlinePixmap = QStringLiteral("OliveLED");
    eventPixmap = QStringLiteral("VEL16");

    PointSpec::insertAll(this, StationPoints);

    // The plug-ins present points of this object, so they come after them.
    m_configuration = new EIMConfigurationObjectPlugin(this);
    m_process = new XIMProcessObjectPlugin(this);
    m_internals = new XIMInternalsObjectPlugin(this);
    for (RYXObject *plugin : { static_cast<RYXObject *>(m_configuration),
                               static_cast<RYXObject *>(m_process),
                               static_cast<RYXObject *>(m_internals) })
        RYXObject::addChild(plugin);
}

// --- tree and menus -----------------------------------------------------------

bool EIModuleObject::initialize(QTreeWidgetItem *parentItem)
{
    const bool ok = RYXInterfaceModule::initialize(parentItem);
    m_configuration->setShowInTree(true);
    m_process->setShowInTree(true);
    m_internals->setShowInTree(ExtendedMode);
    return ok;
}

bool EIModuleObject::createPopupMenu()
{
    RYXInterfaceModule::createPopupMenu();
    delete m_moduleMenu;
    m_moduleMenu = new QMenu(tr("Add Module"));
    m_moduleMenu->setObjectName(QStringLiteral("Module Menu"));
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (row->level != RYXObjectFactory::ModuleLevel || !row->isOffered(RYXClassInfo::StationMenu, ExtendedMode))
            continue;
        const int kind = row->kind;
        m_moduleMenu->addAction(QString::fromLatin1(row->menuText), this, [this, kind] { addModuleOfKind(kind); });
    }
    QMenu *popupMenu = getPopupMenu();
    popupMenu->insertSeparator(popupMenu->actions().value(0));
    popupMenu->insertMenu(popupMenu->actions().value(0), m_moduleMenu);
    m_moduleMenu->menuAction()->setData(unsigned(MenuAddModule));
    // The popup menu owns the submenu from now on.
    m_moduleMenu->setParent(popupMenu, m_moduleMenu->windowFlags());
    return true;
}

void EIModuleObject::addModuleOfKind(int kind)
{
    RYXObject *module = RYXClassRegistry::createModuleForKind(kind);
    if (module && addChild(module))
        module->markCurrent(QString());
}

void EIModuleObject::AddTIMSlot() { addModuleOfKind(RYXClassRegistry::KindTIM); }
void EIModuleObject::AddCIMASlot() { addModuleOfKind(RYXClassRegistry::KindCIMA); }
void EIModuleObject::AddCIMBSlot() { addModuleOfKind(RYXClassRegistry::KindCIMB); }
void EIModuleObject::AddCIMCSlot() { addModuleOfKind(RYXClassRegistry::KindCIMC); }
void EIModuleObject::AddAIMSlot() { addModuleOfKind(RYXClassRegistry::KindAIM); }
void EIModuleObject::AddAOMSlot() { addModuleOfKind(RYXClassRegistry::KindAOM); }
void EIModuleObject::AddROMSlot() { addModuleOfKind(RYXClassRegistry::KindROM); }
void EIModuleObject::AddROM8Slot() { addModuleOfKind(RYXClassRegistry::KindROM8); }
void EIModuleObject::AddDIMCCSlot() { addModuleOfKind(RYXClassRegistry::KindDIMCC); }
void EIModuleObject::AddDIMVLSlot() { addModuleOfKind(RYXClassRegistry::KindDIMVL); }
void EIModuleObject::AddDIMVHSlot() { addModuleOfKind(RYXClassRegistry::KindDIMVH); }
void EIModuleObject::AddUndeterminedSlot() { addModuleOfKind(RYXClassRegistry::KindUndetermined); }

// A refused module is scheduled for deletion rather than deleted at once,
// so a caller still holding it does not touch freed memory.
bool EIModuleObject::addChild(RYXObject *child)
{
    auto *module = qobject_cast<RYXIOModule *>(child);
    if (!module)
        return RYXInterfaceModule::addChild(child);
    QString refusal;
    if (!m_creatingFromDevice && !isConnectionOffline())
        refusal = tr("You may not add a module to a device that is online");
    else if (moduleCount >= MaxModules)
        refusal = tr("The number of IO modules is limited to %1.").arg(MaxModules);
    if (!refusal.isEmpty()) {
        RYXPrompter::information(nullptr, tr("warning"), refusal);
        if (module->parent() == this)
            module->setParent(nullptr);
        // A caller that initializes it anyway must not give it a tree item.
        module->setShowInTree(false);
        module->deleteLater();
        return false;
    }
    if (!appendModule(module))
        return false;
    // Objects read from a file are shown when their station is.
    if (treeItem) {
        module->initialize(treeItem);
        module->markCurrent(QString());
    }
    return true;
}

void EIModuleObject::showPage(int page)
{
    RYXObject *plugins[] = { m_configuration, m_process, m_internals };
    if (page < 1 || page > 3)
        return;
    RYXObject *target = plugins[page - 1];
    if (QTreeWidgetItem *item = target->getTreeItem()) {
        if (QTreeWidget *tree = item->treeWidget())
            tree->setCurrentItem(item);
    }
}

RYXObject *EIModuleObject::configurationPlugin()
{
    return m_configuration;
}

unsigned EIModuleObject::getTransportMask() const
{
    return TransportTCPIP;
}

// Texts (0) and tags with the save handshake (1) are what this station
// supports; peer-to-peer (2) and the rest belong to other station classes.
int EIModuleObject::checkOperation(int op)
{
    return op == 0 || op == 1 ? 0 : 1;
}

// --- dialog and status ----------------------------------------------------------

void EIModuleObject::updateDialog()
{
    if (!mutex.tryLock())
        return;
    RYXInterfaceModule::updateDialog();
    validateConfiguration();
    mutex.unlock();
}

bool EIModuleObject::validateConfiguration()
{
    m_configuration->validate();
    const bool valid = getBool(QStringLiteral("ximconfigisvalid"));
    setStatus(valid ? ClearConfigError : SetConfigError);
    return valid;
}

void EIModuleObject::setOnline(bool online)
{
    RYXInterfaceModule::setOnline(online);
    if (!online)
        m_monitor.stop();
}

bool EIModuleObject::processUploadedData()
{
    validateConfiguration();
    return true;
}

// An invalid configuration is not a preparation failure: it sets the
// configuration error, which stops the download with its own message.
bool EIModuleObject::prepareDownloadData()
{
    validateConfiguration();
    return true;
}

// The station's own configuration travels with its "Configuration" plug-in
// (uploadcore and downloadcore), which the station sequence reaches as a child.
int EIModuleObject::uploadPoints(TransferContext &)
{
    return 0;
}

int EIModuleObject::downloadPoints(TransferContext &)
{
    return 0;
}

// --- operations -------------------------------------------------------------------

int EIModuleObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload"))
        return upload(topLevel);
    if (op == QLatin1String("download"))
        return download(topLevel);
    if (op == QLatin1String("connect"))
        return connectCheck();
    if (op == QLatin1String("verifyconnection"))
        return verifyQuietly();
    if (op == QLatin1String("synchronize"))
        return synchronize();
    if (op == QLatin1String("idle"))
        return m_monitor.step();
    if (op == QLatin1String("uploadcore"))
        return uploadCore();
    if (op == QLatin1String("downloadcore"))
        return downloadCore();
    if (op == QLatin1String("setscanmode"))
        return scanModeTransfer(true);
    if (op == QLatin1String("getscanmode"))
        return scanModeTransfer(false);
    return RYXInterfaceModule::executeOperation(op, topLevel);
}

int EIModuleObject::verifyQuietly()
{
    TransferContext context(false, this, true);
    return verifyDevice(context.port());
}

int EIModuleObject::connectCheck()
{
    TransferContext context(false, this);
    context.setProgressTitle(tr("Connecting %1").arg(getName()));
    if (moduleCount == 0)
        return createModulesFromDevice(context);
    return verifyDevice(context.port());
}

int EIModuleObject::createModulesFromDevice(TransferContext &context)
{
    int count = 0;
    unsigned char types[MaxModules] = {};
    const int code = readModuleList(context.port(), count, types);
    if (code != 0)
        return code;
    RYXEventReceiver *receiver = nullptr;
    getMainWindow(this, receiver);
    m_creatingFromDevice = true;
    for (int i = 0; i < qBound(0, count, int(MaxModules)); ++i) {
        int kind = RYXClassRegistry::KindUndetermined;
        RYXClassRegistry::kindForTypeCode(types[i], kind);
        QSyncCustomEvent::postAndWait(receiver ? receiver->eventTarget() : nullptr,
                                      new createChildObjectSynchEvent(this, kind));
        if (auto *standIn = qobject_cast<UndeterminedModuleObject *>(modules().value(i)))
            standIn->setStandInType(types[i]);
    }
    m_creatingFromDevice = false;
    context.addProgressResult(QStringLiteral("SmallGreenLED"),
                              tr("Compatible %1 detected.").arg(getName()));
    return 0;
}

// A quiet lookup: a point this class lacks is expected, not worth a debug line.
bool EIModuleObject::hasPoint(const QString &key)
{
    return getDatabase()->contains(key);
}

QStringList EIModuleObject::identityPoints() const
{
    return { QStringLiteral("synch_descriptor"), QStringLiteral("synch_fwversion"),
             QStringLiteral("synch_newfwversion"), QStringLiteral("synch_serialnumber") };
}

// A failed read ends the synchronization with -1, which the connection
// takes as communication lost during synchronization.
int EIModuleObject::synchronize()
{
    TransferContext context(false, this);
    context.setProgressTitle(tr("Synchronizing with connected device..."));
    for (const QString &key : identityPoints()) {
        if (!hasPoint(key))
            continue;
        const int status = context.readPoint(key, false, true);
        if (status != 0) {
            qDebug().noquote() << QStringLiteral("EIModuleObject::synchronize - reading %1 failed with %2")
                                      .arg(key).arg(status);
            return -1;
        }
    }
    for (RYXIOModule *module : modules())
        module->executeOperation(QStringLiteral("synchronize"), false);
    context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("Synchronization Complete!"));
    context.setProgressTitle(QString());
    postUpdateDialog();
    return 0;
}

QStringList EIModuleObject::corePoints() const
{
    return { QStringLiteral("descriptor"), QStringLiteral("serverlocation"),
             QStringLiteral("floatorder") };
}

// A point whose attempts all fail throws; the cores report it.
int EIModuleObject::transferCorePoints(TransferContext &context, bool download)
{
    for (const QString &key : corePoints()) {
        if (download)
            context.writePoint(key);
        else
            context.readPoint(key);
    }
    return 0;
}

int EIModuleObject::uploadCore()
{
    return runCore(false);
}

int EIModuleObject::downloadCore()
{
    return runCore(true);
}

// The shared sequence of the two cores; only the direction differs.
int EIModuleObject::runCore(bool download)
{
    const QString title = download ? tr("Downloading Configuration Data %1")
                                   : tr("Uploading Configuration Data %1");
    const QString failure = download ? tr("download failure!") : tr("upload failure!");
    TransferContext context(true, this);
    context.setStepCount(int(corePoints().size()));
    context.setProgressTitle(title.arg(getName()));
    if (download && (!prepareDownloadData() || (getStatusFlags() & ConfigError)))
        return context.reportFailure(-1, tr("download aborted!"), configurationErrorText());
    try {
        transferCorePoints(context, download);
    } catch (const CVELException_ExcessiveRetries &) {
        return context.reportFailure(7, failure);
    }
    if (!download && !processUploadedData())
        return context.reportFailure(-1, failure, tr("There is a problem with the data."));
    for (const QString &key : corePoints())
        markCurrent(key);
    context.addProgressResult(QStringLiteral("SmallGreenLED"),
                              (download ? tr("%1 Download Configuration Data success!")
                                        : tr("%1 Upload Configuration Data success!"))
                                  .arg(getName()));
    postUpdateDialog();
    return 0;
}

int EIModuleObject::scanModeTransfer(bool write)
{
    TransferContext context(false, this, true);
    const QString key = QStringLiteral("disablescan");
    const int status = write ? context.writePoint(key, false, true) : context.readPoint(key, false, true);
    const bool ok = status == 0;
    QString text;
    if (write)
        text = ok ? tr("Scan Mode succesfully written to xIM") : tr("Scan Mode write failure");
    else
        text = ok ? tr("Scan Mode succesfully read from xIM") : tr("Scan Mode read failure");
    context.addProgressResult(ok ? QStringLiteral("SmallGreenLED") : QStringLiteral("SmallRedLED"), text);
    postUpdateDialog();
    m_internals->postUpdateDialog();
    return ok ? 0 : -1;
}

void EIModuleObject::GetScanModeButtonClickedSlot()
{
    requestOperation(QStringLiteral("getscanmode"));
}

void EIModuleObject::SetScanModeButtonClickedSlot()
{
    requestOperation(QStringLiteral("setscanmode"));
}

// What setting the scan lines sends to the station is not defined; the
// request goes to the connection like the other buttons and finds no handler.
void EIModuleObject::SetScanLinesButtonClickedSlot()
{
    requestOperation(QStringLiteral("setscanlines"));
}

// --- monitoring ---------------------------------------------------------------------

void EIModuleObject::monitorEnableToggledSlot(bool on)
{
    m_monitor.setEnabled(on);
}

void EIModuleObject::readProcessData(TransferContext &context)
{
    QList<XIMProcessObjectPlugin::ProcessValue> values;
    const bool statusRead = context.readPoint(QStringLiteral("status"), true, true) == 0;
    if (statusRead) {
        const unsigned status = getUInt(QStringLiteral("status"));
        const QString word = QString::asprintf("0x%.4X", status);
        // The row's own LED tells at a glance whether any status bit is set.
        const QString icon = status ? QStringLiteral("TinyRedLED") : QStringLiteral("TinyGreenLED");
        for (const StatusWordText::Line &line : StatusWordText::InterfaceModuleStatus.lines(status))
            values.append({ icon, tr("Interface Module Status"), word, line.first, line.second });
    }
    if (context.readPoint(QStringLiteral("clocktime"), true, true) == 0)
        values.append({ QStringLiteral("TinyGreenLED"), tr("Station Clock"),
                        QDateTime::fromSecsSinceEpoch(getUInt(QStringLiteral("clocktime")), Qt::UTC)
                            .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                        QString(), QString() });
    m_process->setProcessValues(values);
    m_process->setDataCurrent(statusRead);
}

// --- event log ------------------------------------------------------------------------

void EIModuleObject::postEventLine(const QString &text)
{
    postToMainWindow(new addToEventBoxEvent(text));
}

void EIModuleObject::postStatusLines(const StatusWordText &word, unsigned value)
{
    postEventLine(StatusWordText::tr(word.heading));
    for (const StatusWordText::Line &line : word.lines(value))
        postEventLine(QStringLiteral("    ") + line.second);
}

bool EIModuleObject::addToEventBox(int decimals)
{
    qDebug("EIModuleObject::writeProcessData - entering");
    postEventLine(getName());
    TransferContext context(false, this, true);
    if (context.readPoint(QStringLiteral("status"), false, true) == 0)
        postStatusLines(StatusWordText::InterfaceModuleStatus, getUInt(QStringLiteral("status")));
    else
        postEventLine(QStringLiteral("    ") + tr("Failed to read Interface Module Status"));
    if (checkOperation(2) == 0 && context.readPoint(QStringLiteral("p2pstatus"), false, true) == 0) {
        const unsigned p2p = getUInt(QStringLiteral("p2pstatus"));
        postEventLine(tr("MODBUS Peer to Peer Status Word (hex): %1").arg(QString::asprintf("0x%.4X", p2p)));
        postStatusLines(StatusWordText::PeerToPeerStatus, p2p);
    }
    if (checkOperation(7) == 0 && hasPoint(QStringLiteral("digitalinputs"))
        && context.readPoint(QStringLiteral("digitalinputs"), false, true) == 0) {
        const unsigned inputs = getUInt(QStringLiteral("digitalinputs"));
        for (int input = 1; input <= 4; ++input)
            postEventLine(tr("CPS On Board Discrete Input %1 %2")
                              .arg(input)
                              .arg((inputs >> (input - 1)) & 1 ? tr("Closed") : tr("Open")));
    }
    qDebug("EIModuleObject::writeProcessData - exiting");
    bool ok = true;
    for (RYXIOModule *module : modules())
        ok = module->addToEventBox(decimals) && ok;
    return ok;
}
