// The custom curve plug-in on a channel that holds its points: the curve's
// validation, its dialog and plot driven through the widgets, its
// transfers handed to the channel, and both plug-ins of a channel saved and
// opened again.
#include "database/RYXDatabase.h"
#include "dialogs/RYXLineEdit.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"
#include "plugins/CustomCurveChart.h"
#include "plugins/CustomCurvePluginDialog.h"

#include "plugins/PluginHostChannel.h"
#include "support/Screenshot.h"
#include "support/TypeText.h"

#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTableWidget>

#include <memory>

namespace {

using Curve = QList<QPointF>;

void setCurve(PluginHostChannel &channel, const QString &count, const Curve &curve)
{
    channel.setValue(QStringLiteral("customcurvenumpts"), count);
    for (int i = 0; i < curve.size(); ++i) {
        channel.curve->setPoint(i, 0, float(curve.at(i).x()));
        channel.curve->setPoint(i, 1, float(curve.at(i).y()));
    }
}

// Points with the given X values and Y = 10, 20, 30, ...
Curve withX(const QList<double> &xs)
{
    Curve curve;
    for (int i = 0; i < xs.size(); ++i)
        curve.append(QPointF(xs.at(i), 10.0 * (i + 1)));
    return curve;
}

Curve rising(int points)
{
    QList<double> xs;
    for (int i = 0; i < points; ++i)
        xs.append(i * 0.5);
    return withX(xs);
}

// Edits a cell of \a table as the user does: open its editor, type, Return.
void editCell(QTableWidget *table, int row, int column, const QString &text)
{
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    // The cell's editor is the table's only line edit.
    auto *editor = table->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the edit and closes the editor from its event loop.
    const QPointer<QLineEdit> open(editor);
    QTRY_VERIFY(!open);
}

// Every point of \a root's subtree that the file keeps, as "key=value" lines.
QStringList savedValues(RYXObject *root)
{
    QStringList values;
    const QString xml = VELXmlWriter::toXml(*root);
    for (const QString &line : xml.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("<VALUE")))
            values.append(line.trimmed());
    }
    return values;
}

} // namespace

class tst_CustomCurvePlugin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerPluginHost(); }

    void validation_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<Curve>("curve");
        QTest::addColumn<bool>("countValid");
        QTest::addColumn<int>("brokenPoint"); // 0: the X values rise as they must
        QTest::addColumn<QString>("rangeHigh");
        QTest::newRow("steps of exactly 0.05") << "3" << withX({0.0, 0.05, 0.1}) << true << 0 << "30.000000";
        QTest::newRow("a step of 0.04") << "2" << withX({0.0, 0.04}) << true << 2 << "20.000000";
        QTest::newRow("a step short by the tolerance") << "2" << withX({0.0, 0.0499}) << true << 0 << "20.000000";
        QTest::newRow("a step short by more") << "2" << withX({0.0, 0.0498}) << true << 2 << "20.000000";
        QTest::newRow("equal X") << "3" << withX({1.0, 1.0, 2.0}) << true << 2 << "30.000000";
        QTest::newRow("falling at point 3") << "4" << withX({0.0, 1.0, 0.5, 2.0}) << true << 3 << "40.000000";
        QTest::newRow("points beyond the count are not checked")
            << "2" << withX({0.0, 1.0, -5.0}) << true << 0 << "20.000000";
        QTest::newRow("one point: no X check, range high kept")
            << "1" << withX({5.0, 0.0}) << false << 0 << "99.000000";
        QTest::newRow("no points") << "0" << Curve() << false << 0 << "99.000000";
        QTest::newRow("a count read as a float, truncated") << "2.9" << withX({0.0, 1.0, 0.5}) << true << 0
                                                            << "20.000000";
        QTest::newRow("128 points") << "128" << rising(128) << true << 0 << "1280.000000";
        QTest::newRow("129 points") << "129" << rising(128) << false << 0 << "99.000000";
    }

    void validation()
    {
        QFETCH(QString, count);
        QFETCH(Curve, curve);
        QFETCH(bool, countValid);
        QFETCH(int, brokenPoint);
        QFETCH(QString, rangeHigh);
        PluginHostChannel channel(RYXTrimObjectPlugin::AnalogInput);
        channel.setValue(QStringLiteral("customcurverangehigh"), QStringLiteral("99.000000"));
        setCurve(channel, count, curve);
        channel.curve->updateDialog();
        const bool valid = countValid && brokenPoint == 0;
        QCOMPARE(channel.getBool("ccurvenumpointsisvalid"), countValid);
        QCOMPARE(channel.getBool("ccurveisvalid"), valid);
        QCOMPARE(bool(channel.curve->getStatusFlags() & RYXObject::ConfigError), !valid);
        QCOMPARE(channel.curve->firstNonRisingPoint(), brokenPoint);
        QCOMPARE(channel.getString("ccurveerrormessage"),
                 brokenPoint ? QStringLiteral("X Data must be strictly increasing with a minimim span of 0.050, "
                                              "linearization point # %1 is not.")
                                   .arg(brokenPoint)
                             : QString());
        QCOMPARE(channel.getString("customcurverangelow"), channel.getString("customcurve_y_value1"));
        QCOMPARE(channel.getString("customcurverangehigh"), rangeHigh);
    }

    // An edit in the table is stored, and the plot follows it; an X that
    // does not rise is named under the table and marked in the plot.
    void tableEditsReachThePlot()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, "4", withX({0.0, 1.0, 2.0, 3.0}));
        CustomCurvePluginDialog dialog(channel.curve);
        dialog.resize(720, 420);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableWidget *>("CurveTable");
        auto *chart = dialog.findChild<CustomCurveChart *>("CurveChart");
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->item(3, 1)->text(), QString("40.0000"));
        QCOMPARE(chart->curveSeries()->count(), 4);

        editCell(table, 1, 1, "7.5");
        QCOMPARE(channel.getString("customcurve_y_value2"), QString("7.500000"));
        QCOMPARE(chart->curveSeries()->at(1), QPointF(1.0, 7.5));
        QCOMPARE(chart->markSeries()->count(), 0);

        editCell(table, 2, 0, "0.98");
        QCOMPARE(channel.getString("customcurve_x_value3"), QString("0.980000"));
        QCOMPARE(chart->markSeries()->count(), 1);
        QCOMPARE(chart->markSeries()->at(0), QPointF(0.98, 30.0));
        QVERIFY(dialog.findChild<QLabel *>("ErrorMessageLabel")->text().endsWith("point # 3 is not."));
        QVERIFY(channel.curve->getStatusFlags() & RYXObject::ConfigError);
        support::saveScreenshot(&dialog, QStringLiteral("custom_curve_point_3_not_rising.png"));

        editCell(table, 2, 0, "abc"); // not a number: stored as 0, still not rising
        QCOMPARE(channel.getString("customcurve_x_value3"), QString("0.000000"));
        QCOMPARE(chart->markSeries()->at(0), QPointF(0.0, 30.0));
        editCell(table, 2, 0, "2.5");
        QCOMPARE(chart->markSeries()->count(), 0);
        QVERIFY(dialog.findChild<QLabel *>("ErrorMessageLabel")->text().isEmpty());
        QVERIFY(!(channel.curve->getStatusFlags() & RYXObject::ConfigError));
    }

    void pointCountSetsTheRows()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setCurve(channel, "2", rising(5));
        CustomCurvePluginDialog dialog(channel.curve);
        dialog.show();
        auto *table = dialog.findChild<QTableWidget *>("CurveTable");
        auto *chart = dialog.findChild<CustomCurveChart *>("CurveChart");
        typeText(dialog.findChild<RYXLineEdit *>("customcurvenumpts"), "5");
        QCOMPARE(channel.getString("customcurvenumpts"), QString("5"));
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(chart->curveSeries()->count(), 5);
        typeText(dialog.findChild<RYXLineEdit *>("customcurvenumpts"), "1");
        QCOMPARE(table->rowCount(), 1);
        auto *label = dialog.findChild<QLabel *>("NumPointsLabel");
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void transfersGoToTheChannel_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("channelOperation");
        QTest::newRow("upload") << "upload" << "uploadcurve";
        QTest::newRow("download") << "download" << "downloadcurve";
    }

    void transfersGoToTheChannel()
    {
        QFETCH(QString, operation);
        QFETCH(QString, channelOperation);
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        channel.operationResult = 2;
        QCOMPARE(channel.curve->executeOperation(operation), 2);
        QCOMPARE(channel.operations, QStringList({channelOperation}));
    }

    void contextMenuOffersImportAndExport()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        channel.curve->initialize(nullptr);
        QStringList names;
        for (QAction *action : channel.curve->getPopupMenu()->actions())
            names.append(action->objectName());
        QCOMPARE(names.mid(names.size() - 2), QStringList({"import", "export"}));
        QAction *import = channel.curve->getPopupMenu()->actions().at(names.size() - 2);
        QCOMPARE(import->shortcut(), QKeySequence(QStringLiteral("Ctrl+I")));
        QCOMPARE(import->toolTip(), QString("Import CSV..."));
    }

    // Both plug-ins of a channel, saved and opened again, keep every value
    // byte for byte: the channel's element carries them, the plug-ins'
    // elements repeat them, and opening fills the plug-ins the channel
    // creates itself.
    void saveAndOpen()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        int n = 0;
        for (const QString &key : channel.getDatabase()->allPoints().keys()) {
            DataPoint point;
            channel.getDatabase()->GetDataPoint(key, point);
            if (point.hasAttribute(DataPoint::NotSaved))
                continue;
            ++n;
            channel.setValue(key, QString::asprintf("%d.%06d", n, n * 7919 % 1000000));
        }
        channel.setValue(QStringLiteral("trimenable"), QStringLiteral("true"));
        // The derived points follow the values, as after any refresh.
        channel.trim->updateDialog();
        channel.curve->updateDialog();
        const QString written = VELXmlWriter::toXml(channel);
        QVERIFY(written.contains(QLatin1String("<TRIMPLUGIN>")));
        QVERIFY(written.contains(QLatin1String("<CCURVEPLUGIN>")));

        VELXmlHandler handler;
        QVERIFY2(handler.parse(written), qPrintable(handler.errorString()));
        const std::unique_ptr<RYXObject> read(handler.takeFirstObject());
        auto *opened = dynamic_cast<PluginHostChannel *>(read.get());
        QVERIFY(opened);
        QCOMPARE(VELXmlWriter::toXml(*opened), written);
        QCOMPARE(savedValues(opened->trim), savedValues(channel.trim));
        QCOMPARE(savedValues(opened->curve), savedValues(channel.curve));
        QCOMPARE(opened->curve->getString("customcurve_y_value128"), channel.getString("customcurve_y_value128"));

        // Paste and an object's Open copy what was read into the tree in place.
        PluginHostChannel target(RYXTrimObjectPlugin::TemperatureInput);
        QVERIFY(target.copyDataFrom(opened));
        QCOMPARE(VELXmlWriter::toXml(target), written);
    }
};

QTEST_MAIN(tst_CustomCurvePlugin)
#include "tst_customcurveplugin.moc"
