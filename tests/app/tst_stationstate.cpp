#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXScrollView.h"
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "core/RYXImages.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"
#include "io/UndeterminedModuleObject.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"
#include "stations/StationTestRig.h"
#include "support/WindowProgress.h"

#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QStandardPaths>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QRadioButton>

#include <memory>

// What the main window shows of a station's state against the simulator:
// LEDs after a download, a station that stops answering, the progress bar
// of a multi-module upload, modules of types without a class, and why a
// connection failed.
class tst_StationState : public QObject
{
    Q_OBJECT

    void grab(QWidget *widget, const QString &name) { QVERIFY(support::saveScreenshot(widget, "state-" + name)); }
    QString progressLines() const { return support::progressLines(*m_window); }

    QProgressBar *progressBar() const { return m_window->progressDialog()->findChild<QProgressBar *>("subopProgress"); }

    bool awaitLine(const QString &line, int timeoutMs = 30000)
    {
        return QTest::qWaitFor([&] { return progressLines().contains(line); }, timeoutMs);
    }

    void startSimulator(const QString &modules)
    {
        SimOptions options;
        options.httpEnabled = true;
        SimCatalog::parseModuleList(modules, options.modules, nullptr);
        m_sim = std::make_unique<SimThread>(options);
        QVERIFY2(m_sim->startServing(), qPrintable(m_sim->errorString()));
    }

    // New ▸ EIM, communications set to \a address.
    EIModuleObject *newStation(const QString &address)
    {
        for (QAction *a : m_window->newInterfaceModulePopup()->actions())
            if (a->text() == QLatin1String("EIM"))
                a->trigger();
        auto *station = qobject_cast<EIModuleObject *>(RYXListView::objectOf(m_window->listView()->selectedItem()));
        if (!station)
            return nullptr;
        CommsSetup::setDialogHook([address](CommsConfigDialog &dialog) {
            if (auto *tcp = dialog.findChild<QRadioButton *>("TCPRadioButton"); tcp && tcp->isVisible())
                tcp->click();
            dialog.findChild<QComboBox *>("IPComboBox")->setCurrentText(address);
            return int(QDialog::Accepted);
        });
        m_window->ConfigureCommsSlot();
        return station;
    }

    QString simAddress() const { return QString("127.0.0.1:%1").arg(m_sim->httpPort()); }

    static RYXConnection *connectionOf(RYXObject *station)
    {
        return qobject_cast<RYXConnection *>(station->getOwnConnection());
    }

    void select(RYXObject *object) { m_window->listView()->setCurrentItem(object->getTreeItem()); }

    bool connectAndAwait(RYXObject *station)
    {
        m_window->progressDialog()->accept();
        select(station);
        m_window->GoOnlineSlot();
        return awaitLine("Connection was succesful.", 20000)
               && QTest::qWaitFor([&] { return connectionOf(station)->state() == RYXConnection::Online; }, 5000);
    }

    // The LED image \a object's tree item shows, at the size of the image \a name.
    static bool showsLed(RYXObject *object, const char *name)
    {
        const QPixmap led = RYXImages::pixmap(name);
        return object->getTreeItem()->icon(0).pixmap(led.size()).toImage() == led.toImage();
    }

    RYXObject *childNamed(RYXObject *parent, const QString &prefix)
    {
        for (RYXObject *child : parent->getChildren())
            if (child->getName().startsWith(prefix))
                return child;
        return nullptr;
    }

    RYXScriptedPrompter m_prompter;
    std::unique_ptr<SimThread> m_sim;
    std::unique_ptr<RYXConfigWindow> m_window;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        RYXPrompter::setInstance(&m_prompter);
        applyStartupSwitches({QStringLiteral("ryxconfig")});
    }

    void init()
    {
        m_prompter.clear();
        m_window = support::shownMainWindow();
    }

    void cleanup()
    {
        CommsSetup::setDialogHook(nullptr);
        m_window.reset();
        m_sim.reset();
    }

    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    void ledsGreenAfterDownload()
    {
        startSimulator(QString());
        EIModuleObject *station = newStation(simAddress());
        QVERIFY(station && connectAndAwait(station));
        RYXObject *configuration = station->configurationPluginObject();
        QTRY_VERIFY(showsLed(configuration, "SmallYellowLED"));

        m_window->progressDialog()->accept();
        select(station);
        m_window->DownloadSlot();
        QVERIFY2(awaitLine(" overall download success!"), qPrintable(progressLines()));
        QTRY_VERIFY(showsLed(configuration, "SmallGreenLED"));
        QCOMPARE(station->getStatusFlags() & RYXObject::NotCurrent, 0u);
        QCOMPARE(configuration->getStatusFlags() & RYXObject::NotCurrent, 0u);
        QTRY_VERIFY(showsLed(station, "GreenLED"));
        station->getTreeItem()->setExpanded(true);
        grab(m_window.get(), "download-leds.png");
    }

    void offlineWhenSimulatorStops()
    {
        startSimulator(QString());
        EIModuleObject *station = newStation(simAddress());
        QVERIFY(station && connectAndAwait(station));
        connectionOf(station)->setKeepAliveIntervalMs(1000);
        const QString address = simAddress();
        QElapsedTimer stopped;
        m_sim->stopServing();
        stopped.start();
        QTRY_COMPARE_WITH_TIMEOUT(connectionOf(station)->state(), int(RYXConnection::Offline), 10000);
        QVERIFY(stopped.elapsed() < 10000);
        QTRY_VERIFY(station->getTreeItem()->text(0).endsWith(", offline"));
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"Disconnecting because:\n\nCommunication with the device was lost.\n\n"
                             "You must reconnect once the problem is resolved.\n\nConnection refused by "
                             + address});
        grab(m_window.get(), "offline-after-stop.png");
    }

    void progressFullAfterMultiModuleUpload()
    {
        startSimulator("TIM,TIM,TIM");
        EIModuleObject *station = newStation(simAddress());
        QVERIFY(station);
        for (int i = 0; i < 3; ++i)
            QVERIFY(station->addChild(new rig::TestModule(RYXInterfaceModule::TIMType)));
        QVERIFY(connectAndAwait(station));
        m_window->progressDialog()->accept();
        QList<int> steps;
        QObject::connect(progressBar(), &QProgressBar::valueChanged, this, [&](int value) { steps << value; });

        select(station);
        m_window->UploadSlot();
        QVERIFY2(awaitLine(" overall upload success!"), qPrintable(progressLines()));
        // The station's three configuration points, then per module its serial
        // number and its four channel tags: the bar fills once, step by step.
        const int points = 3 + 3 * 5;
        QTRY_COMPARE(progressBar()->value(), points);
        QCOMPARE(progressBar()->maximum(), points);
        QList<int> expected;
        for (int step = 1; step <= points; ++step)
            expected << step;
        QCOMPARE(steps, expected);
        grab(m_window->progressDialog(), "upload-progress-full.png");
    }

    void unknownModuleTypesConnectMonitorAndReconnect()
    {
        // A type above the module type table, a type without a name, an
        // undetermined module.
        startSimulator("200,6,UNK");
        EIModuleObject *station = newStation(simAddress());
        QVERIFY(station && connectAndAwait(station));
        const QList<RYXIOModule *> modules = station->modules();
        QCOMPARE(modules.size(), 3);
        const int codes[] = {200, 6, 0};
        for (int i = 0; i < 3; ++i) {
            auto *module = qobject_cast<UndeterminedModuleObject *>(modules.at(i));
            QVERIFY(module);
            QCOMPARE(module->standInType(), codes[i]);
            QVERIFY2(module->getPropertiesHtml().contains(
                         QString("Module Type Code:</td><td>%1</td>").arg(codes[i])),
                     qPrintable(module->getPropertiesHtml()));
        }

        // Monitoring verifies the device on every pass and keeps the connection.
        select(station->processPlugin());
        QCheckBox *monitor = nullptr;
        QTRY_VERIFY(monitor = m_window->propertyPane()->currentDialog()->findChild<QCheckBox *>("MonitorCheckBox"));
        const int passes = station->monitorPasses();
        monitor->click();
        QTRY_VERIFY_WITH_TIMEOUT(station->monitorPasses() >= passes + 2, 10000);
        QCOMPARE(connectionOf(station)->state(), int(RYXConnection::Online));
        QCOMPARE(m_prompter.promptTexts(), QStringList());
        station->getTreeItem()->setExpanded(true);
        grab(m_window.get(), "unknown-modules-monitoring.png");
        monitor->click();

        // Reconnecting finds the modules the program made.
        m_window->progressDialog()->accept();
        select(station);
        m_window->GoOfflineSlot();
        QTRY_COMPARE(connectionOf(station)->state(), int(RYXConnection::Offline));
        QVERIFY(connectAndAwait(station));
        QVERIFY2(!progressLines().contains("Failure"), qPrintable(progressLines()));
        QCOMPARE(m_prompter.promptTexts(), QStringList());
        grab(m_window.get(), "unknown-modules-reconnected.png");
    }

    // An upload of such a station fails (an undetermined module refuses
    // it) without taking the station offline; the download asked next
    // runs and reports at once.
    void downloadAfterFailedUploadReports()
    {
        startSimulator("TIM,UNK");
        EIModuleObject *station = newStation(simAddress());
        QVERIFY(station && connectAndAwait(station));
        m_window->progressDialog()->accept();
        select(station);
        m_window->UploadSlot();
        QVERIFY2(awaitLine(" overall upload failure!"), qPrintable(progressLines()));
        QVERIFY(awaitLine("Communication with the device is OK, although there is a problem with the device."));
        QCOMPARE(connectionOf(station)->state(), int(RYXConnection::Online));

        m_window->progressDialog()->accept();
        QElapsedTimer clock;
        clock.start();
        m_window->DownloadSlot();
        QVERIFY2(awaitLine(" download success!", 5000), qPrintable(progressLines()));
        QVERIFY2(awaitLine(" overall download failure!", 10000), qPrintable(progressLines()));
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(m_window->progressDialog()->isVisible());
        grab(m_window->progressDialog(), "download-after-failed-upload.png");
    }

    void refusedConnectionSaysWhyOnce()
    {
        // A port nothing listens on: the simulator's, once it stopped.
        startSimulator(QString());
        const QString address = simAddress();
        m_sim->stopServing();
        EIModuleObject *station = newStation(address);
        QVERIFY(station);
        m_prompter.queueButton(QMessageBox::No);
        m_window->GoOnlineSlot();
        QTRY_COMPARE_WITH_TIMEOUT(connectionOf(station)->state(), int(RYXConnection::Offline), 20000);
        QVERIFY(awaitLine("The communications resource has been taken offline (i.e. port closed.)", 10000));
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"Connect failed because:\n\nCommunications timed out.\n\nWould you like to retry?"
                             "\n\nConnection refused by " + address});
        QVERIFY(m_window->progressDialog()->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(m_window->progressDialog()));
        grab(m_window->progressDialog(), "refused-connection.png");
    }
};

QTEST_MAIN(tst_StationState)
#include "tst_stationstate.moc"
