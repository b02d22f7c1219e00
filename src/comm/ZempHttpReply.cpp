#include "comm/ZempHttpReply.h"

#include <QtCore/QIODevice>
#include <QtCore/QList>

#include <cctype>

namespace {

// Shortest frame: length byte, two address bytes and the checksum.
constexpr int MinFrameBytes = 4;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of the Content-Length header in \a head, or -1 when it has none
// that is a number. Values past the reply limit come back as the limit + 1.
int contentLength(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const int colon = line.indexOf(':');
        if (colon < 0 || line.left(colon).trimmed().toLower() != "content-length")
            continue;
        bool ok = false;
        const qulonglong value = line.mid(colon + 1).trimmed().toULongLong(&ok);
        if (!ok)
            return -1;
        return value > qulonglong(ZempHttpReply::MaxBytes) ? ZempHttpReply::MaxBytes + 1 : int(value);
    }
    return -1;
}

} // namespace

int ZempHttpReply::bodyStart(const QByteArray &reply)
{
    for (int i = 0; i < reply.size(); ++i) {
        if (reply[i] != '\n')
            continue;
        int j = i + 1;
        if (j < reply.size() && reply[j] == '\r')
            ++j;
        if (j < reply.size() && reply[j] == '\n')
            return j + 1;
    }
    return -1;
}

void ZempHttpReply::clear()
{
    m_bytes.clear();
    m_end = -1;
    m_state = Incomplete;
}

QByteArray ZempHttpReply::reply() const
{
    return m_state == Complete ? m_bytes.left(m_end) : m_bytes;
}

ZempHttpReply::State ZempHttpReply::readFrom(QIODevice &device)
{
    while (m_state == Incomplete) {
        const qint64 room = MaxBytes - m_bytes.size();
        if (room <= 0) {
            if (device.bytesAvailable() > 0)
                m_state = Overflow;
            break;
        }
        const QByteArray chunk = device.read(room);
        if (chunk.isEmpty())
            break;
        m_bytes += chunk;
        m_state = check();
    }
    return m_state;
}

ZempHttpReply::State ZempHttpReply::check()
{
    const int bodyAt = bodyStart(m_bytes);
    if (bodyAt < 0)
        return Incomplete;
    const int declared = contentLength(m_bytes.left(bodyAt));
    return declared >= 0 ? checkContentLength(bodyAt, declared) : checkFrameLength(bodyAt);
}

ZempHttpReply::State ZempHttpReply::checkContentLength(int bodyAt, int declared)
{
    if (qint64(bodyAt) + declared > MaxBytes)
        return Overflow;
    if (m_bytes.size() - bodyAt < declared)
        return Incomplete;
    m_end = bodyAt + declared;
    return Complete;
}

ZempHttpReply::State ZempHttpReply::checkFrameLength(int bodyAt)
{
    int i = bodyAt;
    while (i < m_bytes.size() && std::isspace(static_cast<unsigned char>(m_bytes[i])))
        ++i;
    if (m_bytes.size() - i < 2)
        return Incomplete;
    const int high = hexValue(m_bytes[i]);
    const int low = hexValue(m_bytes[i + 1]);
    if (high < 0 || low < 0) {
        // Not hex: no frame will come, and the reply is malformed already.
        m_end = m_bytes.size();
        return Complete;
    }
    const int frameBytes = ((high << 4 | low) & 0x7F) + 1;
    // A length byte too small for any frame is left to the close or the limit.
    if (frameBytes < MinFrameBytes || m_bytes.size() - i < 2 * frameBytes)
        return Incomplete;
    m_end = i + 2 * frameBytes;
    return Complete;
}
