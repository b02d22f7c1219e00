#include "io/AIChannelObject.h"

#include "devices/PointSpec.h"
#include "devices/RYXClassRegistry.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/AIChannelDialog.h"
#include "io/TemperatureSensorModel.h"
#include "plugins/RYXTrimObjectPlugin.h"

namespace {

// Rows in the order of Infos. The plain row's limits follow its input type.
const AIChannelObject::Variant Variants[] = {
    {AIChannelObject::PlainAI, 0, 25, 1.0, 1},
    {AIChannelObject::CI1, 0, 100, 51, 10},
    {AIChannelObject::CI2, 0, 125, 63, 50},
    {AIChannelObject::CI3, -10, 10, 5.1, 1},
    {AIChannelObject::II, 0, 25, 12.1, 1},
};

// The plain row's limits by input type.
const AIChannelObject::Variant VoltsLimits = {AIChannelObject::PlainAI, -10, 10, 1.0, 1};
const AIChannelObject::Variant CurrentLimits = {AIChannelObject::PlainAI, 0, 25, 4.0, 1};

const PointSpec DeviceRangePoints[] = {
    {"sysinputzero", "4", 0, 0xFF1B, ZEMP_FLOAT},
    {"sysinputfull", "20.0", 0, 0xFF1C, ZEMP_FLOAT},
};

// Its own bit assignments, not the temperature channel's.
const TIChannelObject::StatusRow AnalogStatus[] = {
    {0x001, QT_TRANSLATE_NOOP("TIChannelObject", "I/O Channel Fail")},
    {0x002, QT_TRANSLATE_NOOP("TIChannelObject", "Channel Not Used")},
    {0x400, QT_TRANSLATE_NOOP("TIChannelObject", "Run-Time Fail")},
    {0x100, QT_TRANSLATE_NOOP("TIChannelObject", "A/D Converter Fail")},
    {0x200, QT_TRANSLATE_NOOP("TIChannelObject", "EEPROM Fail")},
    {0x008, QT_TRANSLATE_NOOP("TIChannelObject", "A/D Input Saturated")},
    {0x004, QT_TRANSLATE_NOOP("TIChannelObject", "Out of Table Range")},
    {0x010, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #1")},
    {0x020, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #2")},
    {0x040, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #3")},
    {0x080, QT_TRANSLATE_NOOP("TIChannelObject", "Broken Wire #4")},
};

const QString Volts = QStringLiteral("Volts");
const QString Current = QStringLiteral("Current");

template<int Number>
RYXObject *makeVariant(int channel)
{
    return AIChannelObject::create(Number, channel);
}

constexpr int Sensor1Volts = 11;
constexpr int Sensor1Current = 12;

} // namespace

#define ROW(number, code, name, family, element)                                                                   \
    {RYXObjectFactory::ChannelLevel, element, family, code, -1, name, name, "AI", 0, 0, &makeVariant<number>}

const RYXClassInfo AIChannelObject::Infos[5] = {
    ROW(PlainAI, 7, "AI Channel", "AI", "AICHANNEL"),
    ROW(CI1, 0x51, "VI Channel", "CI1", "CICHANNEL1"),
    ROW(CI2, 0x52, "VI Channel", "CI2", "CICHANNEL2"),
    ROW(CI3, 0x53, "VI Channel", "CI3", "CICHANNEL3"),
    ROW(II, 0x54, "II Channel", "II", "IICHANNEL"),
};

#undef ROW

int AIChannelObject::rowOf(int number)
{
    for (int row = 1; row < int(std::size(Variants)); ++row) {
        if (Variants[row].number == number)
            return row;
    }
    return 0;
}

AIChannelObject *AIChannelObject::create(int variant, int channel)
{
    auto *object = new AIChannelObject(nullptr, variant);
    object->setChannelNumber(channel);
    return object;
}

AIChannelObject::AIChannelObject(QObject *parent, int variant)
    : TIChannelObject(parent, false), m_variant(&Variants[rowOf(variant)])
{
    const int row = rowOf(variant);
    applyClassInfo(Infos[row]);
    setDialogProvider(new PropertyDialogProvider<AIChannelDialog, RYXObject>);
    PointSpec::insertAll(this, DeviceRangePoints);
    const bool current = row == 0 || m_variant->number == II;
    setValue(QStringLiteral("inputtype"), current ? Current : Volts);
    setValue(QStringLiteral("inputzero"), current ? 4.0 : m_variant->low);
    setValue(QStringLiteral("inputfull"), current ? 20.0 : m_variant->high);
    setValue(QStringLiteral("inputmax"), 25.0);
    setValue(QStringLiteral("inputminspan"), 1.0);
    setValue(QStringLiteral("trimpointz"), 4.0);
    setValue(QStringLiteral("trimpointf"), 20.0);
    trimPlugin()->setModuleType(RYXTrimObjectPlugin::AnalogInput);
    markCurrent(QString());
}

bool AIChannelObject::isVolts()
{
    return getString(QStringLiteral("inputtype")) == Volts;
}

QStringList AIChannelObject::uploadKeys() const
{
    return {QStringLiteral("sensor1"), QStringLiteral("sensor2"), QStringLiteral("config4"),
            QStringLiteral("sysinputzero"), QStringLiteral("sysinputfull"), QStringLiteral("pvunits"),
            QStringLiteral("dampingvalue"), QStringLiteral("scalingzero"), QStringLiteral("scalingfull"),
            QStringLiteral("trimpointz"), QStringLiteral("trimpointf"), QStringLiteral("trimcapturez"),
            QStringLiteral("trimcapturef"), QStringLiteral("customcurvenumpts"), QStringLiteral("failmodeflags"),
            QStringLiteral("failpreset")};
}

// The upload's points with config3 after sensor2.
QStringList AIChannelObject::downloadKeys() const
{
    QStringList keys = uploadKeys();
    keys.insert(2, QStringLiteral("config3"));
    return keys;
}

void AIChannelObject::deriveDeviceWords()
{
    const bool volts = isVolts();
    setValue(QStringLiteral("sensor1"), volts ? Sensor1Volts : Sensor1Current);
    setValue(QStringLiteral("pvunits"),
             int(volts ? TemperatureSensorModel::Volts : TemperatureSensorModel::MilliAmps));
    setValue(QStringLiteral("sysinputzero"), getFloat(QStringLiteral("inputzero")) / m_variant->divider);
    setValue(QStringLiteral("sysinputfull"), getFloat(QStringLiteral("inputfull")) / m_variant->divider);
}

void AIChannelObject::decodeDeviceWords()
{
    setValue(QStringLiteral("inputtype"), getInt(QStringLiteral("sensor1")) == Sensor1Volts ? Volts : Current);
    setValue(QStringLiteral("inputzero"), userValue(getFloat(QStringLiteral("sysinputzero"))));
    setValue(QStringLiteral("inputfull"), userValue(getFloat(QStringLiteral("sysinputfull"))));
}

// The device holds a float of about seven significant digits; multiplied
// out, its last digit would show as a value the user never typed (120 V on
// a CI2 channel is 2.4 on the device, which reads back as 120.000008).
double AIChannelObject::userValue(float deviceValue) const
{
    return QString::number(double(deviceValue) * m_variant->divider, 'g', 7).toDouble();
}

void AIChannelObject::updateLimits()
{
    const Variant &limits = m_variant->number != PlainAI ? *m_variant : isVolts() ? VoltsLimits : CurrentLimits;
    setValue(QStringLiteral("inputmin"), limits.low);
    setValue(QStringLiteral("inputmax"), limits.high);
    setValue(QStringLiteral("inputminspan"), limits.minSpan);
}

bool AIChannelObject::validateOwnRules()
{
    return true;
}

QList<TIChannelObject::StatusRow> AIChannelObject::statusRows() const
{
    return {std::begin(AnalogStatus), std::end(AnalogStatus)};
}
