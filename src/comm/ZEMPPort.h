#pragma once

#include "comm/ZEMPOpEnum.h"
#include "comm/ZempFailure.h"
#include "comm/ZempTransaction.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QWaitCondition>

class QTimer;

// Transport-independent half of the ZEMP protocol: frames requests,
// reassembles and checks responses, runs the response time-out and offers
// the blocking transaction calls used by the connection thread. Transports
// derive from it and implement writeFrame; they feed received bytes to
// processBytesSlot from whatever thread reads them.
class ZEMPPort : public QObject
{
    Q_OBJECT
public:
    /// The response time-out of a port until the settings give another.
    static constexpr int DefaultTimeoutMs = 2000;

    explicit ZEMPPort(QObject *parent = nullptr);
    ~ZEMPPort() override;

    virtual bool openPort();
    /// Clears the open flag; a transaction still waiting fails with the
    /// time-out status so that its caller is released at once.
    virtual bool closePort();
    virtual bool isPortOpen();
    virtual bool writeFrame(BYTE *frame, int length) = 0;

    /// Sends one request and blocks until its response, an error or the
    /// time-out. \a count holds the request length on entry and the
    /// response length on return (0 on failure). Returns the status.
    int transact(ZEMPOpEnum op, unsigned short address, int *count, BYTE *buffer);
    int readCommand(unsigned short address, int *count, BYTE *buffer);
    int writeCommand(unsigned short address, int *count, BYTE *buffer);
    /// Runs \a transaction, directly or tunnelled through its tunnel address.
    int execute(ZempTransaction &transaction);

    /// Encodes a request into \a out (at least ZEMP_MAX_FRAME bytes) and
    /// returns the frame length, or 0 when the payload does not fit.
    static int buildFrame(ZEMPOpEnum op, unsigned short address, int count,
                          const BYTE *data, BYTE *out);
    static BYTE frameChecksum(const BYTE *bytes, int length);
    /// Reads a complete response frame of \a length bytes: the device error
    /// code when bit 7 of byte 0 is set, otherwise 0 with the data and its
    /// count. A frame shorter than its length byte announces gives 129.
    static int parseFrame(const BYTE *frame, int length, unsigned short *address,
                          int *count, BYTE *data);

    int timeout() const;
    void setTimeout(int milliseconds);
    bool isAwaitingResponse() const;
    /// Why the last transaction failed (status 0 when it succeeded); the
    /// point is named when the transaction was run by execute.
    ZempFailure lastFailure() const;
    /// Milliseconds since the last transaction run by execute ended (since
    /// the port was made when there was none).
    qint64 msSinceLastTransaction() const;
    /// Whom the port talks to, as failures name it ("127.0.0.1:8080");
    /// empty when the transport has no name for it.
    virtual QString peerName() const { return QString(); }

public Q_SLOTS:
    /// The response time-out: fails the pending transaction with 128.
    void timerEvent();
    void processBytesSlot(BYTE *buff, int count);
    void processZEMPError(int errorCode);
    void sendCommandSlot(ZEMPOpEnum command, unsigned short address, int count, BYTE *buff);

Q_SIGNALS:
    void zempErrorSignal(unsigned short address, int error);
    void zempResponseSignal(unsigned short address, int count, BYTE *buff);
    void zempCommandSignal(ZEMPOpEnum command, unsigned short address, int count, BYTE *buff);
    void zempSetTimerSignal(QTimer *timer, int timeout);

protected:
    using QObject::timerEvent;
    QTimer *responseTimer() const { return m_timer; }
    void setPortOpen(bool open);
    /// Fails the pending transaction with \a status for the given cause.
    void failWith(int status, const QString &cause);

private:
    struct Outcome
    {
        bool done = false;
        int status = 0;
        unsigned short address = 0;
        unsigned short signalAddress = 0;
        int count = 0;
        BYTE data[ZEMP_MAX_FRAME];
        QString cause; // of a failure
    };
    Outcome reassemble();
    void fail(int status, unsigned short address, const QString &cause);
    void finish(const Outcome &outcome, unsigned short signalAddress);
    int waitForCompletion();
    int executeDirectOrTunnelled(ZempTransaction &transaction);
    void recordFailure(const ZempTransaction &transaction, int status);

    QMutex m_transactMutex;         // one transaction at a time per port
    mutable QMutex m_stateMutex;    // everything below
    QWaitCondition m_completedCondition;
    BYTE m_receiveBuffer[ZEMP_RECEIVE_BUFFER];
    int m_receiveCount = 0;
    unsigned short m_pendingAddress = 0;
    int m_timeout = DefaultTimeoutMs;
    QElapsedTimer m_sentTime;
    QTimer *m_timer = nullptr;
    bool m_awaitingResponse = false;
    bool m_portOpen = false;
    bool m_transactionComplete = false;
    int m_status = 0;
    BYTE m_responseData[ZEMP_MAX_FRAME];
    int m_responseCount = 0;
    ZempFailure m_lastFailure;
    QElapsedTimer m_lastTransaction;
};
