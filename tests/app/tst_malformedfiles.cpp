// Damaged, hostile and unusual configuration files, opened the two ways a
// user opens one: File > Open in the main window, and ryxcli download
// against the simulator. A file the reader refuses changes nothing: the
// window shows the fixed message and keeps its tree, ryxcli exits 1 without
// a request to the station. A file holding values the device cannot take is
// opened with the station marked in error and the values named, and ryxcli
// refuses to download it. A legal file opens, and ryxcli downloads it.
#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "core/MessageRelay.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXObject.h"
#include "model/RYXObjectFactory.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlWriter.h"

#include "SimStation.h"
#include "SimThread.h"
#include "support/CliProcess.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <memory>

namespace {

enum Outcome { Loaded, Flagged, Refused };

const QString ParseFailure = QStringLiteral("Failed to parse the input file.");
constexpr quint16 DescriptorPoint = 0x0C;

// A station saved by the program: its name, location and word order set,
// and its three plug-ins, the configuration one holding the name again.
QByteArray savedStation(const QString &name = QStringLiteral("Pump_N1"))
{
    std::unique_ptr<RYXObject> station(RYXObjectFactory::create(QStringLiteral("EIM"), 0));
    station->setValue("descriptor", name);
    station->setValue("serverlocation", "Hall 2");
    station->setValue("floatorder", "1");
    return VELXmlWriter::toXml(*station).toUtf8();
}

// \a file with every VALUE line of \a key holding \a value instead.
QByteArray withValue(QByteArray file, const QByteArray &key, const QByteArray &value)
{
    const QByteArray marker = "key=\"" + key + "\" value=\"";
    for (qsizetype at = file.indexOf(marker); at >= 0; at = file.indexOf(marker, at + 1)) {
        const qsizetype start = at + marker.size();
        file.replace(start, file.indexOf('"', start) - start, value);
    }
    return file;
}

QByteArray nested(const QByteArray &element, int depth)
{
    return ("<" + element + ">").repeated(depth) + ("</" + element + ">").repeated(depth);
}

QByteArray utf16WithBom(const QByteArray &utf8)
{
    const QString text = QString::fromUtf8(utf8);
    QByteArray out("\xFF\xFE");
    for (const QChar c : text)
        out += char(c.unicode() & 0xFF) + QByteArray(1, char(c.unicode() >> 8));
    return out;
}

void row(const QString &name, const QByteArray &contents, Outcome outcome, const QString &message = QString(),
         const QString &descriptor = QString())
{
    QTest::newRow(qPrintable(name)) << contents << int(outcome) << message << descriptor;
}

void addRows()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");    // named by the event log or ryxcli
    QTest::addColumn<QString>("descriptor"); // the station name once opened

    const QByteArray file = savedStation();
    const QByteArray end = "</EIM>\n";
    const qsizetype length = file.size();
    // Every prefix lacks the closing '>' of the root element, the last
    // seven of them inside its end tag.
    for (qsizetype cut = 0; cut < length - 1; cut += cut < length - 8 ? 5 : 1)
        row(QStringLiteral("truncated at %1 of %2").arg(cut).arg(length), file.left(cut), Refused);

    row("trailing NUL", file + QByteArray(1, '\0'), Refused);
    row("NUL bytes after the root", file + QByteArray(4, '\0'), Refused);
    row("NUL inside a value", withValue(file, "serverlocation", QByteArray("Ha\0ll", 5)), Refused);
    row("text after the root", file + "garbage", Refused);
    row("binary after the root", file + "\x89PNG\r\n\x1a\n", Refused);
    row("second top-level element cut short", file + "<EIM>\n <VALUE", Refused);
    row("invalid UTF-8 byte", withValue(file, "serverlocation", "\xFF"), Refused, "incorrectly encoded");
    row("UTF-8 sequence cut short", withValue(file, "serverlocation", "Z\xC3"), Refused);
    row("overlong UTF-8", withValue(file, "serverlocation", "\xC0\xAF"), Refused);
    row("UTF-8 surrogate", withValue(file, "serverlocation", "\xED\xA0\x80"), Refused);
    row("Latin-1 byte without a declaration", withValue(file, "serverlocation", "Z\xFCrich"), Refused);
    row("bad byte in an element name", QByteArray(file).replace("<EIM>", "<EI\xFFM>"), Refused);
    row("control byte in a value", withValue(file, "serverlocation", "\x01"), Refused);
    row("escape byte between elements", QByteArray(file).replace(" <XIMPROCESSPLUGIN>", "\x1b<XIMPROCESSPLUGIN>"),
        Refused);
    row("form feed in a value", withValue(file, "serverlocation", "A\x0C" "B"), Refused);
    row("character reference to 1", withValue(file, "serverlocation", "&#1;"), Refused);
    row("character reference to 0", withValue(file, "serverlocation", "&#0;"), Refused);
    row("end tags crossed", QByteArray(file).replace(end, "<UNDETERMINED>\n</EIM>\n</UNDETERMINED>\n"), Refused);
    row("plug-in left open", QByteArray(file).replace(" </XIMPROCESSPLUGIN>\n", ""), Refused);
    row("root closed by another name", QByteArray(file).replace(end, "</MIM>\n"), Refused);
    row("element inside a VALUE",
        QByteArray(file).replace("value=\"Hall 2\" />", "value=\"Hall 2\"><UNDETERMINED /></VALUE>"), Refused,
        "inside a VALUE element");
    row("text inside a VALUE", QByteArray(file).replace("value=\"Hall 2\" />", "value=\"Hall 2\">x</VALUE>"),
        Refused, "text where the file holds none");
    row("text inside the station", QByteArray(file).replace(end, "Pump\n" + end), Refused);
    row("a VALUE alone", "<VALUE/>\n", Refused, "a VALUE element outside of any object element");
    row("a VALUE with a point alone", "<VALUE key=\"descriptor\" value=\"X\" />\n", Refused,
        "a VALUE element outside of any object element");
    row("unknown element in the station", QByteArray(file).replace(end, " <BOGUS />\n" + end), Refused,
        "unknown element <BOGUS>");
    row("unknown element in a plug-in", QByteArray(file).replace(" </XIMPROCESSPLUGIN>", "<PUMP/></XIMPROCESSPLUGIN>"),
        Refused, "unknown element <PUMP>");
    row("unknown root", "<PUMP>\n</PUMP>\n", Refused, "unknown element <PUMP>");
    row("root in lower case", QByteArray(file).replace("EIM>", "eim>"), Refused, "unknown element <eim>");
    row("station of a class not built", "<MIM>\n</MIM>\n", Refused, "unknown element <MIM>");
    row("undeclared namespace prefix", QByteArray(file).replace("EIM>", "x:EIM>"), Refused);
    row("attribute given twice", withValue(file, "floatorder", "1\" value=\"0"), Refused);
    row("attribute without quotes", QByteArray(file).replace("value=\"1\"", "value=1"), Refused);
    row("stations nested 20 deep", nested("EIM", 20), Refused, "nested deeper than any device tree");
    row("plug-ins nested 10000 deep", nested("EIMCONFIGPLUGIN", 10000), Refused,
        "nested deeper than any device tree");
    row("unknown elements nested 100000 deep", nested("A", 100000), Refused, "unknown element <A>");
    row("VALUE elements nested", "<EIM>" + nested("VALUE", 3) + "</EIM>", Refused, "inside a VALUE element");
    row("UTF-16 mark before UTF-8 text", "\xFF\xFE" + file, Refused);
    row("UTF-8 mark twice", "\xEF\xBB\xBF\xEF\xBB\xBF" + file, Refused);
    const QByteArray laughs = "<!DOCTYPE EIM [<!ENTITY a \"aaaaaaaaaa\">"
                              "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                              "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                              "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>\n";
    row("entity expansion", laughs + withValue(file, "serverlocation", "&d;"), Refused,
        "document type declarations are not accepted");
    row("external entity", "<!DOCTYPE EIM [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                               + withValue(file, "serverlocation", "&x;"),
        Refused, "document type declarations are not accepted");
    row("harmless internal entity", "<!DOCTYPE EIM [<!ENTITY n \"Hall\">]>\n" + withValue(file, "serverlocation", "&n;"),
        Refused, "document type declarations are not accepted");
    row("undeclared entity", withValue(file, "serverlocation", "&hall;"), Refused);
    row("empty file", QByteArray(), Refused);
    row("blanks only", "  \n\t\n", Refused);
    row("declaration only", "<?xml version=\"1.0\"?>\n", Refused);
    row("comment only", "<!-- station -->\n", Refused);
    row("plain text", "Pump_N1\n", Refused);
    row("JSON", "{\"descriptor\": \"Pump_N1\"}\n", Refused);
    row("PNG header", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR", Refused);
    row("a lone angle bracket", "<", Refused);

    const QString order = QStringLiteral("point \"floatorder\"");
    for (const char *value : { "256", "-1", "abc", "NaN", "1e309", "0x10", "", "2147483648" })
        row(QStringLiteral("float order \"%1\"").arg(value), withValue(file, "floatorder", value), Flagged, order,
            "Pump_N1");
    row("name one longer than its field", withValue(file, "descriptor", "ABCDEFGHIJKL"), Flagged,
        "point \"descriptor\"", "ABCDEFGHIJKL");
    row("location one longer than its field", withValue(file, "serverlocation", QByteArray(32, 'x')), Flagged,
        "point \"serverlocation\"", "Pump_N1");
    row("location of sixteen CJK characters",
        withValue(file, "serverlocation", QString(16, QChar(0x6C34)).toUtf8()), Flagged,
        "point \"serverlocation\"", "Pump_N1");
    row("location with a euro sign", withValue(file, "serverlocation", "5 \xE2\x82\xAC"), Flagged,
        "point \"serverlocation\"", "Pump_N1");
    row("name with a character reference above Latin-1", withValue(file, "descriptor", "A&#x100;"), Flagged,
        "point \"descriptor\"", QString::fromUtf8("A\xC4\x80"));

    row("as saved", file, Loaded, QString(), "Pump_N1");
    const QString swapped = QString::fromUtf8(savedStation("Swap_1"))
                                .replace(QRegularExpression(" key=(\"[^\"]*\") value=(\"[^\"]*\")"),
                                         " value=\\2 key=\\1");
    row("attributes swapped", swapped.toUtf8(), Loaded, QString(), "Swap_1");
    // The station's own line of the name is the first; the plug-in's, the second.
    const QByteArray stationName = "\n <VALUE key=\"descriptor\" value=\"Plug_N1\" />\n";
    row("name in the plug-in element only", QByteArray(savedStation("Plug_N1")).replace(stationName, "\n"), Loaded,
        QString(), "Plug_N1");
    row("plug-in element without the name",
        QByteArray(savedStation("Host_1")).replace("  <VALUE key=\"descriptor\" value=\"Host_1\" />\n", ""), Loaded,
        QString(), "Host_1");
    row("VALUE without a key", QByteArray(file).replace(end, " <VALUE value=\"x\" />\n" + end), Loaded,
        "without a key or a value", "Pump_N1");
    row("VALUE without a value", QByteArray(file).replace(end, " <VALUE key=\"descriptor\" />\n" + end), Loaded,
        "without a key or a value", "Pump_N1");
    row("VALUE with a further attribute", withValue(savedStation("Extra_1"), "floatorder", "0\" unit=\"x"), Loaded,
        QString(), "Extra_1");
    row("second top-level element", savedStation("First_1") + savedStation("Second_1"), Loaded,
        "further top-level element <EIM>", "First_1");
    row("100000 further top-level elements", savedStation("Many_1") + QByteArray("<UNDETERMINED />").repeated(100000),
        Loaded, "100000 further top-level elements were ignored, the first <UNDETERMINED>", "Many_1");
    row("UTF-8 mark", "\xEF\xBB\xBF" + savedStation("Bom_8"), Loaded, QString(), "Bom_8");
    row("UTF-16 with its mark", utf16WithBom(savedStation("Bom_16")), Loaded, QString(), "Bom_16");
    row("Latin-1 declared", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                + withValue(savedStation("Latin_1"), "serverlocation", "Z\xFCrich"),
        Loaded, QString(), "Latin_1");
    // What follows the first element is read again in the file's own encoding.
    row("Latin-1 declared, a further element", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
            + withValue(savedStation("Latin_2"), "serverlocation", "Z\xFCrich") + "<UNDETERMINED />\n",
        Loaded, "A further top-level element <UNDETERMINED>", "Latin_2");
    row("UTF-16, a further element", utf16WithBom(savedStation("Bom_16b") + "<UNDETERMINED />\n"), Loaded,
        "A further top-level element <UNDETERMINED>", "Bom_16b");
    row("comments and instructions", "<!-- saved -->\n" + savedStation("Notes_1") + "<?done?>\n<!-- end -->\n",
        Loaded, QString(), "Notes_1");
}

} // namespace

class tst_MalformedFiles : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;
    QTemporaryDir m_dir;
    std::unique_ptr<SimThread> m_sim;
    std::unique_ptr<RYXConfigWindow> m_window;

    QString path() const { return m_dir.filePath(QStringLiteral("station.xml")); }

    QStringList titles() const
    {
        QStringList result;
        for (const auto &prompt : m_prompter.prompts())
            result << prompt.title;
        return result;
    }

    QString simDescriptor() const
    {
        QByteArray value;
        m_sim->station()->readPoint(0, DescriptorPoint, value);
        return QString::fromLatin1(value).section(QChar(u'\0'), 0, 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        RYXPrompter::setInstance(&m_prompter);
        m_window = std::make_unique<RYXConfigWindow>(); // installs the class table
        SimOptions options;
        options.httpEnabled = true;
        m_sim = std::make_unique<SimThread>(options);
        QVERIFY2(m_sim->startServing(), qPrintable(m_sim->errorString()));
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_sim.reset();
        RYXPrompter::setInstance(nullptr);
    }

    void openInWindow_data() { addRows(); }

    // A station already in the tree stays as it was whatever the file holds.
    void openInWindow()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(QString, descriptor);
        m_window = std::make_unique<RYXConfigWindow>();
        RYXListView *tree = m_window->listView();
        RYXObject *existing = RYXObjectFactory::create(QStringLiteral("EIM"), 0);
        existing->setValue("descriptor", "Existing");
        m_window->sysManager()->addRootObject(existing);
        tree->clearSelection();
        const QString before = VELXmlWriter::toXml(*existing);
        QVERIFY(writeFile(path(), contents));
        m_prompter.clear();
        m_prompter.queueFileName(path());
        QSignalSpy log(MessageRelay::instance(), &MessageRelay::DebugMessage);

        m_window->OpenSlot();
        const QString logged = [&] {
            QStringList lines;
            for (const QList<QVariant> &line : log)
                lines << line.first().toString();
            return lines.join(QLatin1Char('\n'));
        }();
        QVERIFY2(logged.contains(message), qPrintable(logged));
        QCOMPARE(VELXmlWriter::toXml(*existing), before);
        if (outcome == Refused) {
            QCOMPARE(m_prompter.promptTexts(), QStringList{ParseFailure});
            QCOMPARE(titles(), QStringList{"Error"});
            QCOMPARE(tree->topLevelItemCount(), 1);
            QVERIFY2(logged.contains(QRegularExpression("line \\d+, column \\d+")), qPrintable(logged));
            return;
        }
        QCOMPARE(titles(), outcome == Flagged ? QStringList({"Advisory", "Warning"}) : QStringList{"Advisory"});
        if (outcome == Flagged)
            QVERIFY2(m_prompter.promptTexts().last().contains(message), qPrintable(m_prompter.promptTexts().last()));
        QCOMPARE(tree->topLevelItemCount(), 2);
        RYXObject *opened = RYXListView::objectOf(tree->currentItem());
        QVERIFY(opened && opened != existing);
        QCOMPARE(opened->getString("descriptor"), descriptor);
        QCOMPARE(bool(opened->getStatusFlags() & RYXObject::ConfigError), outcome == Flagged);
    }

    void downloadWithCli_data() { addRows(); }

    // Nothing reaches the station unless the file opens cleanly.
    void downloadWithCli()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(QString, descriptor);
        QVERIFY(writeFile(path(), contents));
        QVERIFY(m_sim->station()->setPoint(0, DescriptorPoint, QByteArray(12, '\0')));
        const quint64 requests = m_sim->station()->requestCount();

        const CliRun run = runCli({"download", path(), "--tcp", QStringLiteral("127.0.0.1:%1").arg(m_sim->httpPort())});
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        if (outcome == Loaded) {
            QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
            QCOMPARE(simDescriptor(), descriptor);
            return;
        }
        QVERIFY2(run.exitCode == 1, qPrintable(run.errors));
        QCOMPARE(m_sim->station()->requestCount(), requests);
        const QString last = run.errors.trimmed().section(QLatin1Char('\n'), -1);
        QVERIFY2(last.startsWith(QLatin1String("ryxcli: ")) && last.size() > 12, qPrintable(run.errors));
        if (outcome == Refused)
            QVERIFY2(run.errors.contains(ParseFailure), qPrintable(run.errors));
    }
};

QTEST_MAIN(tst_MalformedFiles)
#include "tst_malformedfiles.moc"
