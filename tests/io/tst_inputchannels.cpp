// The temperature and analog input channels without a station: validation,
// the device words a download sends (read-modify-write of the flag words,
// the dividers of the cathodic channels) and their decoding after an upload.
#include "comm/ZempCodec.h"
#include "database/RYXDatabase.h"
#include "io/AIChannelObject.h"
#include "io/CIMCModuleObject.h"
#include "io/TIChannelObject.h"

#include <QtTest/QtTest>

#include <memory>

namespace {

using Values = QMap<QString, QString>;
using Channel = std::unique_ptr<TIChannelObject>;

// "TI", or the element of an analog input variant.
Channel makeChannel(const QString &kind)
{
    if (kind == QLatin1String("TI"))
        return std::make_unique<TIChannelObject>();
    const QMap<QString, int> variants = {{"AI", AIChannelObject::PlainAI}, {"CI1", AIChannelObject::CI1},
                                         {"CI2", AIChannelObject::CI2},    {"CI3", AIChannelObject::CI3},
                                         {"II", AIChannelObject::II}};
    return std::make_unique<AIChannelObject>(nullptr, variants.value(kind));
}

void setAll(RYXObject *object, const Values &values)
{
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QVERIFY2(object->setValue(it.key(), it.value()), qPrintable(it.key()));
}

QStringList textsOf(RYXObject *object, const QStringList &keys)
{
    QStringList texts;
    for (const QString &key : keys)
        texts << key + QLatin1Char('=') + object->getString(key);
    return texts;
}

} // namespace

class tst_InputChannels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validation_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Values>("values");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("flagValid");
        QTest::addColumn<bool>("valid");
        QTest::newRow("TI defaults") << "TI" << Values{} << "izisvalid" << true << true;
        QTest::newRow("TI zero above full, both in range")
                << "TI" << Values{{"inputzero", "100"}, {"inputfull", "50"}} << "izisvalid" << false << false;
        QTest::newRow("TI span exactly 18 degF") << "TI" << Values{{"inputzero", "0"}, {"inputfull", "18"}}
                                                 << "ifisvalid" << true << true;
        QTest::newRow("TI span below 18 degF") << "TI" << Values{{"inputzero", "0"}, {"inputfull", "17.5"}}
                                               << "ifisvalid" << false << false;
        QTest::newRow("TI zero below the sensor") << "TI" << Values{{"inputzero", "-401"}} << "izisvalid" << false
                                                  << false;
        QTest::newRow("TI full above the sensor in degC")
                << "TI" << Values{{"inputunits", "32"}, {"inputfull", "961"}} << "ifisvalid" << false << false;
        QTest::newRow("TI scaling 0.0005 apart")
                << "TI" << Values{{"scalingenabled", "true"}, {"scalingzero", "5.0"}, {"scalingfull", "5.0005"}}
                << "scalingisvalid" << false << false;
        QTest::newRow("TI scaling 0.002 apart")
                << "TI" << Values{{"scalingenabled", "true"}, {"scalingzero", "5.0"}, {"scalingfull", "5.002"}}
                << "scalingisvalid" << true << true;
        QTest::newRow("TI equal scaling while disabled")
                << "TI" << Values{{"scalingzero", "5.0"}, {"scalingfull", "5.0"}} << "scalingisvalid" << true << true;
        QTest::newRow("tag of 24") << "TI" << Values{{"tag1", QString(24, 'A')}} << "tag1isvalid" << true << true;
        QTest::newRow("tag of 25") << "TI" << Values{{"tag1", QString(25, 'A')}} << "tag1isvalid" << false << false;
        QTest::newRow("tag of letters, digits, underscore") << "TI" << Values{{"tag1", "Flow_2b"}} << "tag1isvalid"
                                                            << true << true;
        QTest::newRow("tag starting with a digit") << "TI" << Values{{"tag1", "2Flow"}} << "tag1isvalid" << false
                                                   << false;
        QTest::newRow("tag with a space") << "AI" << Values{{"tag1", "Flow 2"}} << "tag1isvalid" << false << false;
        QTest::newRow("empty tag") << "AI" << Values{{"tag1", ""}} << "tag1isvalid" << true << true;
        QTest::newRow("EGU of 8") << "TI" << Values{{"egu1", "kPa_abs1"}} << "egu1isvalid" << true << true;
        QTest::newRow("EGU of 9") << "AI" << Values{{"egu1", "kPa_abs12"}} << "egu1isvalid" << false << false;
        QTest::newRow("ambient without units") << "TI" << Values{{"ambtempenable", "true"}} << "ambtempunitsvalid"
                                               << false << false;
        QTest::newRow("ambient in degC") << "TI" << Values{{"ambtempenable", "true"}, {"ambtempunits", "32"}}
                                         << "ambtempunitsvalid" << true << true;
        QTest::newRow("RTD with a thermocouple code") << "TI" << Values{{"inputsubtype", "49"}} << "izisvalid"
                                                      << true << false;
        QTest::newRow("AI volts -10 to 10") << "AI" << Values{{"inputtype", "Volts"}, {"inputzero", "-10"},
                                                              {"inputfull", "10"}}
                                            << "ifisvalid" << true << true;
        QTest::newRow("AI volts full 10.5") << "AI" << Values{{"inputtype", "Volts"}, {"inputzero", "-10"},
                                                              {"inputfull", "10.5"}}
                                            << "ifisvalid" << false << false;
        QTest::newRow("AI current 4 to 7") << "AI" << Values{{"inputzero", "4"}, {"inputfull", "7"}} << "izisvalid"
                                           << false << false;
        QTest::newRow("AI current defaults") << "AI" << Values{} << "izisvalid" << true << true;
        QTest::newRow("CI1 span 50") << "CI1" << Values{{"inputzero", "0"}, {"inputfull", "50"}} << "ifisvalid"
                                     << false << false;
        QTest::newRow("CI1 span 51") << "CI1" << Values{{"inputzero", "0"}, {"inputfull", "51"}} << "ifisvalid"
                                     << true << true;
        QTest::newRow("CI2 defaults 0 to 125") << "CI2" << Values{} << "ifisvalid" << true << true;
        QTest::newRow("CI3 defaults -10 to 10") << "CI3" << Values{} << "izisvalid" << true << true;
        QTest::newRow("II full 25.5") << "II" << Values{{"inputfull", "25.5"}} << "ifisvalid" << false << false;
    }

    void validation()
    {
        QFETCH(QString, kind);
        QFETCH(Values, values);
        QFETCH(QString, flag);
        QFETCH(bool, flagValid);
        QFETCH(bool, valid);
        const Channel channel = makeChannel(kind);
        setAll(channel.get(), values);
        QCOMPARE(channel->validate(), valid);
        QCOMPARE(channel->getBool(flag), flagValid);
        QCOMPARE(channel->getBool(QStringLiteral("isvalid")), valid);
        QCOMPARE(bool(channel->getStatusFlags() & RYXObject::ConfigError), !valid);
    }

    void flagWords_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Values>("values"); // the words as read from the device, then the choices
        QTest::addColumn<QList<uint>>("words"); // config3, config4, failmodeflags
        QTest::newRow("TI defaults keep foreign bits")
                << "TI" << Values{{"config3", "192"}, {"config4", "80"}, {"failmodeflags", "240"}}
                << QList<uint>{0xC0, 0x51, 0xF0};
        QTest::newRow("TI everything on")
                << "TI"
                << Values{{"config3", "192"}, {"config4", "80"}, {"failmodeflags", "240"},
                          {"customcurveenable", "true"}, {"trimenable", "true"}, {"numtrimpts", "2"},
                          {"scalingenabled", "true"}, {"brokenwireeenable", "true"}, {"ambtempenable", "true"},
                          {"channelnotused", "true"}, {"filterfreq", "50"}, {"failmode", "preset"},
                          {"ambtempfailmode", "preset"}}
                << QList<uint>{0xFF, 0x73, 0xF3};
        QTest::newRow("TI everything off clears its bits")
                << "TI" << Values{{"config3", "255"}, {"config4", "255"}, {"failmodeflags", "255"}}
                << QList<uint>{0xC4, 0xDD, 0xFC};
        QTest::newRow("one trim point clears the second")
                << "TI" << Values{{"config3", "4"}, {"trimenable", "true"}, {"numtrimpts", "1"}}
                << QList<uint>{0x02, 0x01, 0x00};
        QTest::newRow("trim enabled without points clears bit 1 only")
                << "TI" << Values{{"config3", "6"}, {"trimenable", "true"}, {"numtrimpts", "0"}}
                << QList<uint>{0x04, 0x01, 0x00};
        QTest::newRow("AI keeps the ambient and broken wire bits")
                << "AI" << Values{{"config3", "48"}, {"failmodeflags", "2"}, {"scalingenabled", "true"},
                                  {"failmode", "preset"}}
                << QList<uint>{0x38, 0x01, 0x03};
    }

    void flagWords()
    {
        QFETCH(QString, kind);
        QFETCH(Values, values);
        QFETCH(QList<uint>, words);
        const Channel channel = makeChannel(kind);
        setAll(channel.get(), values);
        QVERIFY(channel->prepareDownloadData());
        QCOMPARE((QList<uint>{channel->getUInt("config3"), channel->getUInt("config4"),
                              channel->getUInt("failmodeflags")}),
                 words);
        QCOMPARE(channel->getString("synch_config3"), QString::number(words[0]));
    }

    void dividers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("zero");
        QTest::addColumn<double>("full");
        QTest::addColumn<QByteArray>("wire"); // sysinputzero, then sysinputfull, as sent
        QTest::newRow("CI1 0 to 100 sends 0 to 10") << "CI1" << 0.0 << 100.0 << QByteArray("0000000041200000");
        QTest::newRow("CI2 0 to 125 sends 0 to 2.5") << "CI2" << 0.0 << 125.0 << QByteArray("0000000040200000");
        QTest::newRow("CI3 sends volts") << "CI3" << -5.0 << 5.0 << QByteArray("C0A0000040A00000");
        QTest::newRow("II sends mA") << "II" << 4.0 << 20.0 << QByteArray("4080000041A00000");
    }

    void dividers()
    {
        QFETCH(QString, kind);
        QFETCH(double, zero);
        QFETCH(double, full);
        QFETCH(QByteArray, wire);
        const Channel channel = makeChannel(kind);
        channel->setValue(QStringLiteral("inputzero"), zero);
        channel->setValue(QStringLiteral("inputfull"), full);
        QVERIFY(channel->prepareDownloadData());
        QByteArray sent;
        for (const QString &key : {QStringLiteral("sysinputzero"), QStringLiteral("sysinputfull")}) {
            DataPoint point;
            QVERIFY(channel->getDataPoint(key, point));
            QByteArray bytes;
            QVERIFY(ZempCodec::encode(point.type, point.size, point.value, &bytes));
            sent += bytes;
        }
        QCOMPARE(sent.toHex().toUpper(), wire);
        // The user's range itself never travels.
        QCOMPARE(channel->getFloat(QStringLiteral("inputfull")), float(full));
    }

    void decodeReversesPrepare_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Values>("values");
        const Values shared = {{"scalingenabled", "true"}, {"filterfreq", "50"}, {"channelnotused", "true"},
                               {"failmode", "preset"}, {"trimenable", "true"}, {"numtrimpts", "2"},
                               {"customcurveenable", "true"}};
        Values pt3902 = shared;
        pt3902.insert({{"inputtype", "1"}, {"inputsubtype", "8"}, {"inputresistance", "11"},
                       {"inputconnection", "1"}, {"inputunits", "32"}, {"ambtempenable", "true"},
                       {"brokenwireeenable", "true"}, {"ambtempfailmode", "preset"}});
        QTest::newRow("TI platinum 3902") << "TI" << pt3902;
        QTest::newRow("TI thermocouple, defaults elsewhere")
                << "TI" << Values{{"inputtype", "9"}, {"inputsubtype", "53"}, {"inputresistance", "53"},
                                  {"inputconnection", "0"}, {"inputunits", "33"}, {"trimenable", "true"},
                                  {"numtrimpts", "1"}};
        Values volts = shared;
        volts.insert({{"inputtype", "Volts"}, {"inputzero", "-7.500000"}, {"inputfull", "9.250000"}});
        QTest::newRow("AI") << "AI" << volts;
        QTest::newRow("CI1") << "CI1" << Values{{"inputzero", "5.000000"}, {"inputfull", "95.000000"}};
        QTest::newRow("CI2") << "CI2" << Values{{"inputzero", "5.000000"}, {"inputfull", "120.000000"},
                                                {"failmode", "preset"}};
        QTest::newRow("CI3") << "CI3" << volts;
        Values current = shared;
        current.insert({{"inputtype", "Current"}, {"inputzero", "2.000000"}, {"inputfull", "22.000000"}});
        QTest::newRow("II") << "II" << current;
    }

    // A fresh channel given only what the device holds decodes the choices
    // the first one prepared.
    void decodeReversesPrepare()
    {
        QFETCH(QString, kind);
        QFETCH(Values, values);
        const Channel source = makeChannel(kind);
        setAll(source.get(), values);
        QVERIFY(source->prepareDownloadData());
        const Channel target = makeChannel(kind);
        const QMap<QString, DataPoint> points = source->getDatabase()->allPoints();
        for (auto it = points.cbegin(); it != points.cend(); ++it) {
            if (it.value().pointNumber != 0 && !it.value().hasAttribute(DataPoint::NotCopied))
                target->setValue(it.key(), it.value().value);
        }
        QVERIFY(target->processUploadedData());
        QStringList keys = {"inputtype", "inputzero", "inputfull", "scalingenabled", "filterfreq", "channelnotused",
                            "failmode", "trimenable", "numtrimpts", "customcurveenable"};
        if (kind == QLatin1String("TI"))
            keys << "inputsubtype" << "inputresistance" << "inputconnection" << "inputunits" << "ambtempenable"
                 << "brokenwireeenable" << "ambtempfailmode";
        QCOMPARE(textsOf(target.get(), keys), textsOf(source.get(), keys));
    }

    void trimEnable_data()
    {
        QTest::addColumn<bool>("notCurrent");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("pointsBefore");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<int>("points");
        QTest::newRow("enabling sets one point") << false << true << 0 << "true" << 1;
        QTest::newRow("enabling keeps two points") << false << true << 2 << "true" << 2;
        QTest::newRow("refused while not current") << true << true << 0 << "false" << 0;
        QTest::newRow("disabling while not current") << true << false << 2 << "false" << 0;
        QTest::newRow("disabling clears the points") << false << false << 2 << "false" << 0;
    }

    void trimEnable()
    {
        QFETCH(bool, notCurrent);
        QFETCH(bool, on);
        QFETCH(int, pointsBefore);
        QFETCH(QString, enabled);
        QFETCH(int, points);
        const Channel channel = makeChannel(QStringLiteral("TI"));
        channel->setValue(QStringLiteral("numtrimpts"), pointsBefore);
        channel->setValue(QStringLiteral("trimenable"), !on);
        channel->markCurrent(QString());
        if (notCurrent) // an edit the device does not have yet
            channel->setValue(QStringLiteral("inputzero"), QStringLiteral("7.000000"));
        QCOMPARE(channel->isNotCurrent(), notCurrent);
        channel->TrimEnableToggled(on);
        QCOMPARE(channel->getString(QStringLiteral("trimenable")), enabled);
        QCOMPARE(channel->getInt(QStringLiteral("numtrimpts")), points);
    }

    void statusTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("TI no fault") << "TI" << 0x0000u << "";
        QTest::newRow("TI channel fail first") << "TI" << 0x0801u << "I/O Channel Fail";
        QTest::newRow("TI run-time before A/D") << "TI" << 0x0A00u << "Run-Time Fail";
        QTest::newRow("TI all four wires") << "TI" << 0x00F0u << "Broken Wire #4";
        QTest::newRow("TI wires 3 and 4") << "TI" << 0x00C0u << "Broken Wire #3";
        QTest::newRow("TI wire 1 before 2") << "TI" << 0x0030u << "Broken Wire #1";
        QTest::newRow("TI saturated before table range") << "TI" << 0x000Cu << "A/D Input Saturated";
        QTest::newRow("TI broken RJC") << "TI" << 0x0100u << "Broken RJC";
        QTest::newRow("AI not used") << "AI" << 0x0002u << "Channel Not Used";
        QTest::newRow("AI A/D before EEPROM") << "AI" << 0x0300u << "A/D Converter Fail";
        QTest::newRow("AI saturated before table range") << "CI2" << 0x000Cu << "A/D Input Saturated";
        QTest::newRow("AI wire 3 alone") << "II" << 0x0040u << "Broken Wire #3";
        QTest::newRow("AI table range before wires") << "AI" << 0x00F4u << "Out of Table Range";
    }

    void statusTexts()
    {
        QFETCH(QString, kind);
        QFETCH(uint, status);
        QFETCH(QString, text);
        QCOMPARE(makeChannel(kind)->statusText(status), text);
    }

    void variants()
    {
        CIMCModuleObject module;
        QCOMPARE(module.childCount(), 4);
        QList<QStringList> seen;
        for (RYXObject *child : module.getChildren()) {
            auto *channel = qobject_cast<AIChannelObject *>(child);
            QVERIFY(channel);
            channel->validate();
            seen << QStringList{channel->getName().section(QLatin1Char(','), 1).trimmed(), channel->getXmlTag(),
                                channel->getString("inputmin"), channel->getString("inputmax")};
        }
        const QList<QStringList> expected = {
            {"Channel 1", "CICHANNEL1", "0.000000", "100.000000"},
            {"Channel 2", "CICHANNEL2", "0.000000", "125.000000"},
            {"Channel 3", "CICHANNEL2", "0.000000", "125.000000"},
            {"Channel 4", "CICHANNEL2", "0.000000", "125.000000"},
        };
        QCOMPARE(seen, expected);
        for (RYXObject *child : module.getChildren()) {
            QCOMPARE(child->getTypeCode() == 0x51 || child->getTypeCode() == 0x52, true);
            QCOMPARE(static_cast<RYXChannel *>(child)->getShortName(),
                     QStringLiteral(" Channel %1").arg(static_cast<RYXChannel *>(child)->getChannelNumber()));
        }
    }
};

QTEST_GUILESS_MAIN(tst_InputChannels)
#include "tst_inputchannels.moc"
