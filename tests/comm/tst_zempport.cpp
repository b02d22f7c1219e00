#include "ScriptedPort.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

namespace {

QByteArray bytes(const char *hex) { return QByteArray::fromHex(hex); }

QByteArray withChecksum(const QByteArray &frame) { return ScriptedPort::withChecksum(frame); }

QList<QByteArray> splitEvery(const QByteArray &data, int size)
{
    QList<QByteArray> chunks;
    for (int i = 0; i < data.size(); i += size)
        chunks << data.mid(i, size);
    return chunks;
}

} // namespace

class tst_ZEMPPort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildFrame_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("largest payload") << QByteArray(ZEMP_MAX_DATA, '\x01')
                                         << withChecksum(bytes("FFFFFF") + QByteArray(ZEMP_MAX_DATA, '\x01'));
        QTest::newRow("payload too long") << QByteArray(ZEMP_MAX_DATA + 1, '\x01') << QByteArray();
    }

    void buildFrame()
    {
        QFETCH(QByteArray, data);
        BYTE out[ZEMP_MAX_FRAME + 8];
        const int length = ZEMPPort::buildFrame(ZEMP_WRITE, 0xFFFF, int(data.size()),
                                                reinterpret_cast<const BYTE *>(data.constData()), out);
        QTEST(QByteArray(reinterpret_cast<char *>(out), length), "frame");
        if (length > 0)
            QCOMPARE(ZEMPPort::frameChecksum(out, length), BYTE(0)); // whole frame sums to zero
    }

    void response_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("signalAddress");

        const QByteArray value = withChecksum(bytes("051234ABCD"));
        QTest::newRow("value in one chunk") << QList<QByteArray>{value} << 0 << bytes("ABCD") << 0x1234;
        QTest::newRow("value byte by byte") << splitEvery(value, 1) << 0 << bytes("ABCD") << 0x1234;
        QTest::newRow("no data") << QList<QByteArray>{bytes("031234B7")} << 0 << QByteArray() << 0x1234;
        QTest::newRow("device error 66") << QList<QByteArray>{withChecksum(bytes("84123442"))} << 66 << QByteArray() << 0;
        QTest::newRow("device error with data after the code")
            << QList<QByteArray>{withChecksum(bytes("86123407AABB"))} << 7 << QByteArray() << 0;
        QTest::newRow("checksum failure") << QList<QByteArray>{bytes("051234ABCD00")} << ZEMP_ERR_CHECKSUM << QByteArray() << 0;
        QTest::newRow("first byte zero ends at once") << QList<QByteArray>{bytes("00000000")} << ZEMP_ERR_TIMEOUT << QByteArray() << 0x1234;
        QTest::newRow("more bytes than announced") << QList<QByteArray>{value + bytes("00")} << ZEMP_ERR_TIMEOUT << QByteArray() << 0x1234;
        QTest::newRow("incomplete frame") << QList<QByteArray>{value.left(5)} << ZEMP_ERR_TIMEOUT << QByteArray() << 0x1234;
        QTest::newRow("flood beyond the receive buffer") << QList<QByteArray>{QByteArray(300, '\x05'), QByteArray(300, '\x05')}
                                                         << ZEMP_ERR_TIMEOUT << QByteArray() << 0x1234;
    }

    void response()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, status);
        QFETCH(QByteArray, data);
        ScriptedPort port;
        port.setTimeout(100);
        port.answer = [&](const QByteArray &) { return chunks; };
        QSignalSpy errors(&port, &ZEMPPort::zempErrorSignal);
        QSignalSpy responses(&port, &ZEMPPort::zempResponseSignal);

        BYTE buffer[ZEMP_MAX_FRAME] = {0x55};
        int count = 0;
        QCOMPARE(port.readCommand(0x1234, &count, buffer), status);
        QCOMPARE(port.frames, QList<QByteArray>{bytes("031234B7")});
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), count), data);
        QCOMPARE(port.isAwaitingResponse(), false);
        // Exactly one signal: the response with its data count, or the error.
        QCOMPARE(responses.size() + errors.size(), 1);
        const QList<QVariant> signal = status == 0 ? responses.value(0) : errors.value(0);
        QTEST(int(signal.value(0).value<unsigned short>()), "signalAddress");
        QCOMPARE(signal.value(1).toInt(), status == 0 ? int(data.size()) : status);
    }

    void tunnelled_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("data");

        const QByteArray inner = withChecksum(bytes("07001011223344"));
        QTest::newRow("inner value") << withChecksum(bytes("0B0301") + inner) << 0 << bytes("11223344");
        QTest::newRow("inner checksum not checked again")
            << withChecksum(bytes("0B0301") + bytes("07001011223344") + QByteArray(1, '\0')) << 0 << bytes("11223344");
        QTest::newRow("inner device error") << withChecksum(bytes("080301") + withChecksum(bytes("84001042"))) << 66 << QByteArray();
        QTest::newRow("inner frame shorter than announced") << withChecksum(bytes("070301") + bytes("09001011")) << ZEMP_ERR_CHECKSUM << QByteArray();
        QTest::newRow("outer device error") << withChecksum(bytes("84030113")) << 0x13 << QByteArray();
    }

    void tunnelled()
    {
        QFETCH(QByteArray, reply);
        ScriptedPort port;
        port.setTimeout(100);
        port.answer = [&](const QByteArray &) { return QList<QByteArray>{reply}; };
        ZempTransaction t(ZEMP_READ, 0x0010);
        t.tunnelAddress = 0x0301;
        QTEST(port.execute(t), "status");
        // Outer write to the tunnel address carrying the inner read frame.
        QCOMPARE(port.frames.value(0), withChecksum(bytes("870301") + bytes("030010ED")));
        QTEST(QByteArray(reinterpret_cast<char *>(t.responseData), t.responseCount), "data");
    }

    void strayBytesDoNotCompleteNextTransaction()
    {
        ScriptedPort port;
        port.setTimeout(50);
        int count = 0;
        BYTE buffer[ZEMP_MAX_FRAME];
        QCOMPARE(port.readCommand(0x1234, &count, buffer), ZEMP_ERR_TIMEOUT);

        // The late answer to the first request arrives while nothing is pending.
        QByteArray late = withChecksum(bytes("041234EE"));
        port.processBytesSlot(reinterpret_cast<BYTE *>(late.data()), 2);

        port.answer = [](const QByteArray &) { return QList<QByteArray>{withChecksum(bytes("04123401"))}; };
        QCOMPARE(port.readCommand(0x1234, &count, buffer), 0);
        QCOMPARE(count, 1);
        QCOMPARE(buffer[0], BYTE(0x01));
    }

    void closePortReleasesWaiter()
    {
        ScriptedPort port;
        port.setTimeout(30000);
        port.openPort();
        QThread *closer = QThread::create([&port] {
            QTRY_VERIFY(port.isAwaitingResponse());
            port.closePort();
        });
        closer->start();
        QElapsedTimer clock;
        clock.start();
        int count = 0;
        BYTE buffer[ZEMP_MAX_FRAME];
        QCOMPARE(port.readCommand(0x1234, &count, buffer), ZEMP_ERR_TIMEOUT);
        QVERIFY(clock.elapsed() < 5000);
        QVERIFY(!port.isPortOpen());
        closer->wait();
        delete closer;
    }
};

QTEST_GUILESS_MAIN(tst_ZEMPPort)
#include "tst_zempport.moc"
