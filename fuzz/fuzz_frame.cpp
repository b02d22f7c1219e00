// Feeds arbitrary bytes, in arbitrary chunks, to the frame reassembly of a
// port with a request pending, directly and as the answer of a tunnelled
// transaction.
#include "comm/ZEMPPort.h"

#include <QtCore/QByteArray>
#include <QtCore/QLoggingCategory>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Answers each request with the fuzz input, cut into chunks whose sizes
// come from the input's first byte.
class FuzzPort : public ZEMPPort
{
public:
    bool writeFrame(BYTE *, int) override
    {
        int chunk = 1 + (m_chunkSeed % 17);
        for (int at = 0; at < m_input.size(); at += chunk) {
            QByteArray piece = m_input.mid(at, chunk);
            processBytesSlot(reinterpret_cast<BYTE *>(piece.data()), int(piece.size()));
            chunk = 1 + ((chunk * 7 + m_chunkSeed) % 31);
        }
        return true;
    }
    QByteArray m_input;
    int m_chunkSeed = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static FuzzPort *port = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("ryx.comm.debug=false")); // one line per input otherwise
        auto *p = new FuzzPort;
        p->setTimeout(-1); // an incomplete answer ends at once
        return p;
    }();
    port->m_chunkSeed = data[0];
    port->m_input = QByteArray(reinterpret_cast<const char *>(data + 1), int(size - 1));

    BYTE buffer[ZEMP_MAX_FRAME];
    int count = 0;
    const int status = port->readCommand(0x1234, &count, buffer);
    if (count < 0 || count > ZEMP_MAX_DATA || (status != 0 && count != 0))
        __builtin_trap();

    ZempTransaction t(ZEMP_READ, 0x0010);
    t.tunnelAddress = 0x1000;
    port->execute(t);
    if (t.responseCount < 0 || t.responseCount > ZEMP_MAX_DATA)
        __builtin_trap();

    unsigned short address = 0;
    BYTE out[ZEMP_MAX_FRAME];
    const int length = int(qMin<size_t>(size, ZEMP_MAX_FRAME));
    ZEMPPort::parseFrame(data, length, &address, &count, out);
    return 0;
}
