#pragma once

#include "comm/ZEMPOpEnum.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

// Converts point values between their database text and their bytes on the
// wire, by point type (1-4 unsigned, 5-8 signed, 9 float, 10 text, 11
// binary; integers most significant byte first).
class ZempCodec
{
public:
    /// Status of a read whose response does not have the bytes its type needs.
    static constexpr int ShortResponse = -3;

    /// Bytes of \a value for a point of \a type and \a size (the field width
    /// of text and binary points). Returns false, leaving \a out empty, for a
    /// type that is never transferred and for a value the point value rules
    /// refuse (PointValueCheck): nothing is cut short or replaced by 0.
    static bool encode(int type, int size, const QString &value, QByteArray *out);
    /// Value text of the \a count response bytes at \a data. Returns 0, or
    /// ShortResponse when a fixed-width value lacks bytes, or -1 for a type
    /// that is never transferred.
    static int decode(int type, int size, const BYTE *data, int count, QString *value);
    /// Bytes a fixed-width type occupies (0 for text, binary and type 0).
    static int fixedWidth(int type);
    /// Value of \a text as atof reads it, independent of the C locale.
    static double leadingDouble(const QString &text);
};
