#pragma once

#include "io/TIChannelObject.h"

// One channel of a voltage or current input module (AIM, CIM, IIM, VIM).
// It keeps the temperature channel's points, transfers and validation but
// has no sensor model: its input is "Volts" or "Current". The creating
// module chooses a variant, which fixes the names, the element, the input
// limits and the divider between the user's units and the device's.
class AIChannelObject : public TIChannelObject
{
    Q_OBJECT
public:
    // Variant numbers a module passes; any other number is a plain AI channel.
    enum VariantNumber { PlainAI = 0, CI1 = 22, CI2 = 23, CI3 = 24, II = 25 };

    struct Variant
    {
        int number;
        double low;     // input limits and minimum span in the user's units
        double high;
        double minSpan;
        double divider; // user's units per device unit
    };

    /// The class rows of the five variants: AI, CI1, CI2, CI3, II.
    static const RYXClassInfo Infos[5];

    explicit AIChannelObject(QObject *parent = nullptr, int variant = PlainAI);

    const Variant &variant() const { return *m_variant; }
    /// The row of variant \a number (the plain AI row for an unknown number).
    static int rowOf(int number);
    /// A new detached channel of \a variant with channel number \a channel.
    static AIChannelObject *create(int variant, int channel);

protected:
    QStringList uploadKeys() const override;
    QStringList downloadKeys() const override;
    void deriveDeviceWords() override;
    void decodeDeviceWords() override;
    void updateLimits() override;
    bool validateOwnRules() override;
    QList<StatusRow> statusRows() const override;

private:
    bool isVolts();
    /// A device value in the user's units, to the device's precision.
    double userValue(float deviceValue) const;
    const Variant *m_variant;
};
