#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXObjectPlugin.h"


// The "Configuration" child of an Ethernet interface module: station name,
// station location and the MODBUS float word order, all held in the
// station's database. It validates them and hands transfers to the station.
class EIMConfigurationObjectPlugin : public RYXObjectPlugin
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit EIMConfigurationObjectPlugin(RYXObject *host = nullptr);

    int executeOperation(const QString &op, bool topLevel = true) override;
    /// The station's points this plug-in presents (for the counting pass).
    int uploadPoints(TransferContext &context) override;
    int downloadPoints(TransferContext &context) override;
    /// Validates the station identification, then refreshes the open dialog.
    void updateDialog() override;

    /// The station name rule: letters, digits and "_", not starting with a
    /// digit, at most \a maxLength characters; empty is allowed.
    static bool isValidDescriptor(const QString &text, int maxLength);
    /// Recomputes the three validity points and the configuration-error status.
    void validate();

private:
    int transferStationPoints(TransferContext &context, bool download);
    /// True when the station's value of \a key can travel to its device
    /// field (the point value rules: fits with its terminating zero, Latin-1,
    /// a number in range).
    bool fitsDevice(const QString &key) const;
};
