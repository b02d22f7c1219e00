#pragma once

#include "devices/RYXIOModule.h"
#include "model/RYXClassInfo.h"

#include <QtCore/QStringList>

#include <functional>

class TransferContext;

// What the discrete input and the relay output modules share. They have no
// channel objects: every per-channel setting is an indexed point of the
// module ("tag1" ... "tag8"). The module's I/O word and status word are
// value registers of the module itself; the module type correction
// ("patch", "unpatch") rewrites the module's own type code.
//
// Tags: the module holds one tag per input or relay. Tags 1 to 4 are the
// text point of the tunnel addresses 0 to 3 of the module, as for a
// channel; tags 5 to 8 of the eight-channel modules would fall on the next
// module's tunnel addresses that way (the last module's would wrap), so
// they are distinct text points of the module's own tunnel address
// (UpperTagPoint + n - 5). No tag transfer ever reaches another module.
class DiscreteModuleObject : public RYXIOModule
{
    Q_OBJECT
public:
    /// A fault the module status word names with one bit.
    struct StatusRow
    {
        unsigned mask;
        const char *text; // translated in the context "DiscreteModuleObject"
    };

    // Value registers of the module itself (index 0).
    enum Register { IoRegister = 0, StatusRegister = 2 };
    /// Channel n of the I/O word is bit IoFirstBit + n - 1.
    static constexpr int IoFirstBit = 24;
    /// The text point of tags 5 to 8 on the module's own tunnel address.
    static constexpr quint16 UpperTagPoint = 0x110;
    /// Tunnel addresses every module position has.
    static constexpr int TunnelTargets = 4;
    static constexpr int UnpatchedType = 0xFF;

    int channelCount() const { return m_channels; }

    /// The tunnel index and the text point of tag \a n.
    static void tagAddress(int n, int &index, quint16 &point);
    /// The first fault the module status word \a status names; empty when none.
    QString statusText(unsigned status) const;
    /// The I/O word with channel n's state in bit IoFirstBit + n - 1.
    static unsigned ioWord(const QList<bool> &states);
    static bool ioState(unsigned word, int n);

    /// Reads the module's I/O word into "iomask" ("readio").
    int readIO();
    /// Writes "iomask" to the module's I/O word ("applyio").
    int applyIO();
    /// Rewrites the module type code the module reports to \a target.
    int patchModule(int target);
    /// Checks every tag into its validity flag; true when all hold.
    bool validate();

    int executeOperation(const QString &op, bool topLevel = true) override;
    int synchronizePoints(TransferContext &context) override;
    bool addToEventBox(int decimals = 2) override;
    void updateDialog() override;
    int addressableTargets() const override { return TunnelTargets; }

Q_SIGNALS:
    /// The I/O word was read or written; "iomask" holds it.
    void ioStateChanged();

protected:
    DiscreteModuleObject(QObject *parent, const RYXClassInfo &info, int channels);

    /// The points of every discrete module with \a channels channels.
    void insertCommonPoints();
    /// "pattern" with %1 replaced by \a n.
    static QString indexed(const char *pattern, int n);
    virtual QList<StatusRow> statusRows() const;
    /// The event log text of a channel whose I/O bit is \a set.
    virtual QString stateText(bool set) const = 0;
    /// Texts of the patch result lines.
    virtual QString patchedText() const = 0;
    virtual QString unpatchedText() const = 0;

    static void readAll(TransferContext &context, const QStringList &keys);
    static void writeAll(TransferContext &context, const QStringList &keys);
    /// The device commands that make the module take its new configuration.
    static void writeCommands(TransferContext &context);
    /// Runs \a transfer(n, tunnel index, text point) for every tag while the
    /// station keeps tags; stops at the first non-zero status and returns it.
    int forEachTag(TransferContext &context, const std::function<int(int, int, quint16)> &transfer);
    void uploadTags(TransferContext &context);
    void downloadTags(TransferContext &context);
    /// Each tag's shadow takes the tag.
    void setShadows();
    /// "channelnotused" from the device word.
    void decodeNotUsed();

private:
    bool readRegister(int j, unsigned char *bytes);
    void postLine(const QString &text);
    int patchResult(TransferContext &context, const QString &pixmap, const QString &text, int result);

    int m_channels;
};
