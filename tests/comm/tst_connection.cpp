// The connection thread against a station class whose operations answer
// from a script, and against the simulator over loopback TCP.
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/CVELException_Cancel.h"
#include "comm/RYXConnection.h"
#include "comm/RYXConnectionThread.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPTCPPort.h"
#include "core/RYXScriptedPrompter.h"
#include "devices/RYXInterfaceModule.h"
#include "model/RYXHeadlessReceiver.h"

#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QSettings>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QTcpServer>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

#include <algorithm>
#include <atomic>

namespace {

// Answers "connect", "synchronize", "verifyconnection" and any other
// operation with scripted codes; "connect" can instead ask the simulator.
class ScriptedStation : public RYXInterfaceModule
{
public:
    ScriptedStation()
    {
        name = QStringLiteral("Station");
        typeCode = 28;
    }
    unsigned getTransportMask() const override { return transports; }
    int executeOperation(const QString &op, bool) override
    {
        {
            QMutexLocker lock(&mutex);
            operations << op;
        }
        if (op == QLatin1String("idle")) {
            ++idlePasses;
            return 0;
        }
        if (op == QLatin1String("connect"))
            return askDevice ? verifyDevice(TransferContext(false, this, true).port()) : connectCode;
        if (op == QLatin1String("synchronize") && cancelSynchronize)
            throw CVELException_Cancel();
        if (op == QLatin1String("synchronize"))
            return synchronizeCode;
        if (op == QLatin1String("verifyconnection"))
            return verifyCode;
        return op == QLatin1String("hang") ? hang() : operationCode;
    }
    int hang()
    {
        ZEMPPort *port = nullptr;
        unsigned tunnel = 0;
        BYTE buffer[ZEMP_MAX_FRAME] = {};
        int count = 0;
        hanging = getPort(this, port, tunnel);
        return hanging ? port->readCommand(0x10, &count, buffer) : -1;
    }
    QStringList recorded()
    {
        QMutexLocker lock(&mutex);
        return operations;
    }

    unsigned transports = TransportRS232 | TransportTCPIP;
    int connectCode = 0;
    int synchronizeCode = 0;
    int verifyCode = 0;
    int operationCode = 0;
    bool cancelSynchronize = false;
    bool askDevice = false;
    std::atomic<int> idlePasses { 0 };
    std::atomic<bool> hanging { false };
    QMutex mutex;
    QStringList operations;
};

// Records what the tree item would show.
class TreeReceiver : public RYXHeadlessReceiver
{
public:
    void setTreeItemText(RYXObject *, const QString &text) override { texts << text; }
    void setTreeItemPixmap(RYXObject *, const QString &name) override { pixmaps << name; }
    void addProgressResult(const QString &iconName, const QString &text) override
    {
        icons << iconName;
        RYXHeadlessReceiver::addProgressResult(iconName, text);
    }
    QStringList texts;
    QStringList icons;
    QStringList pixmaps;
};

const char *const LostMessage =
    "Disconnecting because:\n\nCommunication with the device was lost.\n\nYou must reconnect once the problem is resolved.";
const char *const FailedMessage =
    "Disconnecting because:\n\nCommunication with the device has failed.\n\nYou must reconnect once the problem is resolved.";

} // namespace

class tst_Connection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void init()
    {
        RYXPrompter::setInstance(&m_prompter);
        m_prompter.clear();
        m_station = new ScriptedStation;
        m_receiver = new TreeReceiver;
        m_connection = new RYXConnection(m_station);
        m_connection->setEventReceiver(m_receiver);
        m_station->setConnection(m_connection);
    }

    void cleanup()
    {
        m_station->setConnection(nullptr);
        delete m_connection;
        delete m_station;
        delete m_receiver;
        RYXPrompter::setInstance(nullptr);
    }

    void connectReachesOnlineAndIdlesAtAPace()
    {
        QTRY_COMPARE(m_receiver->texts.value(0), QStringLiteral("Station <not specified>, offline"));
        givePort();
        m_connection->connectSlot(true); // with an upload right after
        QTRY_VERIFY(m_station->recorded().contains(QStringLiteral("upload")));
        QTRY_VERIFY(hasResult(QStringLiteral("Connection was succesful.")));
        QVERIFY(m_station->isOnline());
        QTRY_COMPARE(m_receiver->texts.last(), QStringLiteral("Station <127.0.0.1:1>, online"));
        QCOMPARE(m_receiver->pixmaps.last(), QStringLiteral("GreenLED"));
        QVERIFY(m_receiver->pixmaps.contains(QStringLiteral("YellowLED")));
        QCOMPARE(m_station->recorded().mid(0, 3), (QStringList{ "connect", "synchronize", "upload" }));

        // Online, the idle step runs about once per idle interval: neither a busy loop nor stalled.
        const int interval = RYXConnectionThread::IdleIntervalMs;
        const int before = m_station->idlePasses;
        QTest::qWait(6 * interval);
        const int passes = m_station->idlePasses - before;
        QVERIFY2(passes >= 4 && passes <= 6 + 3, qPrintable(QString::number(passes)));

        m_connection->disconnectSlot();
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        QVERIFY(!m_station->isOnline());
        QVERIFY(!m_connection->getPort()->isPortOpen());
        QTRY_COMPARE(m_receiver->texts.last(), QStringLiteral("Station <127.0.0.1:1>, offline"));
        QCOMPARE(m_receiver->pixmaps.last(), QStringLiteral("OliveLED"));
    }

    void connectFailures_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("synchronize");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("retryQuestions");

        // "No" is the user's own decision to close the port: a result line,
        // not a second box, says it was closed.
        QTest::newRow("no answer, no retry") << 2 << 0 << "The communications resource has been taken offline (i.e. port closed.)"
                                             << QString() << 1;
        QTest::newRow("different device") << 4 << 0 << "Failure: Found different device"
                                          << "Connect failed because:\n\nThe attached device is reporting an incorrect ID.\n\nPlease create and connect a device of the correct type." << 0;
        QTest::newRow("module count") << 5 << 0 << "Failure: Found different child module count"
                                      << "Connect failed because:\n\nThe number of modules connected to the attached device is incorrect.\n\nCreate and connect either a device with no modules, \nor a device with the correct modules." << 0;
        QTest::newRow("module types") << 6 << 0 << "Failure: Found different child module type(s)"
                                      << "Connect failed because:\n\nThe type(s) of connected module(s) is incorrect.\n\nYou must reconnect once the problem is resolved." << 0;
        QTest::newRow("lost in synchronization") << 0 << -1 << "Connection with device failed during Synhronization."
                                                 << "Connect failed because:\n\nCommunications were lost during Synchronization.\n\nYou must reconnect once the problem is resolved." << 0;
    }

    void connectFailures()
    {
        QFETCH(int, code);
        QFETCH(int, synchronize);
        QFETCH(QString, result);
        QFETCH(QString, message);
        m_station->connectCode = code;
        m_station->synchronizeCode = synchronize;
        givePort();
        QSignalSpy states(m_connection, &RYXConnection::stateChanged);

        m_connection->connectSlot(false);
        QTRY_VERIFY(hasResult(result));
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        QCOMPARE(states.first().first().toInt(), int(RYXConnection::Seeking));
        QCOMPARE(m_receiver->messages(), message.isEmpty() ? QStringList() : QStringList{ message });
        QTEST(m_receiver->retryQuestions(), "retryQuestions");
        QVERIFY(!hasResult(QStringLiteral("Connection was succesful.")));
        QVERIFY(!m_connection->getPort()->isPortOpen());
        QVERIFY(!m_station->isOnline());
    }

    void connectWithoutVerdictKeepsSeeking_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("retryAnswer");
        QTest::newRow("device missing") << 3 << 0;
        QTest::newRow("timeout, undecided answer") << 2 << 5;
    }

    void connectWithoutVerdictKeepsSeeking()
    {
        QFETCH(int, code);
        QFETCH(int, retryAnswer);
        m_station->connectCode = code;
        m_receiver->setRetryAnswer(retryAnswer);
        givePort();
        m_connection->connectSlot(false);
        QTest::qWait(1200);
        // Tried again, at a pace rather than in a busy loop.
        const int attempts = int(m_station->recorded().count(QStringLiteral("connect")));
        QVERIFY2(attempts >= 2 && attempts <= 4, qPrintable(QString::number(attempts)));
        QCOMPARE(m_connection->state(), int(RYXConnection::Seeking));
        QTRY_COMPARE(m_receiver->texts.last(), QStringLiteral("Station <127.0.0.1:1>, seeking"));
        m_connection->disconnectSlot();
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
    }

    // A station that keeps answering without a verdict gets the attempts of
    // a point transfer, then the connect ends as a time-out.
    void connectWithoutVerdictEndsAsTimeout_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("device missing") << 3;
        QTest::newRow("generic failure") << -1;
        QTest::newRow("retry limit") << 7;
    }

    void connectWithoutVerdictEndsAsTimeout()
    {
        QFETCH(int, code);
        m_station->connectCode = code;
        givePort();
        QElapsedTimer clock;
        clock.start();
        m_connection->connectSlot(false);
        const int bound = (TransferContext::Attempts - 1) * RYXConnectionThread::SeekRetryMs + 3000;
        QTRY_VERIFY_WITH_TIMEOUT(hasResult(QStringLiteral("Failure: Timeout")), bound);
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        QVERIFY2(clock.elapsed() >= (TransferContext::Attempts - 1) * RYXConnectionThread::SeekRetryMs,
                 "attempts are paced");
        QCOMPARE(int(m_station->recorded().count(QStringLiteral("connect"))), TransferContext::Attempts);
        QCOMPARE(m_receiver->retryQuestions(), 1);

        // Each new request gets its own attempts.
        m_receiver->setRetryAnswer(1); // once: the retry starts a fresh round
        m_connection->connectSlot(false);
        QTRY_COMPARE_WITH_TIMEOUT(m_receiver->retryQuestions(), 2, bound);
        m_receiver->setRetryAnswer(0);
        QTRY_COMPARE_WITH_TIMEOUT(m_receiver->retryQuestions(), 3, bound);
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        QCOMPARE(int(m_station->recorded().count(QStringLiteral("connect"))), 3 * TransferContext::Attempts);
    }

    void stationWithoutTransportCannotConnect()
    {
        m_station->transports = 0;
        givePort();
        m_connection->connectSlot(false);
        QCOMPARE(m_prompter.promptTexts(), QStringList{ "You cannot connect to a device that is not an Interface Module!" });
        QVERIFY(!m_connection->isConnectRequested());
        QVERIFY(!m_connection->getPort()->isPortOpen());
        QCOMPARE(m_connection->state(), int(RYXConnection::Offline));
    }

    void cancelDuringSynchronization()
    {
        m_station->cancelSynchronize = true;
        givePort();
        m_connection->connectSlot(false);
        QTRY_VERIFY(hasResult(QStringLiteral("Connection was incomplete.")));
        const QStringList results = m_receiver->progressResults();
        QCOMPARE(results.size(), 2);
        QCOMPARE(results.first(), QStringLiteral(
            "Synhronization interrupted, Serial Number, Firmware Version and Process data may be invalid."));
        QCOMPARE(m_receiver->icons, (QStringList{ "SmallRedLED", "SmallYellowLED" }));
        QCOMPARE(m_receiver->messages().size(), 1);
        QVERIFY(m_receiver->messages().first().endsWith(QStringLiteral("Please resynchronize before viewing these items.")));
        QCOMPARE(m_connection->state(), int(RYXConnection::Online));
        QVERIFY(m_station->isOnline());
    }

    void pendingOperationFailures_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("verify");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("finalState");

        QTest::newRow("communication lost") << 2 << 0 << LostMessage << QString() << int(RYXConnection::Offline);
        QTest::newRow("device problem, link fine") << 3 << 0 << QString()
            << "Communication with the device is OK, although there is a problem with the device." << int(RYXConnection::Online);
        QTest::newRow("retries, link gone") << 7 << 2 << FailedMessage
            << "Communication with the device has failed." << int(RYXConnection::Offline);
        QTest::newRow("generic, link gone") << -1 << 3 << FailedMessage
            << "Communication with the device has failed." << int(RYXConnection::Offline);
    }

    void pendingOperationFailures()
    {
        QFETCH(int, code);
        QFETCH(int, verify);
        QFETCH(QString, message);
        QFETCH(QString, result);
        QFETCH(int, finalState);
        givePort();
        m_connection->connectSlot(false);
        QTRY_VERIFY(hasResult(QStringLiteral("Connection was succesful.")));
        m_station->operationCode = code;
        m_station->verifyCode = verify;
        QSignalSpy finished(m_receiver, &RYXHeadlessReceiver::progressShown);

        m_station->requestOperation(QStringLiteral("download"));
        QTRY_VERIFY(finished.contains(QVariantList{ 3 }));
        QTRY_COMPARE(m_connection->state(), finalState);
        QCOMPARE(m_receiver->messages(), message.isEmpty() ? QStringList() : QStringList{ message });
        if (!result.isEmpty())
            QVERIFY(hasResult(result));
        const bool verified = m_station->recorded().contains(QStringLiteral("verifyconnection"));
        QCOMPARE(verified, code == 3 || code == 7 || code == -1);
        QCOMPARE(finished.contains(QVariantList{ 4 }), verified);
        QVERIFY(m_connection->pendingOperation().isEmpty());
    }

    void simulatorOverEachTransport_data()
    {
        QTest::addColumn<bool>("tcp");
        QTest::newRow("pty") << false;
        QTest::newRow("tcp") << true;
    }

    void simulatorOverEachTransport()
    {
        QFETCH(bool, tcp);
        SimOptions options;
        options.httpEnabled = tcp;
        options.ptyEnabled = !tcp;
        SimThread sim(options);
        QVERIFY(sim.startServing());
        const QString address = tcp ? QStringLiteral("127.0.0.1:%1").arg(sim.httpPort()) : sim.slavePath();
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            dialog.findChild<QRadioButton *>(tcp ? "TCPRadioButton" : "RSRadioButton")->click();
            dialog.findChild<QComboBox *>(QStringLiteral("IPComboBox"))->setCurrentText(address);
            dialog.findChild<QComboBox *>(QStringLiteral("portComboBox"))->setCurrentIndex(CommsConfigDialog::OtherIndex);
            dialog.findChild<QLineEdit *>(QStringLiteral("otherEdit"))->setText(address);
            return int(QDialog::Accepted);
        });
        m_station->askDevice = true;
        m_connection->connectSlot(false);
        CommsSetup::setDialogHook(nullptr);
        QVERIFY(m_prompter.prompts().isEmpty());
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Online));
        QTRY_COMPARE(m_receiver->texts.last(), QStringLiteral("Station <%1>, online").arg(address));

        // The station falls silent: the retry question, answered "no", ends offline.
        m_connection->disconnectSlot();
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        m_connection->getPort()->setTimeout(300);
        SimFaults faults = sim.station()->faults();
        faults.setSilentAfter(int(sim.station()->requestCount()));
        sim.station()->setFaults(faults);
        m_connection->connectSlot(false);
        QTRY_VERIFY_WITH_TIMEOUT(hasResult(QStringLiteral("Failure: Timeout")), 20000);
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Offline));
        QCOMPARE(m_receiver->retryQuestions(), 1);
        sim.stopServing();
    }

    void destructionEndsPendingTransaction()
    {
        // A server that takes requests and never answers.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        givePort(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()));
        m_connection->getPort()->setTimeout(60000);
        m_connection->connectSlot(false);
        QTRY_COMPARE(m_connection->state(), int(RYXConnection::Online));
        m_station->requestOperation(QStringLiteral("hang"));
        QTRY_VERIFY(m_station->hanging);
        QTRY_VERIFY(silent.hasPendingConnections());
        QVERIFY(m_connection->getPort()->isAwaitingResponse());

        QElapsedTimer clock;
        clock.start();
        delete m_connection;
        m_connection = nullptr;
        m_station->setConnection(nullptr);
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    }

private:
    /// Gives the connection a port that opens without a device behind it.
    void givePort(const QString &address = QStringLiteral("127.0.0.1:1"))
    {
        m_connection->setComPortNumber(0);
        m_connection->setIpAddress(address);
        auto *port = new ZEMPTCPPort(address);
        port->setEventReceiver(m_receiver);
        port->setTimeout(300);
        m_connection->setPort(port);
    }

    bool hasResult(const QString &text) const
    {
        const QStringList &lines = m_receiver->progressResults();
        return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.endsWith(text); });
    }

    ScriptedStation *m_station = nullptr;
    TreeReceiver *m_receiver = nullptr;
    RYXConnection *m_connection = nullptr;
    RYXScriptedPrompter m_prompter;
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
