#include "comm/ZempHttpReply.h"
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
// stations do; with keepFirstOpen, the first connection is left open, and
// a filler is then sent after the first reply for as long as it stays open.
class ReplyServer : public QTcpServer
{
public:
    explicit ReplyServer(const QList<QByteArray> &replies, bool keepFirstOpen = false,
                         const QByteArray &filler = QByteArray())
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
                else if (!filler.isEmpty())
                    keepSending(s, filler);
            });
        });
    }
    QList<QByteArray> requests;

private:
    // Endless, but never more than a few chunks ahead of the reader.
    static void keepSending(QTcpSocket *s, const QByteArray &filler)
    {
        const auto more = [s, filler] {
            while (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < 4 * filler.size())
                s->write(filler);
        };
        connect(s, &QTcpSocket::bytesWritten, s, more);
        more();
    }
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
        QTest::newRow("name and port") << "station-7.plant:8080" << true << "station-7.plant" << 8080;
        QTest::newRow("IPv4 without port") << "192.168.0.10" << true << "192.168.0.10" << 80;
        QTest::newRow("IPv4 out of range") << "300.1.1.1" << false << "" << 0;
        QTest::newRow("IPv4 with a fifth part") << "10.0.0.1.5:80" << false << "" << 0;
        QTest::newRow("blank in a name") << "plant station" << false << "" << 0;
        QTest::newRow("no host") << ":8080" << false << "" << 0;
        QTest::newRow("port 0") << "127.0.0.1:0" << false << "" << 0;
        QTest::newRow("port above 65535") << "127.0.0.1:65536" << false << "" << 0;
        QTest::newRow("not IPv6 in brackets") << "[::g]:80" << false << "" << 0;
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

    // Stations that keep the connection open: a complete reply ends the
    // request at once, a reply past the limit fails it at once; the port
    // never holds more than the limit, and the next request gets its answer.
    void repliesOnAnOpenConnection_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("filler"); // sent after the reply, endlessly
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("data");

        const QByteArray frame = frameHex("051234ABCD");
        QTest::newRow("endless headers") << QByteArray("HTTP/1.1 200 OK\r\n")
                                         << "X-Filler: " + QByteArray(1000, 'a') + "\r\n" << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("endless body") << QByteArray("HTTP/1.1 200 OK\r\n\r\n") << QByteArray(1000, '0')
                                      << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("length past the limit") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 100000000\r\n\r\n00")
                                               << QByteArray() << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("frame, no length") << "HTTP/1.1 200 OK\r\n\r\n" + frame << QByteArray() << 0
                                          << QByteArray::fromHex("ABCD");
        QTest::newRow("frame, then more") << "HTTP/1.1 200 OK\r\n\r\n" + frame << QByteArray(1000, ' ') << 0
                                          << QByteArray::fromHex("ABCD");
        QTest::newRow("length reached") << "HTTP/1.1 200 OK\r\ncontent-length:  12\r\n\r\n" + frame + "\r\n"
                                        << QByteArray() << 0 << QByteArray::fromHex("ABCD");
        // What the simulator answers to a request it cannot read.
        QTest::newRow("bad frame") << QByteArray("HTTP/1.0 400 Bad Request\r\nContent-Length: 9\r\n\r\nBad frame")
                                   << QByteArray() << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("not hex, no length") << QByteArray("HTTP/1.1 200 OK\r\n\r\n<html>")
                                            << QByteArray() << ZEMP_ERR_CHECKSUM << QByteArray();
    }

    void repliesOnAnOpenConnection()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, filler);
        QFETCH(int, status);
        const QByteArray good = "HTTP/1.1 200 OK\r\n\r\n" + frameHex("04123402");
        ReplyServer server({reply, good}, true, filler);
        ZEMPTCPPort port(QStringLiteral("127.0.0.1:%1").arg(server.serverPort()));
        const int timeout = 20000;
        port.setTimeout(timeout);

        const Outcome first = readOn(port);
        qInfo("%s: ended in %lld ms", QTest::currentDataTag(), first.ms);
        QCOMPARE(first.status, status);
        QTEST(first.data, "data");
        QVERIFY2(first.ms < timeout / 10, qPrintable(QString::number(first.ms)));
        QVERIFY2(port.largestReplySize() <= ZempHttpReply::MaxBytes, qPrintable(QString::number(port.largestReplySize())));
        if (!filler.isEmpty() && status != 0) // the filler did reach the limit
            QVERIFY(port.largestReplySize() > ZempHttpReply::MaxBytes / 2);
        QCOMPARE(port.lastFailure().status, status);

        const Outcome second = readOn(port);
        QCOMPARE(second.status, 0);
        QCOMPARE(second.data, QByteArray::fromHex("02"));
        QCOMPARE(server.requests.size(), 2);
    }

    void replyOfAnAbandonedConnectionIgnored()
    {
        // The first reply stops short of its frame and its connection is never
        // closed, so the transaction times out (a complete frame would end it at
        // once); the next request must get its own reply, not the rest of it.
        ReplyServer server({"HTTP/1.1 200 OK\r\n\r\n" + frameHex("04123401").left(6),
                            "HTTP/1.1 200 OK\r\n\r\n" + frameHex("04123402")},
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
