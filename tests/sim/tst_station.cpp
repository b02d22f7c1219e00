// The station engine: frames in, frames out, without any transport.
#include "SimCatalog.h"
#include "SimLiveValues.h"
#include "SimOptions.h"
#include "SimStation.h"

#include "sim/SimTestFrames.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <cstring>
#include <memory>

using namespace SimTestFrames;

namespace {

QVector<quint8> codes(const QString &list)
{
    QVector<quint8> out;
    if (!SimCatalog::parseModuleList(list, out, nullptr))
        qFatal("bad module list in test");
    return out;
}

std::unique_ptr<SimStation> makeStation(const QString &modules = QStringLiteral("TI4,RO8,CI4"))
{
    return std::unique_ptr<SimStation>(SimStation::create(QStringLiteral("eim"), codes(modules), nullptr));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

Q_DECLARE_METATYPE(SimFaults::DeviceError)

class tst_Station : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exactFrames_data();
    void exactFrames();
    void pointWidths_data();
    void pointWidths();
    void headReads_data();
    void headReads();
    void headWrites_data();
    void headWrites();
    void tunnelReads_data();
    void tunnelReads();
    void tunnelledWriteReadsBack();
    void registersAndCommits();
    void liveInputValues_data();
    void liveInputValues();
    void livePvMovesWithinItsBand();
    void statusWordsFromTheCommandLine_data();
    void statusWordsFromTheCommandLine();
    void saveHandshake();
    void garbageIsIgnored_data();
    void garbageIsIgnored();
    void faultSequence_data();
    void faultSequence();
    void injectedDeviceErrors();
    void moduleLists_data();
    void moduleLists();
    void deviceErrorSpecs_data();
    void deviceErrorSpecs();
    void addressHelpers();
    void randomRequestsGetWellFormedAnswers();
};

void tst_Station::exactFrames_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("response");
    // Device type 28 of the head, most significant byte first.
    QTest::newRow("devicetype") << frame(false, 0x64) << bytes({0x05, 0x00, 0x64, 0x00, 0x1C, 0x7B});
    // An unknown point: bit 7 set in the length byte, the code in byte 3.
    QTest::newRow("unknown point") << frame(false, 0x1234) << bytes({0x84, 0x12, 0x34, 0x02, 0x34});
    // A successful write answers with the address and no data.
    QTest::newRow("write ack") << frame(true, 0x100, bytes({1})) << bytes({0x03, 0x01, 0x00, 0xFC});
}

void tst_Station::exactFrames()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, response);
    auto station = makeStation();
    const SimReply reply = station->handleRequest(request);
    QCOMPARE(reply.outcome, SimReply::Answered);
    QCOMPARE(reply.frame.toHex(' '), response.toHex(' '));
}

void tst_Station::pointWidths_data()
{
    // The widths the client decodes each point with.
    QTest::addColumn<quint16>("tunnel");
    QTest::addColumn<quint16>("address");
    QTest::addColumn<int>("width");
    const struct { const char *name; quint16 tunnel, address; int width; } rows[] = {
        {"devicetype", 0, 0x64, 2},          {"fwversion", 0, 0x68, 2},
        {"serialnumber", 0, 0x6A, 3},        {"nummodules", 0, 0x102, 1},
        {"moduletypes", 0, 0x103, 16},       {"status", 0, 0x210, 2},
        {"p2pstatus", 0, 0x130, 2},          {"disablescan", 0, 0x100, 1},
        {"scanlinecontrol", 0, 0x101, 1},    {"descriptor", 0, 0x0C, 12},
        {"serverlocation", 0, 0x214, 32},    {"floatorder", 0, 0x200, 1},
        {"clocktime", 0, 0x213, 4},          {"value register", 0, 0x301, 4},
        {"module moduletype", 0x1000, 0x13, 1}, {"module devicetype", 0x1000, 0x64, 2},
        {"module fwversion", 0x1004, 0x68, 2},  {"module serialnumber", 0x1004, 0x6A, 3},
        {"channel tag", 0x1001, 0x107, 24},     {"channel text", 0x1003, 0x10E, 8},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.tunnel << row.address << row.width;
}

void tst_Station::pointWidths()
{
    QFETCH(quint16, tunnel);
    QFETCH(quint16, address);
    QFETCH(int, width);
    auto station = makeStation();
    Decoded d = decode(station->handleRequest(tunnel ? tunnelled(tunnel, false, address)
                                                     : frame(false, address)).frame);
    QCOMPARE(d.status, 0);
    if (tunnel)
        d = decode(d.data);
    QCOMPARE(d.status, 0);
    QCOMPARE(d.data.size(), width);
}

void tst_Station::headReads_data()
{
    QTest::addColumn<quint16>("address");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("module count") << quint16(0x102) << bytes({3});
    QTest::newRow("module types")
        << quint16(0x103) << bytes({2, 102, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("descriptor field") << quint16(0x0C) << QByteArray("EIM\0\0\0\0\0\0\0\0\0", 12);
    QTest::newRow("float order") << quint16(0x200) << bytes({0});
    QTest::newRow("status word") << quint16(0x210) << bytes({0, 0});
}

void tst_Station::headReads()
{
    QFETCH(quint16, address);
    QFETCH(QByteArray, value);
    auto station = makeStation();
    const Decoded d = decode(station->handleRequest(frame(false, address)).frame);
    QCOMPARE(d.status, 0);
    QCOMPARE(d.address, address);
    QCOMPARE(d.data.toHex(' '), value.toHex(' '));
}

void tst_Station::headWrites_data()
{
    QTest::addColumn<quint16>("address");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("text shorter than field")
        << quint16(0x0C) << QByteArray("PUMP 7", 7) << 0 << QByteArray("PUMP 7\0\0\0\0\0\0", 12);
    QTest::newRow("text filling the field")
        << quint16(0x0C) << QByteArray("ABCDEFGHIJK", 12) << 0 << QByteArray("ABCDEFGHIJK", 12);
    QTest::newRow("text past the field")
        << quint16(0x0C) << QByteArray(13, 'x') << int(SimStation::ErrBadLength)
        << QByteArray("EIM\0\0\0\0\0\0\0\0\0", 12);
    QTest::newRow("integer of wrong width")
        << quint16(0x100) << bytes({0, 1}) << int(SimStation::ErrBadLength) << bytes({0});
    QTest::newRow("read-only device type")
        << quint16(0x64) << bytes({0, 29}) << int(SimStation::ErrReadOnly) << bytes({0, 28});
    QTest::newRow("read-only module count")
        << quint16(0x102) << bytes({16}) << int(SimStation::ErrReadOnly) << bytes({3});
}

void tst_Station::headWrites()
{
    QFETCH(quint16, address);
    QFETCH(QByteArray, data);
    QFETCH(int, status);
    QFETCH(QByteArray, stored);
    auto station = makeStation();
    QCOMPARE(decode(station->handleRequest(frame(true, address, data)).frame).status, status);
    const Decoded back = decode(station->handleRequest(frame(false, address)).frame);
    QCOMPARE(back.status, 0);
    QCOMPARE(back.data.toHex(' '), stored.toHex(' '));
}

void tst_Station::tunnelReads_data()
{
    QTest::addColumn<quint16>("tunnel");
    QTest::addColumn<quint16>("address");
    QTest::addColumn<int>("outerStatus");
    QTest::addColumn<int>("innerStatus");
    QTest::addColumn<QByteArray>("value");
    // Station TI4, RO8, CI4: module n starts at 0x1000 + 4(n-1).
    QTest::newRow("module 1 type") << quint16(0x1000) << quint16(0x13) << 0 << 0 << bytes({2});
    QTest::newRow("module 2 type") << quint16(0x1004) << quint16(0x13) << 0 << 0 << bytes({102});
    QTest::newRow("channel 1 shares the module address")
        << quint16(0x1000) << quint16(0x64) << 0 << 0 << bytes({0, 2});
    QTest::newRow("CI4 channel 2 kind") << quint16(0x1009) << quint16(0x64) << 0 << 0 << bytes({0, 0x52});
    QTest::newRow("CI4 channel 4 kind") << quint16(0x100B) << quint16(0x64) << 0 << 0 << bytes({0, 0x54});
    QTest::newRow("channel firmware") << quint16(0x1002) << quint16(0x68) << 0 << 0 << bytes({2, 3});
    QTest::newRow("channel tag field") << quint16(0x1003) << quint16(0x107) << 0 << 0 << QByteArray(24, '\0');
    QTest::newRow("unknown inner point")
        << quint16(0x1000) << quint16(0x999) << 0 << int(SimStation::ErrUnknownAddress) << QByteArray();
    QTest::newRow("relay module has no channel targets")
        << quint16(0x1005) << quint16(0x64) << int(SimStation::ErrMissing) << -1 << QByteArray();
    QTest::newRow("no module 4")
        << quint16(0x100C) << quint16(0x13) << int(SimStation::ErrMissing) << -1 << QByteArray();
}

void tst_Station::tunnelReads()
{
    QFETCH(quint16, tunnel);
    QFETCH(quint16, address);
    QFETCH(int, outerStatus);
    QFETCH(int, innerStatus);
    QFETCH(QByteArray, value);
    auto station = makeStation();
    const Decoded outer = decode(station->handleRequest(tunnelled(tunnel, false, address)).frame);
    QCOMPARE(outer.status, outerStatus);
    if (outerStatus != 0)
        return;
    QCOMPARE(outer.address, tunnel);
    const Decoded inner = decode(outer.data);
    QCOMPARE(inner.status, innerStatus);
    QCOMPARE(inner.data.toHex(' '), value.toHex(' '));
    if (innerStatus == 0)
        QCOMPARE(inner.address, address);
}

void tst_Station::tunnelledWriteReadsBack()
{
    auto station = makeStation();
    const quint16 channel3 = SimStation::tunnelAddress(1, 2);
    const Decoded ack = decode(station->handleRequest(tunnelled(channel3, true, 0x107, "TT_101")).frame);
    QCOMPARE(ack.status, 0);
    QCOMPARE(decode(ack.data).status, 0);
    QByteArray stored;
    QVERIFY(station->readPoint(channel3, 0x107, stored));
    QCOMPARE(stored, QByteArray("TT_101").append(QByteArray(18, '\0')));
    // The neighbouring channel keeps its own tag.
    QVERIFY(station->readPoint(SimStation::tunnelAddress(1, 1), 0x107, stored));
    QCOMPARE(stored, QByteArray(24, '\0'));
    // A read of a tunnel address carries no frame to pass on.
    QCOMPARE(decode(station->handleRequest(frame(false, channel3)).frame).status,
             int(SimStation::ErrBadTunnelFrame));
    // Nor does a payload whose checksum is wrong.
    QByteArray inner = frame(false, 0x13);
    inner[3] = char(inner.at(3) + 1);
    QCOMPARE(decode(station->handleRequest(frame(true, channel3, inner)).frame).status,
             int(SimStation::ErrBadTunnelFrame));
}

void tst_Station::registersAndCommits()
{
    auto station = makeStation();
    // Value register 1 of the second channel of module 3.
    QCOMPARE(SimStation::registerAddress(3, 1, 1), quint16(0x325));
    const QByteArray value = bytes({0x41, 0x20, 0, 0});
    QCOMPARE(decode(station->handleRequest(frame(true, 0x325, value)).frame).status, 0);
    QCOMPARE(station->registerValue(3, 1, 1), value);
    QCOMPARE(decode(station->handleRequest(frame(false, 0x325)).frame).data, value);
    QCOMPARE(decode(station->handleRequest(frame(false, 0x324)).frame).data, QByteArray(4, '\0'));
    QCOMPARE(decode(station->handleRequest(frame(true, 0x325, bytes({1, 2}))).frame).status,
             int(SimStation::ErrBadLength));
    // Module 4 does not exist.
    QCOMPARE(decode(station->handleRequest(frame(false, 0x330)).frame).status, int(SimStation::ErrMissing));

    QCOMPARE(decode(station->handleRequest(frame(true, SimStation::commitAddress(2, 0))).frame).status, 0);
    QCOMPARE(decode(station->handleRequest(frame(true, SimStation::commitAddress(2, 0))).frame).status, 0);
    QCOMPARE(station->commitCount(2, 0), 2);
    QCOMPARE(station->commitCount(1, 0), 0);
    QCOMPARE(decode(station->handleRequest(frame(false, 0x404)).frame).status,
             int(SimStation::ErrUnknownAddress));
    QCOMPARE(decode(station->handleRequest(frame(true, 0x40C)).frame).status, int(SimStation::ErrMissing));
}

void tst_Station::liveInputValues_data()
{
    QTest::addColumn<quint16>("address");
    QTest::addColumn<double>("low"); // both 0: the register reads as zeros
    QTest::addColumn<double>("high");

    // Modules TI4, AO4, CI4: module 1 channels sit at 20 + 5 per channel, module 3 at 60 + 5.
    QTest::newRow("TI4 channel 1 PV") << quint16(0x301) << 17.5 << 22.5;
    QTest::newRow("TI4 channel 4 PV") << quint16(0x30D) << 32.5 << 37.5;
    QTest::newRow("CI4 channel 2 PV") << quint16(0x325) << 62.5 << 67.5;
    QTest::newRow("TI4 status") << quint16(0x300) << 0.0 << 0.0;
    QTest::newRow("TI4 register 2") << quint16(0x302) << 0.0 << 0.0;
    QTest::newRow("AO4 is an output") << quint16(0x311) << 0.0 << 0.0;
}

void tst_Station::liveInputValues()
{
    QFETCH(quint16, address);
    QFETCH(double, low);
    QFETCH(double, high);
    auto station = makeStation(QStringLiteral("TI4,AO4,CI4"));
    const Decoded answer = decode(station->handleRequest(frame(false, address)).frame);
    QCOMPARE(answer.status, 0);
    QCOMPARE(answer.data.size(), 4);
    if (low == 0.0 && high == 0.0) {
        QCOMPARE(answer.data, QByteArray(4, '\0'));
        return;
    }
    const quint32 bits = qFromBigEndian<quint32>(answer.data.constData());
    float pv = 0;
    std::memcpy(&pv, &bits, sizeof pv);
    QVERIFY2(pv >= low && pv <= high, qPrintable(QString::number(pv)));

    // A value the client wrote stays until written again.
    const QByteArray written = bytes({0x41, 0x20, 0, 0});
    QCOMPARE(decode(station->handleRequest(frame(true, address, written)).frame).status, 0);
    QCOMPARE(decode(station->handleRequest(frame(false, address)).frame).data, written);
}

void tst_Station::livePvMovesWithinItsBand()
{
    QSet<float> seen;
    for (qint64 ms = 0; ms < SimLiveValues::PeriodMs; ms += SimLiveValues::PeriodMs / 12) {
        const float pv = SimLiveValues::pv(2, 1, ms);
        QVERIFY(pv >= 42.5f && pv <= 47.5f);
        seen.insert(pv);
    }
    QVERIFY(seen.size() >= 10);
    QCOMPARE(SimLiveValues::pv(2, 1, 1234), SimLiveValues::pv(2, 1, 1234 + SimLiveValues::PeriodMs));
}

void tst_Station::statusWordsFromTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("p2pStatus");

    QTest::newRow("defaults") << QStringList{} << bytes({0, 0}) << bytes({0, 0});
    QTest::newRow("hex and decimal") << QStringList{"--status", "0x3001", "--p2p-status", "33"}
                                     << bytes({0x30, 0x01}) << bytes({0, 0x21});
    QTest::newRow("all bits") << QStringList{"--status", "65535"} << bytes({0xFF, 0xFF}) << bytes({0, 0});
}

void tst_Station::statusWordsFromTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, p2pStatus);
    SimOptions options;
    QString message;
    QCOMPARE(SimOptions::parse(arguments + QStringList{"--http", ":0"}, options, message), SimOptions::Parse::Ok);
    auto station = makeStation();
    station->configure(options);
    QCOMPARE(decode(station->handleRequest(frame(false, SimCatalog::StatusPoint)).frame).data, status);
    QCOMPARE(decode(station->handleRequest(frame(false, SimCatalog::P2pStatusPoint)).frame).data, p2pStatus);
    // Only the station itself changes them.
    QCOMPARE(decode(station->handleRequest(frame(true, SimCatalog::StatusPoint, bytes({0, 0}))).frame).status,
             int(SimStation::ErrReadOnly));
}

void tst_Station::saveHandshake()
{
    auto station = makeStation();
    QSignalSpy saved(station.get(), &SimStation::saved);
    const Decoded first = decode(station->handleRequest(frame(false, 0x200)).frame);
    QCOMPARE(first.status, 0);
    QCOMPARE(first.data.size(), 1);
    QCOMPARE(station->saveCount(), 0);
    QCOMPARE(decode(station->handleRequest(frame(true, 0x200, first.data)).frame).status, 0);
    QCOMPARE(station->saveCount(), 1);
    QCOMPARE(saved.count(), 1);
    // A refused write stores nothing.
    QCOMPARE(decode(station->handleRequest(frame(true, 0x200, bytes({0, 0}))).frame).status,
             int(SimStation::ErrBadLength));
    QCOMPARE(station->saveCount(), 1);
}

void tst_Station::garbageIsIgnored_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QByteArray badSum = frame(false, 0x64);
    badSum[3] = char(badSum.at(3) ^ 0x01);
    QByteArray longer = frame(false, 0x64) + bytes({0});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("three bytes") << bytes({0x03, 0x00, 0x64});
    QTest::newRow("bad checksum") << badSum;
    QTest::newRow("length byte disagrees") << longer;
    QTest::newRow("zero length byte") << bytes({0x00, 0x00, 0x00, 0x00});
    QTest::newRow("oversized") << QByteArray(300, char(0x7F));
}

void tst_Station::garbageIsIgnored()
{
    QFETCH(QByteArray, garbage);
    auto station = makeStation();
    const SimReply reply = station->handleRequest(garbage);
    QCOMPARE(reply.outcome, SimReply::Invalid);
    QVERIFY(reply.frame.isEmpty());
    QCOMPARE(decode(station->handleRequest(frame(false, 0x64)).frame).data, bytes({0, 28}));
}

void tst_Station::faultSequence_data()
{
    QTest::addColumn<int>("dropEvery");
    QTest::addColumn<int>("corruptEvery");
    QTest::addColumn<int>("silentAfter");
    QTest::addColumn<QString>("expected"); // per request: a answered, d dropped, c corrupt, s silent
    QTest::newRow("none") << 0 << 0 << -1 << "aaaaaa";
    QTest::newRow("drop every 3rd") << 3 << 0 << -1 << "aadaad";
    QTest::newRow("corrupt every 2nd") << 0 << 2 << -1 << "acacac";
    QTest::newRow("drop wins over corrupt") << 2 << 2 << -1 << "adadad";
    QTest::newRow("silent after 4") << 0 << 0 << 4 << "aaaass";
    QTest::newRow("silent from the start") << 0 << 0 << 0 << "ssssss";
}

void tst_Station::faultSequence()
{
    QFETCH(int, dropEvery);
    QFETCH(int, corruptEvery);
    QFETCH(int, silentAfter);
    QFETCH(QString, expected);
    auto station = makeStation();
    SimFaults faults;
    faults.setDropEvery(dropEvery);
    faults.setCorruptEvery(corruptEvery);
    faults.setSilentAfter(silentAfter);
    faults.setDelayMs(25);
    station->setFaults(faults);
    QString seen;
    for (int i = 0; i < expected.size(); ++i) {
        // Writes show whether a lost answer was still carried out.
        const QByteArray value = bytes({i + 1});
        const SimReply reply = station->handleRequest(frame(true, 0x101, value));
        QByteArray stored;
        QVERIFY(station->readPoint(0, 0x101, stored));
        if (reply.outcome == SimReply::Answered) {
            QCOMPARE(reply.delayMs, 25);
            seen += decode(reply.frame).status == ZEMP_ERR_CHECKSUM ? QLatin1Char('c') : QLatin1Char('a');
            QCOMPARE(stored, value);
        } else {
            QCOMPARE(reply.outcome, SimReply::NoAnswer);
            seen += stored == value ? QLatin1Char('d') : QLatin1Char('s');
        }
    }
    QCOMPARE(seen, expected);
    QCOMPARE(station->requestCount(), quint64(expected.size()));
}

void tst_Station::injectedDeviceErrors()
{
    auto station = makeStation();
    SimFaults faults;
    faults.addDeviceError({66, 0x64, 0});
    faults.addDeviceError({9, 0x13, SimStation::tunnelAddress(2, 0)});
    station->setFaults(faults);
    QCOMPARE(decode(station->handleRequest(frame(false, 0x64)).frame).status, 66);
    QCOMPARE(decode(station->handleRequest(frame(false, 0x102)).frame).status, 0);
    const Decoded outer = decode(station->handleRequest(tunnelled(0x1004, false, 0x13)).frame);
    QCOMPARE(outer.status, 0);
    QCOMPARE(decode(outer.data).status, 9);
    // Module 1 is not affected.
    const Decoded other = decode(station->handleRequest(tunnelled(0x1000, false, 0x13)).frame);
    QCOMPARE(decode(other.data).data, bytes({2}));
}

void tst_Station::moduleLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QVector<quint8>>("expected");
    QTest::newRow("element names") << "TI4,AO4,RO8" << true << QVector<quint8>{2, 1, 102};
    QTest::newRow("mixed forms") << " tim, 102 ,0x17,undetermined" << true << QVector<quint8>{2, 102, 23, 0};
    QTest::newRow("codes without a class") << "6,200" << true << QVector<quint8>{6, 200};
    QTest::newRow("empty") << "" << true << QVector<quint8>{};
    QTest::newRow("none") << "none" << true << QVector<quint8>{};
    QTest::newRow("sixteen") << QStringList(16, "CC8").join(',') << true << QVector<quint8>(16, 23);
    QTest::newRow("seventeen") << QStringList(17, "CC8").join(',') << false << QVector<quint8>{};
    QTest::newRow("unknown name") << "TI4,XX9" << false << QVector<quint8>{};
    QTest::newRow("ambiguous family") << "DIM" << false << QVector<quint8>{};
    QTest::newRow("code too large") << "256" << false << QVector<quint8>{};
    QTest::newRow("empty item") << "TI4,,AO4" << false << QVector<quint8>{};
}

void tst_Station::moduleLists()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QVector<quint8>, expected);
    QVector<quint8> codes;
    QString error;
    QCOMPARE(SimCatalog::parseModuleList(text, codes, &error), ok);
    QCOMPARE(codes, expected);
    QCOMPARE(error.isEmpty(), ok);
}

void tst_Station::deviceErrorSpecs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("tunnel");
    QTest::addColumn<int>("address");
    QTest::newRow("hex address") << "66@0x64" << true << 66 << 0 << 0x64;
    QTest::newRow("decimal") << "7@528" << true << 7 << 0 << 528;
    QTest::newRow("tunnelled") << "0x42@0x1004:0x13" << true << 66 << 0x1004 << 0x13;
    QTest::newRow("code 0 reads as success") << "0@0x64" << false << 0 << 0 << 0;
    QTest::newRow("code 128 is a transport status") << "128@0x64" << false << 0 << 0 << 0;
    QTest::newRow("no address") << "66@" << false << 0 << 0 << 0;
    QTest::newRow("no at sign") << "66" << false << 0 << 0 << 0;
    QTest::newRow("address too large") << "66@0x10000" << false << 0 << 0 << 0;
    QTest::newRow("two tunnels") << "66@1:2:3" << false << 0 << 0 << 0;
}

void tst_Station::deviceErrorSpecs()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    SimFaults::DeviceError error;
    QString message;
    QCOMPARE(SimFaults::parseDeviceError(text, error, &message), ok);
    QCOMPARE(message.isEmpty(), ok);
    if (!ok)
        return;
    QTEST(error.code, "code");
    QTEST(int(error.tunnel), "tunnel");
    QTEST(int(error.address), "address");
}

void tst_Station::addressHelpers()
{
    QCOMPARE(SimStation::tunnelAddress(1, 0), quint16(0x1000));
    QCOMPARE(SimStation::tunnelAddress(1, 2), quint16(0x1002));
    QCOMPARE(SimStation::tunnelAddress(2, 0), quint16(0x1004));
    QCOMPARE(SimStation::tunnelAddress(16, 3), quint16(0x103F));
    QCOMPARE(SimStation::commitAddress(3, 1), quint16(0x409));
    QCOMPARE(SimStation::registerAddress(16, 3, 3), quint16(0x3FF));
}

void tst_Station::randomRequestsGetWellFormedAnswers()
{
    // Valid frames with random contents reach every branch of the engine,
    // tunnels included; every answer must still be a sound frame.
    auto station = makeStation(QStringLiteral("TI4,RO8,CI4,AO4"));
    QRandomGenerator random(4242);
    const quint16 bases[] = {0x0000, 0x0100, 0x0200, 0x0300, 0x0400, 0x1000};
    for (int i = 0; i < 20000; ++i) {
        const quint16 address = quint16(bases[random.bounded(6)] + random.bounded(0x50));
        QByteArray data(random.bounded(40), '\0');
        for (char &c : data)
            c = char(random.bounded(256));
        const bool write = random.bounded(2);
        const QByteArray request = random.bounded(3) == 0
                                       ? tunnelled(quint16(0x1000 + random.bounded(0x40)), write,
                                                   quint16(random.bounded(0x120)), data)
                                       : frame(write, address, data);
        const SimReply reply = station->handleRequest(request);
        QCOMPARE(reply.outcome, SimReply::Answered);
        const Decoded d = decode(reply.frame);
        QVERIFY(d.status >= 0 && d.status < ZEMP_ERR_TIMEOUT);
        if (d.status == 0)
            QCOMPARE(d.address, quint16((quint8(request.at(1)) << 8) | quint8(request.at(2))));
    }
    QCOMPARE(decode(station->handleRequest(frame(false, 0x64)).frame).data, bytes({0, 28}));
    QCOMPARE(station->moduleTypes(), (QVector<quint8>{2, 102, 3, 1}));
}

QTEST_GUILESS_MAIN(tst_Station)
#include "tst_station.moc"
