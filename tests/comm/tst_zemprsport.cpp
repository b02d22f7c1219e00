#include "comm/ZEMPRSPort.h"

#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtTest/QTest>

class tst_ZEMPRSPort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openFailure()
    {
        ZEMPRSPort port;
        port.setDevicePath(QStringLiteral("/dev/does-not-exist-ryx"));
        QVERIFY(!port.openPort());
        QVERIFY(!port.isPortOpen());
        QVERIFY(!port.errorString().isEmpty());
        // A transaction on a port that is not open fails at once.
        QElapsedTimer clock;
        clock.start();
        int count = 0;
        BYTE buffer[ZEMP_MAX_FRAME];
        QCOMPARE(port.readCommand(0x64, &count, buffer), ZEMP_ERR_TIMEOUT);
        QVERIFY(clock.elapsed() < 500);
    }

    void timeoutAndReopen()
    {
        SimOptions options;
        options.ptyEnabled = true;
        options.faults.setSilentAfter(1);
        SimThread sim(options);
        QVERIFY2(sim.startServing(), qPrintable(sim.errorString()));
        ZEMPRSPort port;
        port.setDevicePath(sim.slavePath());
        QVERIFY(port.openPort());
        QVERIFY(port.closePort());
        QVERIFY(!port.isPortOpen());
        QVERIFY(port.openPort());

        BYTE buffer[ZEMP_MAX_FRAME];
        int count = 0;
        QCOMPARE(port.readCommand(0x64, &count, buffer), 0);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), count), QByteArray::fromHex("001C"));

        // The station has gone silent: the answer is awaited for just over 2000 ms.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(port.readCommand(0x64, &count, buffer), ZEMP_ERR_TIMEOUT);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed > 2000 && elapsed < 2300, qPrintable(QString::number(elapsed)));
        QCOMPARE(count, 0);
    }
};

QTEST_GUILESS_MAIN(tst_ZEMPRSPort)
#include "tst_zemprsport.moc"
