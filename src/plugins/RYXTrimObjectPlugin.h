#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXObjectPlugin.h"

// The "Trimming" child of a channel that can be calibrated: trimming on or
// off, one- or two-point trim, the two trim points and the values captured
// at them, all held in the channel's database. It checks them against the
// channel's trim range ("trimrangez", "trimrangef"), passes the Trim Lower
// and Trim Upper buttons to the channel, which makes the captures, and lets
// the channel move the trim data to and from the device.
class RYXTrimObjectPlugin : public RYXObjectPlugin
{
    Q_OBJECT
public:
    // Module types of the channels that carry a trim plug-in; they choose
    // the dialog's texts.
    enum ChannelKind { TemperatureInput = 7, AnalogInput = 11, AnalogOutput = 12 };

    static const RYXClassInfo Info;

    /// \a moduleType is the kind of \a host: TemperatureInput, AnalogInput or AnalogOutput.
    explicit RYXTrimObjectPlugin(RYXObject *host = nullptr, int moduleType = -1);

    /// Gives the plug-in the kind of the channel it trims; a dialog showing
    /// it takes that kind's texts.
    void setModuleType(int type);

    /// "upload" and "download" run the channel's "uploadtrim" and "downloadtrim".
    int executeOperation(const QString &op, bool topLevel = true) override;
    /// Validates the trim settings, then refreshes the open dialog.
    void updateDialog() override;

    /// Recomputes the validity points and the configuration-error status.
    void validate();

    void lowerClicked() { emit TrimLowerClickedSignal(); }
    void upperClicked() { emit TrimUpperClickedSignal(); }

Q_SIGNALS:
    void TrimLowerClickedSignal();
    void TrimUpperClickedSignal();

private:
    /// A float point as the text holds it, at double precision: the limits
    /// are compared as the user typed them, not in their device form.
    double readDouble(const QString &key);
};
