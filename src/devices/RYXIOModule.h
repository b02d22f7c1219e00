#pragma once

#include "model/RYXObject.h"

#include <QtCore/QString>

class RYXChannel;

// Base of every plug-in I/O module of a station. Fixes how a module is
// numbered and named, how it and its channels are addressed on the station
// (tunnel addresses through the interface module, channel value registers,
// commit addresses) and how its upload, download and synchronize run over
// its channels. Channels are its children, found by their object names.
class RYXIOModule : public RYXObject
{
    Q_OBJECT
public:
    explicit RYXIOModule(QObject *parent = nullptr);

    // --- device addresses ----------------------------------------------------
    // n is the module's position (values below 1 count as 1), index 0 the
    // module itself or a channel's index among the module's children.
    static unsigned short tunnelAddress(int moduleNumber, int index);
    static unsigned short valueRegisterAddress(int moduleNumber, int index, int j);
    static unsigned short commitAddress(int moduleNumber, int index);

    /// The identity points every module and channel carries.
    static void insertIdentityPoints(RYXObject *object);

    int getModuleNumber() const { return moduleNumber; }
    /// Sets the position on the station and renames the module accordingly.
    void setModuleNumber(int n);
    /// The event log label of channel \a n: " Channel n", with its tag in extended mode.
    QString getChannelLabel(int n);
    /// The child channel whose object name is \a n; null when none.
    RYXChannel *channelByNumber(int n) const;

    // --- new operations --------------------------------------------------------
    virtual void moduleHook();
    virtual int readChannelBlock(RYXChannel *channel, int j, unsigned char *buffer);
    virtual int readChannelBlockAt(int index, int j, unsigned char *buffer);
    virtual int writeChannelBlock(RYXChannel *channel, int j, unsigned char *buffer);
    virtual int writeChannelBlockAt(int index, int j, unsigned char *buffer);
    virtual int readChannelText(RYXChannel *channel, unsigned short pointNumber, int size,
                                QString &text);
    virtual int readChannelTextAt(int index, unsigned short pointNumber, int size, QString &text);
    virtual int writeChannelText(RYXChannel *channel, unsigned short pointNumber, int size,
                                 const QString &text);
    virtual int writeChannelTextAt(int index, unsigned short pointNumber, int size,
                                   const QString &text);
    virtual int uploadChannelTag(int index, const QString &key);
    virtual int downloadChannelTag(int index, const QString &key);
    virtual int uploadChannelTag(RYXChannel *channel, const QString &key);
    virtual int downloadChannelTag(RYXChannel *channel, const QString &key);
    virtual int commitChannel(RYXChannel *channel);
    virtual int commitDeviceData();
    /// True when this module stands in the tree for a device module of
    /// \a typeCode that the program has no class for.
    virtual bool standsInFor(int typeCode) { Q_UNUSED(typeCode); return false; }

    // --- overrides -------------------------------------------------------------
    bool createTreeItem(QTreeWidgetItem *parentItem) override;
    QString getName() override;
    QString getShortName() override;
    int upload(bool topLevel) override;
    int download(bool topLevel) override;
    int synchronize() override;
    int synchronizePoints(TransferContext &context) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    bool getPort(RYXObject *requester, ZEMPPort *&port, unsigned &tunnel) override;
    bool hasConnection() override;
    int verifyDevice(ZEMPPort *port) override;
    void showPage(int page) override;

    /// Tag and text points of a channel, reached through its tunnel address.
    static constexpr unsigned short TagPoint = 0x107;
    static constexpr int TagSize = 24;
    static constexpr unsigned short TextPoint = 0x10E;
    static constexpr int TextSize = 8;
    /// Size of one channel value register.
    static constexpr int BlockSize = 4;

protected:
    /// How many tunnel targets (index 0 to count - 1) the module reaches: its channels.
    virtual int addressableTargets() const { return childCount(); }
    /// The index of \a channel among the children; -1 when it is not one.
    int channelIndex(RYXChannel *channel) const;
    /// The station's own port (no tunnel); null when there is none.
    ZEMPPort *stationPort();
    QString numberedName() const;

    int moduleNumber = 0;

private:
    int runUpload(TransferContext &context);
    int runDownload(TransferContext &context, bool topLevel);
    int commitModule();
    /// Ends a failed transfer so that the LED shows it.
    void showFailure();
    int transactRegister(bool write, int index, int j, unsigned char *buffer);
};
