// The analog output dialogs driven as the user drives them, on a station
// connected to ryxsim through its own connection thread: the channel dialog
// stores the output type and shows its limits, and the output control
// ("ltdlg"), opened by Loop Test or by the trim plug-in's Trim Lower and
// Trim Upper, names the output it drives, writes every value to the
// channel's output block, records it in the event log, and on Accept takes
// the value as the trim capture.
#include "devices/RYXIOModule.h"
#include "dialogs/RYXLineEdit.h"
#include "io/AOChannelDialog.h"
#include "io/AOChannelObject.h"
#include "io/AOControlOutputDialog.h"
#include "plugins/RYXTrimObjectPlugin.h"
#include "plugins/TrimPluginDialog.h"

#include "stations/ManagedStation.h"
#include "support/FormControl.h"

#include "SimInputChannel.h"

#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <memory>

namespace {

QRadioButton *radio(QWidget *dialog, const QString &text)
{
    for (QRadioButton *button : dialog->findChildren<QRadioButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

AOControlOutputDialog *openOutputControl()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<AOControlOutputDialog *>(widget);
        if (dialog && dialog->objectName() == QLatin1String("ltdlg") && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void screenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(RYX_SCREENSHOT_DIR));
    QVERIFY(widget->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/") + name));
}

} // namespace

class tst_OutputDialogs : public QObject
{
    Q_OBJECT

    std::unique_ptr<ManagedStation> m_link;

    AOChannelObject *channel(int n) const
    {
        return qobject_cast<AOChannelObject *>(m_link->station->modules().first()->channelByNumber(n));
    }
    float outputBlock(int n) const
    {
        return SimInputChannel::floatValue(m_link->sim.station()->registerValue(1, n - 1, AOChannelObject::OutputRegister));
    }
    int logCount(const QString &text) const { return int(m_link->receiver.logLines().filter(text).size()); }

private Q_SLOTS:
    void initTestCase()
    {
        m_link = std::make_unique<ManagedStation>(0, QStringLiteral("AO4"));
        QVERIFY(m_link->ok && m_link->connectStation());
        QVERIFY(channel(1));
        QTRY_VERIFY(channel(1)->isOnline());
    }

    void cleanupTestCase()
    {
        QVERIFY(m_link->disconnectStation());
        m_link.reset();
    }

    // The output type's radio buttons store "v" and "ma", the limits
    // follow, and a value beyond them turns its field red with the rule.
    void channelDialog()
    {
        AOChannelObject *object = channel(1);
        AOChannelDialog dialog(object);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Analog Output Channel"));
        auto *limits = dialog.findChild<QLabel *>(QStringLiteral("limitsLabel"));
        QCOMPARE(limits->text(), QStringLiteral("Limits: 0 to 23.6 mA"));
        radio(&dialog, QStringLiteral("Volts"))->click();
        QCOMPARE(object->getString(QStringLiteral("outputtype")), QStringLiteral("v"));
        QTRY_COMPARE(limits->text(), QStringLiteral("Limits: -0.25 to 11 V"));
        auto *full = control<RYXLineEdit>(&dialog, "OutputFullEdit");
        full->setFocus();
        full->selectAll();
        QTest::keyClicks(full, QStringLiteral("11.1"));
        QTest::keyClick(full, Qt::Key_Return);
        QCOMPARE(object->getString(QStringLiteral("outputfull")), QStringLiteral("11.100000"));
        QTRY_VERIFY(full->toolTip().startsWith(QLatin1String("Not valid.")));
        QVERIFY(!object->getBool(QStringLiteral("ofisvalid")));
        // Return committed the field and pressed nothing else.
        QVERIFY(!openOutputControl());
        radio(&dialog, QStringLiteral("Milliamps"))->click();
        QCOMPARE(object->getString(QStringLiteral("outputtype")), QStringLiteral("ma"));
        QTRY_COMPARE(limits->text(), QStringLiteral("Limits: 0 to 23.6 mA"));
        QVERIFY(control<QPushButton>(&dialog, "IOTestButton")->isEnabled());
        screenshot(&dialog, QStringLiteral("aochannel-dialog.png"));
    }

    void outputControl_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("capture"); // the point Accept fills; empty: none
        QTest::newRow("loop test") << int(AOControlOutputDialog::LoopTest) << 2 << "Analog Output Loop Test" << "";
        QTest::newRow("trim lower") << int(AOControlOutputDialog::TrimLower) << 3 << "Analog Output Trimming"
                                    << "trimcapturez";
        QTest::newRow("trim upper") << int(AOControlOutputDialog::TrimUpper) << 4 << "Analog Output Trimming"
                                    << "trimcapturef";
    }

    void outputControl()
    {
        QFETCH(int, mode);
        QFETCH(int, number);
        QFETCH(QString, capture);
        AOChannelObject *object = channel(number);
        std::unique_ptr<QWidget> opener;
        if (mode == AOControlOutputDialog::LoopTest) {
            auto *dialog = new AOChannelDialog(object);
            opener.reset(dialog);
            dialog->show();
            control<QPushButton>(dialog, "IOTestButton")->click();
        } else {
            object->setValue(QStringLiteral("trimenable"), true);
            object->setValue(QStringLiteral("numtrimpts"), 2);
            object->updateDialog();
            auto *dialog = new TrimPluginDialog(object->trimPlugin());
            opener.reset(dialog);
            dialog->show();
            auto *button = control<QPushButton>(dialog, mode == AOControlOutputDialog::TrimLower ? "TrimLowerButton"
                                                                                                  : "TrimUpperButton");
            QTRY_VERIFY(button->isEnabled());
            button->click();
        }
        AOControlOutputDialog *control = nullptr;
        QTRY_VERIFY((control = openOutputControl()));
        QCOMPARE(int(control->mode()), mode);
        QTEST(control->windowTitle(), "title");
        // The window names the output it drives.
        const QString safety = control->findChild<QLabel *>(QStringLiteral("safetyLabel"))->text();
        QVERIFY2(safety.contains(QStringLiteral("station %1").arg(m_link->station->getName()))
                     && safety.contains(QLatin1String("AOM Analog Output (AO4) Module 1"))
                     && safety.contains(QStringLiteral("channel %1").arg(number)),
                 qPrintable(safety));
        QCOMPARE(control->findChild<QLabel *>(QStringLiteral("rangeLabel"))->text(),
                 QStringLiteral("Valid Range: 0.00 to 23.60 mA"));

        auto *value = control->findChild<QLineEdit *>(QStringLiteral("valueEdit"));
        // A typed value is set with Return.
        value->setFocus();
        value->selectAll();
        QTest::keyClicks(value, QStringLiteral("12.34"));
        QTest::keyClick(value, Qt::Key_Return);
        QTRY_COMPARE(outputBlock(number), 12.34f);
        QTest::mouseClick(control->findChild<QPushButton *>(QStringLiteral("SmallIncrementButton")), Qt::LeftButton);
        QCOMPARE(value->text(), QStringLiteral("12.35"));
        QTRY_COMPARE(outputBlock(number), 12.35f);
        // Above the valid range: the value is sent as it is.
        QTest::mouseClick(control->findChild<QPushButton *>(QStringLiteral("LargeIncrementButton")), Qt::LeftButton);
        QTRY_COMPARE(outputBlock(number), 13.35f);
        QTest::mouseClick(control->findChild<QPushButton *>(QStringLiteral("MediumDecrementButton")), Qt::LeftButton);
        QTRY_COMPARE(outputBlock(number), 13.25f);
        const QString place = object->placeText();
        for (const char *amount : {"12.34", "12.35", "13.35", "13.25"})
            QTRY_COMPARE(logCount(QStringLiteral("%1: output set to %2 mA").arg(place, QLatin1String(amount))), 1);
        screenshot(control, QStringLiteral("ao-output-control-%1.png").arg(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-')));

        QPointer<AOControlOutputDialog> guard(control);
        auto *accept = control->findChild<QPushButton *>(QStringLiteral("AcceptButton"));
        auto *close = control->findChild<QPushButton *>(QStringLiteral("CancelButton"));
        QCOMPARE(accept->isVisible(), !capture.isEmpty());
        QCOMPARE(close->text(), capture.isEmpty() ? QStringLiteral("Close") : QStringLiteral("Cancel"));
        QTest::mouseClick(capture.isEmpty() ? close : accept, Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        if (!capture.isEmpty())
            QCOMPARE(object->getString(capture), QStringLiteral("13.250000"));
        QTRY_COMPARE(logCount(QStringLiteral("%1: output control closed, the output stays at its last value").arg(place)),
                     1);
        // Closing writes nothing: the output keeps its last value.
        QCOMPARE(outputBlock(number), 13.25f);
    }
};

QTEST_MAIN(tst_OutputDialogs)
#include "tst_outputdialogs.moc"
