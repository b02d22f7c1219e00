// The station engine: frames in, frames out, without any transport.
#include "sim/SimTestFrames.h"

#include "SimCatalog.h"
#include "SimOptions.h"
#include "SimStation.h"

#include <QtTest/QtTest>

#include <cstring>
#include <memory>

using namespace SimTestFrames;

namespace {

std::unique_ptr<SimStation> makeStation(const QString &modules = QStringLiteral("TI4,RO8,CI4"))
{
    QVector<quint8> codes;
    if (!SimCatalog::parseModuleList(modules, codes, nullptr))
        qFatal("bad module list in test");
    return std::unique_ptr<SimStation>(SimStation::create(QStringLiteral("eim"), codes, nullptr));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

Decoded ask(SimStation &station, const QByteArray &request)
{
    return decode(station.handleRequest(request).frame);
}

quint16 addressOf(const QByteArray &frame)
{
    return quint16((quint8(frame.at(1)) << 8) | quint8(frame.at(2)));
}

} // namespace

class tst_Station : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        // A tunnelled read answers in two layers: the outer status, then the
        // module's own frame with the inner status.
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QStringList>("options"); // as on the command line
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QByteArray>("value");
        const auto head = [](const char *name, quint16 address, const QByteArray &value) {
            QTest::newRow(name) << frame(false, address) << QStringList() << 0 << 0 << value;
        };
        const auto tunnel = [](const char *name, quint16 via, quint16 address, int outer, int inner,
                               const QByteArray &value, const QStringList &options = {}) {
            QTest::newRow(name) << tunnelled(via, false, address) << options << outer << inner << value;
        };
        head("register of an input's status", 0x302, QByteArray(4, '\0'));
        QTest::newRow("register of no module") << frame(false, 0x330) << QStringList() << int(SimStation::ErrMissing)
                                               << 0 << QByteArray();
        QTest::newRow("commit addresses are not read") << frame(false, 0x404) << QStringList()
                                                       << int(SimStation::ErrUnknownAddress) << 0 << QByteArray();
        // Station TI4, RO8, CI4: module n starts at 0x1000 + 4(n-1).
        tunnel("module 2 type", 0x1004, 0x13, 0, 0, bytes({102}));
        tunnel("channel 1 shares the module address", 0x1000, 0x64, 0, 0, bytes({0, 2}));
        tunnel("CI4 channel 4 kind", 0x100B, 0x64, 0, 0, bytes({0, 0x54}));
        tunnel("channel firmware", 0x1002, 0x68, 0, 0, bytes({2, 3}));
        tunnel("unknown inner point", 0x1000, 0x999, 0, SimStation::ErrUnknownAddress, {});
        // A relay module has no channels, but four tunnel targets for its tags.
        tunnel("relay module's second target", 0x1005, 0x64, 0, 0, bytes({0, 102}));
        tunnel("relay module's tag 2", 0x1005, 0x107, 0, 0, QByteArray(24, '\0'));
        tunnel("relay module's tag 8", 0x1004, 0x113, 0, 0, QByteArray(24, '\0'));
        tunnel("no relay tag beyond 8", 0x1004, 0x114, 0, SimStation::ErrUnknownAddress, {});
        // A read of a tunnel address carries no frame to pass on; nor does a
        // payload whose checksum is wrong.
        QByteArray badInner = frame(false, 0x13);
        badInner[3] = char(badInner.at(3) + 1);
        QTest::newRow("read of a tunnel address") << frame(false, 0x1002) << QStringList()
                                                  << int(SimStation::ErrBadTunnelFrame) << 0 << QByteArray();
        QTest::newRow("inner checksum wrong") << frame(true, 0x1002, badInner) << QStringList()
                                              << int(SimStation::ErrBadTunnelFrame) << 0 << QByteArray();
        // Status words and device errors injected on one point.
        const auto with = [](const char *name, quint16 address, const QStringList &options, int status,
                             const QByteArray &value) {
            QTest::newRow(name) << frame(false, address) << options << status << 0 << value;
        };
        with("status word", SimCatalog::StatusPoint, {}, 0, bytes({0, 0}));
        with("status word in hex", SimCatalog::StatusPoint, {"--status", "0x3001"}, 0, bytes({0x30, 0x01}));
        with("p2p status word", SimCatalog::P2pStatusPoint, {"--p2p-status", "33"}, 0, bytes({0, 0x21}));
        with("error on a head point", 0x64, {"--device-error", "33@0x64"}, 33, {});
        with("other head point unaffected", 0x102, {"--device-error", "33@0x64"}, 0, bytes({3}));
        with("device error at a decimal address", 0x210, {"--device-error", "7@528"}, 7, {});
        const QStringList moduleError{"--device-error", "0x2A@0x1004:0x13"};
        tunnel("error on a module point", 0x1004, 0x13, 0, 0x2A, {}, moduleError);
        tunnel("other module unaffected", 0x1000, 0x13, 0, 0, bytes({2}), moduleError);
    }

    void reads()
    {
        QFETCH(QByteArray, request);
        QFETCH(QStringList, options);
        SimOptions parsed;
        QString message;
        QCOMPARE(SimOptions::parse(options + QStringList{"--http", ":0"}, parsed, message), SimOptions::Parse::Ok);
        auto station = makeStation();
        station->configure(parsed);
        Decoded d = ask(*station, request);
        QTEST(d.status, "outer");
        if (d.status != 0)
            return;
        QCOMPARE(d.address, addressOf(request));
        if (addressOf(request) >= SimStation::TunnelBase) {
            request = request.mid(3, request.size() - 4);
            d = decode(d.data);
            QTEST(d.status, "inner");
            if (d.status != 0)
                return;
            QCOMPARE(d.address, addressOf(request));
        }
        QTEST(d.data, "value");
    }

    void writes_data()
    {
        QTest::addColumn<quint16>("tunnel");
        QTest::addColumn<quint16>("address");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("stored");
        const QByteArray name("EIM\0\0\0\0\0\0\0\0\0", 12);
        QTest::newRow("text shorter than field")
            << quint16(0) << quint16(0x0C) << QByteArray("PUMP 7", 7) << 0 << QByteArray("PUMP 7\0\0\0\0\0\0", 12);
        QTest::newRow("text filling the field")
            << quint16(0) << quint16(0x0C) << QByteArray("ABCDEFGHIJK", 12) << 0 << QByteArray("ABCDEFGHIJK", 12);
        QTest::newRow("text past the field")
            << quint16(0) << quint16(0x0C) << QByteArray(13, 'x') << int(SimStation::ErrBadLength) << name;
        QTest::newRow("integer of wrong width")
            << quint16(0) << quint16(0x100) << bytes({0, 1}) << int(SimStation::ErrBadLength) << bytes({0});
        QTest::newRow("read-only device type")
            << quint16(0) << quint16(0x64) << bytes({0, 29}) << int(SimStation::ErrReadOnly) << bytes({0, 28});
        QTest::newRow("only the station changes its status word")
            << quint16(0) << SimCatalog::StatusPoint << bytes({0, 1}) << int(SimStation::ErrReadOnly) << bytes({0, 0});
        // Value registers and commit addresses are not stored as points.
        QTest::newRow("register of wrong width") << quint16(0) << quint16(0x325) << bytes({1, 2})
                                                 << int(SimStation::ErrBadLength) << QByteArray();
        QTest::newRow("commit to no module") << quint16(0) << quint16(0x40C) << QByteArray() << int(SimStation::ErrMissing)
                                             << QByteArray();
        QTest::newRow("channel tag") << SimStation::tunnelAddress(1, 2) << quint16(0x107) << QByteArray("TT_101")
                                     << 0 << QByteArray("TT_101").append(QByteArray(18, '\0'));
    }

    void writes()
    {
        QFETCH(quint16, tunnel);
        QFETCH(quint16, address);
        QFETCH(QByteArray, data);
        auto station = makeStation();
        QByteArray neighbour, stored, neighbourAfter;
        if (tunnel)
            QVERIFY(station->readPoint(tunnel + 1, address, neighbour));
        Decoded ack = ask(*station, tunnel ? tunnelled(tunnel, true, address, data) : frame(true, address, data));
        if (tunnel) {
            QCOMPARE(ack.status, 0);
            ack = decode(ack.data);
        }
        QTEST(ack.status, "status");
        if (address < SimStation::RegisterBase)
            QVERIFY(station->readPoint(tunnel, address, stored));
        QTEST(stored, "stored");
        if (tunnel) { // the neighbouring channel keeps its own value
            QVERIFY(station->readPoint(tunnel + 1, address, neighbourAfter));
            QCOMPARE(neighbourAfter, neighbour);
        }
    }

    void liveInputValues_data()
    {
        QTest::addColumn<quint16>("address");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        // Modules TI4, AO4, CI4: module 1 channels sit at 20 + 5 per channel, module 3 at 60 + 5.
        QTest::newRow("TI4 channel 1 PV") << quint16(0x300) << 17.5 << 22.5;
        QTest::newRow("TI4 channel 4 PV") << quint16(0x30C) << 32.5 << 37.5;
        QTest::newRow("CI4 channel 2 PV") << quint16(0x324) << 62.5 << 67.5;
    }

    void liveInputValues()
    {
        QFETCH(quint16, address);
        QFETCH(double, low);
        QFETCH(double, high);
        auto station = makeStation(QStringLiteral("TI4,AO4,CI4"));
        const Decoded answer = ask(*station, frame(false, address));
        QCOMPARE(answer.status, 0);
        QCOMPARE(answer.data.size(), 4);
        const quint32 bits = qFromBigEndian<quint32>(answer.data.constData());
        float pv = 0;
        std::memcpy(&pv, &bits, sizeof pv);
        QVERIFY2(pv >= low && pv <= high, qPrintable(QString::number(pv)));
        // A value the client wrote stays until written again.
        const QByteArray written = bytes({0x41, 0x20, 0, 0});
        QCOMPARE(ask(*station, frame(true, address, written)).status, 0);
        QCOMPARE(ask(*station, frame(false, address)).data, written);
    }

    void garbageIsIgnored_data()
    {
        QTest::addColumn<QByteArray>("garbage");
        QByteArray badSum = frame(false, 0x64);
        badSum[3] = char(badSum.at(3) ^ 0x01);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("three bytes") << bytes({0x03, 0x00, 0x64});
        QTest::newRow("bad checksum") << badSum;
        QTest::newRow("length byte disagrees") << frame(false, 0x64) + bytes({0});
        QTest::newRow("zero length byte") << bytes({0x00, 0x00, 0x00, 0x00});
        QTest::newRow("oversized") << QByteArray(300, char(0x7F));
    }

    void garbageIsIgnored()
    {
        QFETCH(QByteArray, garbage);
        auto station = makeStation();
        const SimReply reply = station->handleRequest(garbage);
        QCOMPARE(reply.outcome, SimReply::Invalid);
        QVERIFY(reply.frame.isEmpty());
        QCOMPARE(ask(*station, frame(false, 0x64)).data, bytes({0, 28}));
    }

    void faultSequence_data()
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

    void faultSequence()
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
                seen += decode(reply.frame).status == Unreadable ? QLatin1Char('c') : QLatin1Char('a');
                QCOMPARE(stored, value);
            } else {
                QCOMPARE(reply.outcome, SimReply::NoAnswer);
                seen += stored == value ? QLatin1Char('d') : QLatin1Char('s');
            }
        }
        QCOMPARE(seen, expected);
        QCOMPARE(station->requestCount(), quint64(expected.size()));
    }

    void moduleLists_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QVector<quint8>>("expected");
        const QVector<quint8> none;
        QTest::newRow("element names") << "TI4,AO4,RO8" << true << QVector<quint8>{2, 1, 102};
        QTest::newRow("mixed forms") << " tim, 102 ,0x17,undetermined" << true << QVector<quint8>{2, 102, 23, 0};
        QTest::newRow("codes without a class") << "6,200" << true << QVector<quint8>{6, 200};
        QTest::newRow("none") << "none" << true << none;
        QTest::newRow("sixteen") << QStringList(16, "CC8").join(',') << true << QVector<quint8>(16, 23);
        QTest::newRow("seventeen") << QStringList(17, "CC8").join(',') << false << none;
        QTest::newRow("unknown name") << "TI4,XX9" << false << none;
        QTest::newRow("ambiguous family") << "DIM" << false << none;
        QTest::newRow("code too large") << "256" << false << none;
        QTest::newRow("empty item") << "TI4,,AO4" << false << none;
    }

    void moduleLists()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QVector<quint8> codes;
        QString error;
        QCOMPARE(SimCatalog::parseModuleList(text, codes, &error), ok);
        QTEST(codes, "expected");
        QCOMPARE(error.isEmpty(), ok);
    }

    void randomRequestsGetWellFormedAnswers()
    {
        // Valid frames with random contents reach every branch of the engine,
        // tunnels included; every answer must still be a sound frame.
        auto station = makeStation(QStringLiteral("TI4,RO8,CI4,AO4"));
        QRandomGenerator random(4242);
        const quint16 bases[] = {0x0000, 0x0100, 0x0200, 0x0300, 0x0400, 0x1000};
        for (int i = 0; i < 20000; ++i) {
            QByteArray data(random.bounded(40), '\0');
            for (char &c : data)
                c = char(random.bounded(256));
            const bool write = random.bounded(2);
            const QByteArray request = random.bounded(3) == 0
                ? tunnelled(quint16(0x1000 + random.bounded(0x40)), write, quint16(random.bounded(0x120)), data)
                : frame(write, quint16(bases[random.bounded(6)] + random.bounded(0x50)), data);
            const SimReply reply = station->handleRequest(request);
            QCOMPARE(reply.outcome, SimReply::Answered);
            const Decoded d = decode(reply.frame);
            QVERIFY(d.status >= 0 && d.status < 0x80); // success or a device code, 1 to 127
            if (d.status == 0)
                QCOMPARE(d.address, addressOf(request));
        }
        QCOMPARE(ask(*station, frame(false, 0x64)).data, bytes({0, 28}));
        QCOMPARE(station->moduleTypes(), (QVector<quint8>{2, 102, 3, 1}));
    }
};

QTEST_GUILESS_MAIN(tst_Station)
#include "tst_station.moc"
