#pragma once

#include <QtCore/QString>
#include <QtCore/QVector>

// Faults the simulated station injects into its answers. Requests are
// counted from 1 in the order the station receives them.
class SimFaults
{
public:
    // A device error answered for every request to one address. A tunnelled
    // entry names the tunnel address and the address of the inner frame.
    struct DeviceError
    {
        int code = 0;
        quint16 address = 0;
        quint16 tunnel = 0; // 0: a request addressed to the head
    };

    // A point of the head (tunnel 0) or behind a tunnel address.
    struct PointAddress
    {
        quint16 tunnel = 0;
        quint16 address = 0;
    };

    enum class Action {
        Answer,  // process and answer normally
        Drop,    // process, but send no answer
        Corrupt, // process and answer with a wrong checksum
        Silent   // the station has gone silent: neither process nor answer
    };

    int dropEvery() const { return m_dropEvery; }
    void setDropEvery(int n) { m_dropEvery = n; }
    int corruptEvery() const { return m_corruptEvery; }
    void setCorruptEvery(int n) { m_corruptEvery = n; }
    int delayMs() const { return m_delayMs; }
    void setDelayMs(int ms) { m_delayMs = ms; }
    /// -1 (the default) never goes silent; N answers the first N requests.
    int silentAfter() const { return m_silentAfter; }
    void setSilentAfter(int n) { m_silentAfter = n; }
    const QVector<DeviceError> &deviceErrors() const { return m_deviceErrors; }
    void addDeviceError(const DeviceError &error) { m_deviceErrors.append(error); }
    /// Writes to \a point are answered as done and forgotten, as by a
    /// station that restarts before it stores them.
    void addForgottenWrite(const PointAddress &point) { m_forgottenWrites.append(point); }
    bool forgetsWrite(quint16 tunnel, quint16 address) const;

    /// What to do with request number \a request (1-based).
    Action actionFor(quint64 request) const;
    /// The injected device error for a request, if any.
    bool deviceErrorFor(quint16 tunnel, quint16 address, int &code) const;

    /// Parses "CODE@ADDRESS" or "CODE@TUNNEL:ADDRESS"; numbers in decimal
    /// or with a 0x prefix; CODE 1 to 127.
    static bool parseDeviceError(const QString &text, DeviceError &out, QString *error);
    /// Parses "ADDRESS" or "TUNNEL:ADDRESS".
    static bool parsePointAddress(const QString &text, PointAddress &out, QString *error);

private:
    int m_dropEvery = 0;
    int m_corruptEvery = 0;
    int m_delayMs = 0;
    int m_silentAfter = -1;
    QVector<DeviceError> m_deviceErrors;
    QVector<PointAddress> m_forgottenWrites;
};
