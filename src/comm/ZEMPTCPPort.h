#pragma once

#include "comm/ZEMPPort.h"
#include "comm/ZempHttpReply.h"

#include <QtCore/QByteArray>
#include <QtCore/QMutex>
#include <QtCore/QString>

class QTcpSocket;
class RYXEventReceiver;

// ZEMP frames carried over TCP: each request is an HTTP GET whose query holds
// the frame in hex, on a connection of its own; the station answers with the
// response frame in hex as the body and closes. A reply ends the request as
// soon as it is complete, and one longer than ZempHttpReply::MaxBytes fails
// it (malformed) and drops the connection. The socket lives on the port's
// (GUI) thread; the connection thread hands each request over with a posted
// sendViaSocketEvent and waits in transact.
class ZEMPTCPPort : public ZEMPPort
{
    Q_OBJECT
public:
    /// The response time-out over TCP until the settings give another.
    static constexpr int DefaultTimeoutMs = 30000;

    /// \a address is "host" or "host:port"; \a defaultPort applies to the first.
    explicit ZEMPTCPPort(const QString &address, unsigned short defaultPort = 80,
                         QObject *parent = nullptr);
    ~ZEMPTCPPort() override;

    /// Splits "host[:port]" ("[v6]:port" for IPv6); false for a host that
    /// cannot exist (empty, "300.1.1.1", a blank in a name) or a port that
    /// is not a number from 1 to 65535.
    static bool parseAddress(const QString &address, unsigned short defaultPort,
                             QString *host, unsigned short *port);

    enum ReplyResult { ReplyIncomplete, ReplyMalformed, ReplyFrame };
    /// Takes the hex body after the first empty line of \a reply. Without an
    /// empty line the reply is incomplete; a body that is not an even number
    /// of hex digits, or longer than 504 of them, is malformed.
    static ReplyResult parseReply(const QByteArray &reply, QByteArray *frame);

    QString host() const { return m_host; }
    unsigned short port() const { return m_port; }
    /// "host:port".
    QString peerName() const override;
    /// Where the socket requests are posted; without one they are posted to
    /// the port itself, which must then live on a thread with an event loop.
    void setEventReceiver(RYXEventReceiver *receiver);
    QString requestText() const;
    /// The most reply bytes the port has held at once (on the port's thread).
    qsizetype largestReplySize() const { return m_largestReply; }

    bool writeFrame(BYTE *frame, int length) override;
    /// Opens the connection for the prepared request (on the port's thread).
    void sendViaSocket(const QString &host, unsigned short port);

public Q_SLOTS:
    void hostFoundSlot();
    void openedSlot();
    void closedSlot();
    void readDataPendingSlot();
    void errorSlot(int error);

Q_SIGNALS:
    void ZempError(const QString &text);
    void ZempData(const QString &text);
    void ZempDebug(const QString &text);

protected:
    bool event(QEvent *event) override;

private:
    void debugLine(const QString &text);
    /// Ends the request with \a reply: its frame, or malformed.
    void takeReply(const QByteArray &reply);

    QTcpSocket *m_socket;
    QString m_host;
    unsigned short m_port = 80;
    RYXEventReceiver *m_receiver = nullptr;
    mutable QMutex m_textMutex; // request text is written by the waiting thread
    QString m_request;
    ZempHttpReply m_reply;
    bool m_replyTaken = false; // the current request has had its answer
    qsizetype m_largestReply = 0;
};
