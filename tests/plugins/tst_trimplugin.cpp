// The trim plug-in on a channel that holds its points: the validation
// against the channel's trim range, its dialog driven through its widgets,
// the dialog taken over by another channel's plug-in, and what it hands to
// the channel.
#include "dialogs/RYXLineEdit.h"
#include "plugins/TrimPluginDialog.h"

#include "plugins/PluginHostChannel.h"
#include "support/Screenshot.h"
#include "support/FormControl.h"
#include "support/TypeText.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <memory>

namespace {

// "1" for each true, "0" for each false, in order.
QString bits(std::initializer_list<bool> flags)
{
    QString text;
    for (bool flag : flags)
        text += flag ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

bool isRed(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

// The channel's trim settings and range, as the channel's dialog leaves them.
void setTrim(RYXObject *channel, int points, const QString &zero, const QString &full)
{
    channel->setValue(QStringLiteral("trimenable"), points > 0);
    channel->setValue(QStringLiteral("numtrimpts"), points);
    channel->setValue(QStringLiteral("trimpointz"), zero);
    channel->setValue(QStringLiteral("trimpointf"), full);
}

void setRange(RYXObject *channel, const QString &zero, const QString &full)
{
    channel->setValue(QStringLiteral("trimrangez"), zero);
    channel->setValue(QStringLiteral("trimrangef"), full);
}

} // namespace

class tst_TrimPlugin : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validation_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("pointZero");
        QTest::addColumn<QString>("pointFull");
        QTest::addColumn<QString>("captureZero");
        QTest::addColumn<QString>("captureFull");
        // tzisvalid, tfisvalid, tcapzisvalid (= tcapfisvalid), trimisvalid
        QTest::addColumn<QString>("expected");
        // The trim range is 0.0 to 25.0 in every row.
        QTest::newRow("one point at the lower limit") << 1 << "0.0" << "0.0" << "0.0" << "0.0" << "1111";
        QTest::newRow("one point at the upper limit") << 1 << "25.0" << "0.0" << "0.0" << "0.0" << "1111";
        QTest::newRow("one point below the range") << 1 << "-0.001" << "0.0" << "0.0" << "0.0" << "0110";
        QTest::newRow("one point above the range") << 1 << "25.001" << "0.0" << "0.0" << "0.0" << "0110";
        QTest::newRow("one point ignores the upper point and captures")
            << 1 << "4.0" << "-100.0" << "9.0" << "9.0" << "1111";
        QTest::newRow("two points 4.0 and 20.0") << 2 << "4.0" << "20.0" << "4.0" << "20.0" << "1111";
        QTest::newRow("two points less than 1.0 apart") << 2 << "4.0" << "4.5" << "4.0" << "20.0" << "0010";
        QTest::newRow("two points in reverse") << 2 << "20.0" << "4.0" << "4.0" << "20.0" << "0010";
        // As typed, 3.1 and 4.1 are exactly 1.0 apart, whatever binary
        // fractions make of their difference.
        QTest::newRow("two points exactly 1.0 apart") << 2 << "3.1" << "4.1" << "3.1" << "4.1" << "1111";
        QTest::newRow("captures less than 1.0 apart") << 2 << "4.0" << "20.0" << "4.0" << "4.9" << "1100";
        QTest::newRow("upper point above the range") << 2 << "4.0" << "25.5" << "4.0" << "20.0" << "1010";
        QTest::newRow("upper point below the range") << 2 << "-5.0" << "-1.0" << "4.0" << "20.0" << "0010";
    }

    void validation()
    {
        QFETCH(int, points);
        QFETCH(QString, pointZero);
        QFETCH(QString, pointFull);
        QFETCH(QString, captureZero);
        QFETCH(QString, captureFull);
        QFETCH(QString, expected);
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setRange(&channel, "0.0", "25.0");
        setTrim(&channel, points, pointZero, pointFull);
        channel.setValue(QStringLiteral("trimcapturez"), captureZero);
        channel.setValue(QStringLiteral("trimcapturef"), captureFull);
        channel.trim->updateDialog();
        QCOMPARE(bits({channel.getBool("tzisvalid"), channel.getBool("tfisvalid"), channel.getBool("tcapzisvalid"),
                       channel.getBool("trimisvalid")}),
                 expected);
        QCOMPARE(channel.getBool("tcapfisvalid"), channel.getBool("tcapzisvalid"));
        QCOMPARE(bool(channel.trim->getStatusFlags() & RYXObject::ConfigError), expected.endsWith('0'));
    }

    void controls_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("online");
        // check box, one point, two points, lower edit, upper edit, lower button, upper button
        QTest::addColumn<QString>("expected");
        QTest::newRow("off") << 0 << true << "0000000";
        QTest::newRow("one point online") << 1 << true << "1101010";
        QTest::newRow("two points online") << 2 << true << "1011111";
        QTest::newRow("two points offline") << 2 << false << "1011100";
        QTest::newRow("one point offline") << 1 << false << "1101000";
    }

    void controls()
    {
        QFETCH(int, points);
        QFETCH(bool, online);
        QFETCH(QString, expected);
        PluginHostChannel channel(RYXTrimObjectPlugin::AnalogInput);
        setTrim(&channel, points, "4.0", "20.0");
        channel.setOnline(online);
        TrimPluginDialog dialog(channel.trim);
        const QString shown = bits({control<QCheckBox>(&dialog, "TrimmingCheckBox")->isChecked(),
                                    control<QRadioButton>(&dialog, "OnePointRadioButton")->isChecked(),
                                    control<QRadioButton>(&dialog, "TwoPointRadioButton")->isChecked(),
                                    control<RYXLineEdit>(&dialog, "TrimPointZeroEdit")->isEnabled(),
                                    control<RYXLineEdit>(&dialog, "TrimPointFullEdit")->isEnabled(),
                                    control<QPushButton>(&dialog, "TrimLowerButton")->isEnabled(),
                                    control<QPushButton>(&dialog, "TrimUpperButton")->isEnabled()});
        QCOMPARE(shown, expected);
    }

    // The user switches trimming on, chooses two points, types them, then
    // goes back to one point: the upper point is no longer checked.
    void editing()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        setRange(&channel, "0.0", "25.0");
        TrimPluginDialog dialog(channel.trim);
        dialog.show();
        QTest::mouseClick(control<QCheckBox>(&dialog, "TrimmingCheckBox"), Qt::LeftButton);
        QCOMPARE(channel.getString("trimenable"), QString("true"));
        QCOMPARE(channel.getInt("numtrimpts"), 1);
        QVERIFY(control<QRadioButton>(&dialog, "OnePointRadioButton")->isChecked());
        QTest::mouseClick(control<QRadioButton>(&dialog, "TwoPointRadioButton"), Qt::LeftButton);
        QCOMPARE(channel.getInt("numtrimpts"), 2);
        typeText(control<RYXLineEdit>(&dialog, "TrimPointZeroEdit"), "4");
        typeText(control<RYXLineEdit>(&dialog, "TrimPointFullEdit"), "4.5");
        QCOMPARE(channel.getString("trimpointz"), QString("4.000000"));
        QCOMPARE(channel.getString("trimpointf"), QString("4.500000"));
        QVERIFY(isRed(control<QLabel>(&dialog, "TrimPointZeroLabel")));
        QVERIFY(isRed(control<QLabel>(&dialog, "TrimPointFullLabel")));
        QVERIFY(channel.trim->getStatusFlags() & RYXObject::ConfigError);
        support::saveScreenshot(&dialog, QStringLiteral("trim_plugin_two_points_invalid.png"));

        QTest::mouseClick(control<QRadioButton>(&dialog, "OnePointRadioButton"), Qt::LeftButton);
        QCOMPARE(channel.getInt("numtrimpts"), 1);
        QVERIFY(!control<RYXLineEdit>(&dialog, "TrimPointFullEdit")->isEnabled());
        QVERIFY(!control<QRadioButton>(&dialog, "TwoPointRadioButton")->isChecked());
        QVERIFY(!isRed(control<QLabel>(&dialog, "TrimPointZeroLabel")));
        QVERIFY(!isRed(control<QLabel>(&dialog, "TrimPointFullLabel")));
        QVERIFY(!(channel.trim->getStatusFlags() & RYXObject::ConfigError));

        QTest::mouseClick(control<QCheckBox>(&dialog, "TrimmingCheckBox"), Qt::LeftButton);
        QCOMPARE(channel.getString("trimenable"), QString("false"));
        QCOMPARE(channel.getInt("numtrimpts"), 0);
        QVERIFY(!control<QRadioButton>(&dialog, "OnePointRadioButton")->isChecked());
        QVERIFY(!control<RYXLineEdit>(&dialog, "TrimPointZeroEdit")->isEnabled());
    }

    // The captures are the channel's to make.
    void trimButtonsReachTheChannel()
    {
        PluginHostChannel channel(RYXTrimObjectPlugin::AnalogOutput);
        setTrim(&channel, 2, "4.0", "20.0");
        channel.setOnline(true);
        TrimPluginDialog dialog(channel.trim);
        dialog.show();
        QTest::mouseClick(control<QPushButton>(&dialog, "TrimLowerButton"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(&dialog, "TrimUpperButton"), Qt::LeftButton);
        QCOMPARE(channel.trimClicks, QList<bool>({false, true}));
        support::saveScreenshot(&dialog, QStringLiteral("trim_plugin_output_online.png"));
    }

    void dialogTakenOverByAnotherChannel_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("lowerButtonTip");
        QTest::addColumn<QString>("helpPage");
        QTest::newRow("analog output") << int(RYXTrimObjectPlugin::AnalogOutput)
                                       << "Displays and allows modification of the Lower Trim Capture by "
                                          "controlling the actual output"
                                       << "popuphelp/popuphelp_aotrim.html";
        QTest::newRow("temperature input") << int(RYXTrimObjectPlugin::TemperatureInput)
                                           << "Allows modification of the Lower Trim Capture by capturing the "
                                              "actual input"
                                           << "popuphelp/popuphelp_titrim.html";
        QTest::newRow("analog input") << int(RYXTrimObjectPlugin::AnalogInput)
                                      << "Allows modification of the Lower Trim Capture by capturing the "
                                         "actual input"
                                      << "popuphelp/popuphelp_titrim.html";
    }

    // Selecting the trim plug-in of another channel while a trim dialog is
    // shown re-targets that dialog, with the other channel's texts.
    void dialogTakenOverByAnotherChannel()
    {
        QFETCH(int, kind);
        QFETCH(QString, lowerButtonTip);
        QFETCH(QString, helpPage);
        const int firstKind = kind == RYXTrimObjectPlugin::AnalogOutput ? int(RYXTrimObjectPlugin::AnalogInput)
                                                                        : int(RYXTrimObjectPlugin::AnalogOutput);
        PluginHostChannel first(firstKind);
        PluginHostChannel second(kind);
        setTrim(&second, 2, "4.0", "20.0");
        bool reused = true;
        std::unique_ptr<QWidget> shown(first.trim->createDialog(nullptr, nullptr, &reused));
        QVERIFY(!reused);
        QCOMPARE(shown->objectName(), QString("PropDialog"));
        QVERIFY(!second.trim->createDialog(nullptr, shown.get(), &reused));
        QVERIFY(reused);
        auto *dialog = qobject_cast<TrimPluginDialog *>(shown.get());
        QCOMPARE(dialog->object(), second.trim);
        QVERIFY(!dialog->isRefreshing());
        QVERIFY(control<QRadioButton>(dialog, "TwoPointRadioButton")->isChecked());
        QCOMPARE(control<QPushButton>(dialog, "TrimLowerButton")->toolTip(), lowerButtonTip);
        QCOMPARE(dialog->helpPages().mid(dialog->helpPages().size() - 2),
                 QStringList({helpPage, "popuphelp/popuphelp_common.html"}));
    }

    void transfersGoToTheChannel_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("channelOperation");
        QTest::newRow("upload") << "upload" << "uploadtrim";
        QTest::newRow("download") << "download" << "downloadtrim";
    }

    void transfersGoToTheChannel()
    {
        QFETCH(QString, operation);
        QFETCH(QString, channelOperation);
        PluginHostChannel channel(RYXTrimObjectPlugin::TemperatureInput);
        channel.operationResult = 7;
        QCOMPARE(channel.trim->executeOperation(operation), 7);
        QCOMPARE(channel.operations, QStringList({channelOperation}));
        QCOMPARE(channel.trim->executeOperation(QStringLiteral("capture")), 0);
        QCOMPARE(channel.operations.size(), 1);
    }
};

QTEST_MAIN(tst_TrimPlugin)
#include "tst_trimplugin.moc"
