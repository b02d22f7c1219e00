#include "core/MessageRelay.h"
#include "database/RYXDatabase.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <QtTest/QtTest>

namespace {

// Small object classes standing in for the real stations, modules,
// channels and plug-ins; they count their live instances so that the tests
// can see what a read left behind.
class TestObject : public RYXObject
{
public:
    explicit TestObject(const QString &tag)
    {
        xmlTag = family = name = tag;
        ++live;
    }
    ~TestObject() override { --live; }
    static int live;
};
int TestObject::live = 0;

class TestChannel : public TestObject
{
public:
    explicit TestChannel(int channel, const QString &tag = QStringLiteral("TCHAN"))
        : TestObject(tag), m_channel(channel)
    {
        InsertPoint("units", "degC", 0, ZEMP_NONE);
    }
    QString getXmlStartTag() override
    {
        return QStringLiteral("%1 channel=\"%2\"").arg(xmlTag).arg(m_channel);
    }

private:
    int m_channel;
};

class TestModule : public TestObject
{
public:
    TestModule() : TestObject(QStringLiteral("TMOD"))
    {
        InsertPoint("position", 1, 0, ZEMP_NONE);
        for (int n = 1; n <= 4; ++n)
            addChild(new TestChannel(n));
    }
};

class TestPlugin : public TestObject
{
public:
    TestPlugin() : TestObject(QStringLiteral("TPLUGIN")) { InsertPoint("mirror", "", 0, ZEMP_NONE); }
};

class TestStation : public TestObject
{
public:
    explicit TestStation(const QString &tag = QStringLiteral("TSTATION")) : TestObject(tag)
    {
        InsertPoint("tag", "T1", 0, ZEMP_NONE);
        InsertPoint("descriptor", "", 0x10, ZEMP_TEXT, 12);
        InsertPoint("Zeta", 1, 0, ZEMP_UINT8);
        InsertPoint("untracked", "u", DataPoint::NotTracked, 0, ZEMP_NONE);
        InsertPoint("devicetype", 27, DataPoint::Attributes(3), 0xFF00, ZEMP_UINT16);
        InsertPoint("synch_serialnumber", 0, DataPoint::Attributes(7), 0xFF01, ZEMP_UINT32);
        addChild(new TestPlugin);
    }
};

const char *const expectedTree =
    "<TSTATION>\n"
    " <VALUE key=\"Zeta\" value=\"1\" />\n"
    " <VALUE key=\"descriptor\" value=\"Tank &quot;A&quot; &amp; &lt;B&gt;\" />\n"
    " <VALUE key=\"tag\" value=\"T1\" />\n"
    " <VALUE key=\"untracked\" value=\"u\" />\n"
    " <TPLUGIN>\n"
    "  <VALUE key=\"mirror\" value=\"\" />\n"
    " </TPLUGIN>\n"
    " <TMOD>\n"
    "  <VALUE key=\"position\" value=\"1\" />\n"
    "  <TCHAN channel=\"1\">\n"
    "   <VALUE key=\"units\" value=\"degC\" />\n"
    "  </TCHAN>\n"
    "  <TCHAN channel=\"2\">\n"
    "   <VALUE key=\"units\" value=\"mA\" />\n"
    "  </TCHAN>\n"
    "  <TCHAN channel=\"3\">\n"
    "   <VALUE key=\"units\" value=\"\xC2\xB0" "F\" />\n"
    "  </TCHAN>\n"
    "  <TCHAN channel=\"4\">\n"
    "   <VALUE key=\"units\" value=\"degC\" />\n"
    "  </TCHAN>\n"
    " </TMOD>\n"
    "</TSTATION>\n";

QByteArray toUtf8Xml(RYXObject &object)
{
    return VELXmlWriter::toXml(object).toUtf8();
}

// Reads \a text; the caller owns the result.
RYXObject *read(const QByteArray &text, bool *ok = nullptr)
{
    VELXmlHandler handler;
    const bool parsed = handler.parse(text);
    if (ok)
        *ok = parsed;
    return handler.takeFirstObject();
}

TestStation *buildTree()
{
    auto *station = new TestStation;
    station->setValue("descriptor", QString("Tank \"A\" & <B>"));
    auto *module = new TestModule;
    module->childAt(1)->setValue("units", QString("mA"));
    module->childAt(2)->setValue("units", QString::fromUtf8("\xC2\xB0" "F"));
    station->addChild(module);
    return station;
}

} // namespace

class tst_Xml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        using F = RYXObjectFactory;
        F::registerClass("TSTATION", F::StationLevel, [](int) { return new TestStation; });
        F::registerClass("MODBUSNET", F::NetworkLevel,
                         [](int) { return new TestStation(QStringLiteral("MODBUSNET")); });
        F::registerClass("TMOD", F::ModuleLevel, [](int) { return new TestModule; });
        F::registerClass("TCHAN", F::ChannelLevel, [](int n) { return new TestChannel(n); });
        F::registerClass("TCHAN2", F::ChannelLevel,
                         [](int n) { return new TestChannel(n, QStringLiteral("TCHAN2")); });
        F::registerClass("TPLUGIN", F::PluginLevel, [](int) { return new TestPlugin; });
    }

    void cleanup() { QCOMPARE(TestObject::live, 0); }

    void writeReadWrite_data()
    {
        QTest::addColumn<bool>("network");
        QTest::addColumn<QByteArray>("layout"); // empty: not compared
        QTest::newRow("station, exact layout") << false << QByteArray(expectedTree);
        QTest::newRow("network of stations") << true << QByteArray();
    }

    void writeReadWrite()
    {
        QFETCH(bool, network);
        QFETCH(QByteArray, layout);
        QScopedPointer<TestStation> root(network ? new TestStation("MODBUSNET") : buildTree());
        if (network) {
            root->addChild(buildTree());
            root->addChild(new TestStation);
        }
        const QByteArray written = toUtf8Xml(*root);
        if (!layout.isEmpty())
            QCOMPARE(written, layout);
        bool ok = false;
        QScopedPointer<RYXObject> copy(read(written, &ok));
        QVERIFY(ok);
        QVERIFY(copy);
        // The constructor's plug-in is not attached a second time.
        QCOMPARE(copy->childCount(), root->childCount());
        RYXObject *station = network ? copy->childAt(1) : copy.data();
        QCOMPARE(station->getString("descriptor"), QString("Tank \"A\" & <B>"));
        QCOMPARE(toUtf8Xml(*copy), written);
    }

    void emptyObjectWritesTwoLines()
    {
        TestObject object("EMPTY");
        QCOMPARE(VELXmlWriter::toXml(object), QString("<EMPTY>\n</EMPTY>\n"));
    }

    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("angle brackets, apostrophe") << "<it's>" << "&lt;it's&gt;" << "<it's>";
        QTest::newRow("entity text") << "&amp;" << "&amp;amp;" << "&amp;";
        QTest::newRow("line ends and tab") << "a\r\nb\tc" << "a&#13;&#10;b&#9;c" << "a\r\nb\tc";
        const QString nonLatin = QString::fromUtf8("\xE6\xB8\xA9");
        QTest::newRow("non-latin") << nonLatin << nonLatin << nonLatin;
        // Not representable in XML: left out so the file stays readable.
        QTest::newRow("control characters") << QString::fromLatin1("A\x01" "B\x1f") << "AB" << "AB";
    }

    void valuesRoundTrip()
    {
        QFETCH(QString, value);
        QFETCH(QString, written);
        QCOMPARE(VELXmlWriter::escape(value), written);

        TestStation station;
        QVERIFY(station.setValue("tag", value));
        QScopedPointer<RYXObject> copy(read(toUtf8Xml(station)));
        QVERIFY(copy);
        QTEST(copy->getString("tag"), "readBack");
    }

    // A bad file builds nothing; a file with parts in the wrong place reads
    // as if those parts were absent.
    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("expected"); // empty: nothing is built
        QTest::addColumn<int>("live");            // objects of the expected tree
        QTest::addColumn<int>("relayed");

        auto row = [](const char *name, const QByteArray &text, RYXObject *expected, int relayed) {
            const QByteArray xml = expected ? toUtf8Xml(*expected) : QByteArray();
            QTest::newRow(name) << text << xml << TestObject::live << relayed;
            delete expected;
        };
        row("unknown element",
            "<TSTATION>\n <VALUE key=\"tag\" value=\"x\" />\n <TMOD>\n  <BOGUS />\n </TMOD>\n</TSTATION>\n",
            nullptr, 1);
        row("truncated", "<TSTATION>\n <TMOD>\n  <TCHAN channel=\"1\">\n", nullptr, 1);
        row("mismatched end", "<TSTATION>\n <TMOD>\n</TSTATION>\n", nullptr, 1);
        row("empty", QByteArray(), nullptr, 1);

        const QByteArray voltage = "<VALUE key=\"units\" value=\"V\" />";
        for (const char *element : { "TCHAN channel=\"0\"", "TCHAN channel=\"5\"", "TCHAN channel=\"two\"",
                                     "TCHAN", "TCHAN2 channel=\"2\"" }) {
            const QByteArray tag(element);
            const QByteArray channel = '<' + tag + '>' + voltage + "</" + tag.split(' ').first() + '>';
            row(element, "<TMOD>\n" + channel + "\n</TMOD>\n", new TestModule, 1);
        }
        auto *module = new TestModule;
        module->childAt(2)->setValue("units", QString("V"));
        row("channel replaces only its position",
            "<TMOD>\n<TCHAN channel=\"3\">\n" + voltage + "\n</TCHAN>\n</TMOD>\n", module, 0);

        row("truncated in the last end tag", "<TSTATION>\n</TSTATION", nullptr, 1);
        row("NUL after the root", QByteArray("<TSTATION>\n</TSTATION>\n\0", 24), nullptr, 1);
        row("text after the root", "<TSTATION>\n</TSTATION>\nx", nullptr, 1);
        row("second top-level object cut short", "<TSTATION>\n</TSTATION>\n<TSTATION>\n", nullptr, 1);

        // The further object is read to check it, and noted as ignored.
        row("only the first top-level object",
            "<TSTATION>\n</TSTATION>\n"
            "<TSTATION>\n <VALUE key=\"tag\" value=\"second\" />\n <TMOD>\n </TMOD>\n</TSTATION>\n",
            new TestStation, 1);
        auto *named = new TestStation;
        named->setValue("tag", QString("T9"));
        named->setValue("Zeta", QString("5"));
        row("attributes read by name, in any order, others ignored",
            "<TSTATION>\n <VALUE value=\"T9\" key=\"tag\" />\n"
            " <VALUE key=\"Zeta\" value=\"5\" extra=\"x\" />\n"
            " <VALUE key=\"nosuchpoint\" value=\"1\" />\n</TSTATION>\n",
            named, 0);
        row("VALUE without key or value is noted",
            "<TSTATION>\n <VALUE value=\"T9\" />\n <VALUE key=\"tag\" />\n</TSTATION>\n", new TestStation, 2);
        auto *restored = new TestStation;
        restored->childAt(0)->setValue("mirror", QString("m"));
        row("plug-in element restores the host's plug-in",
            "<TSTATION>\n <TPLUGIN>\n  <VALUE key=\"mirror\" value=\"m\" />\n </TPLUGIN>\n</TSTATION>\n",
            restored, 0);
        auto *station = new TestStation;
        station->addChild(new TestModule);
        row("misplaced objects are not attached",
            "<TSTATION>\n <TSTATION>\n </TSTATION>\n <TCHAN channel=\"1\">\n </TCHAN>\n"
            " <TMOD>\n  <TMOD>\n  </TMOD>\n </TMOD>\n</TSTATION>\n",
            station, 0);
    }

    void badFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, expected);
        QSignalSpy relayed(MessageRelay::instance(), &MessageRelay::DebugMessage);
        VELXmlHandler handler;
        QCOMPARE(handler.parse(text), !expected.isEmpty());
        QScopedPointer<RYXObject> object(handler.takeFirstObject());
        QTEST(TestObject::live, "live");
        QTEST(int(relayed.count()), "relayed");
        if (object) {
            QCOMPARE(toUtf8Xml(*object), expected);
            return;
        }
        QVERIFY(expected.isEmpty());
        const QString message = relayed.first().first().toString();
        QVERIFY2(message.contains(QStringLiteral("line %1, column %2")
                                      .arg(handler.errorLine())
                                      .arg(handler.errorColumn())),
                 qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(tst_Xml)
#include "tst_xml.moc"
