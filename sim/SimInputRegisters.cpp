#include "SimInputRegisters.h"

#include "SimInputChannel.h"
#include "SimPointMap.h"

void SimInputRegisters::setStatus(int position, int channel, quint16 word)
{
    m_status.insert(key(position, channel), word);
}

quint16 SimInputRegisters::status(int position, int channel) const
{
    return m_status.value(key(position, channel), 0);
}

SimInputRegisters::Access SimInputRegisters::access(bool write, int position, int channel, int j,
                                                    qint64 nowMs, float pv)
{
    const int k = key(position, channel);
    Access out;
    if (j == StatusRegister) {
        // The channel reports its status; nobody sets it over the wire.
        // The two bytes of the word come first, most significant first.
        out.handled = true;
        if (write)
            out.error = StatusReadOnly;
        else
            out.data = SimPointMap::integerBytes(status(position, channel), 2) + QByteArray(2, '\0');
    } else if (j == CaptureRegister && write) {
        out.handled = true;
        m_captures.insert(k, Capture{nowMs, false, 0.0f});
    } else if (j == CaptureRegister) {
        out = readCapture(k, nowMs, pv);
    }
    return out;
}

SimInputRegisters::Access SimInputRegisters::readCapture(int k, qint64 nowMs, float pv)
{
    Access out;
    out.handled = true;
    auto it = m_captures.find(k);
    if (it == m_captures.end()) {
        out.error = CaptureFailed;
        return out;
    }
    if (!it->done) {
        const bool elapsed = m_captureDelayMs != NeverAnswers && nowMs - it->startedMs >= m_captureDelayMs;
        if (!elapsed) {
            out.error = CaptureBusy;
            return out;
        }
        it->done = true;
        it->value = pv;
    }
    out.data = SimInputChannel::floatBytes(it->value);
    return out;
}
