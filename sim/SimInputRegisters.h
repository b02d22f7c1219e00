#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QMap>
#include <QtCore/QtGlobal>

// The value registers of the input channels that are not plain storage: the
// status word, which the command line sets per channel, and the capture
// block. Writing the capture block starts a capture; reading it fails with
// CaptureBusy until the capture delay has passed, then gives the PV of that
// moment as a float. Reading it with no capture started fails with
// CaptureFailed. Not thread-safe: the station calls it under its lock.
class SimInputRegisters
{
public:
    // Registers 0 and 1 carry the live values (SimLiveValues).
    static constexpr int StatusRegister = 2;
    static constexpr int CaptureRegister = 3;

    // Device errors of the capture block.
    static constexpr int CaptureFailed = 0x03;
    static constexpr int CaptureBusy = 0x06;
    static constexpr int StatusReadOnly = 0x04;

    static constexpr int DefaultCaptureDelayMs = 9500;
    /// A capture delay that never ends: the channel never answers.
    static constexpr int NeverAnswers = -1;

    struct Access
    {
        bool handled = false; // false: the register is plain storage
        int error = 0;
        QByteArray data;
    };

    void setCaptureDelayMs(int ms) { m_captureDelayMs = ms; }
    int captureDelayMs() const { return m_captureDelayMs; }
    /// The status word of channel \a channel (0-based) of the module at \a position (1-based).
    void setStatus(int position, int channel, quint16 word);
    quint16 status(int position, int channel) const;

    /// Register \a j of a channel at \a nowMs of the station's clock; \a pv
    /// is the channel's PV at that moment.
    Access access(bool write, int position, int channel, int j, qint64 nowMs, float pv);

private:
    struct Capture
    {
        qint64 startedMs = 0;
        bool done = false;
        float value = 0.0f;
    };
    static int key(int position, int channel) { return position * 4 + channel; }
    Access readCapture(int k, qint64 nowMs, float pv);

    int m_captureDelayMs = DefaultCaptureDelayMs;
    QMap<int, quint16> m_status;
    QMap<int, Capture> m_captures;
};
