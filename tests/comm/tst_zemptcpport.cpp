#include "comm/ZEMPTCPPort.h"
#include "support/RunOnWorker.h"

#include <QtCore/QElapsedTimer>
#include <QtNetwork/QTcpServer>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

namespace {

// A station stand-in on loopback: answers request n with replies[n] (any
// later request with the last one) and closes the connection, as the
// stations do; with keepFirstOpen, the first connection is left open.
class ReplyServer : public QTcpServer
{
public:
    explicit ReplyServer(const QList<QByteArray> &replies, bool keepFirstOpen = false)
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [=] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [=] {
                const QByteArray request = s->property("request").toByteArray() + s->readAll();
                s->setProperty("request", request);
                if (!request.endsWith("\r\n\r\n"))
                    return;
                requests << request;
                s->write(replies.value(requests.size() - 1, replies.last()));
                if (!keepFirstOpen || requests.size() > 1)
                    s->disconnectFromHost();
            });
        });
    }
    QList<QByteArray> requests;
};

struct Outcome
{
    int status = -99;
    QByteArray data;
    qint64 ms = 0;
};

// One read of 0x1234 on a worker thread while this thread serves the socket.
Outcome readOn(ZEMPTCPPort &port)
{
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    outcome.status = runOnWorker([&] {
        BYTE buffer[ZEMP_MAX_FRAME];
        int count = 0;
        const int status = port.readCommand(0x1234, &count, buffer);
        outcome.data = QByteArray(reinterpret_cast<char *>(buffer), count);
        return status;
    });
    outcome.ms = clock.elapsed();
    return outcome;
}

QByteArray frameHex(const char *withoutChecksum)
{
    QByteArray f = QByteArray::fromHex(withoutChecksum);
    f += char(ZEMPPort::frameChecksum(reinterpret_cast<const BYTE *>(f.constData()), int(f.size())));
    return f.toHex();
}

} // namespace

class tst_ZEMPTCPPort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("expectedHost");
        QTest::addColumn<int>("expectedPort");
        QTest::newRow("IPv6 with port") << "[::1]:9000" << true << "::1" << 9000;
        QTest::newRow("port not a number") << "host:http" << false << "" << 0;
    }

    void addresses()
    {
        QFETCH(QString, address);
        QString host;
        unsigned short port = 0;
        QTEST(ZEMPTCPPort::parseAddress(address, 80, &host, &port), "valid");
        QTEST(host, "expectedHost");
        QTEST(int(port), "expectedPort");
    }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("data");

        const QByteArray value = frameHex("051234ABCD").toUpper();
        QTest::newRow("bare line feeds") << QByteArray("HTTP/1.0 200 OK\nContent-Type: text/plain\n\n031234B7\n") << 0 << QByteArray();
        QTest::newRow("CR LF and blanks around the body") << "HTTP/1.1 200 OK\r\nServer: s\r\n\r\n \t" + value + " \r\n" << 0 << QByteArray::fromHex("ABCD");
        QTest::newRow("lower-case hex") << "HTTP/1.1 200 OK\r\n\r\n" + value.toLower() << 0 << QByteArray::fromHex("ABCD");
        QTest::newRow("device error") << "HTTP/1.1 200 OK\r\n\r\n" + frameHex("84123442") << 66 << QByteArray();
        QTest::newRow("blank between pairs") << QByteArray("HTTP/1.1 200 OK\r\n\r\n03 12 34 B7") << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("odd length") << QByteArray("HTTP/1.1 200 OK\r\n\r\n031234B") << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("letters beyond F") << QByteArray("HTTP/1.1 200 OK\r\n\r\n03123GB7") << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("over 504 digits") << "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(506, '0') << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("wrong checksum") << QByteArray("HTTP/1.1 200 OK\r\n\r\n031234B8") << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("no blank line") << QByteArray("HTTP/1.1 200 OK\r\n031234B7\r\n") << ZEMP_ERR_TIMEOUT << QByteArray();
        QTest::newRow("empty reply") << QByteArray() << ZEMP_ERR_TIMEOUT << QByteArray();
        QTest::newRow("frame cut short") << QByteArray("HTTP/1.1 200 OK\r\n\r\n051234AB") << ZEMP_ERR_TIMEOUT << QByteArray();
    }

    void replies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, status);
        ReplyServer server({reply});
        ZEMPTCPPort port(QStringLiteral("127.0.0.1:%1").arg(server.serverPort()));
        port.setTimeout(400);
        const Outcome outcome = readOn(port);
        QCOMPARE(outcome.status, status);
        QTEST(outcome.data, "data");
        QCOMPARE(server.requests, QList<QByteArray>{"GET /api/zempCommand?wrapperCmd=031234B7\r\n\r\n"});
        if (status != ZEMP_ERR_TIMEOUT)
            QVERIFY2(outcome.ms < 300, "a complete reply ends the transaction at once");
    }

    void connectionRefused()
    {
        quint16 closedPort;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        ZEMPTCPPort port(QStringLiteral("127.0.0.1:%1").arg(closedPort));
        // A refusal ends the request at once, long before this time-out.
        port.setTimeout(20000);
        QSignalSpy debug(&port, &ZEMPTCPPort::ZempDebug);
        const Outcome outcome = readOn(port);
        QCOMPARE(outcome.status, ZEMP_ERR_TIMEOUT);
        QVERIFY2(outcome.ms < 10000, qPrintable(QString::number(outcome.ms)));
        QCOMPARE(debug.size(), 1);
        QCOMPARE(debug[0][0].toString(), QStringLiteral("ZEMP/TCP - QSocket: Error, Connection Refused"));
    }

    void replyOfAnAbandonedConnectionIgnored()
    {
        // The first reply is complete but its connection is never closed, so the
        // transaction times out; the next request must get its own reply.
        ReplyServer server({"HTTP/1.1 200 OK\r\n\r\n" + frameHex("04123401"), "HTTP/1.1 200 OK\r\n\r\n" + frameHex("04123402")},
                           true);
        ZEMPTCPPort port(QStringLiteral("127.0.0.1:%1").arg(server.serverPort()));
        port.setTimeout(300);
        QCOMPARE(readOn(port).status, ZEMP_ERR_TIMEOUT);
        const Outcome second = readOn(port);
        QCOMPARE(second.status, 0);
        QCOMPARE(second.data, QByteArray::fromHex("02"));
    }
};

QTEST_GUILESS_MAIN(tst_ZEMPTCPPort)
#include "tst_zemptcpport.moc"
