#pragma once

#include "devices/RYXChannel.h"
#include "model/RYXClassInfo.h"

#include <QtCore/QStringList>

#include <functional>

class RYXCustomCurveObjectPlugin;
class RYXObjectPlugin;
class RYXTrimObjectPlugin;

// One channel of a temperature input module, and the base of the analog
// input channel. It derives the station's configuration words from the
// user's sensor, range, scaling, filter, trim, curve and failure choices,
// transfers them, decodes them after an upload and validates the whole.
// The station measures; this class only configures it.
class TIChannelObject : public RYXChannel
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    // Bits of the device flag words.
    enum Config3Bit : unsigned {
        CurveBit = 0x01, TrimBit = 0x02, SecondTrimBit = 0x04, ScalingBit = 0x08,
        BrokenWireBit = 0x10, AmbientBit = 0x20
    };
    enum Config4Bit : unsigned { AlwaysSetBit = 0x01, NotUsedBit = 0x02, Filter50HzBit = 0x20 };
    /// Most points of a curve the device holds.
    static constexpr int MaxCurvePoints = 128;
    /// Value registers of a channel: its PV, the ambient temperature at its
    /// terminals, its status word (register 3 is the capture block).
    enum Register { PvRegister = 0, AmbientRegister = 1, StatusRegister = 2 };

    /// A fault a status word names when all bits of its mask are set.
    struct StatusRow
    {
        unsigned mask;
        const char *text; // translated in the context "TIChannelObject"
    };

    explicit TIChannelObject(QObject *parent = nullptr);

    // --- overrides -------------------------------------------------------------
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

    // --- new operations --------------------------------------------------------
    virtual int uploadCustomCurvePoints(TransferContext &context);
    virtual int downloadCustomCurvePoints(TransferContext &context);
    /// Revalidates after a curve upload.
    virtual bool customCurveUploaded();
    virtual bool validateTrim();
    virtual bool validateCustomCurve();
    /// Sets the module type of this channel on the device to \a target
    /// (0xFF: none); the result lines say what was done.
    virtual int patchChannel(int target);

    /// Derives sensor1, sensor2, pvunits and the input limits from the sensor choice.
    void updateSensorWords();
    /// The label of unit \a code in status texts under the flags \a config3.
    QString unitLabel(int code, unsigned config3);
    /// Validates every value and sets the validity flags and the status; true when valid.
    bool validate();
    /// Stores the trim enable from the dialog; enabling is refused while
    /// the configuration is not current.
    void TrimEnableToggled(bool on);
    /// Opens the input capture of \a target (0 Input Zero, 1 Input Full,
    /// 2 and 3 the trim captures).
    void showCaptureDialog(int target);
    /// Trim Lower and Trim Upper of the trim plug-in capture the trim values.
    void trimButtonClicked(bool upper) override;

    /// The first fault the channel status word \a status names; empty when none.
    QString statusText(unsigned status) const;

    /// True for a temperature channel, false for an analog input channel.
    bool isTemperature() const { return m_temperature; }
    RYXTrimObjectPlugin *trimPlugin() const { return m_trimPlugin; }
    RYXCustomCurveObjectPlugin *customCurvePlugin() const { return m_curvePlugin; }

    /// The tag rule of channels and modules: at most 24 letters, digits and
    /// underscores, not starting with a digit; empty allowed.
    static bool isValidTag(const QString &tag);

protected:
    /// \a temperature false leaves out the sensor, ambient and broken wire points.
    TIChannelObject(QObject *parent, bool temperature);

    /// One device flag bit standing for a point's value.
    struct FlagBit
    {
        const char *word;
        unsigned mask;
        const char *point;
        const char *onValue;  // the value that sets the bit
        const char *offValue; // the value a clear bit decodes to
        bool setUnlessOff;    // the bit is set for any value other than offValue
    };
    /// The flag bits this class derives and decodes (trim bits apart).
    virtual QList<FlagBit> flagBits() const;
    /// The points read by uploadPoints after config3 (and the curve), in order.
    virtual QStringList uploadKeys() const;
    /// The points written by downloadPoints after the curve, in order.
    virtual QStringList downloadKeys() const;
    /// Sets the device words this class derives from its choices.
    virtual void deriveDeviceWords();
    /// Sets the user's choices this class decodes from its device words.
    virtual void decodeDeviceWords();
    /// Sets inputmin, inputmax and inputminspan for the current choices.
    virtual void updateLimits();
    /// The rules of this class beyond the shared ones; true when they hold.
    virtual bool validateOwnRules();
    /// This class's faults in the order they are tested.
    virtual QList<StatusRow> statusRows() const;

    /// The shadows of the last transferred values.
    virtual void setShadows();
    /// Creates the trim and custom curve plug-ins as children.
    void createPlugins();
    /// Executes the commands that make the device take its new configuration.
    static void commitCommands(TransferContext &context);

    bool m_temperature = true;
    /// The trim and the custom curve plug-in.
    QList<RYXObjectPlugin *> ownPlugins() const;

    RYXTrimObjectPlugin *m_trimPlugin = nullptr;
    RYXCustomCurveObjectPlugin *m_curvePlugin = nullptr;

private:
    void encodeFlags();
    void encodeTrimBits(unsigned &config3);
    void decodeFlags();
    bool validateRange();
    /// Runs one trim or curve transfer alone (executeOperation) under its progress entry.
    int runPartTransfer(int part);
    int patchResult(TransferContext &context, const QString &pixmap, const QString &text, int result);
};
