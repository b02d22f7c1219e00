// The discrete input and relay output module dialogs in the real main
// window, driven as the user does: the debounce combo, filter, LED and
// failure response radio buttons, power-up check boxes and tags store their
// points; the I/O test button opens the discrete I/O dialog in input or
// output mode with one box per channel of the module.
#include "io/DIModuleCCObject.h"
#include "io/DIModuleDialog.h"
#include "io/DIModuleVDialog.h"
#include "io/DIModuleVHObject.h"
#include "io/DiscreteIOControlDialog.h"
#include "io/ROModule8Dialog.h"
#include "io/ROModule8Object.h"
#include "io/ROModuleDialog.h"
#include "io/ROModuleObject.h"

#include "support/StationWindow.h"
#include "support/Screenshot.h"

#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <memory>

class tst_DiscreteDialogs : public QObject
{
    Q_OBJECT

    support::StationWindow m_pane;

    template<typename T>
    T *addModule() { return m_pane.addModule<T>(); }
    QWidget *select(RYXObject *object) { return m_pane.select(object); }

    // A bound control carries its point key as its name; the radio button
    // of \a key that stands for \a text.
    static QRadioButton *radio(QWidget *dialog, const QString &key, const QString &text)
    {
        for (QRadioButton *button : dialog->findChildren<QRadioButton *>(key)) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }

    void click(QWidget *widget)
    {
        QVERIFY(widget);
        m_pane.click(widget);
    }

    // Opens the I/O test of the dialog shown; returns the discrete I/O dialog.
    DiscreteIOControlDialog *openIOTest(QWidget *dialog)
    {
        auto *button = dialog->findChild<QPushButton *>(QStringLiteral("IOTestButton"));
        if (!button)
            return nullptr;
        m_pane.window->propertyPane()->ensureWidgetVisible(button);
        QTest::mouseClick(button, Qt::LeftButton);
        return dialog->findChild<DiscreteIOControlDialog *>(QStringLiteral("iocontroldlg"));
    }

    static int visibleBoxes(DiscreteIOControlDialog *io)
    {
        int count = 0;
        for (int n = 1; n <= DiscreteIOControlDialog::MaxChannels; ++n)
            count += io->findChild<QCheckBox *>(QStringLiteral("channel%1CheckBox").arg(n))->isVisibleTo(io);
        return count;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_pane.open(1100, 1000)); }

    void cleanupTestCase() { m_pane.close(); }

    void debounceAndFailResponse()
    {
        auto *module = addModule<DIModuleCCObject>();
        QVERIFY(module);
        auto *dialog = qobject_cast<DIModuleDialog *>(select(module));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Digital Input Module"));
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cbDebounceTime"));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QStringLiteral("None"));
        // Two steps down the list, as the keyboard chooses: None, 5 ms, 10 ms.
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("10 ms"));
        QCOMPARE(module->getInt(QStringLiteral("debounceconst1")), 50);
        click(radio(dialog, QStringLiteral("ch2_failresponse"), QStringLiteral("Off")));
        click(radio(dialog, QStringLiteral("ch8_failresponse"), QStringLiteral("On")));
        QCOMPARE(module->getString(QStringLiteral("ch2_failresponse")), QStringLiteral("off"));
        QCOMPARE(module->getString(QStringLiteral("ch8_failresponse")), QStringLiteral("on"));
        // Each channel's responses exclude each other, not those of other channels.
        QCOMPARE(module->getString(QStringLiteral("ch1_failresponse")), QStringLiteral("hold"));
        QVERIFY(radio(dialog, QStringLiteral("ch2_failresponse"), QStringLiteral("Off"))->isChecked());
        QVERIFY(module->prepareDownloadData());
        QCOMPARE(module->getUInt(QStringLiteral("failonmask")), 0x80u);
        QCOMPARE(module->getUInt(QStringLiteral("failoffmask")), 0x02u);
        QVERIFY(support::saveScreenshot(dialog, QStringLiteral("dimodule-dialog.png")));
    }

    void badTagTurnsRed()
    {
        auto *module = addModule<DIModuleCCObject>();
        QVERIFY(module);
        QWidget *dialog = select(module);
        auto *edit = dialog->findChild<RYXLineEdit *>(QStringLiteral("tag8"));
        QVERIFY(edit);
        support::StationWindow::commit(edit, QStringLiteral("8Pump"));
        QCOMPARE(module->getString(QStringLiteral("tag8")), QStringLiteral("8Pump"));
        QTRY_COMPARE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(255, 0, 0));
        QVERIFY(module->getStatusFlags() & RYXObject::ConfigError);
        support::StationWindow::commit(edit, QStringLiteral("Pump_8"));
        QTRY_VERIFY(!(module->getStatusFlags() & RYXObject::ConfigError));
    }

    void voltageFilter()
    {
        auto *module = addModule<DIModuleVHObject>();
        QVERIFY(module);
        auto *dialog = qobject_cast<DIModuleVDialog *>(select(module));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Digital Input Module V"));
        QVERIFY(!dialog->findChild<QComboBox *>());
        QVERIFY(radio(dialog, QStringLiteral("filterfreq"), QStringLiteral("60 Hz"))->isChecked());
        click(radio(dialog, QStringLiteral("filterfreq"), QStringLiteral("50 Hz")));
        QCOMPARE(module->getString(QStringLiteral("filterfreq")), QStringLiteral("50"));
        // The channel rows' help is shared with the contact closure module.
        QVERIFY(dialog->findChild<RYXLineEdit *>(QStringLiteral("tag8"))->whatsThis().contains(
            QLatin1String("The name of channel 8")));
        QVERIFY(support::saveScreenshot(dialog, QStringLiteral("dimodulev-dialog.png")));
    }

    void relaysOfTheModule_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<int>("relays");
        QTest::addColumn<unsigned>("comfail");
        QTest::newRow("RO4") << "RO4" << 4 << 0x010F010Fu;
        QTest::newRow("RO8") << "RO8" << 8 << 0x01FF01FFu;
    }

    // One row per relay, power-up state and LED colour stored.
    void relaysOfTheModule()
    {
        QFETCH(QString, element);
        QFETCH(int, relays);
        QFETCH(unsigned, comfail);
        RYXObject *module = element == QLatin1String("RO8") ? static_cast<RYXObject *>(addModule<ROModule8Object>())
                                                            : addModule<ROModuleObject>();
        QVERIFY(module);
        QWidget *dialog = select(module);
        QVERIFY(relays == 8 ? bool(qobject_cast<ROModule8Dialog *>(dialog)) : bool(qobject_cast<ROModuleDialog *>(dialog)));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Relay Output Module"));
        for (int n = 1; n <= 8; ++n) {
            const QString key = QStringLiteral("ch%1_powerupstate").arg(n);
            QCOMPARE(bool(dialog->findChild<QCheckBox *>(key)), n <= relays);
            QCOMPARE(dialog->findChildren<QRadioButton *>(QStringLiteral("ch%1_failresponse").arg(n)).size(),
                     n <= relays ? 3 : 0);
        }
        click(dialog->findChild<QCheckBox *>(QStringLiteral("ch%1_powerupstate").arg(relays)));
        click(radio(dialog, QStringLiteral("ledmode"), QStringLiteral("Green")));
        click(radio(dialog, QStringLiteral("ch1_failresponse"), QStringLiteral("On")));
        QCOMPARE(module->getString(QStringLiteral("ch%1_powerupstate").arg(relays)), QStringLiteral("true"));
        QCOMPARE(module->getString(QStringLiteral("ledmode")), QStringLiteral("green"));
        QVERIFY(module->prepareDownloadData());
        QCOMPARE(module->getUInt(QStringLiteral("powerup")), 1u << (relays - 1));
        // Relay 1 on, the others hold as they start.
        QCOMPARE(module->getUInt(QStringLiteral("comfail")), comfail);
        QVERIFY(support::saveScreenshot(dialog, QStringLiteral("romodule%1-dialog.png").arg(relays)));
    }

    void ioTestModes_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<bool>("output");
        QTest::addColumn<int>("boxes");
        QTest::newRow("CC8 inputs") << "CC8" << false << 8;
        QTest::newRow("RO4 relays") << "RO4" << true << 4;
        QTest::newRow("RO8 relays") << "RO8" << true << 8;
    }

    // Inputs are only read and shown; relays can be set; a four-relay
    // module hides the boxes of channels 5 to 8.
    void ioTestModes()
    {
        QFETCH(QString, element);
        QFETCH(bool, output);
        QFETCH(int, boxes);
        RYXObject *module = element == QLatin1String("CC8") ? static_cast<RYXObject *>(addModule<DIModuleCCObject>())
                            : element == QLatin1String("RO4") ? static_cast<RYXObject *>(addModule<ROModuleObject>())
                                                              : addModule<ROModule8Object>();
        QVERIFY(module);
        module->setValue(QStringLiteral("iomask"), 0x01000000u);
        DiscreteIOControlDialog *io = openIOTest(select(module));
        QVERIFY(io);
        QVERIFY(QTest::qWaitForWindowExposed(io));
        QCOMPARE(io->windowTitle(), QStringLiteral("Discrete I/O Control"));
        QCOMPARE(visibleBoxes(io), boxes);
        auto *first = io->findChild<QCheckBox *>(QStringLiteral("channel1CheckBox"));
        QVERIFY(first->isChecked());
        QCOMPARE(first->isEnabled(), output);
        QCOMPARE(io->findChild<QPushButton *>(QStringLiteral("applyButton"))->isVisibleTo(io), output);
        QVERIFY(first->toolTip().contains(QLatin1String("not a configuration setting")));
        QVERIFY(support::saveScreenshot(io, QStringLiteral("discreteio-%1.png").arg(element.toLower())));
        // The boxes are no configuration: Cancel leaves the module as it was.
        QTest::mouseClick(io->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
        QTRY_VERIFY(!io->isVisible());
        QCOMPARE(module->getUInt(QStringLiteral("iomask")), 0x01000000u);
    }
};

QTEST_MAIN(tst_DiscreteDialogs)
#include "tst_discretedialogs.moc"
