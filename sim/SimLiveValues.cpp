#include "SimLiveValues.h"

#include <QtCore/QtEndian>

#include <cmath>
#include <cstring>

bool SimLiveValues::isInputModule(quint8 moduleCode)
{
    switch (moduleCode) {
    case 2: // TI4
    case 3: // CI4
    case 4: // II4
    case 5: // VI4
    case 7: // AI4
        return true;
    default:
        return false;
    }
}

float SimLiveValues::pv(int position, int channel, qint64 elapsedMs)
{
    // Each channel sits at its own level, and their swings are out of step.
    const double level = 20.0 * position + 5.0 * channel;
    const double phase = 2.0 * M_PI * double(elapsedMs % PeriodMs) / double(PeriodMs) + channel;
    return float(level + 2.5 * std::sin(phase));
}

float SimLiveValues::ambient(int position, int channel, qint64 elapsedMs)
{
    const double phase = 2.0 * M_PI * double(elapsedMs % PeriodMs) / double(PeriodMs) + position + channel;
    return float(21.0 + 0.4 * std::cos(phase));
}

QByteArray SimLiveValues::registerBytes(quint8 moduleCode, int position, int channel, int j,
                                        qint64 elapsedMs)
{
    if (!isInputModule(moduleCode))
        return {};
    if (j != PvRegister && j != AmbientRegister)
        return {};
    const float value = j == PvRegister ? pv(position, channel, elapsedMs)
                                        : ambient(position, channel, elapsedMs);
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray bytes(4, '\0');
    qToBigEndian(bits, bytes.data());
    return bytes;
}
