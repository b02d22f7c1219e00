#include "app/RYXClassTable.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXHeadlessReceiver.h"
#include "stations/EIModuleObject.h"

#include "SimStation.h"
#include "SimThread.h"

#include <QtTest/QTest>

// The serial path end to end: a station class that also allows RS-232
// connects through the connection thread to the simulator over a pty,
// uploads after connecting, downloads a changed name, and disconnects.
class SerialCapableStation : public EIModuleObject
{
public:
    unsigned getTransportMask() const override { return TransportRS232 | TransportTCPIP; }
};

class tst_SerialStation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void connectUploadDownloadOverPty();
};

void tst_SerialStation::connectUploadDownloadOverPty()
{
    RYXScriptedPrompter prompter;
    RYXPrompter::setInstance(&prompter);
    // The read-back after the download makes its copy of the station by class.
    RYXClassTable::registerAll();
    SimOptions options;
    options.ptyEnabled = true;
    options.baud = 57600;
    SimThread sim(options);
    QVERIFY2(sim.startServing(), qPrintable(sim.errorString()));

    RYXHeadlessReceiver receiver;
    SerialCapableStation station;
    RYXConnection connection(&station);
    connection.setEventReceiver(&receiver);
    station.setConnection(&connection);
    auto *port = new ZEMPRSPort;
    port->setDevicePath(sim.slavePath());
    connection.setPort(port);
    const auto resultsEndWith = [&](const QString &suffix) {
        for (const QString &line : receiver.progressResults())
            if (line.endsWith(suffix))
                return true;
        return false;
    };

    connection.connectSlot(true);
    QTRY_COMPARE_WITH_TIMEOUT(connection.state(), int(RYXConnection::Online), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(resultsEndWith(QStringLiteral(" overall upload success!")), 20000);
    QCOMPARE(station.getString(QStringLiteral("descriptor")), QStringLiteral("EIM"));

    station.setValue(QStringLiteral("descriptor"), "Pump_7");
    station.requestOperation(QStringLiteral("download"));
    QTRY_VERIFY_WITH_TIMEOUT(resultsEndWith(QStringLiteral(" overall download success!")), 20000);
    QByteArray stored;
    QVERIFY(sim.station()->readPoint(0, 0x0C, stored));
    QCOMPARE(QString::fromLatin1(stored).section(QLatin1Char('\0'), 0, 0).trimmed(), QStringLiteral("Pump_7"));

    connection.disconnectSlot();
    QTRY_COMPARE(connection.state(), int(RYXConnection::Offline));
    QVERIFY(prompter.prompts().isEmpty());
    station.setConnection(nullptr);
    RYXPrompter::setInstance(nullptr);
}

QTEST_MAIN(tst_SerialStation)
#include "tst_serialstation.moc"
