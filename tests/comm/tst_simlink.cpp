// Point transfers over a real pty and a real loopback socket against the
// station simulator running in-process.
#include "app/RYXHeadlessReceiver.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "database/RYXDatabase.h"
#include "model/RYXObject.h"

#include "SimCatalog.h"
#include "SimStation.h"
#include "SimThread.h"

#include "support/RunOnWorker.h"

#include <QtTest/QTest>

#include <functional>
#include <memory>

namespace {

class HeadObject : public RYXObject
{
public:
    HeadObject()
    {
        name = QStringLiteral("EIM");
        InsertPoint(QStringLiteral("devicetype"), 0, SimCatalog::DeviceTypePoint, ZEMP_UINT16);
        InsertPoint(QStringLiteral("moduletype"), 0, SimCatalog::ModuleTypePoint, ZEMP_UINT8);
        InsertPoint(QStringLiteral("mim_nummodules"), 0, SimCatalog::ModuleCountPoint, ZEMP_UINT8);
        InsertPoint(QStringLiteral("mim_moduletypes"), QString(), SimCatalog::ModuleTypesPoint, ZEMP_BINARY, 16);
        InsertPoint(QStringLiteral("nosuchpoint"), 0, 0x0777, ZEMP_UINT8);
    }
};

// A simulated station, a port of the chosen transport and a tree object
// connected through it.
class Link
{
public:
    explicit Link(bool tcp)
    {
        SimOptions options;
        SimCatalog::parseModuleList(QStringLiteral("TI4,AO4"), options.modules, nullptr);
        options.httpEnabled = tcp;
        options.ptyEnabled = !tcp;
        sim = std::make_unique<SimThread>(options);
        ok = sim->startServing();
        if (!ok)
            return;
        ZEMPPort *port;
        if (tcp) {
            port = new ZEMPTCPPort(QStringLiteral("127.0.0.1:%1").arg(sim->httpPort()));
        } else {
            auto *rs = new ZEMPRSPort;
            rs->setDevicePath(sim->slavePath());
            port = rs;
        }
        ok = port->openPort();
        port->setTimeout(300);
        connection.setPort(port);
        connection.setEventReceiver(&receiver);
        head.setConnection(&connection);
    }
    ~Link()
    {
        if (connection.getPort())
            connection.getPort()->closePort();
    }

    void run(const std::function<void(TransferContext &)> &work)
    {
        QCOMPARE(runOnWorker([&] {
                     TransferContext context(false, &head, true);
                     work(context);
                     return 0;
                 }),
                 0);
    }
    QString value(const char *key) { return head.getDatabase()->GetString(QString::fromLatin1(key)); }

    bool ok = false;
    std::unique_ptr<SimThread> sim;
    HeadObject head;
    RYXConnection connection{&head};
    RYXHeadlessReceiver receiver;
};

void addTransports()
{
    QTest::addColumn<bool>("tcp");
    QTest::newRow("pty") << false;
    QTest::newRow("tcp") << true;
}

} // namespace

class tst_SimLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void station_data() { addTransports(); }

    void station()
    {
        QFETCH(bool, tcp);
        Link link(tcp);
        QVERIFY(link.ok);
        int type = -99, other = -99, unknown = -99, second = -99, absent = -99;
        link.run([&](TransferContext &c) {
            type = c.verifyDeviceType(28);
            other = c.verifyDeviceType(27);
            c.readPoint(QStringLiteral("mim_moduletypes"));
            unknown = c.readPoint(QStringLiteral("nosuchpoint"), true);
            c.setTunnelAddress(SimStation::tunnelAddress(2, 0));
            second = c.verifyType(1, true); // AO4 answers module type 1
            c.setTunnelAddress(SimStation::tunnelAddress(5, 0));
            absent = c.verifyType(1, true);
        });
        QCOMPARE(type, 0);
        QCOMPARE(other, int(TransferContext::DifferentDevice));
        QCOMPARE(link.value("mim_moduletypes"), QStringLiteral("0201") + QString(28, QLatin1Char('0')));
        QCOMPARE(unknown, int(SimStation::ErrUnknownAddress));
        QCOMPARE(second, 0);
        QCOMPARE(absent, int(TransferContext::DeviceMissing));
    }

    void faults_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("result");
        for (bool tcp : {false, true}) {
            const char *t = tcp ? "tcp" : "pty";
            QTest::addRow("%s, every 2nd reply dropped", t) << tcp << "drop" << 0;
            QTest::addRow("%s, every 2nd reply corrupt", t) << tcp << "corrupt" << 0;
            QTest::addRow("%s, device error 66 on devicetype", t) << tcp << "error66" << 3;
            QTest::addRow("%s, station gone silent", t) << tcp << "silent" << 2;
        }
    }

    void faults()
    {
        QFETCH(bool, tcp);
        QFETCH(QString, fault);
        QFETCH(int, result);
        Link link(tcp);
        QVERIFY(link.ok);
        SimFaults f;
        if (fault == QLatin1String("drop"))
            f.setDropEvery(2);
        else if (fault == QLatin1String("corrupt"))
            f.setCorruptEvery(2);
        else if (fault == QLatin1String("error66"))
            f.addDeviceError({66, SimCatalog::DeviceTypePoint, 0});
        else
            f.setSilentAfter(1);
        link.sim->station()->setFaults(f);
        int first = -99, verified = -99;
        link.run([&](TransferContext &c) {
            first = c.readPoint(QStringLiteral("mim_nummodules"));
            verified = c.verifyDeviceType(28); // request 2 meets the fault, 3 is answered
        });
        QCOMPARE(first, 0);
        QCOMPARE(link.value("mim_nummodules"), QStringLiteral("2"));
        QCOMPARE(verified, result);
        if (result == 0)
            QCOMPARE(link.sim->station()->requestCount(), quint64(3));
    }
};

QTEST_MAIN(tst_SimLink)
#include "tst_simlink.moc"
