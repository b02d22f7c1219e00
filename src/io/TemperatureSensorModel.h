#pragma once

#include <QtCore/QString>

struct ComboChoice;

// The sensor model of a temperature input channel, as data and arithmetic
// alone: the user's sensor choice becomes the three device words that tell
// the station what is connected, and the sensor's input limits; uploaded
// device words become the user's choice again. The choice tables fill the
// channel dialog's combo boxes.
class TemperatureSensorModel
{
public:
    // Input type codes (the "inputtype" point of a temperature channel).
    enum InputType { RTD = 1, MilliVolts = 4, Ohms = 5, TCWithoutRJC = 8, Thermocouple = 9, Potentiometer = 10 };
    // Sensor codes whose type is chosen by its base resistance.
    enum { Platinum3850 = 2, Platinum3902 = 8 };
    // Unit codes.
    enum Unit { DegC = 32, DegF = 33, UnitMilliVolts = 36, UnitOhms = 37, MilliAmps = 39, Percent = 57, Volts = 58 };
    // The channel type code whose code 58 reads in millivolts.
    static constexpr int MilliVoltChannelType = 0x52;

    struct Choice
    {
        int type = 0;       // inputtype
        int subtype = 0;    // inputsubtype
        int resistance = 0; // inputresistance
        int connection = 0; // inputconnection
        int units = 0;      // inputunits
    };

    struct Range
    {
        double low = 0;
        double high = 0;
        double minSpan = 0;
    };

    struct Words
    {
        int sensor1 = 0;
        int sensor2 = 0;
        int pvunits = 0;
        bool hasRange = false; // false: the sensor code has no range row
        Range range;           // in degF when the choice asks for it
    };

    /// The device words and limits of \a choice.
    static Words derive(const Choice &choice);
    /// The choice that the uploaded words stand for.
    static Choice decode(int sensor1, int sensor2, int pvunits);
    /// False when \a sensor2 cannot belong to the class of \a sensor1.
    static bool consistent(int sensor1, int sensor2);
    /// The range row of sensor code \a sensor2 (in degC, mV, ohms or percent).
    static bool rangeOf(int sensor2, Range &range);
    /// The short label of unit \a code in status texts; \a customUnits
    /// stands instead (or "EU" when empty) when \a config3 enables the
    /// custom curve or scaling.
    static QString unitLabel(int code, unsigned config3, const QString &customUnits, int channelTypeCode);

    // --- the dialog's choice tables ------------------------------------------
    static const ComboChoice InputTypes[];
    static const ComboChoice RtdSensorTypes[];
    static const ComboChoice Platinum3850Resistances[];
    static const ComboChoice Platinum3902Resistances[];
    static const ComboChoice RtdConnections[];
    static const ComboChoice OhmsConnections[];
    static const ComboChoice ThermocoupleTypes[];
    static const ComboChoice PotentiometerResistances[];
    static const ComboChoice TemperatureUnits[];
    static const ComboChoice MilliVoltUnits[];
    static const ComboChoice OhmUnits[];
    static const ComboChoice PercentUnits[];

    /// The tables the dialog shows for \a choice; null where a combo box is hidden.
    static const ComboChoice *sensorChoices(int type);
    static const ComboChoice *resistanceChoices(int type, int subtype);
    static const ComboChoice *connectionChoices(int type);
    static const ComboChoice *unitChoices(int type);
};
