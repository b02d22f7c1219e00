// The Ethernet interface module: module rules and menu, status texts, and
// its device operations against the simulator over loopback TCP.
#include "app/RYXClassTable.h"
#include "comm/RYXTransferSettings.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"
#include "devices/RYXClassRegistry.h"
#include "model/RYXListViewItem.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"

#include "StationTestRig.h"

#include <QtWidgets/QGroupBox>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

using Rig = rig::StationRig<EIModuleObject>;

class tst_EIModule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        RYXPrompter::setInstance(&m_prompter);
        RYXClassTable::registerAll();
    }
    void cleanup() { m_prompter.clear(); }

    // Bits are reported in order, the two battery bits together as one state,
    // undefined bits not at all; anything but "OK" is red.
    void statusLines()
    {
        using Lines = QList<StatusWordText::Line>;
        const QString red = QStringLiteral("TinyRedLED");
        QCOMPARE(StatusWordText::InterfaceModuleStatus.lines(0), (Lines{{"TinyGreenLED", "OK"}}));
        QCOMPARE(StatusWordText::InterfaceModuleStatus.lines(0x2000), (Lines{{red, "Input power failed, running on BBM."}}));
        QCOMPARE(StatusWordText::InterfaceModuleStatus.lines(0xF001),
                 (Lines{{red, "An error occurred in one of the attached I/O modules."},
                        {red, "BBM is disconnected."},
                        {red, "ISaGRAF Kernel has caused a system fault and has shut down."}}));
    }

    void addRefused_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("modules");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("sixteen modules") << false << 16 << "The number of IO modules is limited to 16.";
        QTest::newRow("online") << true << 0 << "You may not add a module to a device that is online";
    }

    // A refused module is deleted later; plug-ins are children too, but never
    // count as modules.
    void addRefused()
    {
        QFETCH(bool, online);
        QFETCH(int, modules);
        QFETCH(QString, prompt);
        EIModuleObject station;
        RYXConnection connection(&station);
        station.setConnection(&connection);
        for (int i = 0; i < modules; ++i)
            QVERIFY(station.addChild(new UndeterminedModuleObject));
        connection.setState(online ? RYXConnection::Online : RYXConnection::Offline);
        QPointer<RYXObject> extra = new UndeterminedModuleObject;
        QVERIFY(!station.addChild(extra));
        QCOMPARE(m_prompter.promptTexts(), QStringList{prompt});
        QTRY_VERIFY(extra.isNull());
        QCOMPARE(station.getModuleCount(), modules);
        QCOMPARE(station.childCount(), modules + 3);
        connection.setState(RYXConnection::Offline);
        station.setConnection(nullptr);
    }

    // The submenu follows the add-module bit of the menu mask; its entries add
    // modules.
    void addModuleMenu()
    {
        EIModuleObject station;
        station.createPopupMenu();
        QMenu *menu = station.moduleMenu();
        QVERIFY(menu);
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

    void connectChecksModules_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<int>("treeModules");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QList<int>>("kinds");
        QTest::newRow("empty tree takes the device's")
            << "TI4,RO8,AO4" << 0 << 0
            << QList<int>{RYXClassRegistry::KindTIM, RYXClassRegistry::KindROM8, RYXClassRegistry::KindAOM};
        QTest::newRow("same modules") << "0,0" << 2 << 0 << QList<int>{};
        QTest::newRow("different type") << "0,TI4" << 2 << 6 << QList<int>{};
    }

    // An empty tree is filled from the device, in its order; modules already in
    // the tree are compared with the device instead (all mismatches are covered
    // by the station base's tests).
    void connectChecksModules()
    {
        QFETCH(QString, device);
        QFETCH(int, treeModules);
        QFETCH(int, expected);
        QFETCH(QList<int>, kinds);
        Rig rig(device);
        QVERIFY(rig.ok);
        for (int i = 0; i < treeModules; ++i)
            rig.station.addChild(new UndeterminedModuleObject);
        QCOMPARE(rig.operation("connect"), expected);
        QCOMPARE(rig.kinds, kinds);
        QCOMPARE(rig.station.getModuleCount(), treeModules + int(kinds.size()));
        QCOMPARE(rig.station.modules().last()->getModuleNumber(), rig.station.getModuleCount());
        QCOMPARE(rig.hasResult(QStringLiteral("Compatible EIM detected.")), treeModules == 0);
        if (treeModules)
            QCOMPARE(rig.operation("verifyconnection"), expected);
    }

    void downloadThenUploadRoundTrips()
    {
        Rig rig;
        QVERIFY(rig.ok);
        const QList<QPair<const char *, QString>> values{
            {"descriptor", "Tank_1"}, {"serverlocation", "Pump house 3"}, {"floatorder", "1"}};
        for (const auto &[key, value] : values)
            rig.station.setValue(key, value);
        QCOMPARE(rig.operation("download"), 0);
        QCOMPARE(rig.deviceText(0, 0x0C), QStringLiteral("Tank_1"));
        QCOMPARE(rig.deviceText(0, 0x214), QStringLiteral("Pump house 3"));
        QCOMPARE(rig.deviceText(0, 0x200), QStringLiteral("\x01"));
        // One save, once everything is written.
        QCOMPARE(rig.sim->station()->saveCount(), 1);
        QVERIFY(rig.hasResult(QStringLiteral("Interface Module data saved successfully.")));

        for (const auto &[key, value] : values)
            rig.station.setValue(key, "");
        QCOMPARE(rig.operation("upload"), 0);
        for (const auto &[key, value] : values)
            QCOMPARE(rig.station.getString(key), value);
        QVERIFY(!rig.station.isNotCurrent());
        QVERIFY(rig.hasResult(QStringLiteral("EIM Download Configuration Data success!")));
        QVERIFY(rig.hasResult(QStringLiteral("EIM Upload Configuration Data success!")));
    }

    void readBack_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<int>("code");
        QTest::newRow("read back") << true << int(TransferContext::NotAsDownloaded);
        QTest::newRow("read-back turned off") << false << 0;
    }

    // The download reads back what it wrote: a station that answered a write
    // and kept its old value fails it, naming the point and both values.
    void readBack()
    {
        QFETCH(bool, verify);
        QFETCH(int, code);
        RYXTransferSettings::overrideVerifyDownloads(verify);
        Rig rig;
        QVERIFY(rig.ok);
        SimFaults faults = rig.sim->station()->faults();
        faults.addForgottenWrite({0, 0x214});
        rig.sim->station()->setFaults(faults);
        rig.station.setValue("serverlocation", "Pump house 3");
        QCOMPARE(rig.operation("download"), code);
        RYXTransferSettings::overrideVerifyDownloads(true);
        QCOMPARE(rig.hasResult("EIM: serverlocation is \"Pump house 3\", the device holds \"\""), verify);
        QCOMPARE(rig.hasResult("EIM download failure! The device does not hold what was downloaded."), verify);
        QCOMPARE(rig.hasResult("EIM overall download success!"), !verify);
        QCOMPARE(rig.hasResult("EIM read back: the device holds what was downloaded."), false);
    }

    // A core point the station refuses ends the download at the retry limit,
    // never with the core's success line.
    void refusedConfigurationWrite()
    {
        Rig rig;
        QVERIFY(rig.ok);
        rig.failAt(0x214);
        QCOMPARE(rig.operation("download"), 7);
        QVERIFY(rig.hasResult(QStringLiteral("EIM download failure! Retry limit exceeded.")));
        QVERIFY(!rig.hasResult(QStringLiteral("EIM Download Configuration Data success!")));
    }

    // A name the station's field cannot hold stops the download before any
    // transfer, whether the station or its configuration plug-in is
    // downloaded, and the refusal names the point and the reason.
    void overlongNameIsNotDownloaded()
    {
        Rig rig;
        QVERIFY(rig.ok);
        rig.station.setValue("descriptor", "Twelve_chars");
        QCOMPARE(rig.operation("download"), -1);
        QCOMPARE(rig.operation(rig.station.configurationPluginObject(), "download"), -1);
        QVERIFY(rig.hasResult(QStringLiteral("download aborted! EIM, point \"descriptor\": the value \"Twelve_chars\" "
                                             "is longer than the 11 characters the device field holds.")));
        QCOMPARE(rig.sim->station()->requestCount(), quint64(0));
        QCOMPARE(rig.deviceText(0, 0x0C), QStringLiteral("EIM"));
    }

    void synchronize_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::newRow("answered") << false;
        QTest::newRow("silent") << true;
    }

    void synchronize()
    {
        QFETCH(bool, silent);
        Rig rig(QStringLiteral("0"));
        QVERIFY(rig.ok);
        rig.station.addChild(new UndeterminedModuleObject);
        if (silent)
            rig.silence();
        QCOMPARE(rig.operation("synchronize"), silent ? -1 : 0);
        QCOMPARE(rig.station.getString("synch_serialnumber"), silent ? "Unknown" : "100234");
        QCOMPARE(rig.station.getString("synch_fwversion"), silent ? "X.Y" : "260");
        QCOMPARE(rig.hasResult(QStringLiteral("Synchronization Complete!")), !silent);
    }

    void scanMode()
    {
        Rig rig;
        QVERIFY(rig.ok);
        rig.station.setValue("disablescan", "1");
        QCOMPARE(rig.operation("setscanmode"), 0);
        QCOMPARE(rig.deviceText(0, 0x100), QStringLiteral("\x01"));
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
    void monitoringHonoursUpdateFrequency()
    {
        Rig rig;
        QVERIFY(rig.ok);
        rig.station.setOnline(true);
        rig.station.setValue("updatefreq", "1");
        QVERIFY(rig.sim->station()->setPoint(0, SimCatalog::StatusPoint, SimPointMap::integerBytes(0x21, 2)));
        XIMProcessObjectPlugin *plugin = rig.station.processPlugin();
        std::unique_ptr<QWidget> dialog(plugin->createDialog(nullptr, nullptr, nullptr));
        plugin->toggleMonitoring(true);
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
        QVERIFY(rig.station.getString("lastupdate") != QStringLiteral("<n/a>"));
        QVERIFY(plugin->isDataCurrent());
        // The status row shows the word and, with bits set, a red LED.
        QCOMPARE(plugin->processValues().first().value, QStringLiteral("0x0021"));
        QCOMPARE(plugin->processValues().first().iconName, QStringLiteral("TinyRedLED"));

        // A status the device refuses leaves the values stale.
        rig.failAt(SimCatalog::StatusPoint);
        plugin->toggleMonitoring(true);
        rig.operation("idle");
        QVERIFY(!plugin->isDataCurrent());

        // Leaving the page ends the monitoring.
        dialog.reset();
        const int passes = rig.station.monitorPasses();
        const quint64 requests = rig.sim->station()->requestCount();
        rig.station.setValue("updatefreq", "0");
        rig.operation("idle");
        QVERIFY(!rig.station.isMonitoring());
        QCOMPARE(rig.station.monitorPasses(), passes);
        QCOMPARE(rig.sim->station()->requestCount(), requests);
        rig.station.setOnline(false);
    }

    void eventBoxShowsStatus()
    {
        Rig rig;
        QVERIFY(rig.ok);
        QCOMPARE(rig.run([&] { return rig.station.addToEventBox(2) ? 0 : -1; }), 0);
        const QStringList &log = rig.receiver.logLines();
        QTRY_COMPARE(log.mid(log.indexOf("EIM"), 3), (QStringList{"EIM", "Interface Module Status", "    OK"}));
        // The Ethernet station has no peer-to-peer link.
        QVERIFY(!log.join('\n').contains(QStringLiteral("Peer to Peer")));
    }

    // A saved station, with its plug-in elements, reads back as the same station.
    void configurationFileRoundTrip()
    {
        EIModuleObject station;
        station.setValue("serverlocation", "Pump house 3");
        station.addChild(new UndeterminedModuleObject);
        station.addChild(new UndeterminedModuleObject);
        QString text;
        QTextStream stream(&text);
        station.writeXml(stream, 0);
        stream.flush();

        RYXObject *parsed = nullptr;
        QVERIFY(station.parseXml(text.toUtf8(), parsed));
        std::unique_ptr<RYXObject> owner(parsed);
        auto *read = qobject_cast<EIModuleObject *>(parsed);
        QVERIFY(read);
        QCOMPARE(read->getString("serverlocation"), QStringLiteral("Pump house 3"));
        QCOMPARE(read->getModuleCount(), 2);
        // Its own three plug-ins, none added from the file.
        QCOMPARE(read->childCount(), 5);
    }

    // The station page's buttons select the plug-ins' tree items; the internals
    // are offered in factory mode only.
    void pageButtonsShowPlugins()
    {
        const bool wasExtended = ExtendedMode;
        ExtendedMode = true;
        QTreeWidget tree;
        EIModuleObject station;
        station.initialize(tree.invisibleRootItem());
        for (RYXObject *plugin : station.getChildren())
            plugin->createTreeItem(station.getTreeItem());
        const RYXObject *plugins[] = {station.configurationPluginObject(), station.processPlugin(),
                                      station.internalsPlugin()};
        for (bool extended : {false, true}) {
            ExtendedMode = extended;
            std::unique_ptr<QWidget> dialog(station.createDialog(nullptr, nullptr, nullptr));
            dialog->show();
            QCOMPARE(dialog->findChild<QGroupBox *>("internalsGroupBox")->isVisible(), extended);
            for (int page = extended ? 3 : 2; page >= 1; --page) {
                QTest::mouseClick(dialog->findChild<QPushButton *>(QString::number(page)), Qt::LeftButton);
                QCOMPARE(tree.currentItem(), plugins[page - 1]->getTreeItem());
            }
        }
        ExtendedMode = wasExtended;
    }

private:
    RYXScriptedPrompter m_prompter;
};

QTEST_MAIN(tst_EIModule)
#include "tst_eimodule.moc"
