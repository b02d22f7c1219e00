// The analog output channel's rules in words: the damping coefficient and
// its decoding, the output limits of each type, the flag bits, the channel
// not used byte, the status texts in their order, and that decoding the
// device words a download derives gives back the user's choices.
#include "app/RYXClassTable.h"
#include "io/AOChannelObject.h"
#include "io/AOModuleObject.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"
#include "plugins/RYXTrimObjectPlugin.h"

#include <QtTest/QtTest>

#include <cstring>
#include <memory>

namespace {

// What an upload finds on a device that holds what \a sent derived: every
// device word copied, the damping coefficient as the float the device keeps.
void uploadInto(AOChannelObject &fresh, AOChannelObject &sent)
{
    for (const char *key : {"channelnotusedzemppoint", "constptr", "type", "outputzero", "outputfull", "initval",
                            "outputonunderrange", "outputonoverrange", "dampingenable", "failurevalue", "nanoutput",
                            "flags", "numtrimpts", "trimpointz", "trimpointf", "trimcapturez", "trimcapturef",
                            "scalingzero", "scalingfull", "scalingflag", "tag1", "egu1"})
        fresh.setValue(QLatin1String(key), sent.getString(QLatin1String(key)));
    const float coefficient = float(sent.getString(QStringLiteral("dampcnst")).toDouble());
    quint32 bits = 0;
    std::memcpy(&bits, &coefficient, sizeof bits);
    fresh.setValue(QStringLiteral("dampcnstbits"), unsigned(bits));
    QVERIFY(fresh.processUploadedData());
}

} // namespace

class tst_OutputChannel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RYXClassTable::registerAll(); }

    void damping_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<int>("enabled");
        QTest::addColumn<double>("coefficient");
        QTest::addColumn<QString>("decoded");
        QTest::addColumn<bool>("valid");
        QTest::newRow("off") << "0" << 0 << 0.0 << "0.00" << true;
        QTest::newRow("1 s") << "1" << 1 << 1.0 - std::exp(-1.0 / 300.0) << "1.00" << true;
        // Six decimals of text would read a 10 s damping back as 10.01 s.
        QTest::newRow("10 s") << "10" << 1 << 1.0 - std::exp(-1.0 / 3000.0) << "10.00" << true;
        QTest::newRow("30 s, the longest") << "30" << 1 << 1.0 - std::exp(-1.0 / 9000.0) << "30.00" << true;
        QTest::newRow("30.5 s") << "30.5" << 0 << 0.0 << "0.00" << false;
        QTest::newRow("negative") << "-1" << 0 << 0.0 << "0.00" << false;
    }

    void damping()
    {
        QFETCH(QString, seconds);
        QFETCH(double, coefficient);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("outputdamping"), seconds);
        QVERIFY(channel.prepareDownloadData());
        QTEST(channel.getInt(QStringLiteral("dampingenable")), "enabled");
        QVERIFY(qAbs(channel.getString(QStringLiteral("dampcnst")).toDouble() - coefficient) < 1e-9);
        QTEST(channel.validate(), "valid");
        QTEST(channel.getBool(QStringLiteral("dampingisvalid")), "valid");
        AOChannelObject fresh;
        uploadInto(fresh, channel);
        QTEST(fresh.getString(QStringLiteral("outputdamping")), "decoded");
    }

    void outputLimits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("point");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("invalid"); // the flags that turn false
        const QStringList none;
        const QStringList range{"ozisvalid", "ofisvalid"};
        QTest::newRow("ma 4 to 4.9997") << "ma" << "outputfull" << "4.9997" << none;
        QTest::newRow("ma 4 to 4.999, span too small") << "ma" << "outputfull" << "4.999" << range;
        QTest::newRow("ma full 23.6") << "ma" << "outputfull" << "23.6" << none;
        QTest::newRow("ma full 23.7") << "ma" << "outputfull" << "23.7" << QStringList{"ofisvalid"};
        QTest::newRow("ma zero below 0") << "ma" << "outputzero" << "-0.1" << QStringList{"ozisvalid"};
        QTest::newRow("ma zero above full") << "ma" << "outputzero" << "21" << range;
        QTest::newRow("ma over-range 23.6") << "ma" << "outputonoverrange" << "23.6" << none;
        QTest::newRow("ma over-range 23.7") << "ma" << "outputonoverrange" << "23.7" << QStringList{"orangeisvalid"};
        QTest::newRow("ma under-range -0.1") << "ma" << "outputonunderrange" << "-0.1"
                                             << QStringList{"urangeisvalid"};
        QTest::newRow("v full 11") << "v" << "outputfull" << "11" << none;
        QTest::newRow("v full 11.1") << "v" << "outputfull" << "11.1" << QStringList{"ofisvalid"};
        QTest::newRow("v under-range -0.25") << "v" << "outputonunderrange" << "-0.25" << none;
        QTest::newRow("v under-range -0.3") << "v" << "outputonunderrange" << "-0.3" << QStringList{"urangeisvalid"};
        QTest::newRow("v over-range 23.6 is a current") << "v" << "outputonoverrange" << "23.6"
                                                        << QStringList{"orangeisvalid"};
        QTest::newRow("hold ignores the failure value") << "ma" << "failurevalue" << "30" << none;
    }

    void outputLimits()
    {
        QFETCH(QString, type);
        QFETCH(QString, point);
        QFETCH(QString, value);
        QFETCH(QStringList, invalid);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("outputtype"), type);
        // A range every type holds, with outputs inside it.
        channel.setValue(QStringLiteral("outputzero"), QStringLiteral("4"));
        channel.setValue(QStringLiteral("outputfull"), QStringLiteral("10"));
        channel.setValue(QStringLiteral("outputonoverrange"), QStringLiteral("10.5"));
        channel.setValue(point, value);
        QCOMPARE(channel.validate(), invalid.isEmpty());
        const QStringList flags{"ozisvalid",     "ofisvalid",     "dampingisvalid",
                                "urangeisvalid", "orangeisvalid", "fvalisvalid"};
        QStringList broken;
        for (const QString &flag : flags) {
            if (!channel.getBool(flag))
                broken << flag;
        }
        QCOMPARE(broken, invalid);
    }

    void presetFailureValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("inside") << "12" << true;
        QTest::newRow("at the top") << "23.6" << true;
        QTest::newRow("above") << "24" << false;
    }

    void presetFailureValue()
    {
        QFETCH(QString, value);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("failuremode"), QStringLiteral("preset"));
        channel.setValue(QStringLiteral("failurevalue"), value);
        QTEST(channel.validate(), "valid");
        QTEST(channel.getBool(QStringLiteral("fvalisvalid")), "valid");
    }

    void flagBits_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<uint>("before"); // the flags word as the device gave it
        QTest::addColumn<uint>("flags");
        QTest::addColumn<uint>("typeWord");
        QTest::addColumn<uint>("constWord");
        QTest::newRow("current, hold") << "ma" << "hold" << 0x00u << 0x04u << 0x44u << 0x98u;
        QTest::newRow("current, preset") << "ma" << "preset" << 0x00u << 0x07u << 0x44u << 0x98u;
        QTest::newRow("volts, preset") << "v" << "preset" << 0x04u << 0x03u << 0x40u << 0x90u;
        QTest::newRow("volts, hold, other bits kept") << "v" << "hold" << 0xFFu << 0xF8u << 0x40u << 0x90u;
    }

    void flagBits()
    {
        QFETCH(QString, type);
        QFETCH(QString, failure);
        QFETCH(uint, before);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("outputtype"), type);
        channel.setValue(QStringLiteral("failuremode"), failure);
        channel.setValue(QStringLiteral("flags"), before);
        QVERIFY(channel.prepareDownloadData());
        QTEST(channel.getUInt(QStringLiteral("flags")), "flags");
        QTEST(channel.getUInt(QStringLiteral("type")), "typeWord");
        QTEST(channel.getUInt(QStringLiteral("constptr")), "constWord");
    }

    void failureModeDecode_data()
    {
        QTest::addColumn<uint>("flags");
        QTest::addColumn<QString>("failure");
        QTest::newRow("bit 0") << 0x01u << "preset";
        QTest::newRow("bit 1") << 0x02u << "preset";
        QTest::newRow("current bit only") << 0x04u << "hold";
    }

    void failureModeDecode()
    {
        QFETCH(uint, flags);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("flags"), flags);
        QVERIFY(channel.processUploadedData());
        QTEST(channel.getString(QStringLiteral("failuremode")), "failure");
    }

    void channelNotUsed_data()
    {
        QTest::addColumn<QString>("notUsed");
        QTest::addColumn<QString>("deviceByte");
        QTest::newRow("used") << "false" << "0";
        QTest::newRow("not used") << "true" << "1";
    }

    void channelNotUsed()
    {
        QFETCH(QString, notUsed);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("channelnotused"), notUsed);
        QVERIFY(channel.prepareDownloadData());
        QTEST(channel.getString(QStringLiteral("channelnotusedzemppoint")), "deviceByte");
    }

    // Without scaling the custom units are cleared; with it they stay.
    void scalingKeepsUnits_data()
    {
        QTest::addColumn<QString>("scaling");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("egu");
        QTest::newRow("scaling") << "true" << "1" << "GPM";
        QTest::newRow("no scaling") << "false" << "0" << "";
    }

    void scalingKeepsUnits()
    {
        QFETCH(QString, scaling);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("scalingenabled"), scaling);
        channel.setValue(QStringLiteral("egu1"), QStringLiteral("GPM"));
        QVERIFY(channel.prepareDownloadData());
        QTEST(channel.getString(QStringLiteral("scalingflag")), "flag");
        QTEST(channel.getString(QStringLiteral("egu1")), "egu");
        QCOMPARE(channel.getString(QStringLiteral("synchegu1")), channel.getString(QStringLiteral("egu1")));
    }

    void statusTexts_data()
    {
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0x0000u << "";
        QTest::newRow("fail and producer") << 0x8001u << "Channel Fail";
        QTest::newRow("producer alone") << 0x8000u << "Error in Producer Channel";
        QTest::newRow("disabled before SRAM") << 0x000Au << "Channel Disabled";
        QTest::newRow("SRAM before EEPROM") << 0x000Cu << "SRAM Fail";
        QTest::newRow("FLASH before EEPROM") << 0x0014u << "FLASH Fail";
        QTest::newRow("EEPROM before reset") << 0x0024u << "EEPROM Fail";
        QTest::newRow("reset before low current") << 0x0060u << "Front-End Reset";
        QTest::newRow("low current before producer") << 0x8040u << "Low-Current Error";
        QTest::newRow("producer before PV") << 0x8380u << "Error in Producer Channel";
        QTest::newRow("PV invalid before too small") << 0x0180u << "PV Invalid";
        QTest::newRow("too small before too large") << 0x0300u << "PV too small";
        QTest::newRow("too large") << 0x0200u << "PV too large";
        QTest::newRow("bits named by nothing") << 0x7C00u << "";
    }

    void statusTexts()
    {
        QFETCH(uint, status);
        QTEST(AOChannelObject::statusText(status), "text");
    }

    void decodeOfPrepareGivesTheChoices_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("scaling");
        QTest::addColumn<QString>("notUsed");
        QTest::addColumn<QString>("damping");
        QTest::addColumn<int>("trimPoints");
        QTest::newRow("defaults") << "ma" << "hold" << "false" << "false" << "0.00" << 0;
        QTest::newRow("volts, preset, scaled") << "v" << "preset" << "true" << "false" << "2.50" << 0;
        QTest::newRow("not used, trimmed") << "ma" << "hold" << "false" << "true" << "30.00" << 2;
        QTest::newRow("slow damping") << "v" << "hold" << "true" << "true" << "12.34" << 1;
    }

    void decodeOfPrepareGivesTheChoices()
    {
        QFETCH(QString, type);
        QFETCH(QString, failure);
        QFETCH(QString, scaling);
        QFETCH(QString, notUsed);
        QFETCH(QString, damping);
        QFETCH(int, trimPoints);
        const QStringList keys{"outputtype", "failuremode", "scalingenabled", "channelnotused", "outputdamping"};
        const QStringList wanted{type, failure, scaling, notUsed, damping};
        AOChannelObject channel;
        for (int i = 0; i < keys.size(); ++i)
            channel.setValue(keys[i], wanted[i]);
        channel.setValue(QStringLiteral("trimenable"), trimPoints != 0);
        channel.setValue(QStringLiteral("numtrimpts"), trimPoints);
        QVERIFY(channel.prepareDownloadData());
        AOChannelObject fresh;
        uploadInto(fresh, channel);
        QStringList decoded;
        for (const QString &key : keys)
            decoded << fresh.getString(key);
        QCOMPARE(decoded, wanted);
        QCOMPARE(fresh.getBool(QStringLiteral("trimenable")), trimPoints != 0);
        QCOMPARE(fresh.getInt(QStringLiteral("numtrimpts")), trimPoints);
    }

    // The trim plug-in checks the trim points against the output range, and
    // is in the tree while trimming is on.
    void trimChecksAgainstTheOutputRange_data()
    {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<bool>("valid");
        QTest::newRow("inside, apart") << "4" << "20" << true;
        QTest::newRow("less than 1.0 apart") << "4" << "4.5" << false;
        QTest::newRow("below Output Zero") << "3" << "20" << false;
    }

    void trimChecksAgainstTheOutputRange()
    {
        QFETCH(QString, lower);
        QFETCH(QString, upper);
        AOChannelObject channel;
        QVERIFY(!channel.trimPlugin()->isShownInTree());
        channel.setValue(QStringLiteral("trimenable"), true);
        channel.setValue(QStringLiteral("numtrimpts"), 2);
        channel.setValue(QStringLiteral("trimpointz"), lower);
        channel.setValue(QStringLiteral("trimpointf"), upper);
        channel.setValue(QStringLiteral("trimcapturez"), QStringLiteral("4"));
        channel.setValue(QStringLiteral("trimcapturef"), QStringLiteral("20"));
        QTEST(channel.validate(), "valid");
        QCOMPARE(channel.getString(QStringLiteral("trimrangef")), channel.getString(QStringLiteral("outputfull")));
        QVERIFY(channel.trimPlugin()->isShownInTree());
    }

    // The file keeps the trim point count and not the trim switch: a
    // channel read back downloads its trim points.
    void trimSurvivesTheFile()
    {
        AOModuleObject module;
        auto *channel = qobject_cast<AOChannelObject *>(module.childAt(1));
        QVERIFY(channel);
        channel->setValue(QStringLiteral("numtrimpts"), 2);
        QVERIFY(channel->getBool(QStringLiteral("trimenable")));
        VELXmlHandler reader;
        QVERIFY(reader.parse(VELXmlWriter::toXml(module)));
        std::unique_ptr<RYXObject> copy(reader.takeFirstObject());
        auto *read = qobject_cast<AOChannelObject *>(copy ? copy->childAt(1) : nullptr);
        QVERIFY(read);
        QVERIFY(read->getBool(QStringLiteral("trimenable")));
        QVERIFY(read->prepareDownloadData());
        QCOMPARE(read->getInt(QStringLiteral("numtrimpts")), 2);
    }

    void trimEnable_data()
    {
        QTest::addColumn<bool>("notCurrent");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("pointsBefore");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("points");
        QTest::newRow("on, current") << false << true << 0 << "true" << 1;
        QTest::newRow("on, current, two points kept") << false << true << 2 << "true" << 2;
        QTest::newRow("on refused while not current") << true << true << 0 << "false" << 0;
        QTest::newRow("off while not current") << true << false << 2 << "false" << 0;
    }

    // Trimming cannot be switched on while the configuration is not current.
    void trimEnable()
    {
        QFETCH(bool, notCurrent);
        QFETCH(bool, on);
        QFETCH(int, pointsBefore);
        AOChannelObject channel;
        channel.setValue(QStringLiteral("numtrimpts"), pointsBefore);
        channel.setValue(QStringLiteral("trimenable"), !on);
        channel.markCurrent(QString());
        if (notCurrent) // an edit the device does not have yet
            channel.setValue(QStringLiteral("outputzero"), QStringLiteral("5.000000"));
        QCOMPARE(channel.isNotCurrent(), notCurrent);
        channel.TrimEnableToggled(on);
        QTEST(channel.getString(QStringLiteral("trimenable")), "enabled");
        QTEST(channel.getInt(QStringLiteral("numtrimpts")), "points");
    }
};

QTEST_MAIN(tst_OutputChannel)
#include "tst_outputchannel.moc"
