// The HTTP front of the simulator, spoken to over a real loopback socket.
#include "SimCatalog.h"
#include "SimHttpServer.h"
#include "SimStation.h"

#include "sim/SimTestFrames.h"

#include <QtCore/QElapsedTimer>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <memory>

namespace {

QByteArray frameHex(bool write, quint16 address, const QByteArray &data = {})
{
    return SimTestFrames::frame(write, address, data).toHex().toUpper();
}

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
        QVector<quint8> modules;
        QVERIFY(SimCatalog::parseModuleList(QStringLiteral("TI4,RO8"), modules, nullptr));
        m_station.reset(SimStation::create(QStringLiteral("eim"), modules, nullptr));
        m_server.reset(new SimHttpServer(m_station.get()));
        QVERIFY2(m_server->listen(QHostAddress::LocalHost, 0), qPrintable(m_server->errorString()));
        QVERIFY(m_server->port() != 0);
    }

    void cleanup()
    {
        m_server.reset();
        m_station.reset();
    }

    void answersFrames_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<QByteArray>("body");
        const QByteArray deviceType = frameHex(false, 0x64);
        QTest::newRow("device type") << QList<QByteArray>{get(deviceType)} << QByteArray("050064001C7B");
        QTest::newRow("bare line feeds") << QList<QByteArray>{get(deviceType, "\n")} << QByteArray("050064001C7B");
        QTest::newRow("with a version") << QList<QByteArray>{
            "GET /api/zempCommand?wrapperCmd=" + deviceType + " HTTP/1.0\r\nHost: x\r\n\r\n"}
                                        << QByteArray("050064001C7B");
        QTest::newRow("lower-case hex") << QList<QByteArray>{get(deviceType.toLower())} << QByteArray("050064001C7B");
        QTest::newRow("split request") << QList<QByteArray>{"GET /api/zemp", "Command?wrapperCmd=" + deviceType, "\r\n\r\n"}
                                       << QByteArray("050064001C7B");
        QTest::newRow("unknown point") << QList<QByteArray>{get(frameHex(false, 0x1234))} << QByteArray("8412340234");
        QTest::newRow("tunnelled module type")
            << QList<QByteArray>{get(frameHex(true, 0x1004, QByteArray::fromHex(frameHex(false, 0x13))))}
            // The answer wraps the module's own response frame 04 00 13 66 83.
            << frameHex(false, 0x1004, QByteArray::fromHex("0400136683"));
    }

    void answersFrames()
    {
        QFETCH(QList<QByteArray>, chunks);
        const HttpReply reply = exchange(chunks);
        QVERIFY(reply.closedByServer);
        QCOMPARE(reply.statusLine, QByteArray("HTTP/1.0 200 OK"));
        QVERIFY(reply.complete);
        QTEST(reply.body, "body");
    }

    void malformedRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("statusLine");
        const QByteArray deviceType = frameHex(false, 0x64);
        QByteArray badSum = deviceType;
        badSum[badSum.size() - 1] = badSum.back() == '0' ? '1' : '0';
        QTest::newRow("other method") << "POST /api/zempCommand?wrapperCmd=" + deviceType + "\r\n\r\n"
                                      << QByteArray("HTTP/1.0 405 Method Not Allowed");
        QTest::newRow("other path") << get(deviceType).replace("zempCommand", "other")
                                    << QByteArray("HTTP/1.0 404 Not Found");
        QTest::newRow("no query") << QByteArray("GET /api/zempCommand\r\n\r\n") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("other parameter") << QByteArray("GET /api/zempCommand?x=1\r\n\r\n")
                                         << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("not hex") << get("03ZZ34B7") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("odd length") << get("031234B") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("empty command") << get("") << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("bad checksum") << get(badSum) << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("longer than a frame") << get(QByteArray(300, 'A')) << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("binary garbage") << QByteArray("\x01\x02\xff\xfe\x00\r\n\r\n", 9)
                                        << QByteArray("HTTP/1.0 400 Bad Request");
        QTest::newRow("no end of head") << QByteArray(SimHttpServer::MaxRequestBytes + 10, 'G')
                                        << QByteArray("HTTP/1.0 400 Bad Request");
    }

    void malformedRequests()
    {
        QFETCH(QByteArray, request);
        const HttpReply bad = exchange({request});
        QVERIFY(bad.closedByServer);
        QTEST(bad.statusLine, "statusLine");
        // The body of a refusal is never taken for a frame: it holds a blank.
        QVERIFY(bad.body.contains(' ') || bad.body.isEmpty());
        // And the server goes on serving.
        const HttpReply good = exchange({get(frameHex(false, 0x64))});
        QCOMPARE(good.body, QByteArray("050064001C7B"));
        QCOMPARE(m_server->connectionsServed(), 2);
    }

    void droppedAnswerClosesEmpty()
    {
        SimFaults faults;
        faults.setDropEvery(2);
        m_station->setFaults(faults);
        QCOMPARE(exchange({get(frameHex(false, 0x64))}).body, QByteArray("050064001C7B"));
        const HttpReply dropped = exchange({get(frameHex(false, 0x64))});
        QVERIFY(dropped.closedByServer);
        QVERIFY(dropped.statusLine.isEmpty());
        QVERIFY(!dropped.complete);
        QCOMPARE(exchange({get(frameHex(false, 0x64))}).body, QByteArray("050064001C7B"));
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
        QCOMPARE(exchange({get(frameHex(false, 0x64))}).body, QByteArray("050064001C7B"));
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
        QCOMPARE(exchange({get(frameHex(false, 0x64))}).body, QByteArray("050064001C7B"));
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
