// The communication settings: the dialog's choices, the port the set-up
// creates from them and what it remembers in the settings.
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "core/RYXScriptedPrompter.h"
#include "devices/RYXInterfaceModule.h"
#include "model/RYXHeadlessReceiver.h"

#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDoubleSpinBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

class TransportStation : public RYXInterfaceModule
{
public:
    unsigned getTransportMask() const override { return transports; }
    unsigned transports = TransportRS232 | TransportTCPIP;
};

// A widget of the dialog, found by the name the form gives it.
template<class T>
T *child(QObject &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

QSettings store()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

// Fills in the dialog like a user and presses OK (or Cancel).
CommsSetup::DialogHook choose(int comboIndex, const QString &other)
{
    return [=](CommsConfigDialog &dialog) {
        child<QRadioButton>(dialog, "RSRadioButton")->click();
        child<QComboBox>(dialog, "portComboBox")->setCurrentIndex(comboIndex);
        dialog.portComboChanged(comboIndex);
        child<QLineEdit>(dialog, "otherEdit")->setText(other);
        return int(QDialog::Accepted);
    };
}

CommsSetup::DialogHook chooseAddress(const QString &address)
{
    return [=](CommsConfigDialog &dialog) {
        child<QRadioButton>(dialog, "TCPRadioButton")->click();
        child<QComboBox>(dialog, "IPComboBox")->setCurrentText(address);
        return int(QDialog::Accepted);
    };
}

// The port the set-up made: its number, device or address, and state.
QString describe(RYXConnection &connection)
{
    const int number = connection.comPortNumber();
    if (auto *rs = qobject_cast<ZEMPRSPort *>(connection.getPort()))
        return QStringLiteral("COM%1 %2 %3").arg(number).arg(rs->deviceName(), rs->isPortOpen() ? "open" : "closed");
    if (auto *tcp = qobject_cast<ZEMPTCPPort *>(connection.getPort()))
        return QStringLiteral("COM%1 %2:%3 as %4").arg(number).arg(tcp->host()).arg(tcp->port()).arg(connection.ipAddress());
    return QStringLiteral("none, COM%1").arg(number);
}

} // namespace

class tst_CommsConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        QVERIFY(m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0);
        m_slave = QString::fromLocal8Bit(ptsname(m_master));
    }
    void cleanupTestCase() { ::close(m_master); }

    void init()
    {
        store().clear();
        m_prompter.clear();
        RYXPrompter::setInstance(&m_prompter);
        m_station = new TransportStation;
        m_connection = new RYXConnection(m_station);
        m_connection->setEventReceiver(&m_receiver);
        m_station->setConnection(m_connection);
    }

    void cleanup()
    {
        CommsSetup::setDialogHook(nullptr);
        m_station->setConnection(nullptr);
        delete m_connection;
        delete m_station;
        RYXPrompter::setInstance(nullptr);
    }

    void chosenComPort_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("other");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("path");

        QTest::newRow("COM 1") << false << 0 << QString() << 1 << QString();
        QTest::newRow("other padded") << false << 4 << " 12 " << 12 << QString();
        QTest::newRow("other empty") << false << 4 << "" << -1 << QString();
        QTest::newRow("other zero is not TCP/IP") << false << 4 << "0" << -1 << QString();
        QTest::newRow("TCP/IP") << true << 0 << QString() << 0 << QString();
    }

    void chosenComPort()
    {
        QFETCH(bool, tcp);
        QFETCH(int, index);
        QFETCH(QString, other);
        CommsConfigDialog dialog;
        QCOMPARE(dialog.chosenComPort(), -1); // nothing selected yet
        choose(index, other)(dialog);
        if (tcp)
            child<QRadioButton>(dialog, "TCPRadioButton")->click();
        QTEST(dialog.chosenComPort(), "port");
        QTEST(dialog.chosenDevicePath(), "path");
        QCOMPARE(child<QLineEdit>(dialog, "otherEdit")->isHidden(), index != CommsConfigDialog::OtherIndex);
        QCOMPARE(child<QGroupBox>(dialog, "RSGroupBox")->isEnabled(), !tcp);
        QCOMPARE(child<QGroupBox>(dialog, "TCPGroupBox")->isEnabled(), tcp);
    }

    void presentationHidesWhatTheStationLacks_data()
    {
        QTest::addColumn<unsigned>("transports");
        QTest::addColumn<QList<bool>>("shown"); // physical, RS 232, TCP/IP
        QTest::addColumn<bool>("tcpChosen");
        QTest::newRow("both") << 3u << QList<bool>{ true, true, true } << false;
        QTest::newRow("RS 232 only") << 1u << QList<bool>{ false, true, false } << false;
        QTest::newRow("TCP/IP only") << 2u << QList<bool>{ false, false, true } << true;
    }

    void presentationHidesWhatTheStationLacks()
    {
        QFETCH(unsigned, transports);
        QFETCH(bool, tcpChosen);
        m_station->transports = transports;
        CommsSetup::writeRecentAddresses({ "10.0.0.9", "10.0.0.8" });
        QList<bool> shown;
        QString address;
        bool tcp = false;
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            for (const char *box : { "PhysicalGroupBox", "RSGroupBox", "TCPGroupBox" })
                shown << !child<QGroupBox>(dialog, box)->isHidden();
            address = child<QComboBox>(dialog, "IPComboBox")->currentText();
            tcp = child<QRadioButton>(dialog, "TCPRadioButton")->isChecked();
            return int(QDialog::Rejected);
        });
        QVERIFY(!CommsSetup(m_connection, m_station).run());
        QTEST(shown, "shown");
        QCOMPARE(tcp, tcpChosen);
        if (tcpChosen) // the address used last is proposed
            QCOMPARE(address, QStringLiteral("10.0.0.9"));
        QVERIFY(!m_connection->getPort());
    }

    void setUpOutcome_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<QString>("typed"); // under "Other", or the address
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("remembered"); // the serial port | the recent addresses
        const QString busy = QStringLiteral("Failed to open COM port, it may be in use.");
        const QString station = QString::fromLatin1(CommsSetup::DefaultStationAddress);
        QTest::newRow("COM 7 fails and is not remembered")
            << false << "7" << false << "COM7 /dev/ttyS6 closed" << busy << "|";
        QTest::newRow("device path opens and is remembered")
            << false << m_slave << true << QStringLiteral("COM%1 %2 open").arg(CommsConfigDialog::DevicePathPort).arg(m_slave) << QString() << m_slave + "|";
        QTest::newRow("empty address uses the default")
            << true << "" << true << "COM0 " + station + ":80 as " + station << QString() << "|" + station;
        QTest::newRow("plain address") << true << "192.168.7.7" << true << "COM0 192.168.7.7:80 as 192.168.7.7"
                                       << QString() << "|192.168.7.7";
        QTest::newRow("address with port") << true << "127.0.0.1:8081" << true
                                           << "COM0 127.0.0.1:8081 as 127.0.0.1:8081" << QString() << "|127.0.0.1:8081";
        QTest::newRow("port out of range") << true << "127.0.0.1:70000" << false << "none, COM-1"
                                           << "\"127.0.0.1:70000\" is not a station address. Enter a host name or IP address, "
                                              "optionally followed by \":\" and a port number from 1 to 65535." << "|";
    }

    void setUpOutcome()
    {
        QFETCH(bool, tcp);
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        CommsSetup::setDialogHook(tcp ? chooseAddress(typed) : choose(CommsConfigDialog::OtherIndex, typed));
        QTEST(CommsSetup(m_connection, m_station).run(), "ok");
        QTEST(describe(*m_connection), "port");
        QCOMPARE(m_prompter.promptTexts().join(QString()), prompt);
        QTEST(store().value(QStringLiteral("/Comm Port")).toString() + '|' + CommsSetup::readRecentAddresses().join(','),
              "remembered");
        if (m_connection->getPort() && !prompt.isEmpty()) { // connecting opens it again and fails the same way
            m_prompter.clear();
            m_connection->connectSlot(false);
            QCOMPARE(m_prompter.promptTexts(), QStringList{ prompt });
            QVERIFY(!m_connection->isConnectRequested());
        }
    }

    void devicePathIsProposedNextTime()
    {
        CommsSetup::setDialogHook(choose(CommsConfigDialog::OtherIndex, m_slave));
        QVERIFY(CommsSetup(m_connection, m_station).run());
        ZEMPPort *port = m_connection->getPort();
        // A port that is open is kept without asking.
        m_connection->configureCommsSlot();
        QCOMPARE(m_connection->getPort(), port);
        port->closePort();
        QString proposed;
        int proposedIndex = -1;
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            proposed = child<QLineEdit>(dialog, "otherEdit")->text();
            proposedIndex = child<QComboBox>(dialog, "portComboBox")->currentIndex();
            return int(QDialog::Rejected);
        });
        m_connection->configureCommsSlot();
        QCOMPARE(proposedIndex, int(CommsConfigDialog::OtherIndex));
        QCOMPARE(proposed, m_slave);
        QCOMPARE(m_connection->getPort(), port); // cancelled: unchanged
    }

    // Each transport shows its own reply time-out (the stored one, else its
    // default); the one chosen goes to the port and is stored.
    void replyTimeouts_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::addColumn<int>("stored"); // 0: none
        QTest::addColumn<double>("typed"); // seconds; 0: left as shown
        QTest::addColumn<double>("shown");
        QTest::addColumn<int>("timeout");
        QTest::newRow("TCP/IP default") << true << 0 << 0.0 << 30.0 << 30000;
        QTest::newRow("serial default") << false << 0 << 0.0 << 2.0 << 2000;
        QTest::newRow("TCP/IP typed") << true << 0 << 1.5 << 30.0 << 1500;
        QTest::newRow("serial stored") << false << 500 << 0.0 << 0.5 << 500;
        QTest::newRow("TCP/IP stored, typed") << true << 4000 << 0.3 << 4.0 << 300;
    }

    void replyTimeouts()
    {
        QFETCH(bool, tcp);
        QFETCH(int, stored);
        QFETCH(double, typed);
        if (stored > 0)
            CommsSetup::writeReplyTimeout(tcp, stored);
        double shown = 0;
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            (tcp ? chooseAddress(QStringLiteral("127.0.0.1:1")) : choose(CommsConfigDialog::OtherIndex, m_slave))(dialog);
            auto *box = child<QDoubleSpinBox>(dialog, tcp ? "TCPTimeoutSpinBox" : "RSTimeoutSpinBox");
            shown = box->value();
            if (typed > 0)
                box->setValue(typed);
            return int(QDialog::Accepted);
        });
        QVERIFY(CommsSetup(m_connection, m_station).run());
        QTEST(shown, "shown");
        QTEST(m_connection->getPort()->timeout(), "timeout");
        QTEST(CommsSetup::readReplyTimeout(tcp), "timeout");
        // The other transport keeps its default.
        QCOMPARE(CommsSetup::readReplyTimeout(!tcp), tcp ? 2000 : 30000);
    }

    void recentAddressesMoveToTopAndKeepTen()
    {
        m_station->transports = RYXInterfaceModule::TransportTCPIP;
        QStringList ten;
        for (int i = 1; i <= 10; ++i)
            ten << QStringLiteral("10.0.0.%1").arg(i);
        CommsSetup::writeRecentAddresses(ten);
        QCOMPARE(CommsSetup::readRecentAddresses(), ten); // "IP10" read last

        CommsSetup::setDialogHook(chooseAddress(QStringLiteral("10.0.0.5")));
        QVERIFY(CommsSetup(m_connection, m_station).run());
        QStringList expected = ten;
        expected.move(4, 0);
        QCOMPARE(CommsSetup::readRecentAddresses(), expected);

        CommsSetup::setDialogHook(chooseAddress(QStringLiteral("station.local:8080")));
        QVERIFY(CommsSetup(m_connection, m_station).run());
        expected.prepend(QStringLiteral("station.local:8080"));
        expected.removeLast();
        QCOMPARE(CommsSetup::readRecentAddresses(), expected);
    }

private:
    QTemporaryDir m_dir;
    RYXScriptedPrompter m_prompter;
    RYXHeadlessReceiver m_receiver;
    TransportStation *m_station = nullptr;
    RYXConnection *m_connection = nullptr;
    int m_master = -1; // a pty whose slave the serial port can open
    QString m_slave;
};

QTEST_MAIN(tst_CommsConfig)
#include "tst_commsconfig.moc"
