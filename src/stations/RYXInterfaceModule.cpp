#include "stations/RYXInterfaceModule.h"

#include "app/RYXPrompter.h"
#include "app/StartupFlags.h"
#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPPort.h"
#include "comm/ZempTransaction.h"
#include "database/DataPoint.h"
#include "io/RYXIOModule.h"

#include <QtCore/QByteArray>

#include <cstring>
#include <iterator>

namespace {

struct ModuleTypeEntry
{
    int code;
    const char *displayName;
    const char *element;
};

// Codes absent from this table have no name: a module of such a type matches nothing.
constexpr ModuleTypeEntry ModuleTypes[] = {
    {0, "Undetermined Module", "UNDETERMINED"},
    {1, "AOM Analog Output (AO4) Module", "AO4"},
    {2, "TIM Temperature Input (TI4) Module", "TI4"},
    {3, "CIM Cathodic Input (CI4) Module", "CI4"},
    {4, "IIM Current Input (II4) Module", "II4"},
    {5, "VIM Voltage Input (VI4) Module", "VI4"},
    {7, "AIM Analog Input (AI4) Module", "AI4"},
    {23, "DIM Discrete Input (CC8) Module", "CC8"},
    {25, "ROM Relay Output (RO4) Module", "RO4"},
    {100, "DIM Discrete Input (LV8) Module", "LV8"},
    {101, "DIM Discrete Input (HV8) Module", "HV8"},
    {102, "ROM Relay Output (RO8) Module", "RO8"},
};

const ModuleTypeEntry *findModuleType(int code)
{
    for (const ModuleTypeEntry &entry : ModuleTypes) {
        if (entry.code == code)
            return &entry;
    }
    return nullptr;
}

} // namespace

RYXInterfaceModule::RYXInterfaceModule(QObject *parent) : RYXObject(parent)
{
    showFirmwareVersion = true;
    showSerialNumber = true;
    const DataPoint::Attributes identity(3);
    InsertPoint(QStringLiteral("devicetype"), QStringLiteral("0"), identity, 0x64, ZEMP_UINT16);
    InsertPoint(QStringLiteral("mim_nummodules"), QStringLiteral("0"), identity, 0x102, ZEMP_UINT8);
    InsertPoint(QStringLiteral("mim_moduletypes"), QStringLiteral("0"), identity, 0x103, MaxModules,
                ZEMP_BINARY);
    const DataPoint::Attributes shadow(7);
    InsertPoint(QStringLiteral("synch_fwversion"), QStringLiteral("X.Y"), shadow, 0x68, ZEMP_UINT16);
    InsertPoint(QStringLiteral("synch_serialnumber"), QStringLiteral("Unknown"), shadow, 0x6A,
                ZEMP_UINT24);
}

// ------------------------------------------------------------ module type table

bool RYXInterfaceModule::moduleTypeName(int code, QString &name)
{
    const ModuleTypeEntry *entry = findModuleType(code);
    name = entry ? QString::fromLatin1(entry->displayName) : QString();
    return entry != nullptr;
}

bool RYXInterfaceModule::moduleTypeElement(int code, QString &element)
{
    const ModuleTypeEntry *entry = findModuleType(code);
    element = entry ? QString::fromLatin1(entry->element) : QString();
    return entry != nullptr;
}

bool RYXInterfaceModule::moduleTypeForElement(const QString &element, int &code)
{
    for (const ModuleTypeEntry &entry : ModuleTypes) {
        if (element == QLatin1String(entry.element)) {
            code = entry.code;
            return true;
        }
    }
    return false;
}

QList<int> RYXInterfaceModule::moduleTypeCodes()
{
    QList<int> codes;
    for (const ModuleTypeEntry &entry : ModuleTypes)
        codes.append(entry.code);
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

bool RYXInterfaceModule::isConnectionOffline()
{
    RYXConnection *found = nullptr;
    return !getConnection(this, found) || found->state() == RYXConnection::Offline;
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
        RYXPrompter::information(nullptr, QStringLiteral("warning"),
                                 QStringLiteral("You may not delete a module of a device that is online"));
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

void RYXInterfaceModule::getMenuItemMask(unsigned &mask)
{
    RYXObject::getMenuItemMask(mask);
    if (moduleCount < MaxModules && isConnectionOffline())
        mask |= MenuAddModule;
}

QString RYXInterfaceModule::getExtraPropertiesHtml()
{
    return QStringLiteral("<tr><td>Station Name:</td><td>") + getString(QStringLiteral("synch_descriptor"))
           + QStringLiteral("</td></tr>");
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
        const QString wanted = moduleObjectName(types[i - 1], i);
        if (wanted.isEmpty() || !findChild<RYXIOModule *>(wanted))
            return TransferContext::ModuleTypesDiffer;
    }
    return 0;
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

void RYXInterfaceModule::runSaveStep(TransferContext &context, const QString &name,
                                     const std::function<int()> &commit)
{
    context.addProgressResult(QStringLiteral("SmallYellowLED"),
                              QStringLiteral("Please be patient, saving data in interface module..."));
    if (commit() != 0)
        context.addProgressResult(
            QStringLiteral("SmallYellowLED"),
            name + QStringLiteral(" download warning!  This channel's tag information could not be saved."));
    else
        context.addProgressResult(QStringLiteral("SmallGreenLED"),
                                  QStringLiteral("Interface Module data saved successfully."));
    context.progressStep();
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
                                    const std::function<void()> &onRetries)
{
    TransferContext context(true, object);
    countTransfers(context, object, download ? &RYXObject::downloadPoints : &RYXObject::uploadPoints);
    context.setProgressTitle((download ? QStringLiteral("Downloading ") : QStringLiteral("Uploading "))
                             + object->getName());
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
    const QString aborted = QStringLiteral("download aborted!");
    if (!object->prepareDownloadData())
        return context.reportFailure(TransferContext::GenericFailure, aborted,
                                     QStringLiteral("Failed to prepare data for transfer."));
    if (object->getStatusFlags() & ConfigError)
        return context.reportFailure(TransferContext::GenericFailure, aborted,
                                     QStringLiteral("Error in configuration."));
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
    return runTransfer(this, false, QStringLiteral("upload failure!"),
                       [this](TransferContext &context) { return runUpload(context); });
}

int RYXInterfaceModule::runUpload(TransferContext &context)
{
    const QString failure = QStringLiteral("upload failure!");
    int code = verifyDevice(context.port());
    if (code == 0)
        code = uploadPoints(context);
    if (code != 0)
        return context.reportFailure(code, failure);
    context.addProgressResult(QStringLiteral("SmallGreenLED"), getName() + QStringLiteral(" upload success!"));
    if (!processUploadedData())
        return context.reportFailure(TransferContext::GenericFailure, failure,
                                     QStringLiteral("There is a problem with the data."));
    const int overall = runOnChildren(this, QStringLiteral("upload"));
    addOverallResult(context, QStringLiteral("upload"), overall);
    markCurrent(QString());
    setStatus(ConfigurationUploaded);
    if (RYXObject *plugin = configurationPlugin())
        plugin->setStatus(ConfigurationUploaded);
    return overall;
}

int RYXInterfaceModule::download(bool topLevel)
{
    return runTransfer(this, true, QStringLiteral("download failed!"),
                       [this, topLevel](TransferContext &context) { return runDownload(context, topLevel); });
}

int RYXInterfaceModule::runDownload(TransferContext &context, bool topLevel)
{
    int code = checkDownloadReady(context, this);
    if (code != 0)
        return code;
    code = verifyDevice(context.port());
    if (code != 0)
        return context.reportFailure(code, QStringLiteral("download aborted!"));
    code = downloadPoints(context);
    if (code != 0)
        return context.reportFailure(code, QStringLiteral("download failed!"));
    context.addProgressResult(QStringLiteral("SmallGreenLED"), getName() + QStringLiteral(" download success!"));
    const int overall = runOnChildren(this, QStringLiteral("download"));
    if (topLevel && checkOperation(1) == 0 && overall != TransferContext::CommunicationLost)
        runSaveStep(context, getName(), [this] { return commitDeviceData(); });
    addOverallResult(context, QStringLiteral("download"), overall);
    setStatus(ConfigurationDownloaded);
    return overall;
}

void RYXInterfaceModule::addOverallResult(TransferContext &context, const QString &operation, int overall)
{
    if (overall == 0)
        context.addProgressResult(QStringLiteral("SmallGreenLED"),
                                  getName() + QStringLiteral(" overall %1 success!").arg(operation));
    else
        context.addProgressResult(QStringLiteral("SmallRedLED"),
                                  getName() + QStringLiteral(" overall %1 failure!").arg(operation));
}
