#include "database/RYXDatabase.h"
#include "model/RYXObjectPlugin.h"
#include "model/VELXmlWriter.h"

#include "ModelTestSupport.h"

#include <QtTest/QtTest>

namespace {

// Presents the host's "alpha" and "untracked" points.
class TestPlugin : public RYXObjectPlugin
{
public:
    explicit TestPlugin(RYXObject *host)
        : RYXObjectPlugin(host)
    {
        xmlTag = QStringLiteral("TESTPLUGIN");
        InsertPoint(QStringLiteral("alpha"), 0, 10, 2);
        InsertPoint(QStringLiteral("untracked"), 0, DataPoint::Attributes(DataPoint::NotTracked),
                    14, 2);
    }
};

} // namespace

class tst_Plugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valuesLiveInTheHost()
    {
        TestNode host;
        TestPlugin plugin(&host);
        QVERIFY(plugin.setValue(QStringLiteral("alpha"), 12, true));
        QCOMPARE(host.getInt(QStringLiteral("alpha")), 12);
        QCOMPARE(plugin.getInt(QStringLiteral("alpha")), 12);
        QCOMPARE(host.dialogUpdates, 1);
        QVERIFY(host.isNotCurrent());

        // A key the host lacks fails and leaves the plug-in current.
        QVERIFY(!plugin.setValue(QStringLiteral("nosuchpoint"), 1));
        QVERIFY(plugin.modifiedPluginKeys() == QStringList{ "alpha" });

        // Copying into the plug-in reaches the host, but only its own keys.
        TestNode source;
        source.setValue(QStringLiteral("alpha"), 77);
        source.setValue(QStringLiteral("beta"), QStringLiteral("from source"));
        QVERIFY(plugin.copyDataFrom(&source));
        QCOMPARE(host.getInt(QStringLiteral("alpha")), 77);
        QCOMPARE(host.getString(QStringLiteral("beta")), QStringLiteral("b"));
    }

    void notCurrentFollowsOwnKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("throughPlugin");
        QTest::addColumn<bool>("pluginNotCurrent");
        QTest::addColumn<bool>("hostNotCurrent");

        QTest::newRow("own key changed") << "alpha" << "5" << true << true << true;
        QTest::newRow("own key at reference") << "alpha" << "1" << true << false << false;
        QTest::newRow("own untracked key") << "untracked" << "9" << true << false << false;
        QTest::newRow("host key of another plug-in") << "beta" << "x" << false << false << true;
    }

    void notCurrentFollowsOwnKeys()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(bool, throughPlugin);
        QFETCH(bool, pluginNotCurrent);
        QFETCH(bool, hostNotCurrent);

        TestNode host;
        TestPlugin plugin(&host);
        RYXObject &target = throughPlugin ? static_cast<RYXObject &>(plugin) : host;
        QVERIFY(target.setValue(key, value));
        QCOMPARE(plugin.isNotCurrent(), pluginNotCurrent);
        QCOMPARE(host.isNotCurrent(), hostNotCurrent);
    }

    void markCurrentClearsOwnKeysInHost()
    {
        TestNode host;
        TestPlugin plugin(&host);
        plugin.setValue(QStringLiteral("alpha"), 3);
        host.setValue(QStringLiteral("beta"), QStringLiteral("changed"));
        plugin.markCurrent(QString());
        QVERIFY(!plugin.isNotCurrent());
        QVERIFY(plugin.modifiedPluginKeys().isEmpty());
        // The host's other modified keys stay.
        QCOMPARE(host.getDatabase()->modifiedPointKeys(), QStringList{ "beta" });
        DataPoint point;
        QVERIFY(host.getDataPoint(QStringLiteral("alpha"), point));
        QCOMPARE(point.referenceValue, QStringLiteral("3"));
    }

    void writeClonesHostValues()
    {
        TestNode host;
        TestPlugin plugin(&host);
        host.setValue(QStringLiteral("alpha"), 21);
        QCOMPARE(VELXmlWriter::toXml(plugin),
                 QStringLiteral("<TESTPLUGIN>\n"
                                " <VALUE key=\"alpha\" value=\"21\" />\n"
                                " <VALUE key=\"untracked\" value=\"0\" />\n"
                                "</TESTPLUGIN>\n"));
        // The plug-in's own copy follows; writing does not make it not current.
        QCOMPARE(plugin.getDatabase()->allPoints().value(QStringLiteral("alpha")).value,
                 QStringLiteral("21"));
        QVERIFY(!plugin.isNotCurrent());
    }

    void withoutHost()
    {
        TestPlugin plugin(nullptr);
        QVERIFY(!plugin.cloneIntoPlugin());
        QVERIFY(plugin.setValue(QStringLiteral("alpha"), 8));
        QCOMPARE(plugin.getInt(QStringLiteral("alpha")), 8);
        QVERIFY(plugin.isNotCurrent());
        QVERIFY(VELXmlWriter::toXml(plugin).contains("value=\"8\""));
    }
};

QTEST_GUILESS_MAIN(tst_Plugin)
#include "tst_plugin.moc"
