#pragma once

#include "io/DiscreteModuleObject.h"

// The four-relay output module (ROM), and the base of the eight-relay one.
// Per relay: its state at power-up, its failure response ("on", "off" or
// "hold"), its tag; for the module the LED colour of an energized relay.
// The device keeps them as a power-up mask (twice), a failure response word
// with one bit per relay in each of its four bytes, and an LED word.
class ROModuleObject : public DiscreteModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit ROModuleObject(QObject *parent = nullptr);

    /// The "comfail" bits of relay \a n with failure response \a response.
    static unsigned failurePattern(int n, const QString &response);
    /// The response of relay \a n that the "comfail" word \a word holds.
    static QString failureResponse(int n, unsigned word);

    bool prepareDownloadData() override;
    bool processUploadedData() override;
    int uploadPoints(TransferContext &context) override;
    int downloadPoints(TransferContext &context) override;

protected:
    ROModuleObject(QObject *parent, const RYXClassInfo &info, int relays);

    QList<StatusRow> statusRows() const override;
    QString stateText(bool set) const override;
    QString patchedText() const override;
    QString unpatchedText() const override;
};
