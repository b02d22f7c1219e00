#pragma once

#include "SimPointDef.h"

#include <QtCore/QString>
#include <QtCore/QVector>

// A kind of station head: its device type and the table of its own points.
struct SimStationClass
{
    QString name;        // value of --type, "eim"
    QString description;
    quint16 deviceType = 0;
    QVector<SimPointDef> points;
    QString defaultModules; // module list of the demo station of this kind
};
