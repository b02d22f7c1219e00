#pragma once

// Frames built and read with the simulator's own codec, for the simulator
// tests. Where the exact bytes on the line matter, tests write the frames out
// literally instead, so that a fault in the codec cannot hide behind itself.
#include "SimFrame.h"

#include <QtCore/QByteArray>

namespace SimTestFrames {

inline QByteArray frame(bool write, quint16 address, const QByteArray &data = {})
{
    return SimFrame::request(write, address, data).bytes();
}

// A request through a tunnel address: the inner frame is the payload of a write.
inline QByteArray tunnelled(quint16 tunnel, bool write, quint16 address, const QByteArray &data = {})
{
    return SimFrame::tunnelled(tunnel, write, address, data).bytes();
}

// Status of bytes that are no sound frame (wrong size, length byte or checksum).
constexpr int Unreadable = -1;

struct Decoded
{
    int status = Unreadable; // otherwise 0 or the device's error code
    quint16 address = 0;
    QByteArray data;
};

inline Decoded decode(const QByteArray &bytes)
{
    const SimFrame frame = SimFrame::parse(bytes);
    if (!frame.isValid())
        return Decoded();
    return Decoded{frame.status(), frame.address(), frame.isError() ? QByteArray() : frame.data()};
}

} // namespace SimTestFrames
