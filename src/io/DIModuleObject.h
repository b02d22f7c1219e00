#pragma once

#include "io/DiscreteModuleObject.h"

// The discrete input module (DIM): eight inputs, each with a tag and a
// failure response ("on", "off" or "hold") that the device keeps as two
// masks. The contact closure and the voltage variants add their debounce or
// filter words.
class DIModuleObject : public DiscreteModuleObject
{
    Q_OBJECT
public:
    static constexpr int InputCount = 8;

    bool prepareDownloadData() override;
    bool processUploadedData() override;
    int uploadPoints(TransferContext &context) override;
    int downloadPoints(TransferContext &context) override;

protected:
    DIModuleObject(QObject *parent, const RYXClassInfo &info);

    /// The variant's device words read after "channelnotusedzemppoint".
    virtual QStringList uploadKeys() const = 0;
    /// The variant's device words written after "channelnotusedzemppoint".
    virtual QStringList downloadKeys() const = 0;
    /// Sets the variant's device words from its choices.
    virtual void deriveDeviceWords() = 0;
    /// Sets the variant's choices from its device words.
    virtual void decodeDeviceWords() = 0;

    QString stateText(bool set) const override;
    QString patchedText() const override;
    QString unpatchedText() const override;
};
