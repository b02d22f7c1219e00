// The input modules of the simulator (TI4, AI4, CI4, II4, VI4), spoken to
// over loopback HTTP: their channel points with their widths, tags and
// units, the status words the command line sets, the drifting live values
// and the capture block with its delay.
#include "sim/SimTestFrames.h"

#include "SimOptions.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QtEndian>
#include <QtNetwork/QTcpSocket>
#include <QtTest/QtTest>

#include <cstring>
#include <memory>

using SimTestFrames::Decoded;

namespace {

constexpr int ErrUnknownAddress = 0x02;
constexpr int ErrBadLength = 0x03;
constexpr int ErrReadOnly = 0x04;
constexpr int CaptureBusy = 0x06;

struct Point
{
    quint16 address;
    int width;
};

// The device points of every input channel, as the program's channel
// classes transfer them.
QVector<Point> commonPoints()
{
    QVector<Point> points = {
        {0xFF12, 1}, {0xFF13, 1}, {0xFF14, 1}, {0xFF53, 1}, {0xFF54, 1}, {0xFA00, 1}, {0xF0E0, 1},
        {0xFF37, 1}, {0xFF1B, 4}, {0xFF1C, 4}, {0xFF22, 4}, {0xFF3B, 4}, {0xFF3C, 4}, {0xFD01, 4},
        {0xFF23, 4}, {0xFF24, 4}, {0xFF25, 4}, {0xFF26, 4}, {0xFF38, 4}, {0xFF39, 4},
        {0x0013, 1}, {0x0064, 2}, {0x0068, 2}, {0x006A, 3}, {0x0107, 24}, {0x010E, 8},
        {0x0301, 4}, {0x0302, 4}, {0x0303, 4}, {0x4400, 1}, {0x4401, 1},
    };
    for (int i = 1; i <= 128; ++i)
        points << Point{quint16(0xFE00 + i), 4} << Point{quint16(0xF900 + i), 4};
    return points;
}

// Only the temperature channel measures its ambient temperature.
const QVector<Point> TemperatureOnly = {{0xFF15, 1}, {0xFD02, 4}};

QByteArray floatBytes(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray out(4, '\0');
    qToBigEndian(bits, out.data());
    return out;
}

float floatOf(const QByteArray &bytes)
{
    const quint32 bits = qFromBigEndian<quint32>(bytes.constData());
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

class tst_InputModules : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimThread> m_sim;

    bool start(const QStringList &arguments)
    {
        SimOptions options;
        QString message;
        if (SimOptions::parse(arguments + QStringList{"--http", "127.0.0.1:0"}, options, message)
            != SimOptions::Parse::Ok) {
            qWarning() << message;
            return false;
        }
        m_sim = std::make_unique<SimThread>(options);
        return m_sim->startServing();
    }

    // One request over its own HTTP connection, as the program sends it.
    Decoded exchange(const QByteArray &frame)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_sim->httpPort());
        if (!socket.waitForConnected(5000))
            return {};
        socket.write("GET /api/zempCommand?wrapperCmd=" + frame.toHex().toUpper() + "\r\n\r\n");
        QByteArray reply;
        while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
            reply += socket.readAll();
        reply += socket.readAll();
        return SimTestFrames::decode(QByteArray::fromHex(reply.mid(reply.indexOf("\r\n\r\n") + 4).trimmed()));
    }

    // A point behind a tunnel: the station's answer carries the inner answer.
    Decoded tunnel(quint16 tunnelAddress, bool write, quint16 address, const QByteArray &data = {})
    {
        const Decoded outer = exchange(SimTestFrames::tunnelled(tunnelAddress, write, address, data));
        return outer.status == 0 ? SimTestFrames::decode(outer.data) : outer;
    }

    Decoded reg(bool write, int module, int index, int j, const QByteArray &data = {})
    {
        return exchange(SimTestFrames::frame(write, SimStation::registerAddress(module, index, j), data));
    }

private Q_SLOTS:
    void cleanup() { m_sim.reset(); }

    void channelPoints_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<bool>("temperature");
        QTest::newRow("TI4") << "TI4" << true;
        QTest::newRow("AI4") << "AI4" << false;
        QTest::newRow("CI4") << "CI4" << false;
        QTest::newRow("II4") << "II4" << false;
        QTest::newRow("VI4") << "VI4" << false;
    }

    // Every point of every channel reads at its width; every point the
    // program writes takes a value of its width and gives it back, and
    // refuses one byte more.
    void channelPoints()
    {
        QFETCH(QString, module);
        QFETCH(bool, temperature);
        QVERIFY(start({"--modules", "RO8," + module}));
        const QVector<Point> extra = temperature ? TemperatureOnly : QVector<Point>{};
        for (int index = 0; index < 4; ++index) {
            const quint16 t = SimStation::tunnelAddress(2, index);
            for (const Point &p : commonPoints() + extra) {
                const QString where = QStringLiteral("channel %1, point 0x%2").arg(index + 1).arg(p.address, 0, 16);
                const Decoded read = tunnel(t, false, p.address);
                QVERIFY2(read.status == 0 && read.data.size() == p.width, qPrintable(where));
                if (p.address == 0x64 || p.address == 0x68 || p.address == 0x6A)
                    continue; // identity, read-only
                const QByteArray value(p.width, char(0x11 * (index + 1)));
                QVERIFY2(tunnel(t, true, p.address, value).status == 0, qPrintable(where));
                QVERIFY2(tunnel(t, false, p.address).data == value, qPrintable(where));
                QVERIFY2(tunnel(t, true, p.address, value + 'x').status == ErrBadLength, qPrintable(where));
            }
            for (const Point &p : TemperatureOnly) {
                if (!temperature)
                    QCOMPARE(tunnel(t, false, p.address).status, ErrUnknownAddress);
            }
        }
    }

    void defaults_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("words"); // device type, sensor1, sensor2, pvunits, config4
        QTest::addColumn<QList<float>>("range"); // zero and full in device units
        QTest::newRow("TI4: 4-wire Pt100 in degF") << "TI4" << 0 << QList<int>{2, 3, 2, 33, 1} << QList<float>{0, 100};
        QTest::newRow("AI4: current") << "AI4" << 3 << QList<int>{7, 12, 0, 39, 1} << QList<float>{4, 20};
        QTest::newRow("CI4 channel 1: 0-100 divided by 10") << "CI4" << 0 << QList<int>{0x51, 11, 0, 58, 1} << QList<float>{0, 10};
        QTest::newRow("CI4 channel 2: 0-125 divided by 50") << "CI4" << 1 << QList<int>{0x52, 11, 0, 58, 1} << QList<float>{0, 2.5f};
        QTest::newRow("CI4 channel 3: -10 to 10") << "CI4" << 2 << QList<int>{0x53, 11, 0, 58, 1} << QList<float>{-10, 10};
        QTest::newRow("CI4 channel 4: current") << "CI4" << 3 << QList<int>{0x54, 12, 0, 39, 1} << QList<float>{4, 20};
        QTest::newRow("II4") << "II4" << 2 << QList<int>{0x54, 12, 0, 39, 1} << QList<float>{4, 20};
        QTest::newRow("VI4 channel 1") << "VI4" << 0 << QList<int>{0x51, 11, 0, 58, 1} << QList<float>{0, 10};
        QTest::newRow("VI4 channel 4") << "VI4" << 3 << QList<int>{0x52, 11, 0, 58, 1} << QList<float>{0, 2.5f};
    }

    // A fresh station uploads as a sound configuration of its channel kind.
    void defaults()
    {
        QFETCH(QString, module);
        QFETCH(int, index);
        QFETCH(QList<int>, words);
        QFETCH(QList<float>, range);
        QVERIFY(start({"--modules", module}));
        const quint16 t = SimStation::tunnelAddress(1, index);
        QList<int> read;
        for (quint16 address : {0x64, 0xFF12, 0xFF13, 0xFF14, 0xFF54})
            read << int(intValue(tunnel(t, false, address).data));
        QCOMPARE(read, words);
        QCOMPARE((QList<float>{floatOf(tunnel(t, false, 0xFF1B).data), floatOf(tunnel(t, false, 0xFF1C).data)}), range);
    }

    // The firmware correction rewrites a channel's module type.
    void moduleTypeIsWritable()
    {
        QVERIFY(start({"--modules", "TI4"}));
        const quint16 t = SimStation::tunnelAddress(1, 2);
        QCOMPARE(tunnel(t, false, 0x13).data, QByteArray("\x02", 1));
        QCOMPARE(tunnel(t, true, 0x13, QByteArray("\xFF", 1)).status, 0);
        QCOMPARE(tunnel(t, false, 0x13).data, QByteArray("\xFF", 1));
    }

    void tagAndUnits()
    {
        QVERIFY(start({"--modules", "AI4,TI4"}));
        const quint16 t = SimStation::tunnelAddress(2, 3);
        QCOMPARE(tunnel(t, true, 0x107, "TT_104_OUTLET").status, 0);
        QCOMPARE(tunnel(t, true, 0x10E, "degF").status, 0);
        QCOMPARE(tunnel(t, false, 0x107).data, QByteArray("TT_104_OUTLET").leftJustified(24, '\0'));
        QCOMPARE(tunnel(t, false, 0x10E).data, QByteArray("degF").leftJustified(8, '\0'));
        // A field holds its terminating zero: one byte more is refused.
        QCOMPARE(tunnel(t, true, 0x10E, "123456789").status, ErrBadLength);
    }

    void channelStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("statuses"); // module 1 channels 1-4, then module 2 channel 1
        QTest::newRow("none") << QStringList{} << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("broken wire on 1:2") << QStringList{"--channel-status", "1:2=0x30"} << QList<int>{0, 0x30, 0, 0, 0};
        QTest::newRow("two channels, decimal") << QStringList{"--channel-status", "1:4=1", "--channel-status", "2:1=2048"}
                                               << QList<int>{0, 0, 0, 1, 2048};
    }

    // The status word is the first two bytes of register 2, most significant first.
    void channelStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, statuses);
        QVERIFY(start(QStringList{"--modules", "CI4,TI4"} + arguments));
        QList<int> read;
        for (int index = 0; index < 4; ++index)
            read << int(intValue(reg(false, 1, index, 2).data.left(2)));
        read << int(intValue(reg(false, 2, 0, 2).data.left(2)));
        QCOMPARE(read, statuses);
        QCOMPARE(reg(false, 1, 0, 2).data.size(), 4);
        QCOMPARE(reg(true, 1, 0, 2, QByteArray(4, '\0')).status, ErrReadOnly);
    }

    void badOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no channel") << QStringList{"--channel-status", "1=0x30"} << "bad channel status";
        QTest::newRow("channel 5") << QStringList{"--channel-status", "1:5=0x30"} << "bad channel status";
        QTest::newRow("module 17") << QStringList{"--channel-status", "17:1=0x30"} << "bad channel status";
        QTest::newRow("word too wide") << QStringList{"--channel-status", "1:1=0x10000"} << "bad channel status";
        QTest::newRow("no word") << QStringList{"--channel-status", "1:1="} << "bad channel status";
        QTest::newRow("negative delay") << QStringList{"--capture-delay", "-5"} << "--capture-delay";
        QTest::newRow("delay not a number") << QStringList{"--capture-delay", "soon"} << "--capture-delay";
    }

    void badOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        SimOptions options;
        QString text;
        QCOMPARE(SimOptions::parse(arguments + QStringList{"--http", ":0"}, options, text), SimOptions::Parse::Error);
        QVERIFY2(text.contains(message), qPrintable(text));
    }

    void liveValuesDrift_data()
    {
        QTest::addColumn<int>("j");
        QTest::addColumn<float>("low");
        QTest::addColumn<float>("high");
        QTest::newRow("PV") << 0 << 20.0f << 35.0f; // module 1, channel 2: about 25
        QTest::newRow("ambient temperature") << 1 << 20.0f << 22.0f;
    }

    void liveValuesDrift()
    {
        QFETCH(int, j);
        QFETCH(float, low);
        QFETCH(float, high);
        QVERIFY(start({"--modules", "TI4"}));
        const float first = floatOf(reg(false, 1, 1, j).data);
        QVERIFY2(first >= low && first <= high, qPrintable(QString::number(first)));
        QTRY_VERIFY(floatOf(reg(false, 1, 1, j).data) != first);
    }

    // Writing the capture block starts a capture; reading it is refused as
    // busy until the delay has passed, then gives the PV.
    void captureAnswersAfterItsDelay()
    {
        QVERIFY(start({"--modules", "AI4,TI4", "--capture-delay", "300"}));
        QCOMPARE(reg(false, 2, 3, 3).status, ErrBadLength); // nothing captured yet
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(reg(true, 2, 3, 3, QByteArray(4, '\0')).status, 0);
        QCOMPARE(reg(false, 2, 3, 3).status, CaptureBusy);
        QTRY_COMPARE(reg(false, 2, 3, 3).status, 0);
        QVERIFY(timer.elapsed() >= 300);
        const float captured = floatOf(reg(false, 2, 3, 3).data);
        QVERIFY2(qAbs(captured - floatOf(reg(false, 2, 3, 0).data)) < 0.5f, qPrintable(QString::number(captured)));
        // The other channels have captured nothing.
        QCOMPARE(reg(false, 2, 2, 3).status, ErrBadLength);
    }

    void captureNeverAnswers()
    {
        QVERIFY(start({"--modules", "TI4", "--capture-delay", "never"}));
        QCOMPARE(reg(true, 1, 0, 3, QByteArray(4, '\0')).status, 0);
        QTest::qWait(400); // nothing to wait for: the point is that nothing happens
        QCOMPARE(reg(false, 1, 0, 3).status, CaptureBusy);
    }

    void defaultCaptureDelay()
    {
        SimOptions options;
        QString text;
        QCOMPARE(SimOptions::parse({"--http", ":0"}, options, text), SimOptions::Parse::Ok);
        QCOMPARE(options.captureDelayMs, 9500);
        QVERIFY(SimOptions::helpText().contains("--capture-delay"));
        QVERIFY(SimOptions::helpText().contains("--channel-status"));
    }

private:
    static quint64 intValue(const QByteArray &bytes)
    {
        quint64 value = 0;
        for (char c : bytes)
            value = (value << 8) | quint8(c);
        return value;
    }
};

QTEST_GUILESS_MAIN(tst_InputModules)
#include "tst_inputmodules.moc"
