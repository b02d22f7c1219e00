#pragma once

#include "SimModuleClass.h"
#include "SimPointMap.h"

#include <QtCore/QVector>

// One plug-in module of a simulated station: the point maps behind its tunnel
// addresses. Target 0 is the module itself, which shares its tunnel address
// with its first channel; target i is channel i + 1.
class SimModule
{
public:
    SimModule(const SimModuleClass &moduleClass, int position);

    const SimModuleClass &moduleClass() const { return m_class; }
    quint8 code() const { return m_class.code; }
    int position() const { return m_position; }
    int targetCount() const { return m_targets.size(); }
    SimPointMap *target(int index);
    const SimPointMap *target(int index) const;

private:
    SimModuleClass m_class;
    int m_position;
    QVector<SimPointMap> m_targets;
};
