// The discrete input and relay output modules against the simulator over
// loopback TCP: what an upload finds, what a download leaves on the device,
// tags that stay on their own module, the input and output tests through
// the discrete I/O dialog, the module type correction and the event log.
#include "io/DIModuleCCObject.h"
#include "io/DiscreteIOControlDialog.h"
#include "io/ROModuleObject.h"

#include "io/SimSite.h"

#include "SimDiscreteModule.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QPushButton>

#include <memory>

namespace {

constexpr quint16 TagPoint = 0x107, ModuleTypePoint = 0x13;

// A station of the simulator with discrete modules, and their device points.
struct Site : SimSite
{
    using SimSite::SimSite;
    /// A second station on the simulator of \a other.
    explicit Site(const Site &other) : SimSite(other) {}

    int run(RYXObject *object, const QString &operation) { return link->operation(object, operation); }
    DiscreteModuleObject *module(int position) const
    {
        return qobject_cast<DiscreteModuleObject *>(SimSite::module(position));
    }
    quint64 word(int position, quint16 address, int index = 0) const
    {
        QByteArray value;
        sim()->readPoint(SimStation::tunnelAddress(position, index), address, value);
        return value.isEmpty() ? ~quint64(0) : SimPointMap::integerValue(value);
    }
    void setWord(int position, quint16 address, quint64 value, int width)
    {
        sim()->setPoint(SimStation::tunnelAddress(position, 0), address, SimPointMap::integerBytes(value, width));
    }
    QString text(int position, int index, quint16 address) const
    {
        return link->deviceText(SimStation::tunnelAddress(position, index), address);
    }
    void setText(int position, int index, quint16 address, const QString &value)
    {
        sim()->setPoint(SimStation::tunnelAddress(position, index), address, value.toLatin1());
    }
    /// The I/O word the device holds for the module at \a position.
    quint32 ioRegister(int position) const
    {
        return quint32(SimPointMap::integerValue(sim()->registerValue(position, 0, SimDiscreteModule::IoRegister)));
    }
};

QList<bool> shownStates(const DiscreteIOControlDialog &dialog)
{
    QList<bool> states;
    for (int n = 1; n <= DiscreteIOControlDialog::MaxChannels; ++n)
        states << dialog.findChild<QCheckBox *>(QStringLiteral("channel%1CheckBox").arg(n))->isChecked();
    return states;
}

} // namespace

class tst_DiscreteTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void uploadTakesTheDevicesValues()
    {
        Site site(QStringLiteral("CC8,LV8,HV8,RO4,RO8"));
        site.setWord(1, 0xE034, 125, 4);                              // CC8 debounce 25 ms
        site.setWord(1, 0xF018, 0x81, 1);                             // inputs 1 and 8 on
        site.setWord(1, 0xF019, 0x42, 1);                             // inputs 2 and 7 off
        site.setWord(2, 0xF013, 49, 1);                               // LV8 50 Hz
        site.setWord(3, 0x12, 1, 1);                                  // HV8 not used
        site.setWord(4, 0xF006, 0x05, 1);                             // RO4 relays 1, 3 at power-up
        site.setWord(4, 0xE010, 0x01030103, 4);                       // on, hold, off, off
        site.setWord(4, 0xF004, 15, 1);                               // green
        site.setWord(5, 0xE010, 0x00800080, 4);                       // RO8 relay 8 hold
        site.setWord(5, 0xF004, 0, 1);                                // red
        site.setText(1, 0, TagPoint, QStringLiteral("In_1"));
        site.setText(1, 0, 0x111, QStringLiteral("In_6"));
        site.setText(5, 3, TagPoint, QStringLiteral("Relay_4"));
        site.setText(5, 0, 0x113, QStringLiteral("Relay_8"));
        QVERIFY(site.connected());
        QCOMPARE(site.run(site.station.get(), QStringLiteral("upload")), 0);

        DiscreteModuleObject *cc8 = site.module(1), *lv8 = site.module(2), *hv8 = site.module(3);
        DiscreteModuleObject *ro4 = site.module(4), *ro8 = site.module(5);
        QVERIFY(cc8 && lv8 && hv8 && ro4 && ro8);
        QCOMPARE(cc8->getString(QStringLiteral("debounceconst1")), QStringLiteral("125"));
        QCOMPARE(cc8->getString(QStringLiteral("ch1_failresponse")), QStringLiteral("on"));
        QCOMPARE(cc8->getString(QStringLiteral("ch2_failresponse")), QStringLiteral("off"));
        QCOMPARE(cc8->getString(QStringLiteral("ch3_failresponse")), QStringLiteral("hold"));
        QCOMPARE(cc8->getString(QStringLiteral("tag1")), QStringLiteral("In_1"));
        QCOMPARE(cc8->getString(QStringLiteral("tag6")), QStringLiteral("In_6"));
        QCOMPARE(lv8->getString(QStringLiteral("filterfreq")), QStringLiteral("50"));
        QCOMPARE(hv8->getString(QStringLiteral("filterfreq")), QStringLiteral("60"));
        QCOMPARE(hv8->getString(QStringLiteral("channelnotused")), QStringLiteral("true"));
        QCOMPARE(ro4->getString(QStringLiteral("ch1_powerupstate")), QStringLiteral("true"));
        QCOMPARE(ro4->getString(QStringLiteral("ch2_powerupstate")), QStringLiteral("false"));
        QCOMPARE(ro4->getString(QStringLiteral("ch3_powerupstate")), QStringLiteral("true"));
        QCOMPARE(ro4->getString(QStringLiteral("ch1_failresponse")), QStringLiteral("on"));
        QCOMPARE(ro4->getString(QStringLiteral("ch2_failresponse")), QStringLiteral("hold"));
        QCOMPARE(ro4->getString(QStringLiteral("ch4_failresponse")), QStringLiteral("off"));
        QCOMPARE(ro4->getString(QStringLiteral("ledmode")), QStringLiteral("green"));
        QCOMPARE(ro8->getString(QStringLiteral("ch8_failresponse")), QStringLiteral("hold"));
        QCOMPARE(ro8->getString(QStringLiteral("ch7_failresponse")), QStringLiteral("off"));
        QCOMPARE(ro8->getString(QStringLiteral("ledmode")), QStringLiteral("red"));
        QCOMPARE(ro8->getString(QStringLiteral("tag4")), QStringLiteral("Relay_4"));
        QCOMPARE(ro8->getString(QStringLiteral("tag8")), QStringLiteral("Relay_8"));
        for (DiscreteModuleObject *module : {cc8, lv8, hv8, ro4, ro8})
            QVERIFY2(!module->isNotCurrent(), qPrintable(module->getName()));
    }

    void downloadReachesTheDevice()
    {
        Site site(QStringLiteral("CC8,LV8,HV8,RO4,RO8"));
        QVERIFY(site.connected());
        DiscreteModuleObject *cc8 = site.module(1), *lv8 = site.module(2), *ro4 = site.module(4);
        DiscreteModuleObject *ro8 = site.module(5);
        QVERIFY(cc8 && lv8 && ro4 && ro8);
        cc8->setValue(QStringLiteral("debounceconst1"), QStringLiteral("50"));
        cc8->setValue(QStringLiteral("ch8_failresponse"), QStringLiteral("off"));
        lv8->setValue(QStringLiteral("filterfreq"), QStringLiteral("50"));
        ro4->setValue(QStringLiteral("ch1_powerupstate"), true);
        ro4->setValue(QStringLiteral("ch3_powerupstate"), true);
        ro4->setValue(QStringLiteral("ledmode"), QStringLiteral("green"));
        ro8->setValue(QStringLiteral("ch8_failresponse"), QStringLiteral("on"));
        ro8->setValue(QStringLiteral("tag7"), QStringLiteral("Horn"));
        ro8->setValue(QStringLiteral("tag2"), QStringLiteral("Lamp"));
        QCOMPARE(site.run(site.station.get(), QStringLiteral("download")), 0);

        for (int n = 1; n <= 8; ++n) {
            const quint16 debounce = quint16(0xE034 + 0x18 * (n - 1));
            QCOMPARE(site.word(1, debounce), quint64(50));
            QCOMPARE(site.word(1, quint16(debounce + 8)), quint64(50));
        }
        QCOMPARE(site.word(1, 0xF019), quint64(0x80));
        QCOMPARE(site.word(2, 0xF013), quint64(49));
        QCOMPARE(site.word(4, 0xF006), quint64(0x05));
        QCOMPARE(site.word(4, 0xF007), quint64(0x05));
        QCOMPARE(site.word(4, 0xF004), quint64(0xFF));
        // Relays 1 to 7 hold, relay 8 on.
        QCOMPARE(site.word(5, 0xE010), quint64(0x80FF80FF));
        QCOMPARE(site.text(5, 1, TagPoint), QStringLiteral("Lamp"));
        QCOMPARE(site.text(5, 0, 0x112), QStringLiteral("Horn"));
    }

    // Tags 5 to 8 of a CC8 at the channel tag addresses 4 to 7 would be the
    // tags of the RO4 after it; they are the CC8's own.
    void eightTagsLeaveTheNextModuleAlone()
    {
        Site site(QStringLiteral("CC8,RO4"));
        for (int index = 0; index < 4; ++index)
            site.setText(2, index, TagPoint, QStringLiteral("Relay_%1").arg(index + 1));
        QVERIFY(site.connected());
        DiscreteModuleObject *cc8 = site.module(1);
        QVERIFY(cc8);
        for (int n = 1; n <= 8; ++n)
            cc8->setValue(QStringLiteral("tag%1").arg(n), QStringLiteral("Input_%1").arg(n));
        QCOMPARE(site.run(cc8, QStringLiteral("download")), 0);
        for (int index = 0; index < 4; ++index)
            QCOMPARE(site.text(2, index, TagPoint), QStringLiteral("Relay_%1").arg(index + 1));
        QCOMPARE(site.word(2, ModuleTypePoint), quint64(RYXInterfaceModule::ROM4Type));

        Site again(site);
        QVERIFY(again.connected());
        QCOMPARE(again.run(again.station.get(), QStringLiteral("upload")), 0);
        for (int n = 1; n <= 8; ++n)
            QCOMPARE(again.module(1)->getString(QStringLiteral("tag%1").arg(n)), QStringLiteral("Input_%1").arg(n));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(again.module(2)->getString(QStringLiteral("tag%1").arg(n)), QStringLiteral("Relay_%1").arg(n));
    }

    // Apply sends the relays the boxes show; Read shows what the device
    // holds, here a word another program wrote.
    void outputTestDrivesTheRelays()
    {
        Site site(QStringLiteral("RO4,RO8"));
        QVERIFY(site.connected());
        DiscreteModuleObject *ro8 = site.module(2);
        QVERIFY(ro8);
        DiscreteIOControlDialog dialog(ro8, DiscreteIOControlDialog::Output);
        QCOMPARE(dialog.objectName(), QStringLiteral("iocontroldlg"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Discrete I/O Control"));
        for (int n : {2, 7})
            dialog.findChild<QCheckBox *>(QStringLiteral("channel%1CheckBox").arg(n))->setChecked(true);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("applyButton")), Qt::LeftButton);
        QCOMPARE(ro8->getUInt(QStringLiteral("iomask")), 0x42000000u);
        RYXObject *target = nullptr;
        QCOMPARE(site.link->connection.pendingOperation(&target), QStringLiteral("applyio"));
        QCOMPARE(target, static_cast<RYXObject *>(ro8));
        site.link->connection.clearPendingOperation();
        QCOMPARE(site.run(ro8, QStringLiteral("applyio")), 0);
        QCOMPARE(site.ioRegister(2), 0x42000000u);
        QCOMPARE(site.ioRegister(1), 0u);

        Site other(site);
        QVERIFY(other.connected());
        other.module(2)->setValue(QStringLiteral("iomask"), 0x81000000u);
        QCOMPARE(other.run(other.module(2), QStringLiteral("applyio")), 0);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("readButton")), Qt::LeftButton);
        QCOMPARE(site.link->connection.pendingOperation(), QStringLiteral("readio"));
        site.link->connection.clearPendingOperation();
        QCOMPARE(site.run(ro8, QStringLiteral("readio")), 0);
        QTRY_COMPARE(shownStates(dialog), (QList<bool>{true, false, false, false, false, false, false, true}));
    }

    // The inputs of the simulated CC8 step once a second; the input test shows each word read.
    void inputTestShowsTheInputs()
    {
        Site site(QStringLiteral("CC8"));
        QVERIFY(site.connected());
        DiscreteModuleObject *cc8 = site.module(1);
        QVERIFY(cc8);
        DiscreteIOControlDialog dialog(cc8, DiscreteIOControlDialog::Input);
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("applyButton"))->isHidden());
        QCOMPARE(site.run(cc8, QStringLiteral("readio")), 0);
        const unsigned first = cc8->getUInt(QStringLiteral("iomask"));
        QVERIFY(first != 0);
        QCOMPARE(first & 0x00FFFFFFu, 0u);
        QList<bool> states;
        for (int n = 1; n <= 8; ++n)
            states << DiscreteModuleObject::ioState(first, n);
        QTRY_COMPARE(shownStates(dialog), states);
        QTRY_VERIFY_WITH_TIMEOUT(site.run(cc8, QStringLiteral("readio")) == 0
                                     && cc8->getUInt(QStringLiteral("iomask")) != first,
                                 3000);
    }

    void typeCorrection_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("line");
        QTest::newRow("CC8 unpatch") << 1 << "unpatch" << 0x17 << 0xFF << " Patched!";
        QTest::newRow("CC8 unpatched patch") << 1 << "patch" << 0xFF << 0x17 << " Patched!";
        QTest::newRow("CC8 patch") << 1 << "patch" << 0x17 << 0x17 << " No patching necessary!";
        QTest::newRow("RO4 unpatch") << 2 << "unpatch" << 0x19 << 0xFF << "... Patched!";
        QTest::newRow("RO4 unpatch again") << 2 << "unpatch" << 0xFF << 0xFF << "... No patching necessary!";
    }

    // The module's own type code is rewritten; the module after it keeps its own.
    void typeCorrection()
    {
        QFETCH(int, position);
        QFETCH(QString, operation);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, line);
        Site site(QStringLiteral("CC8,RO4,CC8"));
        QVERIFY(site.connected());
        site.setWord(position, ModuleTypePoint, quint64(before), 1);
        DiscreteModuleObject *module = site.module(position);
        QCOMPARE(site.run(module, operation), 0);
        QCOMPARE(site.word(position, ModuleTypePoint), quint64(after));
        QCOMPARE(site.link->results().value(site.link->results().size() - 1), module->getName() + line);
        QCOMPARE(site.word(3, ModuleTypePoint), quint64(RYXInterfaceModule::DIMCC8Type));
    }

    void eventLogLines_data()
    {
        QTest::addColumn<QString>("modules");
        QTest::addColumn<quint16>("status");
        QTest::addColumn<quint32>("relays");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("RO4 SRAM, relays 1 and 4")
            << "RO4" << quint16(0x0008) << 0x09000000u
            << QStringList{"SRAM Failure", "Channel 1 - PV: ENERGIZED", "Channel 2 - PV: DEENERGIZED",
                           "Channel 3 - PV: DEENERGIZED", "Channel 4 - PV: ENERGIZED"};
        QTest::newRow("RO8 producer") << "RO8" << quint16(0x8000) << 0x80000000u
                                      << QStringList{"Error in Producer Channel", "Channel 8 - PV: ENERGIZED"};
    }

    void eventLogLines()
    {
        QFETCH(QString, modules);
        QFETCH(quint16, status);
        QFETCH(quint32, relays);
        QFETCH(QStringList, lines);
        Site site(modules);
        site.sim()->setChannelStatus(1, 0, status);
        QVERIFY(site.connected());
        DiscreteModuleObject *module = site.module(1);
        QVERIFY(module);
        module->setValue(QStringLiteral("iomask"), relays);
        QCOMPARE(site.run(module, QStringLiteral("applyio")), 0);
        QVERIFY(site.link->run([&] { return module->addToEventBox() ? 0 : -1; }) == 0);
        QTRY_COMPARE(site.link->receiver.logLines().filter(module->getName()).size(), 1);
        const QStringList logged = site.link->receiver.logLines();
        for (const QString &line : lines)
            QVERIFY2(logged.contains(QStringLiteral("    ") + line), qPrintable(line + " in " + logged.join('\n')));
        QCOMPARE(logged.filter(QStringLiteral("ENERGIZED")).size(), module->channelCount());
    }
};

QTEST_MAIN(tst_DiscreteTransfers)
#include "tst_discretetransfers.moc"
