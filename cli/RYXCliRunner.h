#pragma once

#include "RYXCliOptions.h"

#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <functional>
#include <memory>

class QTextStream;
class RYXConnection;
class RYXHeadlessReceiver;
class RYXInterfaceModule;
class RYXSysManager;

// Carries out one ryxcli command on the program's own core: builds the
// station (from its type or its configuration file), connects it through
// its connection thread, runs the operation and reports on a stream.
// Returns the process exit status: 0, the transfer result code (2 to 8),
// 1 for any other failure, 64 for a usage error.
class RYXCliRunner : public QObject
{
    Q_OBJECT
public:
    enum Exit { Success = 0, Failure = 1, Usage = 64 };

    RYXCliRunner(const RYXCliOptions &options, QTextStream *output, QObject *parent = nullptr);
    ~RYXCliRunner() override;

    int run();
    /// The values of --type: the stations that can be uploaded, by their
    /// element in lower case (once the class table is registered).
    static QStringList stationTypes();

private:
    RYXInterfaceModule *createStation(QString &error);
    /// False, after naming them, when the station read holds values its
    /// device cannot take.
    bool refuseValueProblems();
    bool attachPort(QString &error);
    /// False, with the reason, when the upload's output cannot be written.
    bool canWriteOutput(QString &error) const;
    /// Connects; returns 0 once online, otherwise the reason's code.
    int connectStation(bool uploadAfterConnect);
    int connectFailureCode() const;
    /// Runs \a operation on the online station and waits for its end.
    int runOperation(const QString &operation);
    void disconnectStation();
    /// Spins the event loop until \a done holds (re-checked on every state
    /// change, result line and progress step).
    void waitUntil(const std::function<bool()> &done);
    /// The code the result lines since \a first name (1 for a failure
    /// without code, 0 when none failed).
    int codeFromResults(int first) const;
    int finish(int code);

    RYXCliOptions m_options;
    QTextStream *m_output;
    std::unique_ptr<RYXHeadlessReceiver> m_receiver;
    std::unique_ptr<RYXSysManager> m_manager;
    RYXInterfaceModule *m_station = nullptr;
    RYXConnection *m_connection = nullptr;
    QStringList m_redLines;
    bool m_connected = false; // the connect sequence ended online
    bool m_finished = false; // the connection thread ended an operation
};
