#pragma once

#include "SimPointDef.h"

#include <QtCore/QByteArray>
#include <QtCore/QVector>

// The discrete input modules (CC8, LV8, HV8) and the relay output modules
// (RO4, RO8): no channel objects, their settings are points of the module
// itself. Each module position has four tunnel targets; the tag of channel
// n (1 to 4) is the text point 0x107 of target n - 1, and the tags 5 to 8
// of the eight-channel modules are the text points 0x110 to 0x113 of the
// module's own target, so that no tag lies on the next module's addresses.
// The module's value registers: 0 the I/O word (channel n in bit 24 + n - 1;
// inputs change over time, a written relay word reads back), 2 the module
// status word (its two bytes first).
class SimDiscreteModule
{
public:
    static constexpr int Targets = 4;
    static constexpr quint16 TagPoint = 0x107;
    static constexpr quint16 UpperTagPoint = 0x110;
    static constexpr int IoRegister = 0;
    static constexpr int StatusRegister = 2;
    /// One input pattern lasts this long.
    static constexpr qint64 InputStepMs = 1000;

    static bool isDiscrete(quint8 code);
    static bool isInputModule(quint8 code);
    static int channelCount(quint8 code);
    /// The points of the module's own target (tags 1 and 5 to 8 included).
    static QVector<SimPointDef> modulePoints(quint8 code);
    /// The points of each of the other targets: a channel tag.
    static QVector<SimPointDef> targetPoints();
    /// The I/O word the inputs of the module at \a position report \a elapsedMs
    /// after the station started; empty for a module that has no inputs.
    static QByteArray inputWord(quint8 code, int position, qint64 elapsedMs);
};
