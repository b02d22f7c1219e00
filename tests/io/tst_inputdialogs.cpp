// The input channel and module dialogs in the real main window, driven as
// the user does: radio buttons and line edits store their points, values
// show with four decimals, broken rules turn fields red with the rule in
// their tool tip, and a module's channel button selects the channel.
#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXScrollView.h"
#include "dialogs/RYXLineEdit.h"
#include "io/AIChannelDialog.h"
#include "io/AIModuleObject.h"
#include "io/TIChannelDialog.h"
#include "io/TIModuleDialog.h"
#include "io/TIModuleObject.h"
#include "model/RYXListViewItem.h"

#include "support/FormControl.h"
#include "support/StationWindow.h"

#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <memory>

class tst_InputDialogs : public QObject
{
    Q_OBJECT

    support::StationWindow m_pane;

    template<typename T>
    T *addModule() { return m_pane.addModule<T>(); }
    QWidget *select(RYXObject *object) { return m_pane.select(object); }
    void click(QWidget *widget) { m_pane.click(widget); }
    static void commit(RYXLineEdit *edit, const QString &text) { support::StationWindow::commit(edit, text); }

    template<typename Control>
    static Control *control(QWidget *dialog, const char *name)
    {
        return dialog->findChild<Control *>(QLatin1String(name));
    }

    static void screenshot(QWidget *dialog, const QString &name)
    {
        QDir().mkpath(RYX_SCREENSHOT_DIR);
        QVERIFY(dialog->grab().save(RYX_SCREENSHOT_DIR "/" + name));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pane.open(1100, 900)); }

    void cleanupTestCase() { m_pane.close(); }

    void currentIsStored()
    {
        auto *module = addModule<AIModuleObject>();
        QVERIFY(module);
        RYXObject *channel = module->childAt(1);
        channel->setValue(QStringLiteral("inputtype"), QStringLiteral("Volts"));
        auto *dialog = qobject_cast<AIChannelDialog *>(select(channel));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Analog Input Channel"));
        // Two radio buttons share the key; the one that stands for "Current".
        const QList<QRadioButton *> radios = dialog->findChildren<QRadioButton *>(QStringLiteral("inputtype"));
        QCOMPARE(radios.size(), 2);
        QRadioButton *currentButton = radios[0]->text() == QLatin1String("Current") ? radios[0] : radios[1];
        click(currentButton);
        QCOMPARE(channel->getString(QStringLiteral("inputtype")), QStringLiteral("Current"));
        // The limits follow the input type.
        QTRY_VERIFY(dialog->findChild<QLabel *>(QStringLiteral("limitsLabel"))->text().contains(QLatin1String("0.00 to 25.00")));
        screenshot(dialog, QStringLiteral("aichannel-dialog.png"));
    }

    void fourDecimals()
    {
        auto *module = addModule<TIModuleObject>();
        QVERIFY(module);
        RYXObject *channel = module->childAt(0);
        auto *dialog = qobject_cast<TIChannelDialog *>(select(channel));
        QVERIFY(dialog);
        auto *zero = control<RYXLineEdit>(dialog, "inputzero");
        QVERIFY(zero);
        commit(zero, QStringLiteral("4"));
        QCOMPARE(channel->getString(QStringLiteral("inputzero")), QStringLiteral("4.000000"));
        QCOMPARE(zero->text(), QStringLiteral("4.0000"));
        // The sensor's own controls: an RTD shows its tables, the defaults the degF limits.
        QCOMPARE(control<QComboBox>(dialog, "cbInputType")->currentText(), QStringLiteral("RTD"));
        QCOMPARE(control<QComboBox>(dialog, "cbInputResistance")->currentText(), QStringLiteral("100 Ohms"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("limitsLabel"))->text(),
                 QStringLiteral("Limits: -400.00 to 1760.00"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("minSpanLabel"))->text(),
                 QStringLiteral("Minimum Span: 18.00"));
        screenshot(dialog, QStringLiteral("tichannel-dialog.png"));
    }

    void badTagTurnsRed_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("valid");
        QTest::newRow("starts with a digit") << "1Flow" << false;
        QTest::newRow("holds a space") << "Flow 1" << false;
        QTest::newRow("letters, digits, underscore") << "Flow_1" << true;
    }

    void badTagTurnsRed()
    {
        QFETCH(QString, tag);
        QFETCH(bool, valid);
        auto *module = qobject_cast<TIModuleObject *>(m_pane.station->getChildren().last());
        QVERIFY(module);
        RYXObject *channel = module->childAt(2);
        QWidget *dialog = select(channel);
        auto *edit = control<RYXLineEdit>(dialog, "tag1");
        QVERIFY(edit);
        commit(edit, tag);
        QCOMPARE(channel->getString(QStringLiteral("tag1")), tag);
        const QColor red(255, 0, 0);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text) == red, !valid);
        QCOMPARE(edit->toolTip().contains(QLatin1String("Not valid.")), !valid);
        QVERIFY(edit->toolTip().contains(QLatin1String("not starting with a digit")));
        QCOMPARE(bool(channel->getStatusFlags() & RYXObject::ConfigError), !valid);
    }

    // The curve's tree item is there while the channel's curve is on.
    void pluginItemFollowsItsSwitch()
    {
        auto *module = addModule<TIModuleObject>();
        QVERIFY(module);
        RYXObject *channel = module->childAt(0);
        QWidget *dialog = select(channel);
        QVERIFY(dialog);
        QTreeWidgetItem *item = channel->getTreeItem();
        const auto children = [item] {
            QStringList texts;
            for (int i = 0; i < item->childCount(); ++i)
                texts << item->child(i)->text(0);
            return texts;
        };
        QCOMPARE(children(), QStringList());
        auto *curve = ::control<QCheckBox>(dialog, "CustomCurveCheck");
        click(curve);
        QTRY_COMPARE(children(), QStringList{QStringLiteral("Custom Curve")});
        click(curve);
        QTRY_COMPARE(children(), QStringList());
    }

    void channelButtonSelectsChannel()
    {
        auto *module = addModule<TIModuleObject>();
        QVERIFY(module);
        auto *dialog = qobject_cast<TIModuleDialog *>(select(module));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("TImodule"));
        auto *button = dialog->findChild<QPushButton *>(QStringLiteral("3"));
        QVERIFY(button);
        screenshot(dialog, QStringLiteral("timodule-dialog.png"));
        click(button);
        RYXObject *third = module->childAt(2);
        QTRY_COMPARE(m_pane.window->listView()->currentItem(), static_cast<QTreeWidgetItem *>(third->getTreeItem()));
        QTRY_VERIFY(qobject_cast<TIChannelDialog *>(m_pane.window->propertyPane()->currentDialog()));
        QCOMPARE(qobject_cast<ConfigBaseDialog *>(m_pane.window->propertyPane()->currentDialog())->object(), third);
    }
};

QTEST_MAIN(tst_InputDialogs)
#include "tst_inputdialogs.moc"
