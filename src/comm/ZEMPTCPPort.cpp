#include "comm/ZEMPTCPPort.h"

#include "comm/CommLog.h"
#include "comm/sendViaSocketEvent.h"
#include "core/HappensBefore.h"
#include "model/RYXEventReceiver.h"

#include <QtCore/QMutexLocker>
#include <QtCore/QRegularExpression>
#include <QtNetwork/QHostAddress>
#include <QtNetwork/QTcpSocket>

namespace {

constexpr int kMaxBodyDigits = 504; // the largest reply the conversion takes

// A host that could exist: an IPv6 address where a colon says so, an IPv4
// address where only digits and dots are given ("300.1.1.1" is none), or
// else a name of letters, digits, hyphens and underscores between dots.
bool isPossibleHost(const QString &host)
{
    static const QRegularExpression numeric(QStringLiteral("^[0-9.]+$"));
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_-]*[A-Za-z0-9_])?(\\.[A-Za-z0-9_]([A-Za-z0-9_-]*[A-Za-z0-9_])?)*\\.?$"));
    const QHostAddress address(host);
    if (host.contains(QLatin1Char(':')))
        return address.protocol() == QAbstractSocket::IPv6Protocol;
    if (numeric.match(host).hasMatch())
        return address.protocol() == QAbstractSocket::IPv4Protocol;
    return host.size() <= 253 && name.match(host).hasMatch();
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

} // namespace

ZEMPTCPPort::ZEMPTCPPort(const QString &address, unsigned short defaultPort, QObject *parent)
    : ZEMPPort(parent), m_socket(new QTcpSocket(this))
{
    if (!parseAddress(address, defaultPort, &m_host, &m_port)) {
        qCWarning(lcComm) << "ZEMPTCPPort - not a usable address:" << address;
        m_host = address.trimmed();
        m_port = defaultPort;
    }
    setTimeout(DefaultTimeoutMs);
    // Qt's own buffer stays within the reply limit too.
    m_socket->setReadBufferSize(ZempHttpReply::MaxBytes);
    connect(m_socket, &QTcpSocket::hostFound, this, &ZEMPTCPPort::hostFoundSlot);
    connect(m_socket, &QTcpSocket::connected, this, &ZEMPTCPPort::openedSlot);
    connect(m_socket, &QTcpSocket::disconnected, this, &ZEMPTCPPort::closedSlot);
    connect(m_socket, &QTcpSocket::readyRead, this, &ZEMPTCPPort::readDataPendingSlot);
    connect(m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError e) { errorSlot(int(e)); });
}

ZEMPTCPPort::~ZEMPTCPPort()
{
    m_socket->abort();
}

bool ZEMPTCPPort::parseAddress(const QString &address, unsigned short defaultPort,
                               QString *host, unsigned short *port)
{
    const QString text = address.trimmed();
    QString hostPart = text;
    QString portPart;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        hostPart = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':')))
                return false;
            portPart = rest.mid(1);
        }
    } else if (text.count(QLatin1Char(':')) == 1) {
        hostPart = text.section(QLatin1Char(':'), 0, 0);
        portPart = text.section(QLatin1Char(':'), 1);
    }
    unsigned number = defaultPort;
    if (!portPart.isNull()) {
        bool ok = false;
        number = portPart.toUInt(&ok);
        if (!ok || number == 0 || number > 65535)
            return false;
    }
    if (!isPossibleHost(hostPart))
        return false;
    *host = hostPart;
    *port = (unsigned short)number;
    return true;
}

ZEMPTCPPort::ReplyResult ZEMPTCPPort::parseReply(const QByteArray &reply, QByteArray *frame)
{
    frame->clear();
    const int start = ZempHttpReply::bodyStart(reply);
    if (start < 0)
        return ReplyIncomplete;
    const QByteArray body = reply.mid(start).trimmed();
    if (body.size() % 2 != 0 || body.size() > kMaxBodyDigits)
        return ReplyMalformed;
    for (char c : body) {
        if (!isHexDigit(c))
            return ReplyMalformed;
    }
    *frame = QByteArray::fromHex(body);
    return ReplyFrame;
}

void ZEMPTCPPort::setEventReceiver(RYXEventReceiver *receiver)
{
    m_receiver = receiver;
}

QString ZEMPTCPPort::requestText() const
{
    QMutexLocker lock(&m_textMutex);
    return m_request;
}

bool ZEMPTCPPort::writeFrame(BYTE *frame, int length)
{
    const int count = qMin(length, (frame[0] & 0x7F) + 1);
    {
        QMutexLocker lock(&m_textMutex);
        m_request = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char *>(frame), count).toHex().toUpper());
    }
    QObject *target = m_receiver ? m_receiver->eventTarget() : this;
    QAsyncCustomEvent::post(target, new sendViaSocketEvent(this, m_host, m_port));
    return true;
}

bool ZEMPTCPPort::event(QEvent *e)
{
    HappensBefore::acquire(e); // before its type is read: it may be ours
    if (int(e->type()) == QAsyncCustomEvent::Type) {
        static_cast<QAsyncCustomEvent *>(e)->execute(m_receiver);
        return true;
    }
    return ZEMPPort::event(e);
}

void ZEMPTCPPort::sendViaSocket(const QString &host, unsigned short port)
{
    // A connection left over from an earlier request must not deliver its
    // reply to this one: its close, reported by the abort, is ignored.
    m_replyTaken = true;
    m_socket->abort();
    m_reply.clear();
    m_replyTaken = false;
    m_socket->connectToHost(host, port);
}

void ZEMPTCPPort::hostFoundSlot()
{
}

void ZEMPTCPPort::openedSlot()
{
    const QByteArray request = "GET /api/zempCommand?wrapperCmd=" + requestText().toLatin1() + "\r\n\r\n";
    if (m_socket->write(request) != request.size())
        Q_EMIT ZempError(QStringLiteral("ZEMP/TCP - Error, Socket Write Failed"));
}

void ZEMPTCPPort::readDataPendingSlot()
{
    if (m_replyTaken || !m_socket->isReadable())
        return;
    const ZempHttpReply::State state = m_reply.readFrom(*m_socket);
    m_largestReply = qMax(m_largestReply, m_reply.size());
    if (state == ZempHttpReply::Incomplete)
        return;
    // Whatever else the station sends belongs to no request.
    m_replyTaken = true;
    if (state == ZempHttpReply::Complete)
        takeReply(m_reply.reply());
    else
        failWith(ZEMP_ERR_CHECKSUM, tr("reply longer than %1 bytes").arg(ZempHttpReply::MaxBytes));
    m_reply.clear();
    m_socket->abort();
}

void ZEMPTCPPort::closedSlot()
{
    readDataPendingSlot();
    if (m_replyTaken || m_reply.isEmpty())
        return; // an empty reply ends by time-out
    m_replyTaken = true;
    takeReply(m_reply.reply());
    m_reply.clear();
}

void ZEMPTCPPort::takeReply(const QByteArray &reply)
{
    QByteArray frame;
    const ReplyResult result = parseReply(reply, &frame);
    if (result == ReplyIncomplete)
        return;
    if (result == ReplyMalformed) {
        failWith(ZEMP_ERR_CHECKSUM, tr("malformed reply"));
        return;
    }
    processBytesSlot(reinterpret_cast<BYTE *>(frame.data()), int(frame.size()));
}

QString ZEMPTCPPort::peerName() const
{
    return m_host + QLatin1Char(':') + QString::number(m_port);
}

void ZEMPTCPPort::errorSlot(int error)
{
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        return; // the station closes every connection after its reply
    // Nothing will answer: the request ends now with the time-out status
    // instead of after the full time-out (three attempts would take 90 s).
    case QAbstractSocket::ConnectionRefusedError:
        debugLine(QStringLiteral("ZEMP/TCP - QSocket: Error, Connection Refused"));
        failWith(ZEMP_ERR_TIMEOUT, ZempFailure::connectionRefused());
        return;
    case QAbstractSocket::HostNotFoundError:
        debugLine(QStringLiteral("ZEMP/TCP - QSocket: Error, Host Not Found"));
        failWith(ZEMP_ERR_TIMEOUT, tr("host not found"));
        return;
    case QAbstractSocket::NetworkError:
        debugLine(QStringLiteral("ZEMP/TCP - QSocket: Error, Socket Read Failed"));
        return;
    default:
        debugLine(QStringLiteral("ZEMP/TCP - QSocket Error, Unidentified"));
        return;
    }
}

void ZEMPTCPPort::debugLine(const QString &text)
{
    qCDebug(lcComm).noquote() << text;
    Q_EMIT ZempDebug(text);
}
