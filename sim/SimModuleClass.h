#pragma once

#include "SimPointDef.h"

#include <QtCore/QStringList>
#include <QtCore/QVector>

// A kind of plug-in I/O module as the simulated station reports it: its type
// code, the file element name used to name it on the command line, and the
// points behind its tunnel addresses. Channel kinds give one tunnel target
// per channel (the device type each channel reports); modules without
// channel objects have the module target alone.
struct SimModuleClass
{
    quint8 code = 0;
    QString element;          // "TI4", "RO8", "UNDETERMINED"
    QStringList aliases;      // other accepted names ("TIM")
    QVector<quint16> channelKinds;
    QVector<SimPointDef> modulePoints;  // at tunnel index 0, beside the identity points
    QVector<SimPointDef> channelPoints; // at each channel's tunnel index
    bool inputChannels = false; // its channels carry the input channel points of their kind
    int targets = 1;                    // tunnel targets of a module without channels
    QVector<SimPointDef> targetPoints;  // at each of those targets but the module's own
};
