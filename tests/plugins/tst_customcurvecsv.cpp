// Import and export of a custom curve as CSV through the plug-in's
// commands, the file dialogs and boxes answered by a scripted prompter. A
// refused file shows its message and leaves every value of the channel as
// it was. The test runs in a locale whose decimal separator is a comma:
// the files keep the decimal point whatever the user's locale.
#include "core/RYXScriptedPrompter.h"
#include "model/VELXmlWriter.h"

#include "plugins/PluginHostChannel.h"

#include <QtTest/QtTest>

namespace {

using Curve = QList<QPointF>;

const QString atLeastTwo = QStringLiteral("A custom curve must contain at least two points");

// The curve every import starts from: a refused import must leave it.
Curve startingCurve()
{
    return {{0.0, 10.0}, {1.0, 20.0}, {2.0, 30.0}};
}

void setCurve(PluginHostChannel &channel, const Curve &curve)
{
    channel.setValue(QStringLiteral("customcurvenumpts"), int(curve.size()));
    for (int i = 0; i < curve.size(); ++i) {
        channel.curve->setPoint(i, 0, float(curve.at(i).x()));
        channel.curve->setPoint(i, 1, float(curve.at(i).y()));
    }
}

// \a lines pairs "i,i*2" from 0.
QByteArray pairs(int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QByteArray::number(i) + ',' + QByteArray::number(i * 2) + '\n';
    return text;
}

Curve pairCurve(int points)
{
    Curve curve;
    for (int i = 0; i < points; ++i)
        curve.append(QPointF(i, i * 2));
    return curve;
}

// Valid lines padded with blank lines to exactly \a size bytes.
QByteArray paddedTo(qint64 size)
{
    QByteArray text = pairs(2);
    text += QByteArray(size - text.size(), '\n');
    return text;
}

} // namespace

class tst_CustomCurveCsv : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void init() { RYXPrompter::setInstance(&m_prompter); }
    void cleanup()
    {
        RYXPrompter::setInstance(nullptr);
        m_prompter.clear();
    }

    void import_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<Curve>("curve"); // empty: the starting curve is kept
        QTest::newRow("pairs") << QByteArray("0,1\n0.5,2.25\n1,-4\n") << QStringList()
                               << Curve({{0, 1}, {0.5, 2.25}, {1, -4}});
        QTest::newRow("empty fields are dropped") << QByteArray("1.0,,2.0\n2.0,3.0\n") << QStringList()
                                                  << Curve({{1, 2}, {2, 3}});
        QTest::newRow("no line end at the end") << QByteArray("0,1\n1,2") << QStringList()
                                                << Curve({{0, 1}, {1, 2}});
        QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF" "0,1\n1,2\n") << QStringList()
                                               << Curve({{0, 1}, {1, 2}});
        QTest::newRow("CRLF line ends") << QByteArray("0,1\r\n1,2\r\n") << QStringList()
                                        << Curve({{0, 1}, {1, 2}});
        QTest::newRow("blanks and blank lines") << QByteArray(" 0 ,\t1 \n\n  \r\n1, 2\n\n") << QStringList()
                                                << Curve({{0, 1}, {1, 2}});
        QTest::newRow("exponents") << QByteArray("1e-1,2E1\n+3,-.5\n") << QStringList()
                                   << Curve({{0.1, 20}, {3, -0.5}});
        QTest::newRow("128 lines") << pairs(128) << QStringList() << pairCurve(128);
        QTest::newRow("129 lines are cut to 128")
            << pairs(129) << QStringList({"A custom curve may contain a maximum of 128 points, truncating."})
            << pairCurve(128);
        QTest::newRow("a file of exactly 1 MiB is read") << paddedTo(1024 * 1024) << QStringList() << pairCurve(2);

        QTest::newRow("semicolons on line 1")
            << QByteArray("1.0;2.0\n2.0;3.0\n")
            << QStringList({"Line 1 did not contain two values with a comman in between, aborting.\n"}) << Curve();
        QTest::newRow("a decimal comma gives three fields")
            << QByteArray("0,5,1\n1,2\n")
            << QStringList({"Line 1 did not contain two values with a comman in between, aborting.\n"}) << Curve();
        QTest::newRow("one value on line 1")
            << QByteArray("7\n1,2\n")
            << QStringList({"Line 1 did not contain two values with a comman in between, aborting.\n"}) << Curve();
        QTest::newRow("a good line, then a bad one")
            << QByteArray("1.0,2.0\n1.0;2.0\n") << QStringList({atLeastTwo}) << Curve();
        QTest::newRow("a bad third line, blank lines counted")
            << QByteArray("0,0\n\n1,1\n1;1\n")
            << QStringList({"Line 4 did not contain two values with a comman in between, aborting.\n"}) << Curve();
        QTest::newRow("X not a number")
            << QByteArray("abc,1\n1,2\n")
            << QStringList({"Could not convert the X value from line 1 to a float, aborting."}) << Curve();
        QTest::newRow("Y not a number")
            << QByteArray("0,1x\n1,2\n")
            << QStringList({"Could not convert the Y value from line 1 to a float, aborting."}) << Curve();
        QTest::newRow("X not finite")
            << QByteArray("nan,1\n1,2\n")
            << QStringList({"Could not convert the X value from line 1 to a float, aborting."}) << Curve();
        QTest::newRow("Y beyond a float")
            << QByteArray("0,1e39\n1,2\n")
            << QStringList({"Could not convert the Y value from line 1 to a float, aborting."}) << Curve();
        QTest::newRow("binary bytes")
            << QByteArray("\x00\x01\x02\xff\xfe", 5)
            << QStringList({"Line 1 did not contain two values with a comman in between, aborting.\n"}) << Curve();
        QTest::newRow("an empty file") << QByteArray() << QStringList({atLeastTwo}) << Curve();
        QTest::newRow("only blank lines") << QByteArray("\n\r\n  \n") << QStringList({atLeastTwo}) << Curve();
        QTest::newRow("one point") << QByteArray("0,1\n") << QStringList({atLeastTwo}) << Curve();
        QTest::newRow("a file over 1 MiB")
            << paddedTo(1024 * 1024 + 1)
            << QStringList({"The file is larger than 1 MiB, far larger than a custom curve of 128 points; it "
                            "was not read."})
            << Curve();
    }

    void import()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, messages);
        QFETCH(Curve, curve);
        QTemporaryDir folder;
        QFile file(folder.filePath("curve.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, startingCurve());
        const QString before = VELXmlWriter::toXml(channel);

        m_prompter.queueFileName(file.fileName());
        channel.curve->importCSVSlot();
        QCOMPARE(m_prompter.fileDialogCount(), 1);
        QCOMPARE(m_prompter.promptTexts(), messages);
        for (const RYXScriptedPrompter::Prompt &prompt : m_prompter.prompts()) {
            QCOMPARE(prompt.title, QString("RYX Config"));
            QCOMPARE(prompt.icon, QMessageBox::Warning);
        }
        if (curve.isEmpty()) {
            QCOMPARE(VELXmlWriter::toXml(channel), before);
            return;
        }
        QCOMPARE(channel.curve->points(), curve);
        QCOMPARE(channel.getInt("customcurvenumpts"), int(curve.size()));
        QCOMPARE(channel.getBool("ccurveisvalid"), true);
        QCOMPARE(channel.getFloat("customcurverangehigh"), float(curve.last().y()));
    }

    void importUnreadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a missing file") << "missing.csv";
        QTest::newRow("a folder") << "folder.csv";
    }

    void importUnreadable()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder.csv"));
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, startingCurve());
        const QString before = VELXmlWriter::toXml(channel);
        m_prompter.queueFileName(folder.filePath(name));
        channel.curve->importCSVSlot();
        QCOMPARE(m_prompter.promptTexts(), QStringList({"Failed to open the requested file.\n"}));
        QCOMPARE(VELXmlWriter::toXml(channel), before);
    }

    void importCancelled()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, startingCurve());
        const QString before = VELXmlWriter::toXml(channel);
        channel.curve->importCSVSlot(); // no file name queued: the dialog is cancelled
        QCOMPARE(m_prompter.fileDialogCount(), 1);
        QVERIFY(m_prompter.prompts().isEmpty());
        QCOMPARE(VELXmlWriter::toXml(channel), before);
    }

    void exportCurve_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<Curve>("curve");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("three decimals, decimal points")
            << "3" << Curve({{0, 1.5}, {0.05, -2.25}, {1234.5678, 0.0004}})
            << QByteArray("0.000,1.500\n0.050,-2.250\n1234.568,0.000\n");
        QTest::newRow("only the points counted") << "1" << Curve({{1, 2}, {3, 4}}) << QByteArray("1.000,2.000\n");
        QTest::newRow("no points") << "0" << Curve({{1, 2}}) << QByteArray();
        QTest::newRow("a count above 128 writes 128") << "200" << pairCurve(128) << pairs(128).replace(",", ".000,")
                                                                                   .replace("\n", ".000\n");
    }

    void exportCurve()
    {
        QFETCH(QString, count);
        QFETCH(Curve, curve);
        QFETCH(QByteArray, written);
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, curve);
        channel.setValue(QStringLiteral("customcurvenumpts"), count);
        QTemporaryDir folder;
        m_prompter.queueFileName(folder.filePath("out.csv"));
        channel.curve->exportCSVSlot();
        QVERIFY(m_prompter.prompts().isEmpty());
        QFile file(folder.filePath("out.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
    }

    void exportUnwritable()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, startingCurve());
        QTemporaryDir folder;
        m_prompter.queueFileName(folder.filePath("no such folder/out.csv"));
        channel.curve->exportCSVSlot();
        QCOMPARE(m_prompter.promptTexts(), QStringList({"Failed to open the requested file.\n"}));
        QVERIFY(!QFile::exists(folder.filePath("no such folder/out.csv")));
    }

    // Exported and imported again, a curve comes back to three decimals.
    void exportThenImport()
    {
        PluginHostChannel source(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(source, {{-1.23456, 100.0001}, {0.5, 7.77777}, {2.0004, -3.5}});
        QTemporaryDir folder;
        m_prompter.queueFileName(folder.filePath("round.csv"));
        source.curve->exportCSVSlot();
        PluginHostChannel target(RYXTrimObjectPlugin::TemperatureInput);
        m_prompter.queueFileName(folder.filePath("round.csv"));
        target.curve->importCSVSlot();
        QVERIFY(m_prompter.prompts().isEmpty());
        const Curve expected = {{-1.235, 100.0}, {0.5, 7.778}, {2.0, -3.5}};
        const Curve read = target.curve->points();
        QCOMPARE(read.size(), expected.size());
        for (int i = 0; i < read.size(); ++i) {
            QVERIFY(qAbs(read.at(i).x() - expected.at(i).x()) < 1e-6);
            QVERIFY(qAbs(read.at(i).y() - expected.at(i).y()) < 1e-6);
        }
    }

private:
    RYXScriptedPrompter m_prompter;
};

QTEST_MAIN(tst_CustomCurveCsv)
#include "tst_customcurvecsv.moc"
