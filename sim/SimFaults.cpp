#include "SimFaults.h"

#include <QtCore/QStringList>

SimFaults::Action SimFaults::actionFor(quint64 request) const
{
    if (m_silentAfter >= 0 && request > quint64(m_silentAfter))
        return Action::Silent;
    if (m_dropEvery > 0 && request % quint64(m_dropEvery) == 0)
        return Action::Drop;
    if (m_corruptEvery > 0 && request % quint64(m_corruptEvery) == 0)
        return Action::Corrupt;
    return Action::Answer;
}

bool SimFaults::deviceErrorFor(quint16 tunnel, quint16 address, int &code) const
{
    for (const DeviceError &e : m_deviceErrors) {
        if (e.tunnel == tunnel && e.address == address) {
            code = e.code;
            return true;
        }
    }
    return false;
}

bool SimFaults::forgetsWrite(quint16 tunnel, quint16 address) const
{
    for (const PointAddress &point : m_forgottenWrites) {
        if (point.tunnel == tunnel && point.address == address)
            return true;
    }
    return false;
}

static bool parseNumber(const QString &text, uint maximum, uint &value)
{
    bool ok = false;
    value = text.trimmed().toUInt(&ok, 0);
    return ok && value <= maximum;
}

bool SimFaults::parsePointAddress(const QString &text, PointAddress &out, QString *error)
{
    const QStringList where = text.split(QLatin1Char(':'));
    uint first = 0, second = 0;
    const bool ok = (where.size() == 1 || where.size() == 2) && parseNumber(where.at(0), 0xFFFF, first)
                    && (where.size() == 1 || parseNumber(where.at(1), 0xFFFF, second));
    if (!ok) {
        if (error)
            *error = QStringLiteral("bad point \"%1\": expected ADDRESS or TUNNEL:ADDRESS").arg(text);
        return false;
    }
    out.tunnel = where.size() == 2 ? quint16(first) : 0;
    out.address = quint16(where.size() == 2 ? second : first);
    return true;
}

bool SimFaults::parseDeviceError(const QString &text, DeviceError &out, QString *error)
{
    const QStringList parts = text.split(QLatin1Char('@'));
    uint code = 0;
    PointAddress where;
    const bool ok = parts.size() == 2 && parseNumber(parts.at(0), 127, code) && code > 0
                    && parsePointAddress(parts.at(1), where, nullptr);
    if (!ok) {
        if (error)
            *error = QStringLiteral("bad device error \"%1\": expected CODE@ADDRESS or "
                                    "CODE@TUNNEL:ADDRESS with CODE 1 to 127")
                         .arg(text);
        return false;
    }
    out.code = int(code);
    out.tunnel = where.tunnel;
    out.address = where.address;
    return true;
}
