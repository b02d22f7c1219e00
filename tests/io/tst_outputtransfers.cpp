// Analog output channels moved to and from the simulator over loopback TCP:
// what an upload finds, the device words a download leaves, the output
// block a loop test writes, the channel's status in the event log, and the
// firmware correction of the module type.
#include "io/AOChannelObject.h"
#include "io/AOModuleObject.h"
#include "io/SimSite.h"

#include <QtTest/QtTest>

#include <cmath>

namespace {

constexpr quint16 ModuleTypePoint = 0x13, NotUsed = 0x12, ConstPtr = 0xF006, TypeWord = 0xF007, Flags = 0xF008,
                  DampingEnable = 0xF00B, TrimCount = 0xF0E0, ScalingFlag = 0xF0E1, OutputZero = 0xE050,
                  OutputFull = 0xE054, InitialOutput = 0xE014, FailureOutput = 0xE01C, DampingCoefficient = 0xE020;

float registerFloat(const QByteArray &bytes)
{
    return SimInputChannel::floatValue(bytes);
}

} // namespace

class tst_OutputTransfers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The device's words decode into the user's choices, channel by channel.
    void uploadTakesTheDevicesValues()
    {
        SimSite site(QStringLiteral("AO4"));
        site.setDeviceByte(1, 2, TypeWord, 0x40);
        site.setDeviceByte(1, 2, Flags, 0x03);
        site.setDeviceByte(1, 2, TrimCount, 2);
        site.setDeviceByte(1, 2, ScalingFlag, 1);
        site.setDeviceByte(1, 2, NotUsed, 1);
        site.setDeviceFloat(1, 2, OutputZero, 1.0f);
        site.setDeviceFloat(1, 2, OutputFull, 9.0f);
        site.setDeviceFloat(1, 2, DampingCoefficient, float(AOChannelObject::dampingCoefficient(10.0)));
        QVERIFY(site.connected());
        QCOMPARE(site.failureOf(QStringLiteral("upload")), QString());
        auto *changed = site.channel<AOChannelObject>(1, 2);
        auto *fresh = site.channel<AOChannelObject>(1, 3);
        QVERIFY(changed && fresh);
        const QStringList keys{"outputtype", "failuremode", "outputdamping", "trimenable", "scalingenabled",
                               "channelnotused", "outputzero", "outputfull"};
        QStringList values, defaults;
        for (const QString &key : keys) {
            values << changed->getString(key);
            defaults << fresh->getString(key);
        }
        QCOMPARE(values, (QStringList{"v", "preset", "10.00", "true", "true", "true", "1.000000", "9.000000"}));
        QCOMPARE(defaults, (QStringList{"ma", "hold", "0.00", "false", "false", "false", "4.000000", "20.000000"}));
        QVERIFY(!changed->isNotCurrent());
    }

    // A download leaves the derived words on the device, and a second
    // program uploads the same choices from them.
    void downloadLeavesTheDeviceWords()
    {
        SimSite site(QStringLiteral("AO4"));
        QVERIFY(site.connected());
        auto *channel = site.channel<AOChannelObject>(1, 4);
        QVERIFY(channel);
        const QList<QPair<const char *, const char *>> choices = {
            {"outputtype", "v"},        {"outputzero", "0.5"},     {"outputfull", "10"},
            {"outputdamping", "1"},     {"failuremode", "preset"}, {"failurevalue", "5"},
            {"channelnotused", "true"}, {"outputonoverrange", "10.5"},
        };
        for (const auto &choice : choices)
            channel->setValue(QLatin1String(choice.first), QLatin1String(choice.second));
        QCOMPARE(site.failureOf(QStringLiteral("download")), QString());
        QCOMPARE(site.deviceByte(1, 4, TypeWord), 0x40);
        QCOMPARE(site.deviceByte(1, 4, ConstPtr), 0x90);
        // The current bit the new device had is cleared, both preset bits set.
        QCOMPARE(site.deviceByte(1, 4, Flags), 0x03);
        QCOMPARE(site.deviceByte(1, 4, DampingEnable), 1);
        QCOMPARE(site.deviceByte(1, 4, NotUsed), 1);
        QCOMPARE(site.deviceFloat(1, 4, DampingCoefficient), float(1.0 - std::exp(-1.0 / 300.0)));
        QCOMPARE(site.deviceFloat(1, 4, InitialOutput), 0.5f);
        QCOMPARE(site.deviceFloat(1, 4, FailureOutput), 5.0f);
        QCOMPARE(site.deviceByte(1, 4, ModuleTypePoint), int(AOModuleObject::Info.typeCode));

        SimSite again(site);
        QVERIFY(again.connected());
        QCOMPARE(again.failureOf(QStringLiteral("upload")), QString());
        auto *uploaded = again.channel<AOChannelObject>(1, 4);
        QVERIFY(uploaded);
        QCOMPARE(uploaded->getString(QStringLiteral("outputdamping")), QStringLiteral("1.00"));
        for (const char *key : {"outputtype", "failuremode", "channelnotused"})
            QCOMPARE(uploaded->getString(QLatin1String(key)), channel->getString(QLatin1String(key)));
    }

    // "writeOutput" puts the float into the channel's output block and the
    // value with its unit into the event log; "readOutput" reads it back.
    void outputBlockReadsBack()
    {
        SimSite site(QStringLiteral("AO4,AO4"));
        QVERIFY(site.connected());
        auto *channel = site.channel<AOChannelObject>(2, 3);
        QVERIFY(channel);
        channel->setValue(QStringLiteral("output"), QStringLiteral("12.34"));
        QCOMPARE(site.link->operation(channel, QStringLiteral("writeOutput")), 0);
        QCOMPARE(registerFloat(site.sim()->registerValue(2, 2, AOChannelObject::OutputRegister)), 12.34f);
        const QString line = QStringLiteral("%1: output set to 12.34 mA").arg(channel->placeText());
        QTRY_VERIFY(site.link->receiver.logLines().filter(line).size() == 1);
        QVERIFY(channel->placeText().contains(QLatin1String("module AOM Analog Output (AO4) Module 2, channel 3")));
        channel->setValue(QStringLiteral("output"), QStringLiteral("0"));
        QCOMPARE(site.link->operation(channel, QStringLiteral("readOutput")), 0);
        QCOMPARE(channel->getFloat(QStringLiteral("output")), 12.34f);
    }

    void eventLogStatus_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("line");
        QTest::newRow("fault") << 0x8001 << "    Channel Fail";
        QTest::newRow("no fault: the PV in mA") << 0 << "    PV - 12.50 mA";
    }

    void eventLogStatus()
    {
        QFETCH(int, status);
        QFETCH(QString, line);
        SimSite site(QStringLiteral("AO4"));
        QVERIFY(site.connected());
        auto *channel = site.channel<AOChannelObject>(1, 1);
        QVERIFY(channel);
        QCOMPARE(site.failureOf(QStringLiteral("upload")), QString());
        unsigned char word[4] = {quint8(status >> 8), quint8(status), 0, 0};
        QByteArray pv = SimInputChannel::floatBytes(12.5f);
        QCOMPARE(site.link->run([&] {
            return channel->writeBlock(AOChannelObject::StatusRegister, word)
                   | channel->writeBlock(AOChannelObject::PvRegister, reinterpret_cast<unsigned char *>(pv.data()));
        }), 0);
        QVERIFY(site.link->run([&] { return channel->addToEventBox(2) ? 0 : 1; }) == 0);
        QTRY_VERIFY(site.link->receiver.logLines().contains(line));
    }

    // "unpatch" writes 0xFF as each channel's module type, "patch" the
    // module's type code; a channel that has it already is left alone.
    void patchAndUnpatch()
    {
        SimSite site(QStringLiteral("AO4"));
        QVERIFY(site.connected());
        RYXIOModule *module = site.module(1);
        QVERIFY(qobject_cast<AOModuleObject *>(module));
        const auto deviceTypes = [&] {
            QList<int> types;
            for (int n = 1; n <= 4; ++n)
                types << site.deviceByte(1, n, ModuleTypePoint);
            return types;
        };
        const auto count = [&](const QString &text) {
            return int(site.link->results().filter(QRegularExpression(QRegularExpression::escape(text) + '$')).size());
        };
        QCOMPARE(site.link->operation(module, QStringLiteral("patch")), 0);
        QCOMPARE(count(QStringLiteral(" No patching necessary!")), 4);
        QCOMPARE(site.link->operation(module, QStringLiteral("unpatch")), 0);
        QCOMPARE(deviceTypes(), QList<int>(4, 0xFF));
        QCOMPARE(count(QStringLiteral(" Patched!")), 4);
        QCOMPARE(site.link->operation(module, QStringLiteral("patch")), 0);
        QCOMPARE(deviceTypes(), QList<int>(4, AOModuleObject::Info.typeCode));
        QCOMPARE(count(QStringLiteral(" Patched!")), 8);
    }
};

QTEST_MAIN(tst_OutputTransfers)
#include "tst_outputtransfers.moc"
