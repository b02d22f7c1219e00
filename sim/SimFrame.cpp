#include "SimFrame.h"

namespace {

constexpr quint8 FlagBit = 0x80;
constexpr quint8 CountBits = 0x7F;

} // namespace

SimFrame::SimFrame(bool flagged, quint16 address, const QByteArray &data)
    : m_valid(true), m_flagged(flagged), m_address(address), m_data(data.left(MaxData))
{
}

SimFrame SimFrame::request(bool write, quint16 address, const QByteArray &data)
{
    return SimFrame(write, address, data);
}

SimFrame SimFrame::tunnelled(quint16 tunnel, bool write, quint16 address, const QByteArray &data)
{
    return request(true, tunnel, request(write, address, data).bytes());
}

SimFrame SimFrame::answer(quint16 address, const QByteArray &value)
{
    return SimFrame(false, address, value);
}

SimFrame SimFrame::error(quint16 address, quint8 code)
{
    return SimFrame(true, address, QByteArray(1, char(code)));
}

SimFrame SimFrame::parse(const QByteArray &bytes)
{
    // A length byte never announces more than MaxSize, so a matching size
    // is also a size the station can hold.
    if (bytes.size() < MinSize || sizeAnnouncedBy(bytes.front()) != bytes.size()
        || checksum(bytes.left(bytes.size() - 1)) != quint8(bytes.back()))
        return SimFrame();
    const quint16 address = quint16((quint8(bytes.at(1)) << 8) | quint8(bytes.at(2)));
    return SimFrame(quint8(bytes.front()) & FlagBit, address,
                    bytes.mid(MinSize - 1, bytes.size() - MinSize));
}

QByteArray SimFrame::bytes() const
{
    if (!m_valid)
        return QByteArray();
    const int following = m_data.size() + MinSize - 1; // address, data and checksum
    QByteArray out;
    out.reserve(following + 1);
    out.append(char((m_flagged ? FlagBit : 0) | following));
    out.append(char(m_address >> 8));
    out.append(char(m_address & 0xFF));
    out.append(m_data);
    out.append(char(checksum(out)));
    return out;
}

int SimFrame::status() const
{
    return m_flagged && !m_data.isEmpty() ? quint8(m_data.front()) : 0;
}

int SimFrame::sizeAnnouncedBy(char lengthByte)
{
    return (quint8(lengthByte) & CountBits) + 1;
}

quint8 SimFrame::checksum(const QByteArray &bytes)
{
    quint8 sum = 0;
    for (char byte : bytes)
        sum = quint8(sum + quint8(byte));
    return quint8(0x100 - sum);
}
