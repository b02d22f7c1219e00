#include "SimModule.h"

#include "SimCatalog.h"
#include "SimInputChannel.h"

SimModule::SimModule(const SimModuleClass &moduleClass, int position)
    : m_class(moduleClass), m_position(position)
{
    const int channels = m_class.channelKinds.size();
    m_targets.resize(qMax(qMax(1, channels), m_class.targets));
    for (int i = 0; i < m_targets.size(); ++i) {
        SimPointMap &map = m_targets[i];
        // A channel reports its own kind as its device type; the module's
        // target shares the first channel's address and so reports that.
        const quint16 deviceType = i < channels ? m_class.channelKinds.at(i) : m_class.code;
        const int ro = SimPointDef::ReadOnly;
        map.define({
            {SimCatalog::ModuleTypePoint, 1, SimPointKind::Integer,
             SimPointMap::integerBytes(m_class.code, 1), ro},
            {SimCatalog::DeviceTypePoint, 2, SimPointKind::Integer,
             SimPointMap::integerBytes(deviceType, 2), ro},
            {SimCatalog::FirmwarePoint, 2, SimPointKind::Integer,
             SimPointMap::integerBytes(0x0203, 2), ro},
            {SimCatalog::SerialPoint, 3, SimPointKind::Integer,
             SimPointMap::integerBytes(200000 + 100 * position + i, 3), ro},
        });
        if (i == 0) {
            map.define(m_class.modulePoints);
            // A module type among the module's points can be rewritten.
            map.set(SimCatalog::ModuleTypePoint, SimPointMap::integerBytes(m_class.code, 1));
        } else if (i >= channels) {
            map.define(m_class.targetPoints);
        }
        if (i < channels)
            map.define(m_class.channelPoints);
        if (i < channels && m_class.inputChannels) {
            // The channel's module type is writable (the firmware correction
            // rewrites it), and starts as the module's code.
            map.define(SimInputChannel::points(deviceType));
            map.set(SimCatalog::ModuleTypePoint, SimPointMap::integerBytes(m_class.code, 1));
        }
    }
}

SimPointMap *SimModule::target(int index)
{
    return index >= 0 && index < m_targets.size() ? &m_targets[index] : nullptr;
}

const SimPointMap *SimModule::target(int index) const
{
    return index >= 0 && index < m_targets.size() ? &m_targets[index] : nullptr;
}
