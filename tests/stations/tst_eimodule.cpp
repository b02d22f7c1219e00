// The Ethernet interface module: module rules and menu, status texts, and
// its device operations against the simulator over loopback TCP.
#include "app/RYXHeadlessReceiver.h"
#include "app/RYXListViewItem.h"
#include "app/StartupFlags.h"
#include "app/RYXPrompter.h"
#include "app/RYXScriptedPrompter.h"
#include "comm/CVELException.h"
#include "support/RunOnWorker.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPTCPPort.h"
#include "io/RYXIOModule.h"
#include "io/UndeterminedModuleObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"
#include "stations/MIModuleDialog.h"
#include "stations/RYXClassRegistry.h"

#include "SimCatalog.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <functional>
#include <memory>

namespace {

using Lines = QList<EIModuleObject::StatusLine>;

// The simulator with the given modules and an Ethernet station connected to
// it; modules the connect check asks for are made as the main window makes them.
class Rig
{
public:
    explicit Rig(const QString &deviceModules = QString())
    {
        SimOptions options;
        SimCatalog::parseModuleList(deviceModules, options.modules, nullptr);
        options.httpEnabled = true;
        sim = std::make_unique<SimThread>(options);
        ok = sim->startServing();
        auto *port = new ZEMPTCPPort(QStringLiteral("127.0.0.1:%1").arg(sim->httpPort()));
        ok = ok && port->openPort();
        port->setTimeout(300);
        connection.setPort(port);
        connection.setEventReceiver(&receiver);
        station.setConnection(&connection);
        receiver.setChildFactory([this](RYXObject *parent, int kind) {
            kinds.append(kind);
            RYXObject *module = RYXClassRegistry::createModuleForKind(kind);
            module->setParent(parent);
            parent->addChild(module);
        });
    }
    ~Rig()
    {
        station.setConnection(nullptr);
        connection.getPort()->closePort();
    }

    /// Runs \a work on a worker thread, as the connection thread does,
    /// while this thread serves the socket and the posted events.
    int run(const std::function<int()> &work) { return runOnWorker(work); }
    int operation(const char *op) { return run([&] { return station.executeOperation(op, true); }); }

    QByteArray headPoint(quint16 address)
    {
        QByteArray value;
        sim->station()->readPoint(0, address, value);
        return value;
    }
    QString headText(quint16 address)
    {
        const QByteArray value = headPoint(address);
        return QString::fromLatin1(value.left(int(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0'))));
    }
    bool hasResult(const QString &text) const
    {
        for (const QString &line : receiver.progressResults()) {
            if (line.endsWith(text))
                return true;
        }
        return false;
    }
    void silence()
    {
        SimFaults faults = sim->station()->faults();
        faults.setSilentAfter(int(sim->station()->requestCount()));
        sim->station()->setFaults(faults);
    }

    bool ok = false;
    std::unique_ptr<SimThread> sim;
    RYXHeadlessReceiver receiver;
    EIModuleObject station;
    RYXConnection connection{&station};
    QList<int> kinds;
};

} // namespace

class tst_EIModule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void statusLines_data();
    void statusLines();
    void moduleLimitAndOnlineRefusal();
    void addModuleMenu();
    void connectCreatesDeviceModulesInOrder();
    void connectVerifiesExistingModules_data();
    void connectVerifiesExistingModules();
    void downloadThenUploadRoundTrips();
    void overlongNameIsNotDownloaded();
    void synchronizeReadsIdentity();
    void synchronizeFailureIsReported();
    void scanMode();
    void monitoringHonoursUpdateFrequency();
    void eventBoxShowsStatus();
    void configurationFileRoundTrip();
    void pageButtonsShowPlugins_data();
    void pageButtonsShowPlugins();

private:
    RYXScriptedPrompter m_prompter;
};

void tst_EIModule::initTestCase()
{
    RYXPrompter::setInstance(&m_prompter);
    RYXClassRegistry::registerAll();
}

void tst_EIModule::cleanup()
{
    m_prompter.clear();
}

void tst_EIModule::statusLines_data()
{
    QTest::addColumn<unsigned>("status");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("icon");
    QTest::newRow("clear") << 0u << QStringList{ "OK" } << "TinyGreenLED";
    QTest::newRow("module error") << 0x0001u
                                  << QStringList{ "An error occurred in one of the attached I/O modules." }
                                  << "TinyRedLED";
    QTest::newRow("password") << 0x0040u
                              << QStringList{ "Missing or corrupted password file.  Default loaded." }
                              << "TinyRedLED";
    QTest::newRow("battery failed") << 0x1000u << QStringList{ "BBM battery failed." } << "TinyRedLED";
    QTest::newRow("on battery") << 0x2000u << QStringList{ "Input power failed, running on BBM." }
                                << "TinyRedLED";
    QTest::newRow("battery disconnected") << 0x3000u << QStringList{ "BBM is disconnected." } << "TinyRedLED";
    QTest::newRow("several, in bit order")
        << 0x4821u
        << QStringList{ "An error occurred in one of the attached I/O modules.", "Bad clock battery.",
                        "File system full.", "ISaGRAF Kernel has caused a system fault and has shut down." }
        << "TinyRedLED";
    QTest::newRow("undefined bit ignored") << 0x8000u << QStringList{} << "";
}

void tst_EIModule::statusLines()
{
    QFETCH(unsigned, status);
    QFETCH(QStringList, texts);
    QFETCH(QString, icon);
    const Lines lines = EIModuleObject::statusLines(status);
    QStringList shown;
    for (const EIModuleObject::StatusLine &line : lines) {
        shown << line.second;
        QCOMPARE(line.first, icon);
    }
    QCOMPARE(shown, texts);
}

void tst_EIModule::moduleLimitAndOnlineRefusal()
{
    EIModuleObject station;
    RYXConnection connection(&station);
    station.setConnection(&connection);
    for (int i = 1; i <= 15; ++i)
        QVERIFY(station.addChild(new UndeterminedModuleObject));
    unsigned mask = 0;
    station.getMenuItemMask(mask);
    QVERIFY(mask & RYXObject::MenuAddModule);
    QVERIFY(station.addChild(new UndeterminedModuleObject));
    QCOMPARE(station.getModuleCount(), 16);
    QCOMPARE(station.modules().last()->objectName(), QStringLiteral("Undetermined Module 16"));
    mask = 0;
    station.getMenuItemMask(mask);
    QVERIFY(!(mask & RYXObject::MenuAddModule));

    QPointer<RYXObject> extra = new UndeterminedModuleObject;
    QVERIFY(!station.addChild(extra));
    QCOMPARE(m_prompter.promptTexts(), QStringList{ "The number of IO modules is limited to 16." });
    QCOMPARE(m_prompter.prompts().at(0).title, QStringLiteral("warning"));
    QCOMPARE(station.getModuleCount(), 16);
    QTRY_VERIFY(extra.isNull());

    // Plug-ins are children too, but never count as modules.
    QCOMPARE(station.childCount(), 19);

    EIModuleObject online;
    RYXConnection onlineConnection(&online);
    online.setConnection(&onlineConnection);
    onlineConnection.setState(RYXConnection::Online);
    m_prompter.clear();
    QVERIFY(!online.addChild(new UndeterminedModuleObject));
    QCOMPARE(m_prompter.promptTexts(), QStringList{ "You may not add a module to a device that is online" });
    QCOMPARE(online.getModuleCount(), 0);
    onlineConnection.setState(RYXConnection::Offline);
    online.setConnection(nullptr);
    station.setConnection(nullptr);
}

void tst_EIModule::addModuleMenu()
{
    EIModuleObject station;
    station.createPopupMenu();
    QMenu *menu = station.moduleMenu();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("Module Menu"));
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{ "TIM (TI4)", "AIM (AI4)", "AOM (AO4)", "ROM (RO4)", "ROM (RO8)", "DIM (CC8)",
                                  "DIM (LV8)", "DIM (HV8)", "CIM (CI4)", "IIM (II4)", "VIM (VI4)",
                                  "Undetermined" }));
    // The submenu follows the add-module bit of the station's menu mask.
    station.applyMenuItemMask(0);
    QVERIFY(!menu->menuAction()->isEnabled());
    station.applyMenuItemMask(RYXObject::MenuAddModule);
    QVERIFY(menu->menuAction()->isEnabled());

    menu->actions().last()->trigger();
    menu->actions().first()->trigger();
    QCOMPARE(station.getModuleCount(), 2);
    QCOMPARE(station.modules().first()->objectName(), QStringLiteral("Undetermined Module 1"));
    QCOMPARE(station.modules().at(1)->getModuleNumber(), 2);
}

void tst_EIModule::connectCreatesDeviceModulesInOrder()
{
    Rig rig(QStringLiteral("TI4,RO8,AO4"));
    QVERIFY(rig.ok);
    QCOMPARE(rig.operation("connect"), 0);
    QCOMPARE(rig.kinds, (QList<int>{ RYXClassRegistry::KindTIM, RYXClassRegistry::KindROM8,
                                     RYXClassRegistry::KindAOM }));
    QCOMPARE(rig.station.getModuleCount(), 3);
    QCOMPARE(rig.station.modules().at(2)->getModuleNumber(), 3);
    QVERIFY(rig.hasResult(QStringLiteral("Compatible EIM detected.")));
}

void tst_EIModule::connectVerifiesExistingModules_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("treeModules");
    QTest::addColumn<int>("expected");
    QTest::newRow("same modules") << "0,0" << 2 << 0;
    QTest::newRow("one module fewer") << "0" << 2 << 5;
    QTest::newRow("different type") << "0,TI4" << 2 << 6;
}

// With modules in the tree the connect check compares them with the device
// instead of creating any.
void tst_EIModule::connectVerifiesExistingModules()
{
    QFETCH(QString, device);
    QFETCH(int, treeModules);
    QFETCH(int, expected);
    Rig rig(device);
    QVERIFY(rig.ok);
    for (int i = 0; i < treeModules; ++i)
        rig.station.addChild(new UndeterminedModuleObject);
    QCOMPARE(rig.operation("connect"), expected);
    QVERIFY(rig.kinds.isEmpty());
    QCOMPARE(rig.station.getModuleCount(), treeModules);
    QCOMPARE(rig.operation("verifyconnection"), expected);
}

void tst_EIModule::downloadThenUploadRoundTrips()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.station.setValue("descriptor", "Tank_1");
    rig.station.setValue("serverlocation", "Pump house 3");
    rig.station.setValue("floatorder", "1");
    QCOMPARE(rig.operation("download"), 0);
    QCOMPARE(rig.headText(0x0C), QStringLiteral("Tank_1"));
    QCOMPARE(rig.headText(0x214), QStringLiteral("Pump house 3"));
    QCOMPARE(rig.headPoint(0x200), QByteArray(1, '\x01'));
    // The float order byte doubles as the save handshake's address.
    QVERIFY(rig.sim->station()->saveCount() >= 1);
    QVERIFY(rig.hasResult(QStringLiteral("Interface Module data saved successfully.")));
    QVERIFY(rig.hasResult(QStringLiteral("EIM Download Configuration Data success!")));
    QVERIFY(rig.hasResult(QStringLiteral("EIM overall download success!")));

    rig.station.setValue("descriptor", "Changed");
    rig.station.setValue("serverlocation", "");
    rig.station.setValue("floatorder", "0");
    QVERIFY(rig.station.isNotCurrent());
    QCOMPARE(rig.operation("upload"), 0);
    QCOMPARE(rig.station.getString("descriptor"), QStringLiteral("Tank_1"));
    QCOMPARE(rig.station.getString("serverlocation"), QStringLiteral("Pump house 3"));
    QCOMPARE(rig.station.getString("floatorder"), QStringLiteral("1"));
    QVERIFY(!rig.station.isNotCurrent());
    QVERIFY(rig.hasResult(QStringLiteral("EIM Upload Configuration Data success!")));
    QVERIFY(rig.hasResult(QStringLiteral("EIM overall upload success!")));
}

// A name the station's field cannot hold stops the download before any
// transfer, whether the station or its configuration plug-in is downloaded.
void tst_EIModule::overlongNameIsNotDownloaded()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.station.setValue("descriptor", "Twelve_chars");
    rig.station.setValue("serverlocation", "Somewhere");
    const quint64 before = rig.sim->station()->requestCount();
    QCOMPARE(rig.operation("download"), -1);
    QCOMPARE(rig.run([&] { return rig.station.configurationPluginObject()->executeOperation("download"); }), -1);
    QVERIFY(rig.hasResult(QStringLiteral("Error in configuration.")));
    QCOMPARE(rig.sim->station()->requestCount(), before);
    QCOMPARE(rig.headText(0x0C), QStringLiteral("EIM"));
    QCOMPARE(rig.sim->station()->saveCount(), 0);
}

void tst_EIModule::synchronizeReadsIdentity()
{
    Rig rig(QStringLiteral("0"));
    QVERIFY(rig.ok);
    rig.station.addChild(new UndeterminedModuleObject);
    QCOMPARE(rig.operation("synchronize"), 0);
    QCOMPARE(rig.station.getString("synch_descriptor"), QStringLiteral("EIM"));
    QCOMPARE(rig.station.getString("synch_fwversion"), QStringLiteral("260"));
    QCOMPARE(rig.station.getString("synch_serialnumber"), QStringLiteral("100234"));
    QVERIFY(rig.hasResult(QStringLiteral("Synchronization Complete!")));
    QCOMPARE(rig.receiver.progressTitle(), QString());
}

void tst_EIModule::synchronizeFailureIsReported()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.silence();
    QCOMPARE(rig.operation("synchronize"), -1);
    QVERIFY(!rig.hasResult(QStringLiteral("Synchronization Complete!")));
    QCOMPARE(rig.station.getString("synch_serialnumber"), QStringLiteral("Unknown"));
}

void tst_EIModule::scanMode()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.station.setValue("disablescan", "1");
    QCOMPARE(rig.operation("setscanmode"), 0);
    QCOMPARE(rig.headPoint(0x100), QByteArray(1, '\x01'));
    QVERIFY(rig.hasResult(QStringLiteral("Scan Mode succesfully written to xIM")));
    rig.sim->station()->setPoint(0, 0x100, QByteArray(1, '\0'));
    QCOMPARE(rig.operation("getscanmode"), 0);
    QCOMPARE(rig.station.getString("disablescan"), QStringLiteral("0"));
    QVERIFY(rig.hasResult(QStringLiteral("Scan Mode succesfully read from xIM")));
    rig.silence();
    QCOMPARE(rig.operation("getscanmode"), -1);
    QVERIFY(rig.hasResult(QStringLiteral("Scan Mode read failure")));
}

// The connection thread asks for the idle step continuously; the device is
// read only once per update interval, and only while the process dialog
// that switched monitoring on is shown.
void tst_EIModule::monitoringHonoursUpdateFrequency()
{
    Rig rig;
    QVERIFY(rig.ok);
    rig.station.setOnline(true);
    rig.station.setValue("updatefreq", "1");
    std::unique_ptr<QWidget> dialog(rig.station.processPlugin()->createDialog(nullptr, nullptr, nullptr));
    rig.station.processPlugin()->toggleMonitoring(true);
    QVERIFY(rig.station.isMonitoring());

    QElapsedTimer clock;
    clock.start();
    rig.run([&] {
        while (clock.elapsed() < 2500) {
            rig.station.executeOperation("idle");
            QThread::msleep(10);
        }
        return 0;
    });
    QVERIFY2(rig.station.monitorPasses() >= 2 && rig.station.monitorPasses() <= 3,
             qPrintable(QString::number(rig.station.monitorPasses())));
    QCOMPARE(rig.station.getString("monitormessage"), QStringLiteral("IDLE"));
    QVERIFY(rig.station.getBool("monitorisidle"));
    QVERIFY(rig.station.getString("lastupdate") != QStringLiteral("<n/a>"));
    XIMProcessObjectPlugin *plugin = rig.station.processPlugin();
    QVERIFY(plugin->isDataCurrent());
    QCOMPARE(plugin->processValues().first().name, QStringLiteral("Interface Module Status"));
    QCOMPARE(plugin->processValues().first().value, QStringLiteral("0x0000"));

    // Leaving the page ends the monitoring.
    dialog.reset();
    const int passes = rig.station.monitorPasses();
    const quint64 requests = rig.sim->station()->requestCount();
    rig.station.setValue("updatefreq", "0");
    rig.run([&] { return rig.station.executeOperation("idle"); });
    QVERIFY(!rig.station.isMonitoring());
    QCOMPARE(rig.station.monitorPasses(), passes);
    QCOMPARE(rig.sim->station()->requestCount(), requests);
    rig.station.setOnline(false);
}

void tst_EIModule::eventBoxShowsStatus()
{
    Rig rig;
    QVERIFY(rig.ok);
    QSignalSpy lines(&rig.receiver, &RYXHeadlessReceiver::logLineAdded);
    rig.run([&] { return rig.station.addToEventBox(2) ? 0 : -1; });
    QTRY_VERIFY(rig.receiver.logLines().contains(QStringLiteral("    OK")));
    const QStringList log = rig.receiver.logLines();
    QCOMPARE(log.mid(log.indexOf(QStringLiteral("EIM")), 3),
             (QStringList{ "EIM", "Interface Module Status", "    OK" }));
    // The Ethernet station has no peer-to-peer link.
    QVERIFY(!log.join('\n').contains(QStringLiteral("Peer to Peer")));
}

// A saved station, with its plug-in elements, reads back as the same station.
void tst_EIModule::configurationFileRoundTrip()
{
    EIModuleObject station;
    station.setValue("descriptor", "Tank_1");
    station.setValue("serverlocation", "Pump house 3");
    station.setValue("floatorder", "1");
    station.addChild(new UndeterminedModuleObject);
    station.addChild(new UndeterminedModuleObject);
    QString text;
    QTextStream stream(&text);
    station.writeXml(stream, 0);
    stream.flush();
    QVERIFY(text.contains(QStringLiteral("EIMCONFIGPLUGIN")));

    RYXObject *parsed = nullptr;
    QVERIFY(station.parseXml(text.toUtf8(), parsed));
    std::unique_ptr<RYXObject> owner(parsed);
    auto *read = qobject_cast<EIModuleObject *>(parsed);
    QVERIFY(read);
    QCOMPARE(read->getString("descriptor"), QStringLiteral("Tank_1"));
    QCOMPARE(read->getString("serverlocation"), QStringLiteral("Pump house 3"));
    QCOMPARE(read->getString("floatorder"), QStringLiteral("1"));
    QCOMPARE(read->getModuleCount(), 2);
    // Its own three plug-ins, none added from the file.
    QCOMPARE(read->childCount(), 5);
}

void tst_EIModule::pageButtonsShowPlugins_data()
{
    QTest::addColumn<bool>("extended");
    QTest::newRow("user") << false;
    QTest::newRow("factory") << true;
}

// The station page's buttons select the plug-ins' tree items; the internals
// are offered in factory mode only.
void tst_EIModule::pageButtonsShowPlugins()
{
    QFETCH(bool, extended);
    const bool wasExtended = ExtendedMode;
    ExtendedMode = extended;
    QTreeWidget tree;
    EIModuleObject station;
    station.initialize(tree.invisibleRootItem());
    for (RYXObject *plugin : station.getChildren())
        plugin->createTreeItem(station.getTreeItem());
    std::unique_ptr<QWidget> dialog(station.createDialog(nullptr, nullptr, nullptr));
    QVERIFY(qobject_cast<MIModuleDialog *>(dialog.get()));
    dialog->show();
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    auto pageButton = [&](const QString &page) -> QPushButton * {
        for (QPushButton *button : buttons) {
            if (button->objectName() == page)
                return button;
        }
        return nullptr;
    };
    QTest::mouseClick(pageButton("2"), Qt::LeftButton);
    QCOMPARE(tree.currentItem(), station.processPlugin()->getTreeItem());
    QTest::mouseClick(pageButton("1"), Qt::LeftButton);
    QCOMPARE(tree.currentItem(), station.configurationPluginObject()->getTreeItem());
    QCOMPARE(pageButton("3") != nullptr, extended);
    QCOMPARE(dialog->findChild<QGroupBox *>("internalsGroupBox")->isVisible(), extended);
    if (extended) {
        QTest::mouseClick(pageButton("3"), Qt::LeftButton);
        QCOMPARE(tree.currentItem(), station.internalsPlugin()->getTreeItem());
    }
    ExtendedMode = wasExtended;
}

QTEST_MAIN(tst_EIModule)
#include "tst_eimodule.moc"
