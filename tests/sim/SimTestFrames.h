#pragma once

// Frames as the client side builds and reads them, for the simulator tests.
#include "comm/ZEMPPort.h"

#include <QtCore/QByteArray>

namespace SimTestFrames {

inline QByteArray frame(bool write, quint16 address, const QByteArray &data = {})
{
    BYTE out[ZEMP_MAX_FRAME];
    const int n = ZEMPPort::buildFrame(write ? ZEMP_WRITE : ZEMP_READ, address, data.size(),
                                       reinterpret_cast<const BYTE *>(data.constData()), out);
    return QByteArray(reinterpret_cast<const char *>(out), n);
}

// A request through a tunnel address: the inner frame is the payload of a write.
inline QByteArray tunnelled(quint16 tunnel, bool write, quint16 address, const QByteArray &data = {})
{
    return frame(true, tunnel, frame(write, address, data));
}

struct Decoded
{
    int status = -1;
    quint16 address = 0;
    QByteArray data;
};

// Decodes with the client's own parser, after checking the checksum.
inline Decoded decode(const QByteArray &bytes)
{
    Decoded d;
    const auto *b = reinterpret_cast<const BYTE *>(bytes.constData());
    if (bytes.size() < 4 || ZEMPPort::frameChecksum(b, bytes.size() - 1) != b[bytes.size() - 1]) {
        d.status = ZEMP_ERR_CHECKSUM;
        return d;
    }
    BYTE data[ZEMP_MAX_FRAME];
    int count = 0;
    unsigned short address = 0;
    d.status = ZEMPPort::parseFrame(b, bytes.size(), &address, &count, data);
    d.address = address;
    d.data = QByteArray(reinterpret_cast<const char *>(data), count);
    return d;
}

} // namespace SimTestFrames
