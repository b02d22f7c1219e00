#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

// One frame as it travels on the line: a length byte, the point address
// (high byte first), the data and a checksum. Bits 0-6 of the length byte
// count the bytes after it; bit 7 marks a write in a request and an error in
// a response. The checksum makes all bytes of the frame add up to zero.
//
// The station reads and writes frames only through this class, so that it
// is a reading of the line format of its own and not the client's.
class SimFrame
{
public:
    /// Length byte, address and checksum: a frame without data.
    static constexpr int MinSize = 4;
    /// The seven bits of the length byte count at most 127 bytes after it.
    static constexpr int MaxSize = 0x7F + 1;
    static constexpr int MaxData = MaxSize - MinSize;

    /// An invalid frame; bytes() is empty.
    SimFrame() = default;

    /// A request; \a write sets bit 7.
    static SimFrame request(bool write, quint16 address, const QByteArray &data = {});
    /// A request for a target behind \a tunnel: the target's own request
    /// travels as the data of a write to the tunnel address.
    static SimFrame tunnelled(quint16 tunnel, bool write, quint16 address,
                              const QByteArray &data = {});
    /// A successful response carrying \a value.
    static SimFrame answer(quint16 address, const QByteArray &value);
    /// An error response: bit 7 set and the device's code as its only data.
    static SimFrame error(quint16 address, quint8 code);

    /// Reads exactly one frame; invalid unless the length byte counts the
    /// bytes that follow it and the checksum holds.
    static SimFrame parse(const QByteArray &bytes);
    QByteArray bytes() const;

    bool isValid() const { return m_valid; }
    /// Bit 7 of the length byte as a request reads it...
    bool isWrite() const { return m_flagged; }
    /// ...and as a response reads it.
    bool isError() const { return m_flagged; }
    quint16 address() const { return m_address; }
    /// At most MaxData bytes: longer data is cut, as the length byte could
    /// not count it.
    const QByteArray &data() const { return m_data; }
    /// The device's error code of an error response, 0 for a success.
    int status() const;

    /// The size of the whole frame that begins with \a lengthByte.
    static int sizeAnnouncedBy(char lengthByte);
    /// The byte that makes \a bytes add up to zero modulo 256.
    static quint8 checksum(const QByteArray &bytes);

private:
    SimFrame(bool flagged, quint16 address, const QByteArray &data);

    bool m_valid = false;
    bool m_flagged = false;
    quint16 m_address = 0;
    QByteArray m_data;
};
