// The I/O module and channel bases: addressing, names, the channel register
// and text operations, and module and channel transfers against the
// simulator over loopback TCP.
#include "../stations/StationTestRig.h"

#include <cstring>

using namespace rig;

class tst_IOModule : public QObject
{
    Q_OBJECT

    static void markCurrent(RYXObject *object);

private Q_SLOTS:
    void addresses_data();
    void addresses();
    void names();
    void foreignChannelRefused();
    void valueRegisters();
    void channelTexts();
    void moduleUploadFailureKeepsLedWorking_data();
    void moduleUploadFailureKeepsLedWorking();
    void channelDownloadCommits();
    void moduleDownloadOfMissingModule();
};

void tst_IOModule::addresses_data()
{
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("j");
    QTest::addColumn<int>("tunnel");
    QTest::addColumn<int>("reg");
    QTest::addColumn<int>("commit");
    QTest::newRow("module 1") << 1 << 0 << 0 << 0x1000 << 0x300 << 0x400;
    QTest::newRow("module 1, third channel") << 1 << 2 << 3 << 0x1002 << 0x30B << 0x402;
    QTest::newRow("module 2") << 2 << 0 << 0 << 0x1004 << 0x310 << 0x404;
    QTest::newRow("module 3, second channel, register 1") << 3 << 1 << 1 << 0x1009 << 0x325 << 0x409;
    QTest::newRow("module 16, fourth channel") << 16 << 3 << 3 << 0x103F << 0x3FF << 0x43F;
    QTest::newRow("unplaced counts as 1") << 0 << 1 << 0 << 0x1001 << 0x304 << 0x401;
}

void tst_IOModule::addresses()
{
    QFETCH(int, module);
    QFETCH(int, index);
    QFETCH(int, j);
    QFETCH(int, tunnel);
    QFETCH(int, reg);
    QFETCH(int, commit);
    QCOMPARE(int(RYXIOModule::tunnelAddress(module, index)), tunnel);
    QCOMPARE(int(RYXIOModule::valueRegisterAddress(module, index, j)), reg);
    QCOMPARE(int(RYXIOModule::commitAddress(module, index)), commit);
    // The simulator must agree, or every transfer would reach the wrong point.
    QCOMPARE(int(SimStation::tunnelAddress(module, index)), tunnel);
    QCOMPARE(int(SimStation::registerAddress(module, index, j)), reg);
    QCOMPARE(int(SimStation::commitAddress(module, index)), commit);
}

void tst_IOModule::names()
{
    TestStation station;
    station.addChild(new TestModule(RYXInterfaceModule::AOMType));
    auto *module = new TestModule(RYXInterfaceModule::TIMType);
    station.addChild(module);
    RYXChannel *channel = module->channelByNumber(3);
    QVERIFY(channel);
    QCOMPARE(module->getName(), QStringLiteral("TIM Temperature Input (TI4) Module 2"));
    QCOMPARE(module->getShortName(), QStringLiteral("TI4 2"));
    QCOMPARE(channel->objectName(), QStringLiteral("3"));
    QCOMPARE(channel->getName(), QStringLiteral("TIM Temperature Input (TI4) Module 2, Channel 3"));
    QCOMPARE(channel->getShortName(), QStringLiteral(" Channel 3"));
    QCOMPARE(module->getChannelLabel(3), QStringLiteral(" Channel 3 - PV"));
    module->InsertPoint(QStringLiteral("synchtag3"), QStringLiteral("FLOW_3"), 0, ZEMP_NONE);
    QCOMPARE(module->getChannelLabel(3), QStringLiteral(" Channel 3 - FLOW_3"));
    QVERIFY(!module->channelByNumber(5));
}

void tst_IOModule::foreignChannelRefused()
{
    Rig rig("TI4");
    QVERIFY(rig.ok);
    TestModule *module = rig.addModule();
    TestModule elsewhere;
    auto *foreign = static_cast<RYXChannel *>(elsewhere.childAt(0));
    ZEMPPort *port = nullptr;
    unsigned tunnel = 0;
    QVERIFY(!module->getPort(foreign, port, tunnel));
    unsigned char block[4] = {};
    QString text;
    QCOMPARE(module->readChannelBlock(foreign, 0, block), -1);
    QCOMPARE(module->writeChannelText(foreign, RYXIOModule::TagPoint, 24, "x"), -1);
    QCOMPARE(module->uploadChannelTag(foreign, "tag"), -1);
    QCOMPARE(module->commitChannel(foreign), 0);
    // Without a station, and so without a port, nothing is sent.
    QCOMPARE(elsewhere.readChannelBlockAt(0, 0, block), -1);
    QCOMPARE(static_cast<RYXChannel *>(elsewhere.childAt(1))->commit(), -1);
    QCOMPARE(rig.sim->station()->requestCount(), quint64(0));
}

void tst_IOModule::valueRegisters()
{
    Rig rig("AO4,AO4");
    QVERIFY(rig.ok);
    rig.addModule(RYXInterfaceModule::AOMType);
    TestModule *module = rig.addModule(RYXInterfaceModule::AOMType);
    auto *channel = static_cast<RYXChannel *>(module->childAt(1));
    const unsigned char written[4] = {0x41, 0x20, 0x00, 0x01};
    unsigned char read[4] = {};
    int writeStatus = -100;
    const int readStatus = rig.run([&] {
        unsigned char buffer[4];
        std::memcpy(buffer, written, 4);
        writeStatus = channel->writeBlock(2, buffer);
        return channel->readBlock(2, read);
    });
    QCOMPARE(writeStatus, 0);
    QCOMPARE(readStatus, 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(read), 4),
             QByteArray(reinterpret_cast<const char *>(written), 4));
    QCOMPARE(rig.sim->station()->registerValue(2, 1, 2), QByteArray(reinterpret_cast<const char *>(written), 4));
    // A register number beyond the channel's four would reach its neighbour.
    QCOMPARE(channel->readBlock(4, read), -1);
}

void tst_IOModule::channelTexts()
{
    Rig rig("TI4");
    QVERIFY(rig.ok);
    TestModule *module = rig.addModule();
    auto *channel = static_cast<RYXChannel *>(module->childAt(2));
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
    QByteArray onDevice;
    QVERIFY(rig.sim->station()->readPoint(0x1002, RYXIOModule::TagPoint, onDevice));
    QVERIFY(onDevice.startsWith("TT_102"));
    QVERIFY(rig.sim->station()->readPoint(0x1002, RYXIOModule::TextPoint, onDevice));
    QVERIFY(onDevice.startsWith("degF"));
}

void tst_IOModule::moduleUploadFailureKeepsLedWorking_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("expected");
    QTest::newRow("failed result") << int(TestModule::Result) << -1;
    QTest::newRow("retries exhausted") << int(TestModule::Retries) << 7;
}

void tst_IOModule::moduleUploadFailureKeepsLedWorking()
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

    QCOMPARE(rig.run([&] { return module->executeOperation("upload", true); }), expected);
    QVERIFY(module->isNotCurrent());
    QVERIFY(rig.hasResult("Module 1 upload failure! " + TransferContext::failureMessage(expected)));
    const auto shown = [&](const char *led) {
        return rig.receiver.pixmaps.contains(qMakePair<RYXObject *, QString>(module, led));
    };
    QTRY_VERIFY(shown("SmallYellowLED"));
    // The LED follows the status again: a change shows at once.
    markCurrent(module);
    QTRY_VERIFY(shown("SmallGreenLED"));
}

void tst_IOModule::markCurrent(RYXObject *object)
{
    for (RYXObject *child : object->getChildren())
        markCurrent(child);
    object->markCurrent(QString());
    object->setStatus(RYXObject::RecomputeChildStatus);
}

void tst_IOModule::channelDownloadCommits()
{
    Rig rig("TI4");
    QVERIFY(rig.ok);
    TestModule *module = rig.addModule();
    auto *channel = static_cast<RYXChannel *>(module->childAt(3));
    channel->setValue("tag", "TT_4");
    QCOMPARE(rig.run([&] { return channel->executeOperation("download", true); }), 0);
    const QStringList results = rig.results();
    QCOMPARE(results.size(), 3);
    QCOMPARE(results.at(0), QStringLiteral("Please be patient, saving data in interface module..."));
    QCOMPARE(results.at(1), QStringLiteral("Interface Module data saved successfully."));
    QCOMPARE(results.at(2),
             QStringLiteral("TIM Temperature Input (TI4) Module 1, Channel 4...download success!"));
    QCOMPARE(rig.sim->station()->commitCount(1, 3), 1);
    QCOMPARE(rig.sim->station()->saveCount(), 1);
    QByteArray onDevice;
    QVERIFY(rig.sim->station()->readPoint(0x1003, RYXIOModule::TagPoint, onDevice));
    QVERIFY(onDevice.startsWith("TT_4"));
}

void tst_IOModule::moduleDownloadOfMissingModule()
{
    Rig rig("TI4");
    QVERIFY(rig.ok);
    rig.addModule();
    TestModule *absent = rig.addModule();
    QCOMPARE(rig.run([&] { return absent->executeOperation("download", false); }), 3);
    QCOMPARE(rig.results(), QStringList{"TIM Temperature Input (TI4) Module 2 download failure! "
                                        "The device is missing or has failed."});
    QCOMPARE(rig.sim->station()->commitCount(2, 0), 0);
}

QTEST_MAIN(tst_IOModule)
#include "tst_iomodule.moc"
