#pragma once

#include "SimPointDef.h"

#include <QtCore/QVector>

// The configuration points of one channel of the temperature and analog
// input modules, behind the channel's tunnel address: sensor and unit words,
// flag words, the range, scaling, damping, failure presets, trim values, the
// custom curve, the command points (reading one makes the channel carry it
// out) and the module type, which the firmware correction rewrites. Which
// points a channel has and what they start with follow its channel kind
// (the device type it reports).
class SimInputChannel
{
public:
    static constexpr quint16 TemperatureKind = 2;
    static constexpr int CurvePoints = 128;

    /// The points of a channel of \a kind; empty for a kind that is no input channel.
    static QVector<SimPointDef> points(quint16 kind);
    /// The four-byte form of \a value as the station stores floats, most significant byte first.
    static QByteArray floatBytes(float value);
    static float floatValue(const QByteArray &bytes);
};
