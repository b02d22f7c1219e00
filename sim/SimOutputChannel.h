#pragma once

#include "SimPointDef.h"

#include <QtCore/QVector>

// The configuration points of one channel of the analog output module,
// behind the channel's tunnel address: the channel-not-used byte, the
// output type words, the range with its under- and over-range outputs,
// scaling, damping, the failure output, the flags, the trim values, the
// command points (written to run them) and the module type, which the
// firmware correction rewrites. Its output block is a plain value register:
// a written output reads back.
class SimOutputChannel
{
public:
    static constexpr quint8 ModuleCode = 1;

    /// The points of one channel of the analog output module.
    static QVector<SimPointDef> points();
};
