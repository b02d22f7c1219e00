// The rules the discrete input and relay output modules keep in words:
// the device words a configuration makes (debounce, failure masks, power-up
// masks, failure response word, LED word, filter count) and the
// configuration an uploaded set of words gives back, tag validation, the
// module status texts, and where each tag lies on the station.
#include "database/RYXDatabase.h"
#include "io/DIModuleCCObject.h"
#include "io/DIModuleVHObject.h"
#include "io/DIModuleVLObject.h"
#include "io/ROModule8Object.h"
#include "io/ROModuleObject.h"

#include <QtTest/QtTest>

#include <memory>

namespace {

// "on,off,hold" as the failure responses of channels 1, 2, 3; later ones keep theirs.
void setResponses(RYXObject *module, const QString &responses)
{
    const QStringList values = responses.split(QLatin1Char(','));
    for (int n = 1; n <= values.size(); ++n)
        module->setValue(QStringLiteral("ch%1_failresponse").arg(n), values.at(n - 1));
}

QString responsesOf(RYXObject *module, int count)
{
    QStringList values;
    for (int n = 1; n <= count; ++n)
        values << module->getString(QStringLiteral("ch%1_failresponse").arg(n));
    return values.join(QLatin1Char(','));
}

std::unique_ptr<DiscreteModuleObject> makeModule(const QString &element)
{
    if (element == QLatin1String("CC8"))
        return std::make_unique<DIModuleCCObject>();
    if (element == QLatin1String("LV8"))
        return std::make_unique<DIModuleVLObject>();
    if (element == QLatin1String("HV8"))
        return std::make_unique<DIModuleVHObject>();
    if (element == QLatin1String("RO8"))
        return std::make_unique<ROModule8Object>();
    return std::make_unique<ROModuleObject>();
}

// Every failure response, power-up state and tag set as \a seed says, the
// device words derived and decoded again on a fresh module of the same class.
QStringList settingsOf(RYXObject *module, int count)
{
    QStringList lines;
    for (const QString &pattern : {QStringLiteral("ch%1_failresponse"), QStringLiteral("ch%1_powerupstate"),
                                   QStringLiteral("synchtag%1")}) {
        for (int n = 1; n <= count; ++n)
            lines << pattern.arg(n) + QLatin1Char('=') + module->getString(pattern.arg(n));
    }
    for (const char *key : {"ledmode", "filterfreq", "debounceconst1", "channelnotused"})
        lines << QLatin1String(key) + QLatin1Char('=') + module->getString(QLatin1String(key));
    return lines;
}

} // namespace

class tst_DiscreteRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void debounceReachesEveryWord_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("word");
        QTest::newRow("None") << "5" << "5";
        QTest::newRow("10 ms") << "50" << "50";
        QTest::newRow("50 ms") << "250" << "250";
    }

    void debounceReachesEveryWord()
    {
        QFETCH(QString, choice);
        QFETCH(QString, word);
        DIModuleCCObject module;
        module.setValue(QStringLiteral("debounceconst1"), choice);
        QVERIFY(module.prepareDownloadData());
        const QStringList keys = DIModuleCCObject::debounceKeys();
        QCOMPARE(keys.size(), 16);
        for (const QString &key : keys)
            QCOMPARE(module.getString(key), word);
    }

    void failureMasks_data()
    {
        QTest::addColumn<QString>("responses");
        QTest::addColumn<unsigned>("onMask");
        QTest::addColumn<unsigned>("offMask");
        QTest::newRow("1 on, 2 off, rest hold") << "on,off,hold,hold,hold,hold,hold,hold" << 0x01u << 0x02u;
        QTest::newRow("all hold") << "hold,hold,hold,hold,hold,hold,hold,hold" << 0x00u << 0x00u;
        QTest::newRow("8 on, 7 off") << "hold,hold,hold,hold,hold,hold,off,on" << 0x80u << 0x40u;
        QTest::newRow("all on") << "on,on,on,on,on,on,on,on" << 0xFFu << 0x00u;
    }

    // The masks are rebuilt from zero, and decode to the same responses.
    void failureMasks()
    {
        QFETCH(QString, responses);
        QFETCH(unsigned, onMask);
        QFETCH(unsigned, offMask);
        DIModuleVLObject module;
        module.setValue(QStringLiteral("failonmask"), 0xFFu);
        module.setValue(QStringLiteral("failoffmask"), 0xFFu);
        setResponses(&module, responses);
        QVERIFY(module.prepareDownloadData());
        QCOMPARE(module.getUInt(QStringLiteral("failonmask")), onMask);
        QCOMPARE(module.getUInt(QStringLiteral("failoffmask")), offMask);
        DIModuleVLObject uploaded;
        uploaded.setValue(QStringLiteral("failonmask"), onMask);
        uploaded.setValue(QStringLiteral("failoffmask"), offMask);
        QVERIFY(uploaded.processUploadedData());
        QCOMPARE(responsesOf(&uploaded, 8), responses);
    }

    void powerUpMask_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QList<int>>("energized");
        QTest::addColumn<unsigned>("mask");
        QTest::newRow("RO4 relays 1 and 3") << "RO4" << QList<int>{1, 3} << 0x05u;
        QTest::newRow("RO4 all") << "RO4" << QList<int>{1, 2, 3, 4} << 0x0Fu;
        QTest::newRow("RO8 all") << "RO8" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 0xFFu;
        QTest::newRow("RO8 relay 8") << "RO8" << QList<int>{8} << 0x80u;
    }

    void powerUpMask()
    {
        QFETCH(QString, element);
        QFETCH(QList<int>, energized);
        QFETCH(unsigned, mask);
        const auto module = makeModule(element);
        for (int n : energized)
            module->setValue(QStringLiteral("ch%1_powerupstate").arg(n), true);
        QVERIFY(module->prepareDownloadData());
        QCOMPARE(module->getUInt(QStringLiteral("powerup")), mask);
        QCOMPARE(module->getUInt(QStringLiteral("power_up")), mask);
    }

    void failureResponseWord_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("responses");
        QTest::addColumn<unsigned>("comfail");
        // Relay 1 on: bit 0 of every byte; relay 2 hold: bit 1 of bytes 0 and 2.
        QTest::newRow("RO4 on, hold, off, off") << "RO4" << "on,hold,off,off" << 0x01030103u;
        QTest::newRow("RO4 all off") << "RO4" << "off,off,off,off" << 0x00000000u;
        QTest::newRow("RO4 all on") << "RO4" << "on,on,on,on" << 0x0F0F0F0Fu;
        QTest::newRow("RO8 all on") << "RO8" << "on,on,on,on,on,on,on,on" << 0xFFFFFFFFu;
        QTest::newRow("RO8 relay 8 hold") << "RO8" << "off,off,off,off,off,off,off,hold" << 0x00800080u;
    }

    // The word is built from zero and decodes to the same responses; a
    // four-relay module never touches the bits of relays 5 to 8.
    void failureResponseWord()
    {
        QFETCH(QString, element);
        QFETCH(QString, responses);
        QFETCH(unsigned, comfail);
        const auto module = makeModule(element);
        module->setValue(QStringLiteral("comfail"), 0xFFFFFFFFu);
        setResponses(module.get(), responses);
        QVERIFY(module->prepareDownloadData());
        QCOMPARE(module->getUInt(QStringLiteral("comfail")), comfail);
        const auto uploaded = makeModule(element);
        uploaded->setValue(QStringLiteral("comfail"), comfail);
        QVERIFY(uploaded->processUploadedData());
        QCOMPARE(responsesOf(uploaded.get(), uploaded->channelCount()), responses);
    }

    void ledWord_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<unsigned>("prepared");
        QTest::addColumn<unsigned>("uploaded");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("green") << "green" << 0xFFu << 15u << "green";
        QTest::newRow("red") << "red" << 0u << 0u << "red";
    }

    void ledWord()
    {
        QFETCH(QString, mode);
        QFETCH(unsigned, prepared);
        QFETCH(unsigned, uploaded);
        QFETCH(QString, decoded);
        ROModuleObject module;
        module.setValue(QStringLiteral("ledmode"), mode);
        QVERIFY(module.prepareDownloadData());
        QCOMPARE(module.getUInt(QStringLiteral("ledmask")), prepared);
        ROModuleObject read;
        read.setValue(QStringLiteral("ledmask"), uploaded);
        QVERIFY(read.processUploadedData());
        QCOMPARE(read.getString(QStringLiteral("ledmode")), decoded);
    }

    void filterCount_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("count");
        QTest::newRow("60 Hz") << "60" << 41;
        QTest::newRow("50 Hz") << "50" << 49;
    }

    void filterCount()
    {
        QFETCH(QString, frequency);
        QFETCH(int, count);
        DIModuleVHObject module;
        module.setValue(QStringLiteral("filterfreq"), frequency);
        QVERIFY(module.prepareDownloadData());
        QCOMPARE(module.getInt(QStringLiteral("filtercountinit")), count);
        // The up and down words are not the filter frequency's.
        QCOMPARE(module.getInt(QStringLiteral("filterup8")), 20);
        QCOMPARE(module.getInt(QStringLiteral("filterdn8")), 1);
        DIModuleVHObject read;
        read.setValue(QStringLiteral("filtercountinit"), count);
        QVERIFY(read.processUploadedData());
        QCOMPARE(read.getString(QStringLiteral("filterfreq")), frequency);
    }

    void notUsedStaysInTheFile_data()
    {
        QTest::addColumn<QString>("element");
        for (const char *element : {"CC8", "LV8", "RO4", "RO8"})
            QTest::newRow(element) << QString::fromLatin1(element);
    }

    // Checking Channel Not Used sends the module as in use all the same;
    // a module the device reports as not used is shown so.
    void notUsedStaysInTheFile()
    {
        QFETCH(QString, element);
        const auto module = makeModule(element);
        module->setValue(QStringLiteral("channelnotused"), true);
        module->setValue(QStringLiteral("channelnotusedzemppoint"), 1);
        QVERIFY(module->prepareDownloadData());
        QCOMPARE(module->getInt(QStringLiteral("channelnotusedzemppoint")), 0);
        QCOMPARE(module->getString(QStringLiteral("channelnotused")), QStringLiteral("true"));
        const auto read = makeModule(element);
        read->setValue(QStringLiteral("channelnotusedzemppoint"), 2);
        QVERIFY(read->processUploadedData());
        QCOMPARE(read->getString(QStringLiteral("channelnotused")), QStringLiteral("true"));
    }

    void decodeOfPrepareIsIdentity_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("responses");
        QTest::addColumn<QList<int>>("energized");
        QTest::addColumn<QString>("choice"); // ledmode, filterfreq or debounce, by class
        QTest::newRow("CC8") << "CC8" << "off,on,hold,on,off,hold,hold,on" << QList<int>{} << "125";
        QTest::newRow("LV8 50 Hz") << "LV8" << "on,on,off,off,hold,hold,on,off" << QList<int>{} << "50";
        QTest::newRow("HV8 60 Hz") << "HV8" << "hold,off,on,hold,off,on,hold,off" << QList<int>{} << "60";
        QTest::newRow("RO4 green") << "RO4" << "hold,on,off,hold" << QList<int>{2, 4} << "green";
        QTest::newRow("RO8 red") << "RO8" << "off,hold,on,off,on,hold,off,on" << QList<int>{1, 5, 8} << "red";
    }

    // What a download sends, uploaded into a fresh module, is the configuration sent.
    void decodeOfPrepareIsIdentity()
    {
        QFETCH(QString, element);
        QFETCH(QString, responses);
        QFETCH(QList<int>, energized);
        QFETCH(QString, choice);
        const auto sent = makeModule(element);
        setResponses(sent.get(), responses);
        for (int n : energized)
            sent->setValue(QStringLiteral("ch%1_powerupstate").arg(n), true);
        const char *choiceKey = element.startsWith(QLatin1String("RO")) ? "ledmode"
                                : element == QLatin1String("CC8") ? "debounceconst1" : "filterfreq";
        sent->setValue(QLatin1String(choiceKey), choice);
        for (int n = 1; n <= sent->channelCount(); ++n)
            sent->setValue(QStringLiteral("tag%1").arg(n), QStringLiteral("Point_%1").arg(n));
        QVERIFY(sent->prepareDownloadData());

        const auto received = makeModule(element);
        const QMap<QString, DataPoint> points = sent->getDatabase()->allPoints();
        for (auto it = points.cbegin(); it != points.cend(); ++it) {
            if (it->pointNumber != 0 || it.key().startsWith(QLatin1String("tag")))
                received->setValue(it.key(), it->value);
        }
        QVERIFY(received->processUploadedData());
        QCOMPARE(settingsOf(received.get(), sent->channelCount()), settingsOf(sent.get(), sent->channelCount()));
    }

    void tagRule_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("valid");
        QTest::newRow("CC8 input 8 starts with a digit") << "CC8" << 8 << "8Pump" << false;
        QTest::newRow("RO8 relay 6 too long") << "RO8" << 6 << QString(25, QLatin1Char('A')) << false;
        QTest::newRow("RO4 relay 4 empty") << "RO4" << 4 << "" << true;
        QTest::newRow("LV8 input 1 underscore") << "LV8" << 1 << "Valve_1" << true;
    }

    // Only the flag of the tag broken is false, and the module is invalid with it.
    void tagRule()
    {
        QFETCH(QString, element);
        QFETCH(int, channel);
        QFETCH(QString, tag);
        QFETCH(bool, valid);
        const auto module = makeModule(element);
        module->setValue(QStringLiteral("tag%1").arg(channel), tag);
        QCOMPARE(module->validate(), valid);
        for (int n = 1; n <= module->channelCount(); ++n)
            QCOMPARE(module->getBool(QStringLiteral("tag%1isvalid").arg(n)), n != channel || valid);
        QCOMPARE(bool(module->getStatusFlags() & RYXObject::ConfigError), !valid);
    }

    void statusText_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<unsigned>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << "CC8" << 0x0000u << "";
        QTest::newRow("channel fail first") << "CC8" << 0x007Fu << "I/O Channel Fail";
        QTest::newRow("disabled before SRAM") << "LV8" << 0x000Au << "Channel Disabled";
        QTest::newRow("SRAM before EEPROM") << "RO4" << 0x000Cu << "SRAM Failure";
        QTest::newRow("FLASH before EEPROM") << "RO8" << 0x0014u << "FLASH Failure";
        QTest::newRow("EEPROM before reset") << "CC8" << 0x0024u << "EEPROM Checksum error";
        QTest::newRow("reset before LED") << "HV8" << 0x0060u << "Front-end reset occured";
        QTest::newRow("LED port") << "RO4" << 0x0040u << "LED Port Error";
        QTest::newRow("producer after LED") << "RO4" << 0x8040u << "LED Port Error";
        QTest::newRow("producer") << "RO8" << 0x8000u << "Error in Producer Channel";
        QTest::newRow("no producer on an input module") << "CC8" << 0x8000u << "";
    }

    void statusText()
    {
        QFETCH(QString, element);
        QFETCH(unsigned, status);
        QFETCH(QString, text);
        QCOMPARE(makeModule(element)->statusText(status), text);
    }

    void tagsStayOnTheirModule_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("point");
        QTest::newRow("tag 1") << 1 << 0 << 0x107;
        QTest::newRow("tag 4") << 4 << 3 << 0x107;
        QTest::newRow("tag 5") << 5 << 0 << 0x110;
        QTest::newRow("tag 8") << 8 << 0 << 0x113;
    }

    // A module position has four tunnel addresses; no tag may use a fifth.
    void tagsStayOnTheirModule()
    {
        QFETCH(int, tag);
        QFETCH(int, index);
        QFETCH(int, point);
        int foundIndex = -1;
        quint16 foundPoint = 0;
        DiscreteModuleObject::tagAddress(tag, foundIndex, foundPoint);
        QCOMPARE(foundIndex, index);
        QCOMPARE(int(foundPoint), point);
        QVERIFY(foundIndex < DiscreteModuleObject::TunnelTargets);
    }
};

QTEST_GUILESS_MAIN(tst_DiscreteRules)
#include "tst_discreterules.moc"
