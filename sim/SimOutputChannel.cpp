#include "SimOutputChannel.h"

#include "SimCatalog.h"
#include "SimInputChannel.h"
#include "SimPointMap.h"

namespace {

SimPointDef byteDef(quint16 address, quint64 initial, int width = 1)
{
    return SimPointDef{address, width, SimPointKind::Integer, SimPointMap::integerBytes(initial, width),
                       SimPointDef::None};
}

SimPointDef floatDef(quint16 address, float initial)
{
    return SimPointDef{address, 4, SimPointKind::Integer, SimInputChannel::floatBytes(initial), SimPointDef::None};
}

// A fresh channel: a 4 to 20 mA current output with the over-range output
// at the top of the current range.
struct FloatRow
{
    quint16 address;
    float initial;
};

const FloatRow Floats[] = {
    {0xE050, 4.0f},    // output zero
    {0xE054, 20.0f},   // output full
    {0xE058, 0.0f},    // output on under-range
    {0xE05C, 23.6f},   // output on over-range
    {0xE0E4, 0.0f},    // scaling zero
    {0xE0E8, 100.0f},  // scaling full
    {0xE018, 0.0f},    // failure output
    {0xE020, 0.0f},    // damping coefficient
    {0xE01C, 0.0f},    // output on failure as the device uses it
    {0xE014, 4.0f},    // initial output
    {0xE0D0, 0.0f},    {0xE0D4, 0.0f}, {0xE0D8, 0.0f}, {0xE0DC, 0.0f}, // trim points and captures
};

} // namespace

QVector<SimPointDef> SimOutputChannel::points()
{
    QVector<SimPointDef> out = {
        byteDef(0x12, 0),                   // channel not used
        byteDef(0x73, 0),                   // enable non-volatile writes
        byteDef(0x5700, 0, 2),              // clear errors (a command word)
        byteDef(0xF006, 0x98),              // constant pointer of a current output
        byteDef(0xF007, 0x44),              // output type: current
        byteDef(0xF0E1, 0),                 // scaling on
        byteDef(0xF00B, 0),                 // damping on
        byteDef(0xF008, 0x04),              // flags: current output
        byteDef(0xF0E0, 0),                 // trim point count
        byteDef(SimCatalog::ModuleTypePoint, ModuleCode), // writable: the firmware correction
    };
    for (const FloatRow &row : Floats)
        out << floatDef(row.address, row.initial);
    // Checksum and reset: written to run them.
    out << SimPointDef{0x5710, 1, SimPointKind::Binary, {}, SimPointDef::None}
        << SimPointDef{0x6F, 1, SimPointKind::Binary, {}, SimPointDef::None};
    return out;
}
