#include "SimInputChannel.h"

#include "SimCatalog.h"
#include "SimPointMap.h"

#include <cstring>

namespace {

// What a fresh channel of one kind measures: the sensor and unit words and
// its range in device units, so that an upload from a new station gives a
// valid configuration.
struct KindDefaults
{
    quint16 kind;
    quint8 sensor1;
    quint8 sensor2;
    quint8 pvUnits;
    float zero;
    float full;
};

const KindDefaults Kinds[] = {
    {SimInputChannel::TemperatureKind, 3, 2, 33, 0.0f, 100.0f}, // 4-wire Pt100, degF
    {7, 12, 0, 39, 4.0f, 20.0f},                                 // analog input, current
    {0x51, 11, 0, 58, 0.0f, 10.0f},                              // cathodic 0-100, divided by 10
    {0x52, 11, 0, 58, 0.0f, 2.5f},                               // cathodic 0-125, divided by 50
    {0x53, 11, 0, 58, -10.0f, 10.0f},                            // cathodic -10 to 10
    {0x54, 12, 0, 39, 4.0f, 20.0f},                              // current input
};

// Integer points of one byte: address and initial value.
struct ByteRow
{
    quint16 address;
    int initial;
};

SimPointDef byteDef(quint16 address, quint64 initial)
{
    return SimPointDef{address, 1, SimPointKind::Integer, SimPointMap::integerBytes(initial, 1),
                       SimPointDef::None};
}

SimPointDef floatDef(quint16 address, float initial)
{
    return SimPointDef{address, 4, SimPointKind::Integer, SimInputChannel::floatBytes(initial),
                       SimPointDef::None};
}

SimPointDef commandDef(quint16 address, int width)
{
    return SimPointDef{address, width, SimPointKind::Binary, {}, SimPointDef::None};
}

const KindDefaults *defaultsOf(quint16 kind)
{
    for (const KindDefaults &row : Kinds) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

} // namespace

QVector<SimPointDef> SimInputChannel::points(quint16 kind)
{
    const KindDefaults *d = defaultsOf(kind);
    if (!d)
        return {};
    const ByteRow bytes[] = {
        {0xFF12, d->sensor1}, {0xFF13, d->sensor2}, {0xFF14, d->pvUnits},
        {0xFF53, 0},          {0xFF54, 1},          // config3, config4 (bit 0 always set)
        {0xFA00, 0},          {0xF0E0, 0},          // failure response flags, trim point count
        {0xFF37, 0},                                // custom curve point count
    };
    QVector<SimPointDef> out;
    for (const ByteRow &row : bytes)
        out << byteDef(row.address, quint64(row.initial));
    out << floatDef(0xFF1B, d->zero) << floatDef(0xFF1C, d->full);
    // Damping, scaling zero and full, failure preset, the four trim values
    // and the curve's range.
    const quint16 floats[] = {0xFF22, 0xFF3B, 0xFF3C, 0xFD01, 0xFF23, 0xFF24,
                              0xFF25, 0xFF26, 0xFF38, 0xFF39};
    for (quint16 address : floats)
        out << floatDef(address, address == 0xFF3C ? 100.0f : 0.0f);
    for (int i = 1; i <= CurvePoints; ++i)
        out << floatDef(quint16(0xFE00 + i), 0.0f) << floatDef(quint16(0xF900 + i), 0.0f);
    // Go online, go offline, calibration mode; the two checksum commands.
    out << commandDef(0x301, 4) << commandDef(0x302, 4) << commandDef(0x303, 4)
        << commandDef(0x4400, 1) << commandDef(0x4401, 1);
    out << byteDef(SimCatalog::ModuleTypePoint, 0); // replaced by the module's code
    if (kind == TemperatureKind)
        out << byteDef(0xFF15, 0) << floatDef(0xFD02, 0.0f); // ambient units and preset
    return out;
}

QByteArray SimInputChannel::floatBytes(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return SimPointMap::integerBytes(bits, 4);
}

float SimInputChannel::floatValue(const QByteArray &bytes)
{
    const quint32 bits = quint32(SimPointMap::integerValue(bytes));
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
