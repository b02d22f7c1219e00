#pragma once

#include "devices/RYXChannel.h"
#include "model/RYXClassInfo.h"

#include <QtCore/QStringList>

class RYXTrimObjectPlugin;

// One channel of the analog output module (AOM). It derives the station's
// output words from the user's output type, range, scaling, damping and
// failure choices, transfers them, decodes them after an upload, validates
// them, and drives the live output in a loop test or while trimming. The
// station computes the output; this class only configures and drives it.
class AOChannelObject : public RYXChannel
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    /// Bits of the device flags word.
    enum FlagBit : unsigned { PresetBits = 0x03, CurrentBit = 0x04 };
    /// Device words of the two output types.
    enum OutputWord : unsigned { VoltsType = 0x40, VoltsConst = 0x90, CurrentType = 0x44, CurrentConst = 0x98 };
    /// Value registers of a channel: the PV it follows, its output block, its status word.
    enum Register { PvRegister = 0, OutputRegister = 1, StatusRegister = 2 };
    /// The longest damping the station applies, in seconds.
    static constexpr double MaxDamping = 30.0;
    /// The least span between Output Zero and Output Full.
    static constexpr double MinSpan = 0.9997;

    struct Limits
    {
        double low;
        double high;
    };
    /// A fault a status word names when its bit is set.
    struct StatusRow
    {
        unsigned mask;
        const char *text; // translated in the context "AOChannelObject"
    };

    explicit AOChannelObject(QObject *parent = nullptr);

    // --- overrides -------------------------------------------------------------
    using RYXChannel::setValue;
    /// A trim point count turns trimming on: a file keeps the count, not the switch.
    bool setValue(const QString &key, const QString &value, bool updateUi = false) override;
    QString getXmlStartTag() override;
    int uploadPoints(TransferContext &context) override;
    bool processUploadedData() override;
    int downloadPoints(TransferContext &context) override;
    bool prepareDownloadData() override;
    int synchronizePoints(TransferContext &context) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    void updateDialog() override;
    bool addToEventBox(int decimals = 2) override;
    void invalidateConfiguration() override;
    void setOnline(bool online) override;
    /// Trim Lower and Trim Upper of the trim plug-in open the output control in a trimming mode.
    void trimButtonClicked(bool upper) override;

    // --- new operations --------------------------------------------------------
    virtual bool validateTrim();
    /// Sets the module type of this channel on the device to \a target (0xFF: none).
    virtual int patchChannel(int target);

    /// Validates every value, sets the validity flags and the status; true when valid.
    bool validate();
    /// Stores the trim enable from the dialog; enabling is refused while
    /// the configuration is not current.
    void TrimEnableToggled(bool on);
    /// Opens the output control window in \a mode (AOControlOutputDialog::Mode).
    void showControlOutputDialog(int mode);

    /// The limits of output type \a type ("v" or "ma").
    static Limits limitsOf(const QString &type);
    Limits limits() { return limitsOf(getString(QStringLiteral("outputtype"))); }
    /// The unit of the output values: "mA" for current, else the output type's text.
    QString outputUnit();
    /// The device's damping coefficient for a damping of \a seconds; 0 when damping is off.
    static double dampingCoefficient(double seconds);
    /// The damping in seconds that coefficient \a coefficient stands for, to 0.01 s.
    static double dampingOf(double coefficient);
    /// The first fault the status word \a status names; empty when none.
    static QString statusText(unsigned status);
    /// "station, module, channel n" of this channel, for the safety line and the event log.
    QString placeText();

    /// Records in the event log that the output is left at its last value.
    void recordOutputLeft();

    RYXTrimObjectPlugin *trimPlugin() const { return m_trimPlugin; }

private:
    void deriveDeviceWords();
    void decodeDeviceWords();
    void setShadows();
    bool validateOutputs();
    int writeOutput();
    int readOutput();
    int runTrimTransfer(bool download);
    void transferText(TransferContext &context, bool download);
    QString pvUnitLabel();

    RYXTrimObjectPlugin *m_trimPlugin = nullptr;
};
