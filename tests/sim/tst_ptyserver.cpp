// The pseudo-terminal front of the simulator, driven by a peer on the slave
// side as a serial client would be.
#include "sim/SimTestFrames.h"

#include "SimCatalog.h"
#include "SimFrame.h"
#include "SimOptions.h"
#include "SimPtyServer.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtSerialPort/QSerialPort>
#include <QtTest/QtTest>

#include <memory>

namespace {

// Literal frames: the line format as the client reads it, byte for byte.
const QByteArray DeviceTypeRequest = QByteArray::fromHex("03006499");
const QByteArray DeviceTypeAnswer = QByteArray::fromHex("050064001C7B");

// The client side: the slave end of the pty, opened as a serial port.
class PtyPeer : public QSerialPort
{
public:
    explicit PtyPeer(const QString &path) : QSerialPort(path) { open(QIODevice::ReadWrite); }
    bool send(const QByteArray &bytes) { return write(bytes) == bytes.size() && waitForBytesWritten(1000); }
    /// Reads until one whole frame (by its length byte) has come or the line
    /// stayed quiet for \a quietMs.
    QByteArray readFrame(int quietMs)
    {
        QByteArray got = readAll();
        while ((got.isEmpty() || got.size() < SimFrame::sizeAnnouncedBy(got.at(0))) && waitForReadyRead(quietMs))
            got += readAll();
        return got;
    }
    /// Reads whatever arrives until the line stays quiet for \a quietMs.
    QByteArray drain(int quietMs)
    {
        QByteArray got = readAll();
        while (waitForReadyRead(quietMs))
            got += readAll();
        return got;
    }
};

std::unique_ptr<SimThread> startStation(int baud = 0)
{
    SimOptions options;
    options.ptyEnabled = true;
    options.baud = baud;
    SimCatalog::parseModuleList(QStringLiteral("TI4"), options.modules, nullptr); // module 1 behind tunnel 0x1000
    std::unique_ptr<SimThread> thread(new SimThread(options));
    if (!thread->startServing())
        qFatal("station: %s", qPrintable(thread->errorString()));
    return thread;
}

} // namespace

class tst_PtyServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linkFollowsTheServer()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyRYX"));
        QVERIFY(QFile::link(QStringLiteral("/nonexistent"), link)); // a stale link is replaced
        {
            SimPtyServer server(nullptr);
            QVERIFY2(server.open(link), qPrintable(server.errorString()));
            QCOMPARE(QFileInfo(link).symLinkTarget(), server.slavePath());
        }
        QVERIFY(!QFileInfo(link).isSymLink());
    }

    void linkNeverReplacesAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("precious"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        {
            SimPtyServer server(nullptr);
            QVERIFY(!server.open(path));
            QVERIFY(server.errorString().contains(path));
            QVERIFY(!server.isOpen());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }

    void exchanges_data()
    {
        // Per step: the bytes sent (none: the line stays quiet for three frame
        // gaps) and the answer expected (none: nothing comes).
        QTest::addColumn<QList<QByteArray>>("sends");
        QTest::addColumn<QList<QByteArray>>("answers");
        QTest::addColumn<int>("baud");
        QTest::addColumn<quint64>("requests");
        const QByteArray request = DeviceTypeRequest, answer = DeviceTypeAnswer, none;
        QByteArray badSum = request;
        badSum[3] = char(badSum.at(3) ^ 0x10);
        QTest::newRow("whole frame") << QList{request} << QList{answer} << 0 << quint64(1);
        // One request, one answer, both written out: any fault in the
        // station's checksum, length byte, bit 7 or tunnel framing shows.
        const auto literal = [](const char *name, const char *sent, const char *answered) {
            QTest::newRow(name) << QList{QByteArray::fromHex(sent)} << QList{QByteArray::fromHex(answered)}
                                << 0 << quint64(1);
        };
        literal("write sets bit 7, its answer has no data", "84 01 01 05 75", "03 01 01 FB");
        literal("error answer sets bit 7 and carries the code", "03 12 34 B7", "84 12 34 02 34");
        literal("tunnelled read answers with the inner frame", "87 10 00 03 00 13 EA 69",
                "08 10 00 04 00 13 02 E7 E8");
        literal("tunnelled write of a full text field", "8F 10 00 8B 01 0E 41 42 43 44 45 46 47 48 42 61",
                "07 10 00 03 01 0E EE E9");
        literal("inner error inside a successful answer", "87 10 00 03 09 99 5B 69",
                "08 10 00 84 09 99 02 D8 E8");
        // Inner frames whose bytes add up to zero but whose length byte is wrong.
        literal("inner length byte one too long", "87 10 00 04 00 13 E9 69", "84 10 00 05 67");
        literal("inner length byte one too short", "88 10 00 03 00 13 EA 00 68", "84 10 00 05 67");
        QTest::newRow("paced to 1200 baud") << QList{request} << QList{answer} << 1200 << quint64(1);
        QTest::newRow("split frame") << QList{request.left(2), request.mid(2)} << QList{none, answer} << 0 << quint64(1);
        QTest::newRow("bytes that cannot start a frame are skipped")
            << QList{QByteArray("\x00\x01\x02", 3) + request} << QList{answer} << 0 << quint64(1);
        QTest::newRow("bad checksum gets no answer, the next frame does")
            << QList{badSum, request} << QList{none, answer} << 0 << quint64(2);
        QTest::newRow("checksum one off gets no answer")
            << QList{QByteArray::fromHex("0300649A"), request} << QList{none, answer} << 0 << quint64(2);
        QTest::newRow("partial frame discarded after silence")
            << QList{QByteArray("\x03\x00", 2), none, request} << QList{none, none, answer} << 0 << quint64(1);
    }

    void exchanges()
    {
        QFETCH(QList<QByteArray>, sends);
        QFETCH(QList<QByteArray>, answers);
        QFETCH(int, baud);
        QFETCH(quint64, requests);
        auto station = startStation(baud);
        PtyPeer peer(station->slavePath());
        QVERIFY(peer.isOpen());
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < sends.size(); ++i) {
            if (!sends[i].isEmpty())
                QVERIFY(peer.send(sends[i]));
            const int wait = !answers[i].isEmpty() ? 2000 : sends[i].isEmpty() ? SimPtyServer::FrameGapMs * 3 : 30;
            QCOMPARE(peer.readFrame(wait).toHex(' '), answers[i].toHex(' '));
        }
        if (!answers.contains(QByteArray())) { // the bytes take their time on the wire, and little more
            const qint64 elapsedUs = timer.nsecsElapsed() / 1000;
            const qint64 wireUs = SimPtyServer::wireTimeUs(int(sends.join().size() + answers.join().size()), baud);
            QVERIFY2(elapsedUs >= wireUs && elapsedUs < wireUs + 100000, qPrintable(QString::number(elapsedUs)));
        }
        QTRY_COMPARE(station->station()->requestCount(), requests);
        QCOMPARE(peer.drain(100), QByteArray()); // no late answer either
    }

    void survivesRandomBytes()
    {
        auto station = startStation();
        PtyPeer peer(station->slavePath());
        QRandomGenerator random(77);
        for (int chunk = 0; chunk < 200; ++chunk) {
            QByteArray bytes(random.bounded(1, 64), '\0');
            for (char &c : bytes)
                c = char(random.bounded(256));
            QVERIFY(peer.send(bytes));
            peer.drain(0); // whatever happened to form a frame may be answered
        }
        // Once the line has been quiet for a frame gap, the station is in step again.
        peer.drain(SimPtyServer::FrameGapMs * 3);
        QVERIFY(peer.send(DeviceTypeRequest));
        QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(tst_PtyServer)
#include "tst_ptyserver.moc"
