#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtNetwork/QHostAddress>

class QTcpServer;
class QTcpSocket;
class SimStation;

// Serves a station over HTTP: one request per connection,
// "GET /api/zempCommand?wrapperCmd=<HEX>" and a blank line; the answer is a
// status line, headers, a blank line and the response frame in upper-case
// hex, after which the connection is closed.
class SimHttpServer : public QObject
{
    Q_OBJECT
public:
    /// Longest request head accepted before the connection is refused.
    static constexpr int MaxRequestBytes = 4096;
    /// A client that sends no complete request within this time is dropped
    /// (the answer itself may take longer, see --delay-ms).
    static constexpr int DefaultIdleTimeoutMs = 10000;

    explicit SimHttpServer(SimStation *station, QObject *parent = nullptr);
    ~SimHttpServer() override;

    /// Port 0 picks a free port; see port().
    bool listen(const QHostAddress &address = QHostAddress::LocalHost, quint16 port = 0);
    void close();
    bool isListening() const;
    quint16 port() const;
    QHostAddress address() const;
    QString errorString() const;

    int idleTimeoutMs() const { return m_idleTimeoutMs; }
    void setIdleTimeoutMs(int ms) { m_idleTimeoutMs = ms; }

    /// Connections answered so far (with any status).
    int connectionsServed() const { return m_served; }

    /// The frame named by a request line, or an HTTP status (400, 404, 405)
    /// for a request that is not a valid ZEMP command. Exposed for tests.
    static int parseRequestLine(const QByteArray &line, QByteArray &frame);

Q_SIGNALS:
    void requestServed(int httpStatus);

private:
    void acceptConnections();
    void readRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const QByteArray &head);
    void respond(QTcpSocket *socket, int status, const QByteArray &body);

    QPointer<SimStation> m_station;
    QTcpServer *m_server;
    int m_served = 0;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
};
