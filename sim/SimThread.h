#pragma once

#include "SimOptions.h"

#include <QtCore/QMutex>
#include <QtCore/QThread>
#include <QtCore/QWaitCondition>

#include <memory>

class SimStation;

// Runs a station and its servers (HTTP and/or pty, as the options say) in a
// thread of its own, so that a test may block its own thread in a
// transaction while the station answers.
class SimThread : public QThread
{
    Q_OBJECT
public:
    explicit SimThread(const SimOptions &options, QObject *parent = nullptr);
    /// Stops the servers and waits for the thread.
    ~SimThread() override;

    /// Starts the thread and waits until the servers listen. False with
    /// errorString() when the station or a server could not be set up.
    bool startServing();
    void stopServing();

    /// The station (nullptr when the options name no known kind); its
    /// public calls are thread-safe and it lives as long as this object.
    SimStation *station() const;
    quint16 httpPort() const;
    QString slavePath() const;
    QString errorString() const;

protected:
    void run() override;

private:
    SimOptions m_options;
    mutable QMutex m_mutex;
    QWaitCondition m_readyCondition;
    bool m_ready = false;
    std::unique_ptr<SimStation> m_station; // lives as long as this object
    quint16 m_httpPort = 0;
    QString m_slavePath;
    QString m_error;
};
