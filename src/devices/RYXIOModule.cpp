#include "devices/RYXIOModule.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZempCodec.h"
#include "comm/ZEMPPort.h"
#include "comm/ZempTransaction.h"
#include "core/StartupFlags.h"
#include "database/DataPoint.h"
#include "devices/PointSpec.h"
#include "devices/RYXChannel.h"
#include "devices/RYXInterfaceModule.h"
#include "model/RYXListViewItem.h"

#include <QtWidgets/QTreeWidget>

#include <cstring>

namespace {

// Clears the module's LED suppression on every way out of a transfer, so
// that the tree shows one refresh at the end instead of one per point.
class IndicatorSuppression
{
public:
    explicit IndicatorSuppression(RYXObject *object) : m_object(object)
    {
        m_object->setSuppressIndicatorRefresh(true);
    }
    ~IndicatorSuppression() { release(); }
    void release() { m_object->setSuppressIndicatorRefresh(false); }

private:
    RYXObject *m_object;
};

} // namespace

RYXIOModule::RYXIOModule(QObject *parent) : RYXObject(parent)
{
    insertIdentityPoints(this);
}

void RYXIOModule::insertIdentityPoints(RYXObject *object)
{
    static const PointSpec identity[] = {
        {"moduletype", "0", 3, 0x13, ZEMP_UINT8},
        {"devicetype", "0", 3, 0x64, ZEMP_UINT16},
        {"synch_fwversion", "X.Y", 7, 0x68, ZEMP_UINT16},
        {"synch_serialnumber", "Unknown", 7, 0x6A, ZEMP_UINT24},
    };
    PointSpec::insertAll(object, identity);
}

// ------------------------------------------------------------ addresses

unsigned short RYXIOModule::tunnelAddress(int moduleNumber, int index)
{
    return (unsigned short)(0x1000 + 4 * (qMax(moduleNumber, 1) - 1) + index);
}

unsigned short RYXIOModule::valueRegisterAddress(int moduleNumber, int index, int j)
{
    return (unsigned short)(0x300 | (16 * (qMax(moduleNumber, 1) - 1) + 4 * index + j));
}

unsigned short RYXIOModule::commitAddress(int moduleNumber, int index)
{
    return (unsigned short)(0x400 | (4 * (qMax(moduleNumber, 1) - 1) + index));
}

// ------------------------------------------------------------ naming

QString RYXIOModule::numberedName() const
{
    return name + QLatin1Char(' ') + QString::number(moduleNumber);
}

void RYXIOModule::setModuleNumber(int n)
{
    moduleNumber = n;
    setObjectName(numberedName());
    if (treeItem)
        treeItem->setText(0, treeName() + QLatin1Char(' ') + QString::number(moduleNumber));
    debugPrint(QStringLiteral("Module renamed to %1").arg(numberedName()));
}

bool RYXIOModule::createTreeItem(QTreeWidgetItem *parentItem)
{
    const bool created = RYXObject::createTreeItem(parentItem);
    if (treeItem)
        treeItem->setText(0, treeName() + QLatin1Char(' ') + QString::number(moduleNumber));
    return created;
}

QString RYXIOModule::getName()
{
    return numberedName();
}

QString RYXIOModule::getShortName()
{
    return family + QLatin1Char(' ') + QString::number(moduleNumber);
}

QString RYXIOModule::getChannelLabel(int n)
{
    QString label = tr(" Channel %1").arg(n);
    if (checkOperation(1) == 0) {
        QString tag = getString(QStringLiteral("synchtag") + QString::number(n));
        if (tag.isEmpty())
            tag = QStringLiteral("PV");
        label += QStringLiteral(" - ") + tag;
    }
    return label;
}

RYXChannel *RYXIOModule::channelByNumber(int n) const
{
    const QString wanted = QString::number(n);
    for (RYXObject *child : children) {
        auto *channel = qobject_cast<RYXChannel *>(child);
        if (channel && channel->objectName() == wanted)
            return channel;
    }
    return nullptr;
}

int RYXIOModule::channelIndex(RYXChannel *channel) const
{
    return channel ? indexOfChild(channel) : -1;
}

// ------------------------------------------------------------ device access

bool RYXIOModule::getPort(RYXObject *requester, ZEMPPort *&port, unsigned &tunnel)
{
    // A requester below a channel (a channel's plug-in) uses that channel's address.
    RYXObject *direct = requester;
    while (direct && direct != this && direct->getParentObject() != this)
        direct = direct->getParentObject();
    const int index = direct == this ? 0 : indexOfChild(direct);
    RYXObject *parentObject = getParentObject();
    if (!direct || index < 0 || !parentObject || !parentObject->getPort(this, port, tunnel))
        return false;
    tunnel = tunnelAddress(moduleNumber, index);
    return true;
}

bool RYXIOModule::hasConnection()
{
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->hasConnection();
}

ZEMPPort *RYXIOModule::stationPort()
{
    ZEMPPort *port = nullptr;
    unsigned tunnel = 0;
    RYXObject *parentObject = getParentObject();
    if (!parentObject || !parentObject->getPort(this, port, tunnel))
        return nullptr;
    return port;
}

int RYXIOModule::verifyDevice(ZEMPPort *)
{
    TransferContext context(false, this, true);
    return context.verifyType(moduleType, true);
}

void RYXIOModule::moduleHook()
{
}

int RYXIOModule::transactRegister(bool write, int index, int j, unsigned char *buffer)
{
    if (index < 0 || index >= addressableTargets() || j < 0 || j >= BlockSize || !buffer)
        return -1;
    ZEMPPort *port = stationPort();
    if (!port)
        return -1;
    ZempTransaction t(write ? ZEMP_WRITE : ZEMP_READ, valueRegisterAddress(moduleNumber, index, j),
                      write ? buffer : nullptr, write ? BlockSize : 0);
    const int status = port->execute(t);
    if (status != 0 || write)
        return status;
    if (t.responseCount != BlockSize)
        return ZEMP_ERR_CHECKSUM;
    std::memcpy(buffer, t.responseData, BlockSize);
    return 0;
}

int RYXIOModule::readChannelBlock(RYXChannel *channel, int j, unsigned char *buffer)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : readChannelBlockAt(index, j, buffer);
}

int RYXIOModule::readChannelBlockAt(int index, int j, unsigned char *buffer)
{
    return transactRegister(false, index, j, buffer);
}

int RYXIOModule::writeChannelBlock(RYXChannel *channel, int j, unsigned char *buffer)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : writeChannelBlockAt(index, j, buffer);
}

int RYXIOModule::writeChannelBlockAt(int index, int j, unsigned char *buffer)
{
    return transactRegister(true, index, j, buffer);
}

int RYXIOModule::readChannelText(RYXChannel *channel, unsigned short pointNumber, int size,
                                 QString &text)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : readChannelTextAt(index, pointNumber, size, text);
}

int RYXIOModule::readChannelTextAt(int index, unsigned short pointNumber, int size, QString &text)
{
    ZEMPPort *port = stationPort();
    if (!port || index < 0 || index >= addressableTargets())
        return -1;
    ZempTransaction t(ZEMP_READ, pointNumber);
    t.tunnelAddress = tunnelAddress(moduleNumber, index);
    const int status = port->execute(t);
    if (status != 0)
        return status;
    return ZempCodec::decode(ZEMP_TEXT, size, t.responseData, t.responseCount, &text);
}

int RYXIOModule::writeChannelText(RYXChannel *channel, unsigned short pointNumber, int size,
                                  const QString &text)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : writeChannelTextAt(index, pointNumber, size, text);
}

int RYXIOModule::writeChannelTextAt(int index, unsigned short pointNumber, int size,
                                   const QString &text)
{
    ZEMPPort *port = stationPort();
    QByteArray bytes;
    if (!port || index < 0 || index >= addressableTargets()
        || !ZempCodec::encode(ZEMP_TEXT, size, text, &bytes))
        return -1;
    ZempTransaction t(ZEMP_WRITE, pointNumber, reinterpret_cast<const BYTE *>(bytes.constData()),
                      int(bytes.size()));
    t.tunnelAddress = tunnelAddress(moduleNumber, index);
    return port->execute(t);
}

int RYXIOModule::uploadChannelTag(int index, const QString &key)
{
    QString text;
    const int status = readChannelTextAt(index, TagPoint, TagSize, text);
    if (status == 0)
        setValue(key, text);
    return status;
}

int RYXIOModule::downloadChannelTag(int index, const QString &key)
{
    QString text;
    if (!getValue(key, text))
        return -1;
    return writeChannelTextAt(index, TagPoint, TagSize, text);
}

int RYXIOModule::uploadChannelTag(RYXChannel *channel, const QString &key)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : uploadChannelTag(index, key);
}

int RYXIOModule::downloadChannelTag(RYXChannel *channel, const QString &key)
{
    const int index = channelIndex(channel);
    return index < 0 ? -1 : downloadChannelTag(index, key);
}

int RYXIOModule::commitChannel(RYXChannel *channel)
{
    const int index = channelIndex(channel);
    if (index < 0)
        return 0;
    ZEMPPort *port = stationPort();
    if (!port)
        return -1;
    ZempTransaction t(ZEMP_WRITE, commitAddress(moduleNumber, index));
    return port->execute(t);
}

int RYXIOModule::commitModule()
{
    ZEMPPort *port = stationPort();
    if (!port)
        return -1;
    ZempTransaction t(ZEMP_WRITE, commitAddress(moduleNumber, 0));
    return port->execute(t);
}

int RYXIOModule::commitDeviceData()
{
    auto *station = qobject_cast<RYXInterfaceModule *>(getParentObject());
    return station ? station->commitDeviceData() : -1;
}

void RYXIOModule::showPage(int page)
{
    RYXChannel *channel = channelByNumber(page);
    RYXListViewItem *item = channel ? channel->getTreeItem() : nullptr;
    QTreeWidget *view = item ? item->treeWidget() : nullptr;
    if (!view)
        return;
    view->setCurrentItem(item);
    item->setSelected(true);
    view->scrollToItem(item);
}

// ------------------------------------------------------------ transfers

int RYXIOModule::executeOperation(const QString &op, bool topLevel)
{
    return RYXObject::executeOperation(op, topLevel);
}

int RYXIOModule::upload(bool)
{
    return RYXInterfaceModule::runTransfer(
        this, false, tr("upload failure!"),
        [this](TransferContext &context) { return runUpload(context); }, [this] { showFailure(); });
}

void RYXIOModule::showFailure()
{
    setSuppressIndicatorRefresh(false);
    setStatus(InvalidateTree);
}

int RYXIOModule::runUpload(TransferContext &context)
{
    const QString failure = tr("upload failure!");
    int code = verifyDevice(context.port());
    if (code != 0) {
        setStatus(InvalidateTree);
        return context.reportFailure(code, failure);
    }
    IndicatorSuppression suppression(this);
    code = uploadPoints(context);
    if (code != 0) {
        // The LED must show the failure, so the suppression ends first.
        suppression.release();
        setStatus(InvalidateTree);
        return context.reportFailure(code, failure);
    }
    if (!processUploadedData())
        return context.reportFailure(TransferContext::GenericFailure,
                                     tr("upload failure"),
                                     tr("There is a problem with the data."));
    const int overall = RYXInterfaceModule::runOnChildren(this, QStringLiteral("upload"));
    if (overall == 0)
        context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1 upload success!").arg(getName()));
    else
        context.addProgressResult(QStringLiteral("SmallRedLED"), tr("%1 upload failure!").arg(getName()));
    suppression.release();
    markCurrent(QString());
    setStatus(ConfigurationUploaded);
    return overall;
}

int RYXIOModule::download(bool topLevel)
{
    return RYXInterfaceModule::runTransfer(
        this, true, tr("download failure!"),
        [this, topLevel](TransferContext &context) { return runDownload(context, topLevel); },
        [this] { showFailure(); });
}

int RYXIOModule::runDownload(TransferContext &context, bool topLevel)
{
    const QString failure = tr("download failure!");
    int code = RYXInterfaceModule::checkDownloadReady(context, this);
    if (code != 0)
        return code;
    code = verifyDevice(context.port());
    if (code != 0) {
        setStatus(InvalidateTree);
        return context.reportFailure(code, failure);
    }
    {
        IndicatorSuppression suppression(this);
        code = downloadPoints(context);
        // A module that did not take its commit has not taken its data either.
        if (code == 0)
            code = RYXInterfaceModule::resultOfStatus(commitModule());
        suppression.release();
        if (code != 0) {
            setStatus(InvalidateTree);
            return context.reportFailure(code, failure);
        }
    }
    int overall = RYXInterfaceModule::runOnChildren(this, QStringLiteral("download"));
    if (topLevel && checkOperation(1) == 0)
        RYXInterfaceModule::runSaveStep(context, getName(), [this] { return commitDeviceData(); });
    if (topLevel && overall == 0)
        overall = RYXInterfaceModule::verifyDownload(context, this);
    if (overall == 0)
        context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1 download success!").arg(getName()));
    else
        context.addProgressResult(QStringLiteral("SmallRedLED"), tr("%1 download failure!").arg(getName()));
    setStatus(overall == TransferContext::NotAsDownloaded ? InvalidateTree : ConfigurationDownloaded);
    return overall;
}

int RYXIOModule::synchronize()
{
    TransferContext context(false, this);
    try {
        RYXInterfaceModule::countTransfers(context, this, &RYXObject::synchronizePoints);
        synchronizePoints(context);
        for (RYXObject *child : QList<RYXObject *>(children)) {
            if (child->executeOperation(QStringLiteral("synchronize"), false) == -1)
                return -1;
        }
        return 0;
    } catch (const CVELException_ExcessiveRetries &) {
        return context.reportFailure(TransferContext::RetryLimitExceeded,
                                     tr("synchronization failure!"));
    }
}

int RYXIOModule::synchronizePoints(TransferContext &context)
{
    context.readPoint(QStringLiteral("synch_fwversion"), false, true);
    context.readPoint(QStringLiteral("synch_serialnumber"), false, true);
    return 0;
}
