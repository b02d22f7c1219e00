// Point transfers over a real pty and a real loopback socket against the
// station simulator running in-process, with its faults injected.
#include "stations/StationTestRig.h"

using namespace rig;

class tst_SimLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        }
    }

    void faults()
    {
        QFETCH(bool, tcp);
        QFETCH(QString, fault);
        QFETCH(int, result);
        Rig rig(QStringLiteral("TI4,AO4"), {}, tcp);
        QVERIFY(rig.ok);
        SimFaults f;
        if (fault == QLatin1String("drop"))
            f.setDropEvery(2);
        else if (fault == QLatin1String("corrupt"))
            f.setCorruptEvery(2);
        else
            f.addDeviceError({66, SimCatalog::DeviceTypePoint, 0});
        rig.sim->station()->setFaults(f);
        int first = -99;
        const int verified = rig.run([&] {
            TransferContext c(false, &rig.station, true);
            first = c.readPoint(QStringLiteral("mim_nummodules"));
            return c.verifyDeviceType(28); // request 2 meets the fault, 3 is answered
        });
        QCOMPARE(first, 0);
        QCOMPARE(rig.station.getString("mim_nummodules"), QStringLiteral("2"));
        QCOMPARE(verified, result);
        if (result == 0)
            QCOMPARE(rig.sim->station()->requestCount(), quint64(3));
    }
};

QTEST_MAIN(tst_SimLink)
#include "tst_simlink.moc"
