// The input modules against the simulator over loopback TCP: the channels
// each module makes, "patch" checking each channel's kind and module type,
// and the event log lines a channel reads from its value registers.
#include "io/AIModuleObject.h"
#include "io/CIMAModuleObject.h"
#include "io/CIMBModuleObject.h"
#include "io/CIMCModuleObject.h"
#include "io/TIChannelObject.h"
#include "io/TIModuleObject.h"

#include "../stations/StationTestRig.h"

#include <QtCore/QRegularExpression>

using namespace rig;

namespace {

// The result lines that end with \a suffix.
int countResults(const SimLink &link, const QString &suffix)
{
    const QStringList lines = link.results();
    return int(std::count_if(lines.begin(), lines.end(), [&](const QString &line) { return line.endsWith(suffix); }));
}

} // namespace

class tst_InputModules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void channels_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QStringList>("channels"); // element and device type of channels 1 to 4
        QTest::newRow("TIM") << "TI4" << QStringList{"TICHANNEL 2", "TICHANNEL 2", "TICHANNEL 2", "TICHANNEL 2"};
        QTest::newRow("AIM") << "AI4" << QStringList{"AICHANNEL 7", "AICHANNEL 7", "AICHANNEL 7", "AICHANNEL 7"};
        QTest::newRow("CIM") << "CI4" << QStringList{"CICHANNEL1 81", "CICHANNEL2 82", "CICHANNEL3 83", "IICHANNEL 84"};
        QTest::newRow("IIM") << "II4" << QStringList{"IICHANNEL 84", "IICHANNEL 84", "IICHANNEL 84", "IICHANNEL 84"};
        QTest::newRow("VIM") << "VI4" << QStringList{"CICHANNEL1 81", "CICHANNEL2 82", "CICHANNEL2 82",
                                                     "CICHANNEL2 82"};
    }

    // Made by its element as the file reader and the menus make it, numbered from 1.
    void channels()
    {
        QFETCH(QString, element);
        QFETCH(QStringList, channels);
        installClasses();
        const std::unique_ptr<RYXObject> module(RYXObjectFactory::create(element, 0));
        QVERIFY(module);
        QStringList seen;
        int number = 0;
        for (RYXObject *child : module->getChildren()) {
            auto *channel = qobject_cast<RYXChannel *>(child);
            QVERIFY(channel);
            QCOMPARE(channel->getChannelNumber(), ++number);
            seen << QStringLiteral("%1 %2").arg(channel->getXmlTag()).arg(channel->getTypeCode());
        }
        QCOMPARE(seen, channels);
    }

    // Every channel of a module the device holds is of its kind and already
    // reports the module's type.
    void patchNotNecessary()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *module = new TIModuleObject;
        rig.station.addChild(module);
        QCOMPARE(rig.operation(module, "patch"), 0);
        QCOMPARE(countResults(rig, " No patching necessary!"), 4);
        QCOMPARE(countResults(rig, " Patched!"), 0);
    }

    // Analog input channels behind a temperature module are not patched.
    void patchRefusesOtherKinds()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *module = new AIModuleObject;
        rig.station.addChild(module);
        QVERIFY(rig.operation(module, "patch") != 0);
        QCOMPARE(countResults(rig, "AIM Analog Input (AI4) Module 1, Channel 1 This channel is not a "
                                   "AIM Analog Input (AI4) Module 1, Channel 1!"),
                 1);
        QCOMPARE(countResults(rig, " No patching necessary!"), 0);
        QCOMPARE(countResults(rig, " Patched!"), 0);
    }

    void eventLog()
    {
        Rig rig("TI4");
        QVERIFY(rig.ok);
        auto *module = new TIModuleObject;
        rig.station.addChild(module);
        auto *channel = static_cast<TIChannelObject *>(module->childAt(1));
        channel->setValue(QStringLiteral("tag1"), QStringLiteral("Oven_2"));
        QVERIFY(channel->prepareDownloadData());
        QVERIFY(rig.run([&] { return channel->addToEventBox(3) ? 0 : -1; }) == 0);
        QTRY_COMPARE(rig.receiver.logLines().size(), 2);
        QCOMPARE(rig.receiver.logLines().first(), channel->getName());
        const QRegularExpression pv(QStringLiteral("^    Oven_2 - \\d+\\.\\d{3} F$"));
        QVERIFY2(pv.match(rig.receiver.logLines().last()).hasMatch(), qPrintable(rig.receiver.logLines().last()));
    }
};

QTEST_GUILESS_MAIN(tst_InputModules)
#include "tst_inputmodules.moc"
