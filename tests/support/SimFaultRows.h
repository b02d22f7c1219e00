// Faults of the simulated station as values for test tables.
#pragma once

#include "SimFaults.h"

#include <QtCore/QMetaType>

Q_DECLARE_METATYPE(SimFaults)

namespace faultrows {

inline SimFaults corruptEvery(int n)
{
    SimFaults faults;
    faults.setCorruptEvery(n);
    return faults;
}

inline SimFaults dropEvery(int n)
{
    SimFaults faults;
    faults.setDropEvery(n);
    return faults;
}

inline SimFaults silentAfter(int n)
{
    SimFaults faults;
    faults.setSilentAfter(n);
    return faults;
}

/// Device error \a code for every request to \a address of the head.
inline SimFaults deviceError(int code, quint16 address)
{
    SimFaults faults;
    faults.addDeviceError({code, address, 0});
    return faults;
}

} // namespace faultrows
