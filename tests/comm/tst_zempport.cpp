#include "ScriptedPort.h"

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
        // A read of 0x1234, directly or through tunnel address 0x0301.
        QTest::addColumn<int>("tunnel");
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("signalAddress"); // -1: not checked
        const QByteArray value = withChecksum(bytes("051234ABCD"));
        const auto direct = [](const char *name, const QList<QByteArray> &chunks, int status, const QByteArray &data,
                               int signalAddress) {
            QTest::newRow(name) << 0 << chunks << status << data << signalAddress;
        };
        const auto tunnelled = [](const char *name, const QByteArray &outer, int status, const QByteArray &data) {
            QTest::newRow(name) << 0x0301 << QList<QByteArray>{withChecksum(outer)} << status << data << -1;
        };
        direct("value in one chunk", {value}, 0, bytes("ABCD"), 0x1234);
        direct("value byte by byte", splitEvery(value, 1), 0, bytes("ABCD"), 0x1234);
        direct("no data", {bytes("031234B7")}, 0, QByteArray(), 0x1234);
        direct("device error 66", {withChecksum(bytes("84123442"))}, 66, QByteArray(), 0);
        direct("device error with data after the code", {withChecksum(bytes("86123407AABB"))}, 7, QByteArray(), 0);
        direct("checksum failure", {bytes("051234ABCD00")}, ZEMP_ERR_CHECKSUM, QByteArray(), 0);
        direct("first byte zero ends at once", {bytes("00000000")}, ZEMP_ERR_TIMEOUT, QByteArray(), 0x1234);
        direct("more bytes than announced", {value + bytes("00")}, ZEMP_ERR_TIMEOUT, QByteArray(), 0x1234);
        direct("incomplete frame", {value.left(5)}, ZEMP_ERR_TIMEOUT, QByteArray(), 0x1234);
        direct("flood beyond the receive buffer", {QByteArray(300, '\x05'), QByteArray(300, '\x05')}, ZEMP_ERR_TIMEOUT,
               QByteArray(), 0x1234);
        const QByteArray inner = bytes("07123411223344");
        tunnelled("inner value", bytes("0B0301") + withChecksum(inner), 0, bytes("11223344"));
        tunnelled("inner checksum not checked again", bytes("0B0301") + inner + QByteArray(1, '\0'), 0, bytes("11223344"));
        tunnelled("inner device error", bytes("080301") + withChecksum(bytes("84123442")), 66, QByteArray());
        tunnelled("inner frame shorter than announced", bytes("070301") + bytes("09123411"), ZEMP_ERR_CHECKSUM, QByteArray());
        tunnelled("inner frame one byte short", bytes("0A0301") + inner, ZEMP_ERR_CHECKSUM, QByteArray());
        tunnelled("outer device error", bytes("84030113"), 0x13, QByteArray());
    }

    void response()
    {
        QFETCH(int, tunnel);
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, status);
        QFETCH(QByteArray, data);
        QFETCH(int, signalAddress);
        ScriptedPort port;
        port.setTimeout(100);
        port.answer = [&](const QByteArray &) { return chunks; };
        QSignalSpy errors(&port, &ZEMPPort::zempErrorSignal);
        QSignalSpy responses(&port, &ZEMPPort::zempResponseSignal);
        ZempTransaction t(ZEMP_READ, 0x1234);
        t.tunnelAddress = quint16(tunnel);
        QCOMPARE(port.execute(t), status);
        // A tunnelled request is a write to the tunnel address carrying the inner read frame.
        const QByteArray request = bytes("031234B7");
        QCOMPARE(port.frames, QList<QByteArray>{tunnel ? withChecksum(bytes("870301") + request) : request});
        QCOMPARE(QByteArray(reinterpret_cast<char *>(t.responseData), t.responseCount), data);
        QCOMPARE(port.isAwaitingResponse(), false);
        if (signalAddress < 0)
            return;
        // Exactly one signal: the response with its data count, or the error.
        QCOMPARE(responses.size() + errors.size(), 1);
        const QList<QVariant> signal = status == 0 ? responses.value(0) : errors.value(0);
        QCOMPARE(int(signal.value(0).value<unsigned short>()), signalAddress);
        QCOMPARE(signal.value(1).toInt(), status == 0 ? int(data.size()) : status);
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
};

QTEST_GUILESS_MAIN(tst_ZEMPPort)
#include "tst_zempport.moc"
