// The Ethernet station's plug-ins and their dialogs, driven through their
// real widgets.
#include "dialogs/RYXLineEdit.h"
#include "plugins/EIMConfigurationDialog.h"
#include "plugins/EIMConfigurationObjectPlugin.h"
#include "plugins/XIMInternalsDialog.h"
#include "plugins/XIMInternalsObjectPlugin.h"
#include "plugins/XIMProcessDialog.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"
#include "support/FormControl.h"
#include "support/TypeText.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTableWidget>

#include <memory>

namespace {

bool isRed(QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
}

} // namespace

class tst_EIMPlugins : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validation_data()
    {
        QTest::addColumn<QString>("descriptor");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("descriptorValid");
        QTest::addColumn<bool>("locationValid");
        QTest::newRow("empty") << "" << "" << true << true;
        QTest::newRow("underscore first") << "_T1" << "" << true << true;
        QTest::newRow("digit first") << "1Tank" << "" << false << true;
        QTest::newRow("hyphen") << "Tank-1" << "" << false << true;
        QTest::newRow("11 characters fill the field") << QString(11, 'A') << "" << true << true;
        QTest::newRow("31-character location") << "T" << QString(31, 'x') << true << true;
        // The device field holds Latin-1 only: nothing may arrive as "?".
        QTest::newRow("location of 16 CJK characters") << "T" << QString(16, QChar(0x6C34)) << true << false;
        QTest::newRow("Latin-1 location") << "T" << QString::fromUtf8("Z\xC3\xBCrich") << true << true;
    }

    // The station name and location typed into the dialog are stored; they must
    // fit the station's fields with their terminating zero, anything else is
    // red and marks the configuration bad before a download is tried.
    void validation()
    {
        QFETCH(QString, descriptor);
        QFETCH(QString, location);
        QFETCH(bool, descriptorValid);
        QFETCH(bool, locationValid);
        EIModuleObject station;
        EIMConfigurationObjectPlugin *plugin = station.configurationPluginObject();
        EIMConfigurationDialog dialog(plugin);
        dialog.show();
        typeText(control<RYXLineEdit>(&dialog, "DescriptorEdit"), descriptor);
        typeText(control<RYXLineEdit>(&dialog, "serverLocationEdit"), location);
        QCOMPARE(station.getString("descriptor"), descriptor);
        QCOMPARE(station.getString("serverlocation"), location);
        QCOMPARE(isRed(control<QLabel>(&dialog, "descriptorLabel")), !descriptorValid);
        QCOMPARE(isRed(control<QLabel>(&dialog, "serverLocationLabel")), !locationValid);
        const bool valid = descriptorValid && locationValid;
        QCOMPARE(station.getBool("ximconfigisvalid"), valid);
        QCOMPARE(bool(plugin->getStatusFlags() & RYXObject::ConfigError), !valid);
        station.updateDialog();
        QCOMPARE(bool(station.getStatusFlags() & RYXObject::ConfigError), !valid);
    }

    // The fields take no more than the station's fields hold: a 12th
    // character of the name and a 32nd of the location are refused as typed.
    void typingStopsAtTheDeviceField()
    {
        EIModuleObject station;
        EIMConfigurationDialog dialog(station.configurationPluginObject());
        dialog.show();
        auto *name = control<RYXLineEdit>(&dialog, "DescriptorEdit");
        auto *location = control<RYXLineEdit>(&dialog, "serverLocationEdit");
        QCOMPARE(name->maxLength(), 11);
        QCOMPARE(location->maxLength(), 31);
        typeText(name, QString(12, 'A'));
        typeText(location, QString(32, 'x'));
        QCOMPARE(station.getString("descriptor"), QString(11, 'A'));
        QCOMPARE(station.getString("serverlocation"), QString(31, 'x'));
    }

    void invalidFieldsExplainThemselves_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // as a file or a paste brings it
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("saying"); // in the tool tips of the label and the edit
        QTest::addColumn<int>("maxLength");
        const QString nameRule = "Allowed: letters, digits and \"_\" only, not beginning with a digit; at most 11 characters.";
        QTest::newRow("good name") << "descriptor" << "Tank_1" << "descriptorLabel" << "DescriptorEdit" << true
                                   << QStringList{nameRule} << 11;
        QTest::newRow("name breaking the rule")
            << "descriptor" << "1Tank" << "descriptorLabel" << "DescriptorEdit" << false
            << QStringList{"Not valid. " + nameRule} << 11;
        // Shown whole, so that nothing of it is lost before it is mended.
        QTest::newRow("name longer than the field")
            << "descriptor" << QString(14, 'A') << "descriptorLabel" << "DescriptorEdit" << false
            << QStringList{"Not valid. " + nameRule,
                           "The device cannot take it: point \"descriptor\": the value \"AAAAAAAAAAAAAA\" is longer "
                           "than the 11 characters the device field holds."}
            << 14;
        QTest::newRow("location longer than the field")
            << "serverlocation" << QString(32, 'x') << "serverLocationLabel" << "serverLocationEdit" << false
            << QStringList{"Not valid. Allowed: at most 31 characters."} << 32;
        QTest::newRow("location the field cannot store")
            << "serverlocation" << QString(3, QChar(0x6C34)) << "serverLocationLabel" << "serverLocationEdit"
            << false << QStringList{"Not valid.", "holds characters the device cannot store"} << 31;
    }

    // Whatever colours a field red says why in its tool tip, after the tool
    // tip of its form, and says nothing of it once the value is mended.
    void invalidFieldsExplainThemselves()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, label);
        QFETCH(QString, edit);
        QFETCH(bool, valid);
        QFETCH(QStringList, saying);
        QFETCH(int, maxLength);
        EIModuleObject station;
        station.setValue(key, value);
        EIMConfigurationDialog dialog(station.configurationPluginObject());
        dialog.show();
        QLabel *labelWidget = control<QLabel>(&dialog, qPrintable(label));
        RYXLineEdit *editWidget = control<RYXLineEdit>(&dialog, qPrintable(edit));
        QCOMPARE(isRed(labelWidget), !valid);
        QCOMPARE(editWidget->palette().color(QPalette::Text) == QColor(255, 0, 0), !valid);
        QCOMPARE(editWidget->text(), value);
        QCOMPARE(editWidget->maxLength(), maxLength);
        for (const QString &words : saying) {
            QVERIFY2(labelWidget->toolTip().contains(words), qPrintable(labelWidget->toolTip()));
            QVERIFY2(editWidget->toolTip().contains(words), qPrintable(editWidget->toolTip()));
        }
        if (edit == QLatin1String("DescriptorEdit"))
            QVERIFY(editWidget->toolTip().startsWith("Specifies the Device's Descriptor.  This is also the Server Name"));

        typeText(editWidget, "Tank_2");
        QVERIFY(!isRed(labelWidget));
        QVERIFY(!editWidget->toolTip().contains("Not valid."));
        QVERIFY(!labelWidget->toolTip().contains("Not valid."));
    }

    // Firmware and serial number show only while online; the word order follows
    // the radio buttons both ways.
    void configurationDialog()
    {
        EIModuleObject station;
        station.setValue("synch_fwversion", "260");
        station.setValue("synch_serialnumber", "100234");
        EIMConfigurationDialog dialog(station.configurationPluginObject());
        QCOMPARE(control<RYXLineEdit>(&dialog, "DescriptorEdit")->text(), QStringLiteral("EIM"));
        auto *version = control<QLineEdit>(&dialog, "versionEdit");
        QCOMPARE(control<QLineEdit>(&dialog, "serialNumberEdit")->text(), QString());
        station.setOnline(true);
        dialog.requestUpdate();
        QCOMPARE(version->text(), QStringLiteral("1.04"));
        QCOMPARE(control<QLineEdit>(&dialog, "serialNumberEdit")->text(), QStringLiteral("100234"));
        station.setOnline(false);
        dialog.requestUpdate();
        QCOMPARE(version->text(), QString());

        control<QRadioButton>(&dialog, "MSWRadioButton")->click();
        QCOMPARE(station.getString("floatorder"), QStringLiteral("1"));
        station.setValue("floatorder", "0");
        dialog.requestUpdate();
        QVERIFY(control<QRadioButton>(&dialog, "LSWRadioButton")->isChecked());
    }

    // Selecting another station's configuration keeps the dialog on screen and
    // shows that station's values; a dialog of another class is not reused.
    void dialogIsReusedForAnotherStation()
    {
        EIModuleObject first;
        EIModuleObject second;
        second.setValue("descriptor", "Second");
        bool reused = true;
        std::unique_ptr<QWidget> dialog(first.configurationPluginObject()->createDialog(nullptr, nullptr, &reused));
        QVERIFY(!reused);
        QCOMPARE(second.configurationPluginObject()->createDialog(nullptr, dialog.get(), &reused), nullptr);
        QVERIFY(reused);
        auto *edit = control<RYXLineEdit>(dialog.get(), "DescriptorEdit");
        QCOMPARE(edit->text(), QStringLiteral("Second"));
        typeText(edit, QStringLiteral("Edited"));
        QCOMPARE(second.getString("descriptor"), QStringLiteral("Edited"));
        QCOMPARE(first.getString("descriptor"), QStringLiteral("EIM"));
        std::unique_ptr<QWidget> process(first.processPlugin()->createDialog(nullptr, dialog.get(), &reused));
        QVERIFY(!reused);
        QVERIFY(qobject_cast<XIMProcessDialog *>(process.get()));
    }

    void processDialog()
    {
        EIModuleObject station;
        XIMProcessObjectPlugin *plugin = station.processPlugin();
        std::unique_ptr<QWidget> shown(plugin->createDialog(nullptr, nullptr, nullptr));
        auto &dialog = *qobject_cast<XIMProcessDialog *>(shown.get());
        auto *monitor = control<QCheckBox>(&dialog, "MonitorCheckBox");
        auto *frequency = control<QComboBox>(&dialog, "updateFreqComboBox");
        // Offline: no monitoring, nothing to change.
        monitor->setChecked(true);
        dialog.requestUpdate();
        QVERIFY(!monitor->isChecked());
        QVERIFY(!monitor->isEnabled());
        QVERIFY(!frequency->isEnabled());

        station.setOnline(true);
        dialog.requestUpdate();
        QTest::mouseClick(monitor, Qt::LeftButton);
        QVERIFY(station.isMonitoring());
        QTest::mouseClick(monitor, Qt::LeftButton);
        QVERIFY(!station.isMonitoring());

        frequency->setCurrentIndex(3);
        emit frequency->activated(3);
        QCOMPARE(station.getString("updatefreq"), QStringLiteral("15"));

        station.setValue("monitorisidle", false);
        station.setValue("monitormessage", "REFRESHING DATA");
        dialog.requestUpdate();
        QCOMPARE(control<QLabel>(&dialog, "statusText")->text(), QStringLiteral("REFRESHING DATA"));
        QVERIFY(isRed(control<QLabel>(&dialog, "statusText")));

        // The plug-in's LED tells whether the shown data are current.
        QCOMPARE(plugin->getStatusPixmapName(plugin->getStatusFlags()), QStringLiteral("SmallYellowLED"));
        plugin->setDataCurrent(true);
        QVERIFY(plugin->getExtraPropertiesHtml().contains("PROCESS DATA CURRENT"));
        QCOMPARE(plugin->getStatusPixmapName(plugin->getStatusFlags()), QStringLiteral("SmallGreenLED"));
        station.setOnline(false);
        QVERIFY(plugin->getExtraPropertiesHtml().contains("PROCESS DATA STALE"));
    }

    // While the monitor holds the list the table keeps what it shows.
    void lockedListKeepsTable()
    {
        EIModuleObject station;
        XIMProcessObjectPlugin *plugin = station.processPlugin();
        XIMProcessDialog dialog(plugin);
        QTableWidget *table = control<QTableWidget>(&dialog, "PVTable");
        plugin->setProcessValues({{"TinyGreenLED", "Interface Module Status", "0x0000", "TinyGreenLED", "OK"},
                                  {"TinyGreenLED", "Station Clock", "2026-01-01", "", ""}});
        dialog.requestUpdate();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("0x0000"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("OK"));

        plugin->listMutex()->lock();
        plugin->processValues() = {{"", "Other", "1", "", ""}};
        dialog.requestUpdate();
        QCOMPARE(table->rowCount(), 2);
        plugin->listMutex()->unlock();
        dialog.requestUpdate();
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Other"));
    }

    void internalsDialog()
    {
        EIModuleObject station;
        XIMInternalsObjectPlugin *plugin = station.internalsPlugin();
        std::unique_ptr<QWidget> shown(plugin->createDialog(nullptr, nullptr, nullptr));
        auto &dialog = *qobject_cast<XIMInternalsDialog *>(shown.get());
        control<QRadioButton>(&dialog, "DisableScanRadioButton")->click();
        QCOMPARE(station.getString("disablescan"), QStringLiteral("1"));
        typeText(control<RYXLineEdit>(&dialog, "ScanLineControlEdit"), QStringLiteral("7"));
        QCOMPARE(station.getString("scanlinecontrol"), QStringLiteral("7"));

        // Each button asks for its own device operation.
        QSignalSpy get(plugin, &XIMInternalsObjectPlugin::GetScanModeButtonClickedSignal);
        QSignalSpy set(plugin, &XIMInternalsObjectPlugin::SetScanModeButtonClickedSignal);
        QSignalSpy lines(plugin, &XIMInternalsObjectPlugin::SetScanLinesButtonClickedSignal);
        const char *buttons[] = {"GetScanModeButton", "SetScanModeButton", "SetScanLinesButton"};
        for (int i = 0; i < 3; ++i) {
            for (int n = 0; n <= i; ++n)
                QTest::mouseClick(control<QPushButton>(&dialog, buttons[i]), Qt::LeftButton);
        }
        QCOMPARE((QList<qsizetype>{get.size(), set.size(), lines.size()}), (QList<qsizetype>{1, 2, 3}));
    }
};

QTEST_MAIN(tst_EIMPlugins)
#include "tst_eimplugins.moc"
