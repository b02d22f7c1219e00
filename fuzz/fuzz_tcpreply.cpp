// Parses arbitrary text as the HTTP reply of a station and hands any frame it
// yields to the frame reassembly, as the TCP transport does.
#include "comm/ZEMPPort.h"
#include "comm/ZEMPTCPPort.h"

#include <QtCore/QByteArray>
#include <QtCore/QLoggingCategory>

#include <cstddef>
#include <cstdint>

namespace {

class ReplyPort : public ZEMPPort
{
public:
    bool writeFrame(BYTE *, int) override
    {
        QByteArray frame;
        const ZEMPTCPPort::ReplyResult result = ZEMPTCPPort::parseReply(m_reply, &frame);
        if (result == ZEMPTCPPort::ReplyMalformed)
            processZEMPError(ZEMP_ERR_CHECKSUM);
        else if (result == ZEMPTCPPort::ReplyFrame)
            processBytesSlot(reinterpret_cast<BYTE *>(frame.data()), int(frame.size()));
        // A frame never exceeds the conversion limit of 252 bytes.
        if (frame.size() > 252)
            __builtin_trap();
        return true;
    }
    QByteArray m_reply;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ReplyPort *port = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("ryx.comm.debug=false")); // one line per input otherwise
        auto *p = new ReplyPort;
        p->setTimeout(-1); // an incomplete answer ends at once
        return p;
    }();
    port->m_reply = QByteArray(reinterpret_cast<const char *>(data), int(size));
    BYTE buffer[ZEMP_MAX_FRAME];
    int count = 0;
    port->readCommand(0x1234, &count, buffer);
    if (count < 0 || count > ZEMP_MAX_DATA)
        __builtin_trap();
    return 0;
}
