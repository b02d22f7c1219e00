// The communication settings: the dialog's choices, the port the set-up
// creates from them and what it remembers in the settings.
#include "app/RYXHeadlessReceiver.h"
#include "app/RYXScriptedPrompter.h"
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "stations/RYXInterfaceModule.h"

#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
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

// The dialog's widgets, found by the names the form gives them.
struct Form
{
    explicit Form(QDialog &dialog)
        : RSRadioButton(dialog.findChild<QRadioButton *>(QStringLiteral("RSRadioButton"))),
          TCPRadioButton(dialog.findChild<QRadioButton *>(QStringLiteral("TCPRadioButton"))),
          PhysicalGroupBox(dialog.findChild<QGroupBox *>(QStringLiteral("PhysicalGroupBox"))),
          RSGroupBox(dialog.findChild<QGroupBox *>(QStringLiteral("RSGroupBox"))),
          TCPGroupBox(dialog.findChild<QGroupBox *>(QStringLiteral("TCPGroupBox"))),
          portComboBox(dialog.findChild<QComboBox *>(QStringLiteral("portComboBox"))),
          IPComboBox(dialog.findChild<QComboBox *>(QStringLiteral("IPComboBox"))),
          otherEdit(dialog.findChild<QLineEdit *>(QStringLiteral("otherEdit")))
    {
    }
    QRadioButton *RSRadioButton;
    QRadioButton *TCPRadioButton;
    QGroupBox *PhysicalGroupBox;
    QGroupBox *RSGroupBox;
    QGroupBox *TCPGroupBox;
    QComboBox *portComboBox;
    QComboBox *IPComboBox;
    QLineEdit *otherEdit;
};

QSettings store()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

// Fills in the dialog like a user and presses OK (or Cancel).
CommsSetup::DialogHook choose(int comboIndex, const QString &other, bool accept = true)
{
    return [=](CommsConfigDialog &dialog) {
        const Form form(dialog);
        form.RSRadioButton->click();
        form.portComboBox->setCurrentIndex(comboIndex);
        dialog.portComboChanged(comboIndex);
        form.otherEdit->setText(other);
        return accept ? QDialog::Accepted : QDialog::Rejected;
    };
}

CommsSetup::DialogHook chooseAddress(const QString &address)
{
    return [=](CommsConfigDialog &dialog) {
        Form(dialog).TCPRadioButton->click();
        Form(dialog).IPComboBox->setCurrentText(address);
        return int(QDialog::Accepted);
    };
}

} // namespace

class tst_CommsConfig : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void chosenComPort_data();
    void chosenComPort();
    void presentationHidesWhatTheStationLacks_data();
    void presentationHidesWhatTheStationLacks();
    void otherSevenIsComSevenAndNotRememberedWhenItFails();
    void devicePathOpensAndIsProposedNextTime();
    void recentAddressesMoveToTopAndKeepTen();
    void addressChoices_data();
    void addressChoices();

private:
    QTemporaryDir m_dir;
    RYXScriptedPrompter m_prompter;
    RYXHeadlessReceiver m_receiver;
    TransportStation *m_station = nullptr;
    RYXConnection *m_connection = nullptr;
};

void tst_CommsConfig::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

void tst_CommsConfig::init()
{
    store().clear();
    m_prompter.clear();
    RYXPrompter::setInstance(&m_prompter);
    m_station = new TransportStation;
    m_connection = new RYXConnection(m_station);
    m_connection->setEventReceiver(&m_receiver);
    m_station->setConnection(m_connection);
}

void tst_CommsConfig::cleanup()
{
    CommsSetup::setDialogHook(nullptr);
    m_station->setConnection(nullptr);
    delete m_connection;
    delete m_station;
    RYXPrompter::setInstance(nullptr);
}

void tst_CommsConfig::chosenComPort_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("other");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("path");

    QTest::newRow("COM 1") << false << 0 << QString() << 1 << QString();
    QTest::newRow("COM 4") << false << 3 << QString() << 4 << QString();
    QTest::newRow("other 7") << false << 4 << "7" << 7 << QString();
    QTest::newRow("other padded") << false << 4 << " 12 " << 12 << QString();
    QTest::newRow("other path") << false << 4 << "/dev/ttyUSB0" << int(CommsConfigDialog::DevicePathPort) << "/dev/ttyUSB0";
    QTest::newRow("other empty") << false << 4 << "" << -1 << QString();
    QTest::newRow("other zero is not TCP/IP") << false << 4 << "0" << -1 << QString();
    QTest::newRow("other negative") << false << 4 << "-3" << -1 << QString();
    QTest::newRow("TCP/IP") << true << 0 << QString() << 0 << QString();
}

void tst_CommsConfig::chosenComPort()
{
    QFETCH(bool, tcp);
    QFETCH(int, index);
    QFETCH(QString, other);
    QFETCH(int, port);
    QFETCH(QString, path);
    CommsConfigDialog dialog;
    QCOMPARE(dialog.chosenComPort(), -1); // nothing selected yet
    QVERIFY(Form(dialog).otherEdit->isHidden());
    choose(index, other)(dialog);
    if (tcp)
        Form(dialog).TCPRadioButton->click();
    QCOMPARE(dialog.chosenComPort(), port);
    QCOMPARE(dialog.chosenDevicePath(), path);
    QCOMPARE(Form(dialog).otherEdit->isHidden(), index != CommsConfigDialog::OtherIndex);
    QCOMPARE(Form(dialog).RSGroupBox->isEnabled(), !tcp);
    QCOMPARE(Form(dialog).TCPGroupBox->isEnabled(), tcp);
}

void tst_CommsConfig::presentationHidesWhatTheStationLacks_data()
{
    QTest::addColumn<unsigned>("transports");
    QTest::addColumn<bool>("physicalShown");
    QTest::addColumn<bool>("rsShown");
    QTest::addColumn<bool>("tcpShown");
    QTest::addColumn<bool>("tcpChosen");

    QTest::newRow("both") << 3u << true << true << true << false;
    QTest::newRow("RS 232 only") << 1u << false << true << false << false;
    QTest::newRow("TCP/IP only") << 2u << false << false << true << true;
}

void tst_CommsConfig::presentationHidesWhatTheStationLacks()
{
    QFETCH(unsigned, transports);
    QFETCH(bool, physicalShown);
    QFETCH(bool, rsShown);
    QFETCH(bool, tcpShown);
    QFETCH(bool, tcpChosen);
    m_station->transports = transports;
    CommsSetup::writeRecentAddresses({ "10.0.0.9", "10.0.0.8" });
    QList<bool> shown;
    QString title;
    QString address;
    bool tcp = false;
    CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
        const Form form(dialog);
        shown = { !form.PhysicalGroupBox->isHidden(), !form.RSGroupBox->isHidden(),
                  !form.TCPGroupBox->isHidden() };
        title = dialog.windowTitle();
        address = form.IPComboBox->currentText();
        tcp = form.TCPRadioButton->isChecked();
        return int(QDialog::Rejected);
    });
    QVERIFY(!CommsSetup(m_connection, m_station).run());
    QCOMPARE(shown, (QList<bool>{ physicalShown, rsShown, tcpShown }));
    QCOMPARE(title, QStringLiteral("Configure Communications"));
    QCOMPARE(tcp, tcpChosen);
    if (tcpChosen)
        QCOMPARE(address, QStringLiteral("10.0.0.9"));
    QVERIFY(!m_connection->getPort());
}

void tst_CommsConfig::otherSevenIsComSevenAndNotRememberedWhenItFails()
{
    CommsSetup::setDialogHook(choose(CommsConfigDialog::OtherIndex, QStringLiteral("7")));
    QVERIFY(!CommsSetup(m_connection, m_station).run());
    auto *port = qobject_cast<ZEMPRSPort *>(m_connection->getPort());
    QVERIFY(port);
    QCOMPARE(port->comPort(), 7);
    QCOMPARE(port->deviceName(), ZEMPRSPort::comPortDeviceName(7));
    QVERIFY(!port->isPortOpen());
    QCOMPARE(m_connection->comPortNumber(), 7);
    QCOMPARE(m_station->getComPort(), 7);
    QCOMPARE(m_prompter.promptTexts(), QStringList{ "Failed to open COM port, it may be in use." });
    QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("Error"));
    QVERIFY(!store().contains(QStringLiteral("/Comm Port")));

    // Connecting now opens the port again and fails the same way.
    m_prompter.clear();
    m_connection->connectSlot(false);
    QCOMPARE(m_prompter.promptTexts(), QStringList{ "Failed to open COM port, it may be in use." });
    QVERIFY(!m_connection->isConnectRequested());
}

void tst_CommsConfig::devicePathOpensAndIsProposedNextTime()
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString slave = QString::fromLocal8Bit(ptsname(master));

    CommsSetup::setDialogHook(choose(CommsConfigDialog::OtherIndex, slave));
    QVERIFY(CommsSetup(m_connection, m_station).run());
    auto *port = qobject_cast<ZEMPRSPort *>(m_connection->getPort());
    QVERIFY(port && port->isPortOpen());
    QCOMPARE(port->deviceName(), slave);
    QVERIFY(m_prompter.prompts().isEmpty());
    QCOMPARE(store().value(QStringLiteral("/Comm Port")).toString(), slave);

    // The next set-up proposes it under "Other"; a port that is open is kept.
    m_connection->configureCommsSlot();
    QCOMPARE(m_connection->getPort(), port);
    port->closePort();
    QString proposed;
    int proposedIndex = -1;
    CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
        proposed = Form(dialog).otherEdit->text();
        proposedIndex = Form(dialog).portComboBox->currentIndex();
        return int(QDialog::Rejected);
    });
    m_connection->configureCommsSlot();
    QCOMPARE(proposedIndex, int(CommsConfigDialog::OtherIndex));
    QCOMPARE(proposed, slave);
    QCOMPARE(m_connection->getPort(), port); // cancelled: unchanged
    ::close(master);
}

void tst_CommsConfig::recentAddressesMoveToTopAndKeepTen()
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
    QVERIFY(!store().contains(QStringLiteral("/RecentIPs/IP11")));
    auto *port = qobject_cast<ZEMPTCPPort *>(m_connection->getPort());
    QVERIFY(port);
    QCOMPARE(port->host(), QStringLiteral("station.local"));
    QCOMPARE(port->port(), 8080);
}

void tst_CommsConfig::addressChoices_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("created");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");

    QTest::newRow("empty uses default") << "" << true << QString::fromLatin1(CommsSetup::DefaultStationAddress) << 80;
    QTest::newRow("plain address") << "192.168.7.7" << true << "192.168.7.7" << 80;
    QTest::newRow("with port") << "127.0.0.1:8081" << true << "127.0.0.1" << 8081;
    QTest::newRow("port out of range") << "127.0.0.1:70000" << false << QString() << 0;
    QTest::newRow("port not a number") << "host:http" << false << QString() << 0;
}

void tst_CommsConfig::addressChoices()
{
    QFETCH(QString, typed);
    QFETCH(bool, created);
    QFETCH(QString, host);
    QFETCH(int, port);
    m_station->transports = RYXInterfaceModule::TransportTCPIP;
    CommsSetup::setDialogHook(chooseAddress(typed));
    QCOMPARE(CommsSetup(m_connection, m_station).run(), created);
    auto *tcp = qobject_cast<ZEMPTCPPort *>(m_connection->getPort());
    QCOMPARE(bool(tcp), created);
    QCOMPARE(m_prompter.prompts().size(), created ? 0 : 1);
    if (!created) {
        QVERIFY(CommsSetup::readRecentAddresses().isEmpty());
        QCOMPARE(m_connection->comPortNumber(), -1);
        return;
    }
    QCOMPARE(tcp->host(), host);
    QCOMPARE(int(tcp->port()), port);
    QCOMPARE(m_connection->comPortNumber(), 0);
    const QString remembered = typed.isEmpty() ? host : typed;
    QCOMPARE(m_connection->ipAddress(), remembered);
    QCOMPARE(CommsSetup::readRecentAddresses(), QStringList{ remembered });
}

QTEST_MAIN(tst_CommsConfig)
#include "tst_commsconfig.moc"
