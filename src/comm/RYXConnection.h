#pragma once

#include "model/RYXConnectionBase.h"

#include <atomic>

class RYXConnectionThread;

// The connection to a real station: a worker thread that connects, runs the
// pending operation and polls the station, the station's port and the
// communication settings. The GUI thread only sets the request flags of the
// base; the worker reads and clears them and reports through events posted
// to the event receiver.
//
// A device that can be reached over some transport gets its worker at
// construction, running until destruction; every request wakes it.
class RYXConnection : public RYXConnectionBase
{
    Q_OBJECT
public:
    explicit RYXConnection(RYXObject *device, QObject *parent = nullptr);
    ~RYXConnection() override;

    ZEMPPort *getPort() const override;
    /// Installs \a port (owned; a previous port is deleted).
    void setPort(ZEMPPort *port);
    int comPortNumber() const;
    void setComPortNumber(int number);
    /// The station address for TCP/IP ("host" or "host:port").
    QString ipAddress() const;
    void setIpAddress(const QString &address);

    /// How long an online station may go without a transaction before the
    /// worker checks, with one read, that it still answers.
    static constexpr int DefaultKeepAliveMs = 5000;
    int keepAliveIntervalMs() const { return m_keepAliveMs; }
    void setKeepAliveIntervalMs(int milliseconds) { m_keepAliveMs = milliseconds; }

    /// Closes the port, goes offline and tells the device tree.
    void disconnectDevice() override;

public Q_SLOTS:
    void connectSlot(bool uploadAfterConnect) override;
    void configureCommsSlot() override;

private:
    void stopWorker();
    /// One slice of the wait for the stopping worker; true once it ended.
    bool releaseWorker();

    ZEMPPort *m_port = nullptr;
    int m_comPort = -1;
    QString m_ipAddress;
    RYXConnectionThread *m_worker = nullptr;
    std::atomic<int> m_keepAliveMs { DefaultKeepAliveMs };
};
