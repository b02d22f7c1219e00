#include "comm/ZempCodec.h"

#include "database/DataPoint.h"
#include "database/PointValueCheck.h"

#include <cctype>
#include <charconv>
#include <cstring>

namespace {

bool isSigned(int type) { return type >= ZEMP_INT8 && type <= ZEMP_INT32; }

void appendBigEndian(QByteArray *out, quint32 value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        out->append(char((value >> (8 * i)) & 0xFF));
}

quint32 readBigEndian(const BYTE *data, int width)
{
    quint32 value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | data[i];
    return value;
}

// The value has passed the point's value rules: it fits its field.
QByteArray fieldBytes(int type, int size, const QString &value)
{
    QByteArray bytes = type == ZEMP_TEXT ? value.toLatin1() : QByteArray::fromHex(value.toLatin1());
    // A text field holds the text and its terminating zero; the rest is zeroed.
    bytes.append(QByteArray(size - int(bytes.size()), '\0'));
    return bytes;
}

} // namespace

int ZempCodec::fixedWidth(int type)
{
    switch (type) {
    case ZEMP_UINT8: case ZEMP_INT8: return 1;
    case ZEMP_UINT16: case ZEMP_INT16: return 2;
    case ZEMP_UINT24: case ZEMP_INT24: return 3;
    case ZEMP_UINT32: case ZEMP_INT32: case ZEMP_FLOAT: return 4;
    default: return 0;
    }
}

double ZempCodec::leadingDouble(const QString &text)
{
    const QByteArray latin = text.toLatin1();
    const char *begin = latin.constData();
    const char *end = begin + latin.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(*begin)))
        ++begin;
    if (begin < end && *begin == '+')
        ++begin;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() ? value : 0.0;
}

bool ZempCodec::encode(int type, int size, const QString &value, QByteArray *out)
{
    out->clear();
    const bool sized = type == ZEMP_TEXT || type == ZEMP_BINARY;
    const int width = fixedWidth(type);
    if (sized ? size <= 0 || size > ZEMP_MAX_DATA : width == 0)
        return false;
    if (!PointValueCheck::problem(type, size, value).isEmpty())
        return false;
    if (sized) {
        *out = fieldBytes(type, size, value);
        return true;
    }
    quint32 bits;
    if (type == ZEMP_FLOAT) {
        const float f = float(value.toDouble());
        std::memcpy(&bits, &f, sizeof bits);
    } else {
        // In range for the type, so its two's complement fits the width.
        bits = quint32(value.toLongLong(nullptr, 10));
    }
    appendBigEndian(out, bits, width);
    return true;
}

int ZempCodec::decode(int type, int size, const BYTE *data, int count, QString *value)
{
    if (type == ZEMP_TEXT) {
        const int limit = qMax(count, 0);
        const void *zero = std::memchr(data, 0, size_t(limit));
        const int length = zero ? int(static_cast<const BYTE *>(zero) - data) : limit;
        *value = QString::fromLatin1(reinterpret_cast<const char *>(data), length);
        return 0;
    }
    if (type == ZEMP_BINARY) {
        const int taken = qMax(count, 0);
        QString text = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char *>(data), taken).toHex().toUpper());
        for (int i = taken; i < size; ++i)
            text += QLatin1String("00");
        *value = text;
        return 0;
    }
    const int width = fixedWidth(type);
    if (width == 0)
        return -1;
    if (type == ZEMP_FLOAT ? count != 4 : count < width)
        return ShortResponse;
    const quint32 bits = readBigEndian(data, width);
    if (type == ZEMP_FLOAT) {
        float f = 0.0f;
        if (bits != 0xFFFFFFFFu) // the device's "no value" pattern
            std::memcpy(&f, &bits, sizeof f);
        *value = QString::asprintf("%#f", double(f));
    } else if (isSigned(type)) {
        const int shift = 32 - 8 * width;
        const qint32 v = qint32(bits << shift) >> shift;
        *value = QString::asprintf("%i", v);
    } else {
        *value = QString::asprintf("%u", bits);
    }
    return 0;
}
