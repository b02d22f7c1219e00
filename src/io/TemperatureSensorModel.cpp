#include "io/TemperatureSensorModel.h"

#include "dialogs/ComboBoxCtl.h"

#include <QtCore/QCoreApplication>

#include <cmath>

namespace {

using Model = TemperatureSensorModel;

struct RangeRow
{
    int first;
    int last;
    Model::Range range;
};

// Sensor codes (sensor2) and their limits; codes 10 and 14 have no row.
const RangeRow RangeRows[] = {
    {2, 7, {-240, 960, 10}},     // Platinum 3850
    {8, 9, {-150, 720, 10}},     // Platinum 3902
    {11, 13, {-150, 720, 10}},
    {16, 16, {-240, 580, 10}},   // Platinum 3916
    {22, 22, {-100, 360, 10}},   // Nickel 0672
    {23, 23, {-65, 280, 10}},    // Copper 0427
    {40, 44, {0, 100, 1}},       // potentiometer
    {49, 49, {-210, 770, 35}},   // J
    {50, 50, {-270, 1390, 40}},  // K
    {51, 51, {-270, 1013, 35}},  // E
    {52, 52, {-270, 407, 35}},   // T
    {53, 54, {-50, 1786, 50}},   // R, S
    {55, 55, {200, 1836, 75}},   // B
    {56, 56, {-270, 1316, 45}},  // N
    {57, 57, {0, 2338, 100}},    // C
    {101, 101, {-50, 1000, 4}},  // millivolts
    {102, 102, {0, 4000, 10}},   // ohms
};

// The sensor2 codes each sensor1 class accepts.
struct ClassRow
{
    int firstClass;
    int lastClass;
    int firstSensor;
    int lastSensor;
};

const ClassRow ClassRows[] = {
    {1, 3, 2, 23}, {4, 4, 101, 101}, {5, 7, 102, 102}, {8, 9, 49, 57}, {10, 10, 40, 44},
};

struct UnitRow
{
    int code;
    const char *label;
};

const UnitRow UnitLabels[] = {
    {Model::DegC, "C"}, {Model::DegF, "F"}, {34, "R"}, {35, "K"}, {Model::UnitMilliVolts, "mV"},
    {Model::UnitOhms, "ohms"}, {Model::MilliAmps, "mA"}, {Model::Percent, "pct"},
};

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

// degC to degF, cut toward zero as the station does.
double toFahrenheit(double value)
{
    return std::trunc(value * 1.8 + 32);
}

} // namespace

// The entries are translated where the combo boxes show them; the
// thermocouple letters are names.
#define SELECT {QT_TRANSLATE_NOOP("ComboBoxCtl", "[Select...]"), 0}

const ComboChoice Model::InputTypes[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "RTD"), RTD},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "milliVolts"), MilliVolts},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Ohms"), Ohms},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Thermocouple"), Thermocouple},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "T/C w/o RJC"), TCWithoutRJC},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Potentiometer"), Potentiometer}, {nullptr, 0}};
const ComboChoice Model::RtdSensorTypes[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "Platinum 3850"), 2},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Platinum 3902"), 8},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Platinum 3916"), 16},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Nickel 0672"), 22},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Copper 0427"), 23}, {nullptr, 0}};
const ComboChoice Model::Platinum3850Resistances[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "100 Ohms"), 2},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "200 Ohms"), 3}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "300 Ohms"), 4},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "400 Ohms"), 5}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "500 Ohms"), 6},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "1000 Ohms"), 7}, {nullptr, 0}};
const ComboChoice Model::Platinum3902Resistances[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "100 Ohms"), 8},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "200 Ohms"), 9}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "400 Ohms"), 11},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "500 Ohms"), 12}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "1000 Ohms"), 13},
    {nullptr, 0}};
const ComboChoice Model::RtdConnections[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "2 Wire"), 1}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "3 Wire"), 2},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "4 Wire"), 3}, {nullptr, 0}};
const ComboChoice Model::OhmsConnections[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "2 Wire"), 5}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "3 Wire"), 6},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "4 Wire"), 7}, {nullptr, 0}};
const ComboChoice Model::ThermocoupleTypes[] = {
    SELECT, {"J", 49}, {"K", 50}, {"E", 51}, {"T", 52}, {"R", 53}, {"S", 54}, {"B", 55}, {"N", 56}, {"C", 57},
    {nullptr, 0}};
const ComboChoice Model::PotentiometerResistances[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "4000 Ohms"), 40},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "2000 Ohms"), 41}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "1000 Ohms"), 42},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "500 Ohms"), 43}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "250 Ohms"), 44},
    {nullptr, 0}};
const ComboChoice Model::TemperatureUnits[] = {
    SELECT, {QT_TRANSLATE_NOOP("ComboBoxCtl", "degC"), DegC}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "degF"), DegF},
    {nullptr, 0}};
const ComboChoice Model::MilliVoltUnits[] = {
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "mV"), UnitMilliVolts}, {nullptr, 0}};
const ComboChoice Model::OhmUnits[] = {
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Ohms"), UnitOhms}, {nullptr, 0}};
const ComboChoice Model::PercentUnits[] = {
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "Percent"), Percent}, {nullptr, 0}};

#undef SELECT

Model::Words Model::derive(const Choice &c)
{
    Words w;
    w.pvunits = c.units;
    switch (c.type) {
    case RTD:
        w.sensor1 = c.connection;
        w.sensor2 = c.subtype == Platinum3850 || c.subtype == Platinum3902 ? c.resistance : c.subtype;
        break;
    case MilliVolts:
        w.sensor1 = MilliVolts;
        w.sensor2 = 101;
        w.pvunits = UnitMilliVolts;
        break;
    case Ohms:
        w.sensor1 = c.connection;
        w.sensor2 = 102;
        w.pvunits = UnitOhms;
        break;
    case TCWithoutRJC:
    case Thermocouple:
        w.sensor1 = c.type;
        w.sensor2 = c.subtype;
        break;
    case Potentiometer:
        w.sensor1 = Potentiometer;
        w.sensor2 = c.resistance;
        w.pvunits = Percent;
        break;
    default:
        break;
    }
    w.hasRange = rangeOf(w.sensor2, w.range);
    const bool temperature = c.type == RTD || c.type == TCWithoutRJC || c.type == Thermocouple;
    if (w.hasRange && temperature && c.units == DegF) {
        w.range.low = toFahrenheit(w.range.low);
        w.range.high = toFahrenheit(w.range.high);
        w.range.minSpan = toFahrenheit(w.range.minSpan) - 32;
    }
    return w;
}

Model::Choice Model::decode(int sensor1, int sensor2, int pvunits)
{
    Choice c;
    if (within(sensor1, 1, 3)) {
        c.type = RTD;
        c.connection = sensor1;
    } else if (sensor1 == MilliVolts) {
        c.type = MilliVolts;
    } else if (within(sensor1, 5, 7)) {
        c.type = Ohms;
        c.connection = sensor1;
    } else if (within(sensor1, 8, 10)) {
        c.type = sensor1;
    }
    if (within(sensor2, 2, 7))
        c.subtype = Platinum3850;
    else if (within(sensor2, 8, 13) && sensor2 != 10)
        c.subtype = Platinum3902;
    else if (sensor2 == 16 || sensor2 == 22 || sensor2 == 23 || within(sensor2, 49, 57))
        c.subtype = sensor2;
    c.resistance = sensor2;
    c.units = pvunits;
    return c;
}

bool Model::consistent(int sensor1, int sensor2)
{
    for (const ClassRow &row : ClassRows) {
        if (within(sensor1, row.firstClass, row.lastClass))
            return within(sensor2, row.firstSensor, row.lastSensor);
    }
    return true; // no class (0) or one the model does not know
}

bool Model::rangeOf(int sensor2, Range &range)
{
    for (const RangeRow &row : RangeRows) {
        if (within(sensor2, row.first, row.last)) {
            range = row.range;
            return true;
        }
    }
    return false;
}

QString Model::unitLabel(int code, unsigned config3, const QString &customUnits, int channelTypeCode)
{
    // Custom curve (bit 0) or scaling (bit 3): the PV is in the user's units.
    if (config3 & 0x09)
        return customUnits.isEmpty() ? QStringLiteral("EU") : customUnits;
    if (code == Volts)
        return channelTypeCode == MilliVoltChannelType ? QStringLiteral("mV") : QStringLiteral("V");
    for (const UnitRow &row : UnitLabels) {
        if (row.code == code)
            return QString::fromLatin1(row.label);
    }
    return QStringLiteral("units");
}

const ComboChoice *Model::sensorChoices(int type)
{
    if (type == RTD)
        return RtdSensorTypes;
    return type == Thermocouple || type == TCWithoutRJC ? ThermocoupleTypes : nullptr;
}

const ComboChoice *Model::resistanceChoices(int type, int subtype)
{
    if (type == Potentiometer)
        return PotentiometerResistances;
    if (type != RTD)
        return nullptr;
    if (subtype == Platinum3850)
        return Platinum3850Resistances;
    return subtype == Platinum3902 ? Platinum3902Resistances : nullptr;
}

const ComboChoice *Model::connectionChoices(int type)
{
    if (type == RTD)
        return RtdConnections;
    return type == Ohms ? OhmsConnections : nullptr;
}

const ComboChoice *Model::unitChoices(int type)
{
    switch (type) {
    case RTD:
    case Thermocouple:
    case TCWithoutRJC:
        return TemperatureUnits;
    case MilliVolts:
        return MilliVoltUnits;
    case Ohms:
        return OhmUnits;
    case Potentiometer:
        return PercentUnits;
    default:
        return nullptr;
    }
}
