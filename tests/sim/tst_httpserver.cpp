// The HTTP front of the simulator, spoken to over a real loopback socket.
#include "sim/SimTestFrames.h"

#include "SimHttpServer.h"
#include "SimStation.h"

#include <QtCore/QElapsedTimer>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <memory>

namespace {

// A literal frame: the read of the device type, as the client sends it.
const QByteArray DeviceTypeHex = "03006499";

QByteArray get(const QByteArray &hex, const QByteArray &lineEnd = "\r\n")
{
    return "GET /api/zempCommand?wrapperCmd=" + hex + lineEnd + lineEnd;
}

struct HttpReply
{
    QByteArray statusLine;
    QByteArray body;
    bool complete = false; // the head ended with an empty line
    bool closedByServer = false;
};

} // namespace

class tst_HttpServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_station.reset(SimStation::create(QStringLiteral("eim"), {}, nullptr));
        m_server.reset(new SimHttpServer(m_station.get()));
        QVERIFY2(m_server->listen(QHostAddress::LocalHost, 0), qPrintable(m_server->errorString()));
        QVERIFY(m_server->port() != 0);
    }

    void cleanup()
    {
        m_server.reset();
        m_station.reset();
    }

    void requests_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("statusLine");
        QTest::addColumn<QByteArray>("body"); // none: a refusal, whose text is never taken for a frame
        const auto answered = [](const char *name, const QList<QByteArray> &chunks,
                                 const QByteArray &body = "050064001C7B") {
            QTest::newRow(name) << chunks << QByteArray("HTTP/1.0 200 OK") << body;
        };
        const auto refused = [](const char *name, const QByteArray &request, const char *status = "400 Bad Request") {
            QTest::newRow(name) << QList<QByteArray>{request} << "HTTP/1.0 " + QByteArray(status) << QByteArray();
        };
        const QByteArray &deviceType = DeviceTypeHex;
        answered("device type", {get(deviceType)});
        answered("bare line feeds", {get(deviceType, "\n")});
        answered("with a version", {"GET /api/zempCommand?wrapperCmd=" + deviceType + " HTTP/1.0\r\nHost: x\r\n\r\n"});
        answered("lower-case hex", {get(deviceType.toLower())});
        answered("split request", {"GET /api/zemp", "Command?wrapperCmd=" + deviceType, "\r\n\r\n"});
        // No module sits behind the tunnel: an error answer, bit 7 set.
        answered("tunnelled read, error answer", {get("871000030013EA69")}, "841000422A");
        QByteArray badSum = deviceType;
        badSum[badSum.size() - 1] = badSum.back() == '0' ? '1' : '0';
        refused("other method", "POST /api/zempCommand?wrapperCmd=" + deviceType + "\r\n\r\n", "405 Method Not Allowed");
        refused("other path", get(deviceType).replace("zempCommand", "other"), "404 Not Found");
        refused("no query", "GET /api/zempCommand\r\n\r\n");
        refused("other parameter", "GET /api/zempCommand?x=1\r\n\r\n");
        refused("not hex", get("03ZZ34B7"));
        refused("odd length", get("031234B"));
        refused("empty command", get(""));
        refused("bad checksum", get(badSum));
        refused("longer than a frame", get(QByteArray(300, 'A')));
        refused("binary garbage", QByteArray("\x01\x02\xff\xfe\x00\r\n\r\n", 9));
        refused("no end of head", QByteArray(SimHttpServer::MaxRequestBytes + 10, 'G'));
    }

    void requests()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(QByteArray, body);
        const HttpReply reply = exchange(chunks);
        QVERIFY(reply.closedByServer);
        QTEST(reply.statusLine, "statusLine");
        if (body.isEmpty())
            QVERIFY(reply.body.contains(' ') || reply.body.isEmpty());
        else
            QCOMPARE(reply.body, body);
        // And the server goes on serving.
        QCOMPARE(exchange({get(DeviceTypeHex)}).body, QByteArray("050064001C7B"));
        QCOMPARE(m_server->connectionsServed(), 2);
    }

    void droppedAnswerClosesEmpty()
    {
        SimFaults faults;
        faults.setDropEvery(2);
        m_station->setFaults(faults);
        QCOMPARE(exchange({get(DeviceTypeHex)}).body, QByteArray("050064001C7B"));
        const HttpReply dropped = exchange({get(DeviceTypeHex)});
        QVERIFY(dropped.closedByServer);
        QVERIFY(dropped.statusLine.isEmpty());
        QVERIFY(!dropped.complete);
        QCOMPARE(exchange({get(DeviceTypeHex)}).body, QByteArray("050064001C7B"));
    }

    void delayedAnswer()
    {
        // The idle limit covers the request only, not a slow answer.
        m_server->setIdleTimeoutMs(50);
        SimFaults faults;
        faults.setDelayMs(150);
        m_station->setFaults(faults);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(exchange({get(DeviceTypeHex)}).body, QByteArray("050064001C7B"));
        QVERIFY2(timer.elapsed() >= 150, qPrintable(QString::number(timer.elapsed())));
    }

    void stalledClientsDoNotBlockOthersAndAreDropped()
    {
        m_server->setIdleTimeoutMs(300);
        QElapsedTimer timer;
        timer.start();
        QTcpSocket stalled;
        QSignalSpy closed(&stalled, &QTcpSocket::disconnected);
        QVERIFY(open(stalled));
        stalled.write("GET /api/zempCommand?wrapperCmd=03");
        {
            // A client that leaves halfway through its request.
            QTcpSocket quitter;
            QVERIFY(open(quitter));
            quitter.write("GET /api/zempCommand?wrapperCmd=03");
            quitter.flush();
            quitter.abort();
        }
        QCOMPARE(exchange({get(DeviceTypeHex)}).body, QByteArray("050064001C7B"));
        QCOMPARE(stalled.state(), QAbstractSocket::ConnectedState);
        QVERIFY(closed.wait(5000));
        // Coarse timers may fire up to 5% early.
        QVERIFY2(timer.elapsed() >= 285, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(stalled.readAll(), QByteArray());
        QCOMPARE(m_station->requestCount(), quint64(1));
    }

private:
    bool open(QTcpSocket &socket)
    {
        QSignalSpy connected(&socket, &QTcpSocket::connected);
        socket.connectToHost(QHostAddress::LocalHost, m_server->port());
        return connected.wait(5000);
    }

    HttpReply exchange(const QList<QByteArray> &chunks)
    {
        HttpReply reply;
        QTcpSocket socket;
        QSignalSpy closed(&socket, &QTcpSocket::disconnected);
        if (!open(socket))
            return reply;
        for (const QByteArray &chunk : chunks) {
            QSignalSpy written(&socket, &QTcpSocket::bytesWritten);
            socket.write(chunk);
            if (!written.wait(5000))
                return reply;
        }
        reply.closedByServer = closed.count() > 0 || closed.wait(5000);
        const QByteArray all = socket.readAll();
        const int headEnd = all.indexOf("\r\n\r\n");
        reply.statusLine = all.left(all.indexOf("\r\n"));
        reply.complete = headEnd >= 0;
        reply.body = headEnd >= 0 ? all.mid(headEnd + 4) : QByteArray();
        return reply;
    }

    std::unique_ptr<SimStation> m_station;
    std::unique_ptr<SimHttpServer> m_server;
};

QTEST_GUILESS_MAIN(tst_HttpServer)
#include "tst_httpserver.moc"
