#pragma once

#include "model/RYXObject.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

class RYXIOModule;

// Base of every channel of an I/O module. A channel reaches the device
// through its module: its value registers, its tag and text points behind
// the channel's tunnel address, and its commit address.
class RYXChannel : public RYXObject
{
    Q_OBJECT
public:
    explicit RYXChannel(QObject *parent = nullptr);

    int getChannelNumber() const { return channelNumber; }
    /// Sets the channel number; the object name becomes the number in decimal.
    void setChannelNumber(int n);
    /// The module this channel belongs to; null when its parent is not one.
    RYXIOModule *module() const;

    // --- new operations (each forwards to the module) --------------------------
    virtual int readBlock(int j, unsigned char *buffer);
    virtual int writeBlock(int j, unsigned char *buffer);
    virtual int uploadTag(const QString &key);
    virtual int downloadTag(const QString &key);
    virtual int uploadText(const QString &key);
    virtual int downloadText(const QString &key);
    virtual int commit();
    virtual int commitDeviceData();
    /// The Trim Lower (\a upper false) or Trim Upper button of this channel's
    /// trim plug-in was pressed; a channel that can be trimmed takes that
    /// point's captured value. A channel that cannot does nothing.
    virtual void trimButtonClicked(bool upper);

    // --- overrides -------------------------------------------------------------
    bool createTreeItem(QTreeWidgetItem *parentItem) override;
    QString getName() override;
    QString getShortName() override;
    int upload(bool topLevel) override;
    int download(bool topLevel) override;
    int synchronize() override;
    int synchronizePoints(TransferContext &context) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    /// The device's channel type ("devicetype" behind the channel's tunnel) against typeCode.
    int verifyDevice(ZEMPPort *port) override;

protected:
    /// Reads \a keys in order.
    static void readAll(TransferContext &context, const QStringList &keys);
    /// Writes \a keys in order.
    static void writeAll(TransferContext &context, const QStringList &keys);
    /// Moves the tag ("tag1") and the units text ("egu1") as the running
    /// request asks; a text that cannot be moved only warns.
    void transferChannelTexts(TransferContext &context, bool download);

    int channelNumber = 0;

private:
    int uploadTextPoint(unsigned short pointNumber, int size, const QString &key);
    int downloadTextPoint(unsigned short pointNumber, int size, const QString &key);
    int runUpload(TransferContext &context);
    int runDownload(TransferContext &context, bool topLevel);
};
