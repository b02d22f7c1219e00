#include "comm/ZEMPOpEnum.h"
#include "comm/ZEMPTCPPort.h"
#include "comm/ZempFailure.h"

#include <QtTest/QtTest>

// The cause of a failed transaction as a message box states it, under the
// box's own text.
class tst_ZempFailure : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sentence_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("peer");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("refused") << ZEMP_ERR_TIMEOUT << ZempFailure::connectionRefused() << "127.0.0.1:8080"
                                 << "Connection refused by 127.0.0.1:8080";
        QTest::newRow("refused, no peer") << ZEMP_ERR_TIMEOUT << ZempFailure::connectionRefused() << ""
                                          << "Connection refused";
        QTest::newRow("host not found") << ZEMP_ERR_TIMEOUT << "host not found" << "nowhere:80" << "Host not found";
        QTest::newRow("no answer") << ZEMP_ERR_TIMEOUT << ZempFailure::noAnswerIn(30000) << "127.0.0.1:8080"
                                   << "No answer in 30 s";
        QTest::newRow("checksum") << ZEMP_ERR_CHECKSUM << ZempFailure::causeOf(ZEMP_ERR_CHECKSUM) << "127.0.0.1:80"
                                  << "Checksum fault in the reply";
        QTest::newRow("device error") << 5 << ZempFailure::causeOf(5) << "" << "Device error 5";
        QTest::newRow("success") << 0 << "" << "127.0.0.1:80" << "";
    }

    void sentence()
    {
        ZempFailure failure;
        QFETCH(int, status);
        QFETCH(QString, cause);
        QFETCH(QString, peer);
        failure.status = status;
        failure.cause = cause;
        failure.point = QStringLiteral("devicetype");
        failure.address = 0x64;
        QTEST(failure.sentence(peer), "sentence");
    }

    void tcpPeer_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("peer");
        QTest::newRow("host and port") << "127.0.0.1:8080" << "127.0.0.1:8080";
        QTest::newRow("host alone") << "station.local" << "station.local:80";
    }

    void tcpPeer()
    {
        QFETCH(QString, address);
        ZEMPTCPPort port(address);
        QTEST(port.peerName(), "peer");
    }
};

QTEST_GUILESS_MAIN(tst_ZempFailure)
#include "tst_zempfailure.moc"
