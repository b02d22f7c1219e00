#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>

#include <atomic>

class EIModuleObject;
class ZEMPPort;

// The live monitoring of a station: switched on by the check box of its
// process data dialog and lasting as long as that dialog, it verifies the
// device and refreshes the process values at the user's update rate from
// the connection thread's idle steps, and takes the station offline when
// the device no longer answers.
class StationMonitor
{
    Q_DECLARE_TR_FUNCTIONS(StationMonitor)

public:
    explicit StationMonitor(EIModuleObject *station);

    /// On: monitoring starts with a refresh at once, while the process data
    /// dialog shown now lives (none shown: it stays off). Off: it stops.
    void setEnabled(bool on);
    /// Stops monitoring (the station went offline).
    void stop() { m_enabled = false; }
    bool isEnabled() const { return m_enabled; }
    /// Monitoring passes that read the device since construction.
    int passes() const { return m_passes; }

    /// The idle step: when on and due, verify the device and refresh the
    /// process values; always 0 (a lost device is handled here).
    int step();

private:
    void setMonitorState(bool idle, const QString &message);
    /// The message box names the cause of \a port's failed last transaction.
    void takeOffline(ZEMPPort *port);

    EIModuleObject *m_station;
    std::atomic<bool> m_enabled { false };
    std::atomic<bool> m_refreshNow { false };
    std::atomic<int> m_passes { 0 };
    QElapsedTimer m_interval;
};
