// The station base against the simulator over loopback TCP: the device
// check, the station upload and download sequences with their result lines,
// the save handshake, module deletion and the add-module command.
#include "app/RYXClassTable.h"
#include "core/RYXScriptedPrompter.h"
#include "devices/RYXClassRegistry.h"
#include "model/RYXObjectFactory.h"

#include "StationTestRig.h"

using namespace rig;

class tst_InterfaceModule : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;

private Q_SLOTS:
    void initTestCase() { RYXPrompter::setInstance(&m_prompter); }
    void cleanup() { m_prompter.clear(); }

    void moduleCommands_data()
    {
        QTest::addColumn<int>("modules");
        QTest::addColumn<bool>("online");
        QTest::addColumn<bool>("offered");
        QTest::newRow("15, offline") << 15 << false << true;
        QTest::newRow("15, online") << 15 << true << false;
        QTest::newRow("16, offline") << 16 << false << false;
    }

    // The add-module command is offered offline below the module limit.
    void moduleCommands()
    {
        QFETCH(int, modules);
        QFETCH(bool, online);
        QFETCH(bool, offered);
        TestStation station;
        RYXConnection connection(&station);
        station.setConnection(&connection);
        for (int i = 0; i < modules; ++i)
            station.addChild(new UndeterminedModuleObject);
        connection.setState(online ? RYXConnection::Online : RYXConnection::Offline);
        unsigned mask = 0;
        station.getMenuItemMask(mask);
        QCOMPARE(bool(mask & RYXObject::MenuAddModule), offered);
        QVERIFY(mask & RYXObject::MenuCopy); // the base mask is kept
        // Deleting is refused online only.
        QCOMPARE(station.deleteChild(station.modules().last()), !online);
        QCOMPARE(m_prompter.promptTexts(),
                 online ? QStringList{"You may not delete a module of a device that is online"} : QStringList());
        QCOMPARE(station.getModuleCount(), online ? modules : modules - 1);
        station.setConnection(nullptr);
    }

    void verifyDevice_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QList<int>>("tree");
        QTest::addColumn<int>("stationType");
        QTest::addColumn<int>("expected");
        const QList<int> tiAo{RYXInterfaceModule::TIMType, RYXInterfaceModule::AOMType};
        QTest::newRow("match") << "TI4,AO4" << tiAo << 28 << 0;
        QTest::newRow("other order") << "AO4,TI4" << tiAo << 28 << 6;
        QTest::newRow("fewer on device") << "TI4" << tiAo << 28 << 5;
        QTest::newRow("more on device") << "TI4,AO4,AO4" << tiAo << 28 << 5;
        QTest::newRow("code without name") << "TI4,6" << tiAo << 28 << 6;
        QTest::newRow("other station type") << "TI4,AO4" << tiAo << 27 << 4;
        QTest::newRow("no modules") << "" << QList<int>() << 28 << 0;
    }

    void verifyDevice()
    {
        QFETCH(QString, device);
        QFETCH(QList<int>, tree);
        QFETCH(int, stationType);
        QFETCH(int, expected);
        Rig rig(device, tree);
        QVERIFY(rig.ok);
        rig.station.setTypeCode(stationType);
        QCOMPARE(rig.run([&] { return rig.station.verifyDevice(nullptr); }), expected);
    }

    // A configuration error stopping the download is checked with the Ethernet station.
    void failedPreparationStopsDownload()
    {
        Rig rig("TI4", {RYXInterfaceModule::TIMType});
        QVERIFY(rig.ok);
        rig.station.prepareSucceeds = false;
        QCOMPARE(rig.operation("download"), -1);
        QCOMPARE(rig.results(), QStringList{"Test Station download aborted! Failed to prepare data for transfer."});
        QCOMPARE(rig.sim->station()->requestCount(), quint64(0));
    }

    void downloadSavesData_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("saved") << false;
        QTest::newRow("save refused") << true;
    }

    void downloadSavesData()
    {
        QFETCH(bool, saveFails);
        Rig rig("TI4,AO4", {RYXInterfaceModule::TIMType, RYXInterfaceModule::AOMType});
        QVERIFY(rig.ok);
        rig.station.setValue("synch_descriptor", "North Yard");
        if (saveFails)
            rig.failAt(RYXInterfaceModule::CommitAddress);
        QCOMPARE(rig.operation("download"), 0);

        QCOMPARE(rig.deviceText(0, 0x0C), QStringLiteral("North Yard"));
        QCOMPARE(rig.sim->station()->saveCount(), saveFails ? 0 : 1);
        const QStringList results = rig.results();
        QCOMPARE(results.first(), QStringLiteral("Test Station download success!"));
        const int patient = int(results.indexOf("Please be patient, saving data in interface module..."));
        QVERIFY(patient > 0);
        QCOMPARE(results.at(patient + 1),
                 saveFails ? QStringLiteral("Test Station download warning!  This channel's tag "
                                            "information could not be saved.")
                           : QStringLiteral("Interface Module data saved successfully."));
        // A refused save is a warning: every transfer itself succeeded.
        QCOMPARE(results.last(), QStringLiteral("Test Station overall download success!"));
        QVERIFY(rig.hasResult("TIM Temperature Input (TI4) Module 1 download success!"));
        QVERIFY(rig.hasResult("AOM Analog Output (AO4) Module 2, Channel 4...download success!"));
    }

    void stopsWhenCommunicationIsLost_data()
    {
        QTest::addColumn<QString>("op");
        QTest::newRow("upload") << "upload";
        QTest::newRow("download") << "download";
    }

    void stopsWhenCommunicationIsLost()
    {
        QFETCH(QString, op);
        Rig rig("TI4,TI4,TI4,TI4", QList<int>(4, RYXInterfaceModule::TIMType));
        QVERIFY(rig.ok);
        rig.station.setOnline(true);
        QVERIFY(rig.station.isNotCurrent());
        QList<int> tried;
        operationHook() = [&](RYXIOModule *module, const QString &operation) {
            if (operation != op)
                return;
            tried << module->getModuleNumber();
            if (module->getModuleNumber() == 2)
                rig.silence();
        };
        QCOMPARE(rig.operation(op), 2);
        QCOMPARE(tried, (QList<int>{1, 2}));
        QCOMPARE(rig.results().last(), "Test Station overall " + op + " failure!");
        QVERIFY(rig.hasResult("Module 2 " + op + " failure! Communication with the device was lost."));
        // No save is attempted on a station that no longer answers.
        QVERIFY(!rig.hasResult("saving data in interface module..."));
        QVERIFY(!rig.station.isNotCurrent());
    }

    void uploadReportsUndeterminedModule()
    {
        Rig rig("TI4,0,TI4");
        QVERIFY(rig.ok);
        rig.addModule();
        rig.station.addChild(new UndeterminedModuleObject);
        TestModule *third = rig.addModule();
        third->setValue("synch_serialnumber", 0);
        QCOMPARE(rig.operation("upload"), -1);
        QVERIFY(rig.hasResult("Undetermined Module 2 Upload aborted, can't ul undetermined"));
        // The undetermined module does not stop the modules after it.
        QCOMPARE(third->getInt("synch_serialnumber"), 200000 + 100 * 3);
        QCOMPARE(rig.results().last(), QStringLiteral("Test Station overall upload failure!"));
    }

    // The modules after a deleted one move up: number, names and addresses.
    void deleteRenumbersFollowingModules()
    {
        Rig rig(QString(), {RYXInterfaceModule::TIMType, RYXInterfaceModule::AOMType, RYXInterfaceModule::AIMType});
        QVERIFY(rig.ok);
        auto *plugin = new RYXObject;
        rig.station.addChild(plugin); // plug-ins share the children list
        const QList<RYXIOModule *> modules = rig.station.modules();
        QPointer<RYXIOModule> second = modules.at(1);
        QVERIFY(rig.station.deleteChild(second));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(second.isNull());
        RYXIOModule *third = modules.at(2);
        QCOMPARE(rig.station.getChildren(), (QList<RYXObject *>{modules.at(0), third, plugin}));
        QCOMPARE(third->getModuleNumber(), 2);
        QCOMPARE(third->objectName(), QStringLiteral("AIM Analog Input (AI4) Module 2"));
        QCOMPARE(third->getName(), third->objectName());
        QCOMPARE(third->getShortName(), QStringLiteral("AI4 2"));
        ZEMPPort *port = nullptr;
        unsigned tunnel = 0;
        QVERIFY(third->getPort(third->childAt(2), port, tunnel));
        QCOMPARE(tunnel, 0x1006u);
    }

    // Registering twice is harmless; kinds and codes without a class of their
    // own stand in as undetermined modules.
    void registryCreatesUndeterminedModules()
    {
        RYXObjectFactory::unregisterClass("UNDETERMINED");
        RYXClassTable::registerAll();
        RYXClassTable::registerAll();
        RYXObjectFactory::Level level;
        QVERIFY(RYXObjectFactory::levelOf("UNDETERMINED", level));
        QCOMPARE(level, RYXObjectFactory::ModuleLevel);
        for (RYXObject *made : {RYXObjectFactory::create("UNDETERMINED", 0), RYXClassRegistry::createModuleForKind(99),
                                RYXClassRegistry::createModuleForTypeCode(6)}) {
            QVERIFY(qobject_cast<UndeterminedModuleObject *>(made));
            delete made;
        }
    }
};

QTEST_MAIN(tst_InterfaceModule)
#include "tst_interfacemodule.moc"
