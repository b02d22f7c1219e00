#pragma once

#include "model/RYXObject.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>
#include <initializer_list>

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
    /// Reads the shadow points \a keys, then the tag and the units text the
    /// device holds into "synchtag1" and "synchegu1".
    void synchronizeShadows(TransferContext &context, const QStringList &keys);
    static QStringList keysOf(std::initializer_list<const char *> names);
    /// The four trim values: the two trim points and their captured values.
    static QStringList trimKeys();

    /// "ELEMENT channel="n"".
    QString channelXmlStartTag() const;
    /// Runs \a validate under the channel's lock, then refreshes the dialog;
    /// a transfer holding the lock leaves validation to its next refresh.
    void validateThenRefresh(const std::function<void()> &validate);
    /// The trim check of a trimmable channel: \a trim (its plug-in) is in
    /// the tree while trimming is on and then checks the trim points against
    /// the range from \a zeroKey to \a fullKey; true when they hold.
    bool validateTrimRange(RYXObject *trim, const QString &zeroKey, const QString &fullKey);
    /// Stores the trim enable; enabling is refused with the debug line
    /// \a refusal while the configuration is not current.
    void storeTrimEnable(bool on, const char *refusal);

    /// Appends \a text to the event log.
    void postEventLine(const QString &text);
    /// Reads value register \a j as a float; false when it cannot be read.
    bool readFloatRegister(int j, float &value);
    /// A value for the event log: the tag (when the station carries tags),
    /// \a value with \a decimals, \a unit and \a suffix.
    QString valueLine(float value, int decimals, const QString &unit, const QString &suffix);

    int channelNumber = 0;

private:
    int uploadTextPoint(unsigned short pointNumber, int size, const QString &key);
    int downloadTextPoint(unsigned short pointNumber, int size, const QString &key);
    int runUpload(TransferContext &context);
    int runDownload(TransferContext &context, bool topLevel);
};
