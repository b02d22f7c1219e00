// The I/O module and channel bases: addressing, names, the channel register
// and text operations, and module and channel transfers against the
// simulator over loopback TCP.
#include "../stations/StationTestRig.h"

using namespace rig;

class tst_IOModule : public QObject
{
    Q_OBJECT

    static void markCurrent(RYXObject *object)
    {
        for (RYXObject *child : object->getChildren())
            markCurrent(child);
        object->markCurrent(QString());
        object->setStatus(RYXObject::RecomputeChildStatus);
    }

private Q_SLOTS:
    void addresses_data()
    {
        QTest::addColumn<QList<int>>("place"); // module, channel index, register
        QTest::addColumn<QList<int>>("addresses"); // tunnel, value register, commit
        QTest::newRow("module 1, third channel") << QList<int>{1, 2, 3} << QList<int>{0x1002, 0x30B, 0x402};
        QTest::newRow("module 3, second channel") << QList<int>{3, 1, 1} << QList<int>{0x1009, 0x325, 0x409};
        QTest::newRow("module 16, fourth channel") << QList<int>{16, 3, 3} << QList<int>{0x103F, 0x3FF, 0x43F};
        QTest::newRow("unplaced counts as 1") << QList<int>{0, 1, 0} << QList<int>{0x1001, 0x304, 0x401};
    }

    // The simulator must agree, or every transfer would reach the wrong point.
    void addresses()
    {
        QFETCH(QList<int>, place);
        QFETCH(QList<int>, addresses);
        const int m = place[0], i = place[1], j = place[2];
        QCOMPARE((QList<int>{RYXIOModule::tunnelAddress(m, i), RYXIOModule::valueRegisterAddress(m, i, j),
                             RYXIOModule::commitAddress(m, i)}),
                 addresses);
        QCOMPARE((QList<int>{SimStation::tunnelAddress(m, i), SimStation::registerAddress(m, i, j),
                             SimStation::commitAddress(m, i)}),
                 addresses);
    }

    void channelLabels()
    {
        TestStation station;
        auto *module = new TestModule;
        station.addChild(module);
        QVERIFY(module->channelByNumber(3));
        QVERIFY(!module->channelByNumber(5));
        QCOMPARE(module->getChannelLabel(3), QStringLiteral(" Channel 3 - PV"));
        module->InsertPoint(QStringLiteral("synchtag3"), QStringLiteral("FLOW_3"), 0, ZEMP_NONE);
        QCOMPARE(module->getChannelLabel(3), QStringLiteral(" Channel 3 - FLOW_3"));
    }

    // A channel of another module, or a module without a station, sends nothing.
    void foreignChannelRefused()
    {
        Rig rig("TI4", {RYXInterfaceModule::TIMType});
        QVERIFY(rig.ok);
        RYXIOModule *module = rig.station.modules().first();
        TestModule elsewhere;
        auto *foreign = static_cast<RYXChannel *>(elsewhere.childAt(0));
        ZEMPPort *port = nullptr;
        unsigned tunnel = 0;
        QVERIFY(!module->getPort(foreign, port, tunnel));
        unsigned char block[4] = {};
        QCOMPARE(module->readChannelBlock(foreign, 0, block), -1);
        QCOMPARE(module->writeChannelText(foreign, RYXIOModule::TagPoint, 24, "x"), -1);
        QCOMPARE(module->uploadChannelTag(foreign, "tag"), -1);
        QCOMPARE(module->commitChannel(foreign), 0);
        QCOMPARE(elsewhere.readChannelBlockAt(0, 0, block), -1);
        QCOMPARE(static_cast<RYXChannel *>(elsewhere.childAt(1))->commit(), -1);
        QCOMPARE(rig.sim->station()->requestCount(), quint64(0));
    }

    void valueRegisters()
    {
        Rig rig("AO4,AO4", {RYXInterfaceModule::AOMType, RYXInterfaceModule::AOMType});
        QVERIFY(rig.ok);
        auto *channel = static_cast<RYXChannel *>(rig.station.modules().last()->childAt(1));
        const QByteArray written("\x41\x20\x00\x01", 4);
        QByteArray buffer = written;
        QByteArray read(4, '\0');
        QCOMPARE(rig.run([&] {
            return channel->writeBlock(2, reinterpret_cast<unsigned char *>(buffer.data()))
                   || channel->readBlock(2, reinterpret_cast<unsigned char *>(read.data()));
        }), 0);
        QCOMPARE(read, written);
        QCOMPARE(rig.sim->station()->registerValue(2, 1, 2), written);
        // A register number beyond the channel's four would reach its neighbour.
        QCOMPARE(channel->readBlock(4, reinterpret_cast<unsigned char *>(read.data())), -1);
    }

    void channelTexts()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *channel = static_cast<RYXChannel *>(rig.addModule()->childAt(2));
        channel->InsertPoint(QStringLiteral("usertag"), QStringLiteral("TT_102"), 0, ZEMP_NONE);
        channel->InsertPoint(QStringLiteral("units"), QStringLiteral("degF"), 0, ZEMP_NONE);
        channel->InsertPoint(QStringLiteral("longunits"), QStringLiteral("too long!"), 0, ZEMP_NONE);
        QList<int> statuses;
        rig.run([&] {
            statuses << channel->downloadTag("usertag") << channel->downloadText("units")
                     << channel->downloadText("longunits");
            channel->setValue("usertag", "");
            channel->setValue("units", "");
            statuses << channel->uploadTag("usertag") << channel->uploadText("units");
            return 0;
        });
        QCOMPARE(statuses, (QList<int>{0, 0, -1, 0, 0}));
        QCOMPARE(channel->getString("usertag"), QStringLiteral("TT_102"));
        QCOMPARE(channel->getString("units"), QStringLiteral("degF"));
        QCOMPARE(rig.deviceText(0x1002, RYXIOModule::TagPoint), QStringLiteral("TT_102"));
        QCOMPARE(rig.deviceText(0x1002, RYXIOModule::TextPoint), QStringLiteral("degF"));
    }

    void moduleUploadFailureKeepsLedWorking_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("expected");
        QTest::newRow("failed result") << int(TestModule::Result) << -1;
        QTest::newRow("retries exhausted") << int(TestModule::Retries) << 7;
    }

    // A failed upload shows the module not current, and the LED keeps following
    // the status afterwards.
    void moduleUploadFailureKeepsLedWorking()
    {
        QFETCH(int, failure);
        QFETCH(int, expected);
        Rig rig("TI4");
        QVERIFY(rig.ok);
        TestModule *module = rig.addModule();
        module->failure = TestModule::Failure(failure);
        rig.station.setOnline(true);
        markCurrent(module);
        QVERIFY(!module->isNotCurrent());
        rig.receiver.pixmaps.clear();

        QCOMPARE(rig.operation(module, "upload"), expected);
        QVERIFY(module->isNotCurrent());
        QVERIFY(rig.hasResult("Module 1 upload failure! " + TransferContext::failureMessage(expected)));
        const auto shown = [&](const char *led) {
            return rig.receiver.pixmaps.contains(qMakePair<RYXObject *, QString>(module, led));
        };
        QTRY_VERIFY(shown("SmallYellowLED"));
        markCurrent(module);
        QTRY_VERIFY(shown("SmallGreenLED"));
    }

    void channelDownloadCommits()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *channel = static_cast<RYXChannel *>(rig.addModule()->childAt(3));
        channel->setValue("tag", "TT_4");
        QVERIFY2(rig.operation(channel, "download") == 0, qPrintable(rig.results().join('\n')));
        QCOMPARE(rig.results(), (QStringList{"Please be patient, saving data in interface module...",
                                             "Interface Module data saved successfully.",
                                             "TIM Temperature Input (TI4) Module 1, Channel 4 read back: the device holds "
                                             "what was downloaded.",
                                             "TIM Temperature Input (TI4) Module 1, Channel 4...download success!"}));
        QCOMPARE(rig.sim->station()->commitCount(1, 3), 1);
        QCOMPARE(rig.sim->station()->saveCount(), 1);
        QCOMPARE(rig.deviceText(0x1003, RYXIOModule::TagPoint), QStringLiteral("TT_4"));
    }

    // A channel checks the device's channel type before it moves anything.
    void channelOfAnotherType()
    {
        Rig rig("AO4");
        QVERIFY(rig.ok);
        auto *channel = static_cast<RYXChannel *>(rig.addModule(RYXInterfaceModule::TIMType)->childAt(0));
        channel->setValue("tag", "TT_1");
        QCOMPARE(rig.operation(channel, "upload"), 4);
        QCOMPARE(rig.operation(channel, "download"), 4);
        QCOMPARE(rig.sim->station()->commitCount(1, 0), 0);
        QCOMPARE(rig.deviceText(0x1000, RYXIOModule::TagPoint), QString());
    }

    // A channel whose commit the station refuses has not taken its data.
    void refusedChannelCommitFailsDownload()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *channel = static_cast<RYXChannel *>(rig.addModule()->childAt(2));
        rig.failAt(RYXIOModule::commitAddress(1, 2));
        QCOMPARE(rig.operation(channel, "download", false), -1);
        QVERIFY(rig.hasResult("Channel 3 download failure! Undetermined failure (please report.)"));
        QVERIFY(!rig.hasResult("Channel 3...download success!"));
    }

    // A module that uploaded is current, its channels too.
    void moduleUploadMarksCurrent()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        TestModule *module = rig.addModule();
        rig.station.setOnline(true);
        QVERIFY(module->isNotCurrent());
        QCOMPARE(rig.operation(module, "upload"), 0);
        QVERIFY(!module->isNotCurrent());
        QVERIFY(!module->childAt(0)->isNotCurrent());
        rig.station.setOnline(false);
    }

    void moduleDownloadOfMissingModule()
    {
        Rig rig("TI4", {RYXInterfaceModule::TIMType});
        QVERIFY(rig.ok);
        TestModule *absent = rig.addModule();
        QCOMPARE(rig.operation(absent, "download", false), 3);
        QCOMPARE(rig.results(), QStringList{"TIM Temperature Input (TI4) Module 2 download failure! "
                                            "The device is missing or has failed."});
        QCOMPARE(rig.sim->station()->commitCount(2, 0), 0);
    }
};

QTEST_MAIN(tst_IOModule)
#include "tst_iomodule.moc"
