#include "devices/RYXInterfaceModule.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/RYXTransferSettings.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPPort.h"
#include "comm/ZempTransaction.h"
#include "core/RYXPrompter.h"
#include "core/StartupFlags.h"
#include "database/DataPoint.h"
#include "devices/DeviceComparison.h"
#include "devices/PointSpec.h"
#include "devices/RYXChildCreator.h"
#include "devices/RYXClassRegistry.h"
#include "devices/RYXIOModule.h"

#include <QtCore/QByteArray>

#include <algorithm>
#include <cstring>
#include <iterator>


namespace {

// The identity of the device behind every station. The module type list
// starts empty: binary text is whole hex bytes, which "0" is not.
const PointSpec StationPoints[] = {
    {"devicetype", "0", 3, 0x64, ZEMP_UINT16},
    {"mim_nummodules", "0", 3, 0x102, ZEMP_UINT8},
    {"mim_moduletypes", "", 3, 0x103, ZEMP_BINARY, RYXInterfaceModule::MaxModules},
    {"synch_fwversion", "X.Y", 7, 0x68, ZEMP_UINT16},
    {"synch_serialnumber", "Unknown", 7, 0x6A, ZEMP_UINT24},
};

} // namespace

RYXInterfaceModule::RYXInterfaceModule(QObject *parent) : RYXObject(parent)
{
    showFirmwareVersion = true;
    showSerialNumber = true;
    PointSpec::insertAll(this, StationPoints);
}

// ------------------------------------------------------------ module type table

bool RYXInterfaceModule::moduleTypeName(int code, QString &name)
{
    const RYXClassInfo *row = RYXClassRegistry::findModuleType(code);
    name = row ? QString::fromLatin1(row->displayName) : QString();
    return row != nullptr;
}

bool RYXInterfaceModule::moduleTypeElement(int code, QString &element)
{
    const RYXClassInfo *row = RYXClassRegistry::findModuleType(code);
    element = row ? QString::fromLatin1(row->element) : QString();
    return row != nullptr;
}

bool RYXInterfaceModule::moduleTypeForElement(const QString &element, int &code)
{
    const RYXClassInfo *row = RYXClassRegistry::findElement(element);
    if (!row || row->level != RYXObjectFactory::ModuleLevel)
        return false;
    code = row->typeCode;
    return true;
}

QList<int> RYXInterfaceModule::moduleTypeCodes()
{
    QList<int> codes;
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (row->level == RYXObjectFactory::ModuleLevel)
            codes.append(row->typeCode);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

QString RYXInterfaceModule::moduleObjectName(int code, int position)
{
    QString name;
    if (!moduleTypeName(code, name))
        return QString();
    return name + QLatin1Char(' ') + QString::number(position);
}

// ------------------------------------------------------------ modules

QList<RYXIOModule *> RYXInterfaceModule::modules() const
{
    QList<RYXIOModule *> found;
    for (RYXObject *child : children) {
        if (auto *module = qobject_cast<RYXIOModule *>(child))
            found.append(module);
    }
    return found;
}

bool RYXInterfaceModule::appendModule(RYXIOModule *module)
{
    if (!module || !RYXObject::addChild(module))
        return false;
    moduleCount = int(modules().size());
    module->setModuleNumber(moduleCount);
    return true;
}

void RYXInterfaceModule::renumberModules()
{
    const QList<RYXIOModule *> list = modules();
    moduleCount = int(list.size());
    for (int i = 0; i < list.size(); ++i)
        list.at(i)->setModuleNumber(i + 1);
}

RYXObject *RYXInterfaceModule::configurationPlugin()
{
    return nullptr;
}

int RYXInterfaceModule::transferCorePoints(TransferContext &, bool)
{
    return 0;
}

bool RYXInterfaceModule::isConnectionOffline()
{
    RYXConnectionBase *found = nullptr;
    return !getConnection(this, found) || found->state() == RYXConnectionBase::Offline;
}

RYXConnectionBase *RYXInterfaceModule::createConnection(QObject *parent)
{
    return new RYXConnection(this, parent);
}

unsigned RYXInterfaceModule::getTransportMask() const
{
    return TransportRS232 | TransportTCPIP;
}

bool RYXInterfaceModule::deleteChild(RYXObject *child)
{
    auto *module = qobject_cast<RYXIOModule *>(child);
    if (!module || !children.contains(module))
        return false;
    if (!isConnectionOffline()) {
        RYXPrompter::information(nullptr, tr("warning"), tr("You may not delete a module of a device that is online"));
        return false;
    }
    // The station's plug-ins share the children list, so the module is
    // removed by identity, never by its position.
    module->destroyTreeItem();
    children.removeAll(module);
    delete module;
    renumberModules();
    setStatus(RecomputeChildStatus);
    return true;
}

bool RYXInterfaceModule::addChildOfKind(int kind)
{
    return RYXChildCreator::createChild(this, kind);
}

void RYXInterfaceModule::getMenuItemMask(unsigned &mask)
{
    RYXObject::getMenuItemMask(mask);
    if (moduleCount < MaxModules && isConnectionOffline())
        mask |= MenuAddModule;
}

QString RYXInterfaceModule::getExtraPropertiesHtml()
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
        .arg(tr("Station Name:"), getString(QStringLiteral("synch_descriptor")));
}

// ------------------------------------------------------------ device checks

int RYXInterfaceModule::readModuleList(ZEMPPort *, int &count, unsigned char *types)
{
    TransferContext context(false, this, true);
    const int code = context.verifyDeviceType(typeCode);
    if (code != 0)
        return code;
    if (context.readPoint(QStringLiteral("mim_nummodules"), false, true) == ZEMP_ERR_TIMEOUT)
        return TransferContext::CommunicationLost;
    count = getInt(QStringLiteral("mim_nummodules"));
    if (context.readPoint(QStringLiteral("mim_moduletypes"), false, true) == ZEMP_ERR_TIMEOUT)
        return TransferContext::CommunicationLost;
    const QByteArray bytes = QByteArray::fromHex(getString(QStringLiteral("mim_moduletypes")).toLatin1());
    std::memset(types, 0, MaxModules);
    std::memcpy(types, bytes.constData(), size_t(qMin(int(bytes.size()), MaxModules)));
    return 0;
}

int RYXInterfaceModule::verifyDevice(ZEMPPort *port)
{
    int count = 0;
    unsigned char types[MaxModules];
    const int code = readModuleList(port, count, types);
    if (code != 0)
        return code;
    if (count != moduleCount)
        return TransferContext::ModuleCountDiffers;
    for (int i = 1; i <= qMin(count, int(MaxModules)); ++i) {
        if (!holdsModuleType(types[i - 1], i))
            return TransferContext::ModuleTypesDiffer;
    }
    return 0;
}

// A module is found by the name its type gives it at its position; a module
// the program could not determine matches the type code it was made for.
bool RYXInterfaceModule::holdsModuleType(int typeCode, int position) const
{
    const QString wanted = moduleObjectName(typeCode, position);
    if (!wanted.isEmpty() && findChild<RYXIOModule *>(wanted))
        return true;
    RYXIOModule *module = modules().value(position - 1);
    return module && module->standsInFor(typeCode);
}

int RYXInterfaceModule::commitDeviceData()
{
    ZEMPPort *port = nullptr;
    unsigned tunnel = 0;
    if (!getPort(this, port, tunnel))
        return -1;
    ZempTransaction request(ZEMP_READ, CommitAddress);
    if (port->execute(request) != 0 || request.responseCount != 1)
        return -1;
    ZempTransaction store(ZEMP_WRITE, CommitAddress, request.responseData, 1);
    return port->execute(store) == 0 ? 0 : -1;
}

// ------------------------------------------------------------ shared transfer helpers

int RYXInterfaceModule::countTransfers(TransferContext &context, RYXObject *object,
                                       int (RYXObject::*pass)(TransferContext &))
{
    context.setActive(false);
    const int before = context.skippedCount();
    (object->*pass)(context);
    context.setActive(true);
    return context.skippedCount() - before;
}

int RYXInterfaceModule::countTreeTransfers(TransferContext &context, RYXObject *object, bool download)
{
    int count = countTransfers(context, object, download ? &RYXObject::downloadPoints : &RYXObject::uploadPoints);
    for (RYXObject *child : object->getChildren())
        count += countTreeTransfers(context, child, download);
    return count;
}

void RYXInterfaceModule::runSaveStep(TransferContext &context, const QString &name,
                                     const std::function<int()> &commit)
{
    context.addProgressResult(QStringLiteral("SmallYellowLED"),
                              tr("Please be patient, saving data in interface module..."));
    if (commit() != 0)
        context.addProgressResult(
            QStringLiteral("SmallYellowLED"),
            tr("%1 download warning!  This channel's tag information could not be saved.").arg(name));
    else
        context.addProgressResult(QStringLiteral("SmallGreenLED"),
                                  tr("Interface Module data saved successfully."));
    context.progressStep();
}

int RYXInterfaceModule::verifyDownload(TransferContext &context, RYXObject *object)
{
    if (!RYXTransferSettings::verifyDownloads())
        return 0;
    QList<DeviceComparison::Difference> differences;
    const int code = DeviceComparison::compare(object, differences);
    if (code != 0)
        return context.reportFailure(code, tr("download failure!"),
                                     tr("What was downloaded could not be read back."));
    for (const DeviceComparison::Difference &difference : std::as_const(differences))
        context.addProgressResult(QStringLiteral("SmallRedLED"), DeviceComparison::describe(difference));
    if (!differences.isEmpty())
        return context.reportFailure(TransferContext::NotAsDownloaded, tr("download failure!"));
    context.addProgressResult(QStringLiteral("SmallGreenLED"),
                              tr("%1 read back: the device holds what was downloaded.").arg(object->getName()));
    return 0;
}

int RYXInterfaceModule::resultOfStatus(int status)
{
    if (status == 0)
        return TransferContext::Success;
    if (status == ZEMP_ERR_TIMEOUT)
        return TransferContext::CommunicationLost;
    if (status == ZEMP_DEVERR_MISSING)
        return TransferContext::DeviceMissing;
    return TransferContext::GenericFailure;
}

int RYXInterfaceModule::runTransfer(RYXObject *object, bool download, const QString &failure,
                                    const std::function<int(TransferContext &)> &body,
                                    const std::function<void()> &onRetries, int extraSteps)
{
    TransferContext context(true, object);
    context.setStepCount(countTreeTransfers(context, object, download) + extraSteps);
    context.setProgressTitle((download ? tr("Downloading %1") : tr("Uploading %1")).arg(object->getName()));
    try {
        return body(context);
    } catch (const CVELException_ExcessiveRetries &) {
        if (onRetries)
            onRetries();
        return context.reportFailure(TransferContext::RetryLimitExceeded, failure);
    }
}

int RYXInterfaceModule::checkDownloadReady(TransferContext &context, RYXObject *object)
{
    const QString aborted = tr("download aborted!");
    if (!object->prepareDownloadData())
        return context.reportFailure(TransferContext::GenericFailure, aborted,
                                     tr("Failed to prepare data for transfer."));
    if (object->getStatusFlags() & ConfigError)
        return context.reportFailure(TransferContext::GenericFailure, aborted, object->configurationErrorText());
    return 0;
}

int RYXInterfaceModule::runOnChildren(RYXObject *parent, const QString &op)
{
    int overall = 0;
    const QList<RYXObject *> list = parent->getChildren();
    for (RYXObject *child : list) {
        const int result = child->executeOperation(op, false);
        if (result != 0)
            overall = result;
        if (result == TransferContext::CommunicationLost)
            break;
    }
    return overall;
}

// ------------------------------------------------------------ station transfers

int RYXInterfaceModule::upload(bool)
{
    return runTransfer(this, false, tr("upload failure!"),
                       [this](TransferContext &context) { return runUpload(context); });
}

int RYXInterfaceModule::runUpload(TransferContext &context)
{
    const QString failure = tr("upload failure!");
    int code = verifyDevice(context.port());
    if (code == 0)
        code = uploadPoints(context);
    if (code != 0)
        return context.reportFailure(code, failure);
    context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1 upload success!").arg(getName()));
    if (!processUploadedData())
        return context.reportFailure(TransferContext::GenericFailure, failure,
                                     tr("There is a problem with the data."));
    const int overall = runOnChildren(this, QStringLiteral("upload"));
    addOverallResult(context, QStringLiteral("upload"), overall);
    markCurrent(QString());
    setStatus(ConfigurationUploaded);
    if (RYXObject *plugin = configurationPlugin())
        plugin->setStatus(ConfigurationUploaded);
    return overall;
}

// A top-level download ends with the save step, which is one more step.
int RYXInterfaceModule::download(bool topLevel)
{
    const int saveSteps = topLevel && checkOperation(1) == 0 ? 1 : 0;
    return runTransfer(
        this, true, tr("download failed!"),
        [this, topLevel](TransferContext &context) { return runDownload(context, topLevel); }, {}, saveSteps);
}

int RYXInterfaceModule::runDownload(TransferContext &context, bool topLevel)
{
    int code = checkDownloadReady(context, this);
    if (code != 0)
        return code;
    code = verifyDevice(context.port());
    if (code != 0)
        return context.reportFailure(code, tr("download aborted!"));
    code = downloadPoints(context);
    if (code != 0)
        return context.reportFailure(code, tr("download failed!"));
    context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1 download success!").arg(getName()));
    int overall = runOnChildren(this, QStringLiteral("download"));
    if (topLevel && checkOperation(1) == 0 && overall != TransferContext::CommunicationLost)
        runSaveStep(context, getName(), [this] { return commitDeviceData(); });
    if (topLevel && overall == 0)
        overall = verifyDownload(context, this);
    addOverallResult(context, QStringLiteral("download"), overall);
    setStatus(overall == TransferContext::NotAsDownloaded ? InvalidateTree : ConfigurationDownloaded);
    return overall;
}

void RYXInterfaceModule::addOverallResult(TransferContext &context, const QString &operation, int overall)
{
    if (overall == 0)
        context.addProgressResult(QStringLiteral("SmallGreenLED"),
                                  tr("%1 overall %2 success!").arg(getName(), TransferContext::operationName(operation)));
    else
        context.addProgressResult(QStringLiteral("SmallRedLED"),
                                  tr("%1 overall %2 failure!").arg(getName(), TransferContext::operationName(operation)));
}
