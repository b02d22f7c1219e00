#include "stations/ManagedStation.h"

#include "comm/ZEMPPort.h"

#include <QtTest/QtTest>

// An online station that no operation uses is read once per keep-alive
// interval; one that stops answering is taken offline with the message of
// a lost communication and its cause, one that answers (even with a device
// error) stays online.
class tst_KeepAlive : public QObject
{
    Q_OBJECT

    static QString lostText()
    {
        return QStringLiteral("Disconnecting because:\n\nCommunication with the device was lost.\n\n"
                              "You must reconnect once the problem is resolved.");
    }

private Q_SLOTS:
    void idleStationIsNotRead()
    {
        ManagedStation link(0);
        QVERIFY(link.ok && link.connectStation());
        // Well inside the default interval, an idle station sees no request.
        const quint64 before = link.requests();
        QTest::qWait(1000);
        QCOMPARE(link.requests(), before);
    }

    void readsOncePerInterval()
    {
        ManagedStation link(0);
        QVERIFY(link.ok && link.connectStation());
        link.connection->setKeepAliveIntervalMs(200);
        const quint64 before = link.requests();
        QTest::qWait(1100);
        const quint64 reads = link.requests() - before;
        QVERIFY2(reads >= 3 && reads <= 6, qPrintable(QString::number(reads)));
        QCOMPARE(link.connection->state(), int(RYXConnection::Online));
        QCOMPARE(link.receiver.messages(), QStringList());
    }

    void stationThatStopsAnswering_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<QString>("cause");
        QTest::newRow("stopped") << "stop" << true << "Connection refused by 127.0.0.1:PORT";
        QTest::newRow("silent") << "silent" << true << "No answer in 0.3 s";
        QTest::newRow("device error") << "error" << false << "";
    }

    void stationThatStopsAnswering()
    {
        QFETCH(QString, fault);
        QFETCH(bool, offline);
        QFETCH(QString, cause);
        ManagedStation link(0);
        QVERIFY(link.ok && link.connectStation());
        link.connection->getPort()->setTimeout(300);
        const quint16 port = link.sim.httpPort();
        SimFaults faults = link.sim.station()->faults();
        if (fault == "silent")
            faults.setSilentAfter(int(link.requests()));
        else if (fault == "error")
            faults.addDeviceError({5, 0x64, 0});
        link.sim.station()->setFaults(faults);
        if (fault == "stop")
            link.sim.stopServing();
        const quint64 before = link.requests();
        link.connection->setKeepAliveIntervalMs(300);

        if (offline) {
            QTRY_COMPARE_WITH_TIMEOUT(link.connection->state(), int(RYXConnection::Offline), 5000);
            QCOMPARE(link.receiver.messages(), QStringList{lostText()});
            QCOMPARE(link.receiver.causes(), QStringList{cause.replace("PORT", QString::number(port))});
            QVERIFY(!link.station->isOnline());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(link.requests() >= before + 2, 5000);
            QCOMPARE(link.connection->state(), int(RYXConnection::Online));
            QCOMPARE(link.receiver.messages(), QStringList());
        }
    }
};

QTEST_MAIN(tst_KeepAlive)
#include "tst_keepalive.moc"
