#include "SimPointMap.h"

void SimPointMap::define(const SimPointDef &def)
{
    m_points.insert(def.address, Entry{def, padded(def, def.initial)});
}

void SimPointMap::define(const QVector<SimPointDef> &defs)
{
    for (const SimPointDef &def : defs)
        define(def);
}

bool SimPointMap::contains(quint16 address) const
{
    return m_points.contains(address);
}

const SimPointDef *SimPointMap::definition(quint16 address) const
{
    auto it = m_points.constFind(address);
    return it == m_points.constEnd() ? nullptr : &it->def;
}

QVector<quint16> SimPointMap::addresses() const
{
    return QVector<quint16>(m_points.keyBegin(), m_points.keyEnd());
}

SimPointMap::Result SimPointMap::read(quint16 address, QByteArray &out) const
{
    auto it = m_points.constFind(address);
    if (it == m_points.constEnd())
        return UnknownAddress;
    out = it->value;
    return Ok;
}

SimPointMap::Result SimPointMap::write(quint16 address, const QByteArray &data)
{
    auto it = m_points.find(address);
    if (it == m_points.end())
        return UnknownAddress;
    if (it->def.flags & SimPointDef::ReadOnly)
        return ReadOnly;
    const bool exact = it->def.kind == SimPointKind::Integer;
    if (data.size() > it->def.width || (exact && data.size() != it->def.width))
        return BadLength;
    it->value = padded(it->def, data);
    return Ok;
}

bool SimPointMap::set(quint16 address, const QByteArray &value)
{
    auto it = m_points.find(address);
    if (it == m_points.end() || value.size() > it->def.width)
        return false;
    it->value = padded(it->def, value);
    return true;
}

QByteArray SimPointMap::value(quint16 address) const
{
    return m_points.value(address).value;
}

QByteArray SimPointMap::integerBytes(quint64 value, int width)
{
    QByteArray out(width, '\0');
    for (int i = width - 1; i >= 0; --i, value >>= 8)
        out[i] = char(value & 0xFF);
    return out;
}

quint64 SimPointMap::integerValue(const QByteArray &bytes)
{
    quint64 value = 0;
    for (char c : bytes)
        value = (value << 8) | quint8(c);
    return value;
}

QByteArray SimPointMap::textField(const QByteArray &text, int width)
{
    QByteArray out = text.left(qMax(0, width - 1));
    out.append(QByteArray(width - out.size(), '\0'));
    return out;
}

QByteArray SimPointMap::padded(const SimPointDef &def, const QByteArray &value)
{
    const QByteArray cut = value.left(def.width);
    const QByteArray fill(def.width - cut.size(), '\0');
    return def.kind == SimPointKind::Integer ? fill + cut : cut + fill;
}
