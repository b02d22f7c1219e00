#include "devices/RYXChannel.h"

#include "comm/CVELException_ExcessiveRetries.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/RYXInterfaceModule.h"
#include "devices/RYXIOModule.h"
#include "model/RYXListViewItem.h"
#include "model/events/addToEventBoxEvent.h"

#include <QtCore/QtEndian>

#include <cstring>

RYXChannel::RYXChannel(QObject *parent) : RYXObject(parent)
{
    RYXIOModule::insertIdentityPoints(this);
}

void RYXChannel::setChannelNumber(int n)
{
    channelNumber = n;
    setObjectName(QString::number(n));
}

RYXIOModule *RYXChannel::module() const
{
    return qobject_cast<RYXIOModule *>(getParentObject());
}

bool RYXChannel::createTreeItem(QTreeWidgetItem *parentItem)
{
    const bool created = RYXObject::createTreeItem(parentItem);
    if (treeItem)
        treeItem->setText(0, treeName() + QLatin1Char(' ') + QString::number(channelNumber));
    return created;
}

QString RYXChannel::getName()
{
    const QString suffix = tr(", Channel %1").arg(channelNumber);
    RYXObject *parentObject = getParentObject();
    return (parentObject ? parentObject->getName() : name) + suffix;
}

QString RYXChannel::getShortName()
{
    return tr(" Channel %1").arg(channelNumber);
}

// ------------------------------------------------------------ device access

int RYXChannel::readBlock(int j, unsigned char *buffer)
{
    RYXIOModule *owner = module();
    return owner ? owner->readChannelBlock(this, j, buffer) : -1;
}

int RYXChannel::writeBlock(int j, unsigned char *buffer)
{
    RYXIOModule *owner = module();
    return owner ? owner->writeChannelBlock(this, j, buffer) : -1;
}

int RYXChannel::uploadTextPoint(unsigned short pointNumber, int size, const QString &key)
{
    RYXIOModule *owner = module();
    QString text;
    const int status = owner ? owner->readChannelText(this, pointNumber, size, text) : -1;
    if (status == 0)
        setValue(key, text);
    return status;
}

int RYXChannel::downloadTextPoint(unsigned short pointNumber, int size, const QString &key)
{
    RYXIOModule *owner = module();
    QString text;
    if (!owner || !getValue(key, text))
        return -1;
    return owner->writeChannelText(this, pointNumber, size, text);
}

int RYXChannel::uploadTag(const QString &key)
{
    return uploadTextPoint(RYXIOModule::TagPoint, RYXIOModule::TagSize, key);
}

int RYXChannel::downloadTag(const QString &key)
{
    return downloadTextPoint(RYXIOModule::TagPoint, RYXIOModule::TagSize, key);
}

int RYXChannel::uploadText(const QString &key)
{
    return uploadTextPoint(RYXIOModule::TextPoint, RYXIOModule::TextSize, key);
}

int RYXChannel::downloadText(const QString &key)
{
    return downloadTextPoint(RYXIOModule::TextPoint, RYXIOModule::TextSize, key);
}

int RYXChannel::commit()
{
    RYXIOModule *owner = module();
    return owner ? owner->commitChannel(this) : -1;
}

int RYXChannel::commitDeviceData()
{
    RYXIOModule *owner = module();
    return owner ? owner->commitDeviceData() : -1;
}

void RYXChannel::trimButtonClicked(bool)
{
}

// ------------------------------------------------------------ transfers

int RYXChannel::verifyDevice(ZEMPPort *)
{
    // The context reaches the port and tunnel address through this channel.
    TransferContext context(false, this, true);
    return context.verifyType(typeCode, false);
}

int RYXChannel::executeOperation(const QString &op, bool topLevel)
{
    return RYXObject::executeOperation(op, topLevel);
}

int RYXChannel::upload(bool)
{
    return RYXInterfaceModule::runTransfer(
        this, false, tr("upload failure"),
        [this](TransferContext &context) { return runUpload(context); }, [this] { setStatus(InvalidateTree); });
}

int RYXChannel::runUpload(TransferContext &context)
{
    const QString failure = tr("upload failure");
    int code = verifyDevice(context.port());
    if (code == 0)
        code = uploadPoints(context);
    if (code != 0) {
        setStatus(InvalidateTree);
        return context.reportFailure(code, failure);
    }
    if (!processUploadedData())
        return context.reportFailure(TransferContext::GenericFailure, failure,
                                     tr("There is a problem with the data."));
    context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1 upload success!").arg(getName()));
    markCurrent(QString());
    setStatus(ConfigurationUploaded);
    return 0;
}

int RYXChannel::download(bool topLevel)
{
    return RYXInterfaceModule::runTransfer(
        this, true, tr("download failure!"),
        [this, topLevel](TransferContext &context) { return runDownload(context, topLevel); },
        [this] { setStatus(InvalidateTree); });
}

int RYXChannel::runDownload(TransferContext &context, bool topLevel)
{
    int code = RYXInterfaceModule::checkDownloadReady(context, this);
    if (code != 0)
        return code;
    code = verifyDevice(context.port());
    if (code == 0)
        code = downloadPoints(context);
    if (code == 0) {
        if (topLevel && checkOperation(1) == 0)
            RYXInterfaceModule::runSaveStep(context, getName(), [this] { return commitDeviceData(); });
        // A channel that did not take its commit has not taken its data either.
        code = RYXInterfaceModule::resultOfStatus(commit());
        if (code == 0)
            code = topLevel ? RYXInterfaceModule::verifyDownload(context, this) : 0;
        else
            context.reportFailure(code, tr("download failure!"));
    } else {
        context.reportFailure(code, tr("download failure!"));
    }
    if (code != 0) {
        setStatus(InvalidateTree);
        return code;
    }
    context.addProgressResult(QStringLiteral("SmallGreenLED"), tr("%1...download success!").arg(getName()));
    setStatus(ConfigurationDownloaded);
    return 0;
}

int RYXChannel::synchronize()
{
    TransferContext context(false, this);
    try {
        RYXInterfaceModule::countTransfers(context, this, &RYXObject::synchronizePoints);
        return synchronizePoints(context);
    } catch (const CVELException_ExcessiveRetries &) {
        return context.reportFailure(TransferContext::RetryLimitExceeded,
                                     tr("synchronization failure!"));
    }
}

int RYXChannel::synchronizePoints(TransferContext &context)
{
    context.readPoint(QStringLiteral("synch_fwversion"), false, true);
    return 0;
}

void RYXChannel::readAll(TransferContext &context, const QStringList &keys)
{
    for (const QString &key : keys)
        context.readPoint(key);
}

void RYXChannel::writeAll(TransferContext &context, const QStringList &keys)
{
    for (const QString &key : keys)
        context.writePoint(key);
}

// The tag and the units text only warn when they cannot be moved.
void RYXChannel::transferChannelTexts(TransferContext &context, bool download)
{
    struct Text
    {
        int operation;
        const char *key;
        const char *what;
    };
    static const Text texts[] = {{1, "tag1", "tag"}, {0, "egu1", "egu"}};
    for (const Text &text : texts) {
        if (checkOperation(text.operation) != 0)
            continue;
        if (!context.isActive())
            continue;
        const QString key = QLatin1String(text.key);
        const int status = text.operation == 1 ? (download ? downloadTag(key) : uploadTag(key))
                                               : (download ? downloadText(key) : uploadText(key));
        if (status != 0)
            context.addProgressResult(QStringLiteral("SmallYellowLED"),
                                      getName()
                                          + QStringLiteral(" upload warning!  This channel's %1 information could "
                                                           "not be %2.")
                                                .arg(QLatin1String(text.what),
                                                     download ? QStringLiteral("written") : QStringLiteral("read")));
    }
}

void RYXChannel::synchronizeShadows(TransferContext &context, const QStringList &keys)
{
    for (const QString &key : keys)
        context.readPoint(key, false, true);
    if (context.isActive() && checkOperation(1) == 0)
        uploadTag(QStringLiteral("synchtag1"));
    if (context.isActive() && checkOperation(0) == 0)
        uploadText(QStringLiteral("synchegu1"));
}

QStringList RYXChannel::keysOf(std::initializer_list<const char *> names)
{
    QStringList keys;
    for (const char *name : names)
        keys << QLatin1String(name);
    return keys;
}

QStringList RYXChannel::trimKeys()
{
    return keysOf({"trimpointz", "trimpointf", "trimcapturez", "trimcapturef"});
}

QString RYXChannel::channelXmlStartTag() const
{
    return QStringLiteral("%1 channel=\"%2\"").arg(xmlTag).arg(channelNumber);
}

void RYXChannel::validateThenRefresh(const std::function<void()> &validate)
{
    if (!mutex.tryLock())
        return;
    validate();
    mutex.unlock();
    RYXObject::updateDialog();
}

bool RYXChannel::validateTrimRange(RYXObject *trim, const QString &zeroKey, const QString &fullKey)
{
    const bool enabled = getBool(QStringLiteral("trimenable"));
    trim->setShowInTree(enabled);
    if (!enabled)
        return true;
    setValue(QStringLiteral("trimrangez"), getString(zeroKey));
    setValue(QStringLiteral("trimrangef"), getString(fullKey));
    // The trim plug-in validates the trim points against that range.
    trim->updateDialog();
    return getBool(QStringLiteral("trimisvalid"));
}

void RYXChannel::storeTrimEnable(bool on, const char *refusal)
{
    if (on && isNotCurrent()) {
        qDebug("%s", refusal);
        updateDialog();
        return;
    }
    if (!on)
        setValue(QStringLiteral("numtrimpts"), 0);
    else if (getInt(QStringLiteral("numtrimpts")) < 1)
        setValue(QStringLiteral("numtrimpts"), 1);
    setValue(QStringLiteral("trimenable"), on, true);
}

void RYXChannel::postEventLine(const QString &text)
{
    postToMainWindow(new addToEventBoxEvent(text));
}

bool RYXChannel::readFloatRegister(int j, float &value)
{
    unsigned char bytes[4] = {};
    if (readBlock(j, bytes) != 0)
        return false;
    const quint32 bits = qFromBigEndian<quint32>(bytes);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

QString RYXChannel::valueLine(float value, int decimals, const QString &unit, const QString &suffix)
{
    QString tag;
    if (checkOperation(1) == 0) {
        tag = getString(QStringLiteral("synchtag1"));
        tag = (tag.isEmpty() ? QStringLiteral("PV") : tag) + QStringLiteral(" - ");
    }
    const QByteArray format = QString::asprintf("%%.%df ", decimals).toLatin1();
    return QStringLiteral("    ") + tag + QString::asprintf(format.constData(), double(value)) + unit + suffix;
}
