#include "SimHttpServer.h"

#include "SimFrame.h"
#include "SimStation.h"

#include <QtCore/QTimer>
#include <QtCore/QVariant>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>

#include <cctype>

namespace {

const char RequestProperty[] = "ryxsimRequest";
const char AnsweredProperty[] = "ryxsimAnswered";
const char IdleTimerName[] = "ryxsimIdle";

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    default:
        return "Bad Request";
    }
}

bool isHexText(const QByteArray &text)
{
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// End of the request head: the first empty line, with or without CRs.
int headEnd(const QByteArray &buffer)
{
    const int crlf = buffer.indexOf("\r\n\r\n");
    const int lf = buffer.indexOf("\n\n");
    if (crlf < 0)
        return lf;
    return lf < 0 ? crlf : qMin(crlf, lf);
}

} // namespace

SimHttpServer::SimHttpServer(SimStation *station, QObject *parent)
    : QObject(parent), m_station(station), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &SimHttpServer::acceptConnections);
}

SimHttpServer::~SimHttpServer() = default;

bool SimHttpServer::listen(const QHostAddress &address, quint16 port)
{
    return m_server->listen(address, port);
}

void SimHttpServer::close()
{
    m_server->close();
}

bool SimHttpServer::isListening() const
{
    return m_server->isListening();
}

quint16 SimHttpServer::port() const
{
    return m_server->serverPort();
}

QHostAddress SimHttpServer::address() const
{
    return m_server->serverAddress();
}

QString SimHttpServer::errorString() const
{
    return m_server->errorString();
}

int SimHttpServer::parseRequestLine(const QByteArray &line, QByteArray &frame)
{
    const QList<QByteArray> parts = line.simplified().split(' ');
    if (parts.size() < 2 || parts.size() > 3)
        return 400;
    if (parts.at(0) != "GET")
        return 405;
    const QByteArray &target = parts.at(1);
    const int question = target.indexOf('?');
    if ((question < 0 ? target : target.left(question)) != "/api/zempCommand")
        return 404;
    if (question < 0)
        return 400;
    const QByteArray key = "wrapperCmd=";
    for (const QByteArray &item : target.mid(question + 1).split('&')) {
        if (!item.startsWith(key))
            continue;
        const QByteArray hex = item.mid(key.size());
        if (hex.isEmpty() || hex.size() % 2 || hex.size() > 2 * SimFrame::MaxSize || !isHexText(hex))
            return 400;
        frame = QByteArray::fromHex(hex);
        return 200;
    }
    return 400;
}

void SimHttpServer::acceptConnections()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        auto *idle = new QTimer(socket);
        idle->setObjectName(QLatin1String(IdleTimerName));
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
        idle->start(m_idleTimeoutMs);
        readRequest(socket);
    }
}

void SimHttpServer::readRequest(QTcpSocket *socket)
{
    // One request per connection: anything after it is ignored.
    if (socket->property(AnsweredProperty).toBool()) {
        socket->readAll();
        return;
    }
    QByteArray buffer = socket->property(RequestProperty).toByteArray() + socket->readAll();
    const int end = headEnd(buffer);
    if (end < 0 && buffer.size() <= MaxRequestBytes) {
        socket->setProperty(RequestProperty, buffer);
        return;
    }
    socket->setProperty(RequestProperty, QVariant());
    socket->setProperty(AnsweredProperty, true);
    // The request is in: a delayed answer may take longer than the idle limit.
    if (auto *idle = socket->findChild<QTimer *>(QLatin1String(IdleTimerName)))
        idle->stop();
    if (end < 0 || end > MaxRequestBytes) {
        respond(socket, 400, "Request too long");
        return;
    }
    answer(socket, buffer.left(end));
}

void SimHttpServer::answer(QTcpSocket *socket, const QByteArray &head)
{
    QByteArray frame;
    const int lineEnd = head.indexOf('\n');
    const int status = parseRequestLine(lineEnd < 0 ? head : head.left(lineEnd), frame);
    if (status != 200 || !m_station) {
        respond(socket, status == 200 ? 400 : status, reasonPhrase(status));
        return;
    }
    const SimReply reply = m_station->handleRequest(frame);
    if (reply.outcome == SimReply::Invalid) {
        respond(socket, 400, "Bad frame");
        return;
    }
    if (reply.outcome == SimReply::NoAnswer) {
        // A lost answer: the connection closes without a reply.
        ++m_served;
        socket->disconnectFromHost();
        emit requestServed(0);
        return;
    }
    const QByteArray body = reply.frame.toHex().toUpper();
    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, socket, [this, socket, body] { respond(socket, 200, body); });
    else
        respond(socket, 200, body);
}

void SimHttpServer::respond(QTcpSocket *socket, int status, const QByteArray &body)
{
    QByteArray message = "HTTP/1.0 " + QByteArray::number(status) + ' ' + reasonPhrase(status)
                         + "\r\nContent-Type: text/plain\r\nContent-Length: "
                         + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    socket->write(message);
    socket->disconnectFromHost();
    ++m_served;
    emit requestServed(status);
}
