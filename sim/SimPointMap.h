#pragma once

#include "SimPointDef.h"

#include <QtCore/QByteArray>
#include <QtCore/QMap>
#include <QtCore/QVector>

// The points of one addressable target of a station (the station head, or a
// module or channel behind a tunnel address) with their current contents.
class SimPointMap
{
public:
    enum Result { Ok, UnknownAddress, BadLength, ReadOnly };

    void define(const SimPointDef &def);
    void define(const QVector<SimPointDef> &defs);

    bool contains(quint16 address) const;
    const SimPointDef *definition(quint16 address) const;
    QVector<quint16> addresses() const;

    /// Device-side read: the full field of the point.
    Result read(quint16 address, QByteArray &out) const;
    /// Device-side write: checks the flags and the length of \a data.
    Result write(quint16 address, const QByteArray &data);
    /// Station-side store that ignores ReadOnly; \a value is padded to the
    /// point's width. False when the address is unknown or \a value too long.
    bool set(quint16 address, const QByteArray &value);
    QByteArray value(quint16 address) const;

    /// \a value as \a width bytes, most significant first.
    static QByteArray integerBytes(quint64 value, int width);
    static quint64 integerValue(const QByteArray &bytes);
    /// \a text padded with zero bytes to \a width (cut to width - 1 so that a
    /// terminating zero always remains).
    static QByteArray textField(const QByteArray &text, int width);

private:
    static QByteArray padded(const SimPointDef &def, const QByteArray &value);

    struct Entry
    {
        SimPointDef def;
        QByteArray value;
    };
    QMap<quint16, Entry> m_points;
};
