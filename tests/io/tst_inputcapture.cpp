// Input capture against the simulator: the real dialog driven with QTest,
// the operation run by the station's own connection thread over loopback
// TCP, and every way a capture ends.
#include "database/RYXDatabase.h"
#include "devices/RYXChannel.h"
#include "devices/RYXIOModule.h"
#include "io/InputCapture.h"
#include "io/InputCaptureDialog.h"

#include "../stations/ManagedStation.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QRegularExpression>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>

namespace {

const QString Waiting = QStringLiteral("Please wait while capturing input...");
const QString CapturedPattern = QStringLiteral("^Captured Value: -?\\d+\\.\\d\\d\\nClick Accept to use this data$");

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QLatin1String(name));
}

// The first channel of the station's first module; a plain channel is
// added where the module's class has none.
RYXChannel *firstChannel(RYXObject *station)
{
    for (RYXObject *child : station->getChildren()) {
        auto *module = qobject_cast<RYXIOModule *>(child);
        if (!module)
            continue;
        if (RYXChannel *channel = module->channelByNumber(1))
            return channel;
        auto *channel = new RYXChannel;
        channel->setChannelNumber(1);
        module->addChild(channel);
        return channel;
    }
    return nullptr;
}

} // namespace

class tst_InputCapture : public QObject
{
    Q_OBJECT

    // A connected station whose module 1 captures after delayMs (-1 never)
    // with \a status on its first channel.
    static std::unique_ptr<ManagedStation> station(int delayMs, int status = 0)
    {
        auto link = std::make_unique<ManagedStation>(0, QStringLiteral("TI4"));
        if (!link->ok)
            return nullptr;
        link->sim.station()->setCaptureDelayMs(delayMs);
        link->sim.station()->setChannelStatus(1, 0, quint16(status));
        return link->connectStation() ? std::move(link) : nullptr;
    }

    static void ensurePoint(RYXChannel *channel, const QString &key)
    {
        if (!channel->getDatabase()->contains(key))
            channel->InsertPoint(key, QStringLiteral("1.500000"), 0, ZEMP_FLOAT);
    }

private Q_SLOTS:
    void initTestCase() { QDir().mkpath(QStringLiteral(RYX_SCREENSHOT_DIR)); }

    void statusWords_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("result");
        QTest::newRow("no fault") << 0x0000 << int(InputCapture::Success);
        QTest::newRow("broken wire #1") << 0x0010 << int(InputCapture::BrokenWire);
        QTest::newRow("broken wires #1 and #2") << 0x0030 << int(InputCapture::BrokenWire);
        QTest::newRow("broken wire #4") << 0x0080 << int(InputCapture::BrokenWire);
        QTest::newRow("broken wire wins over channel fail") << 0x0031 << int(InputCapture::BrokenWire);
        QTest::newRow("channel fail") << 0x0001 << int(InputCapture::ChannelFailed);
        QTest::newRow("channel not used") << 0x0002 << int(InputCapture::Error);
        QTest::newRow("run-time fail") << 0x0800 << int(InputCapture::Error);
    }

    void statusWords()
    {
        QFETCH(int, status);
        QTEST(InputCapture::statusResult(unsigned(status)), "result");
    }

    void capture_data()
    {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("accept"); // Accept once captured, else Cancel
        QTest::newRow("captured, accepted") << 300 << 0 << InputCapture::DefaultTimeLimitMs << CapturedPattern << true;
        QTest::newRow("captured, cancelled") << 300 << 0 << InputCapture::DefaultTimeLimitMs << CapturedPattern << false;
        QTest::newRow("never answers") << -1 << 0 << 1000
                                       << "^Failed to respond in alotted 20 Seconds, aborted!!$" << false;
        QTest::newRow("broken wire") << 300 << 0x30 << InputCapture::DefaultTimeLimitMs
                                     << "^Broken Wire detected, aborted!$" << false;
        QTest::newRow("channel failed") << 300 << 0x01 << InputCapture::DefaultTimeLimitMs
                                        << "^This IO Channel has failed, aborted!!$" << false;
        QTest::newRow("other fault") << 300 << 0x400 << InputCapture::DefaultTimeLimitMs << "^Error, aborted!$" << false;
    }

    // Only an accepted capture changes Input Zero, to the value shown.
    void capture()
    {
        QFETCH(int, delayMs);
        QFETCH(int, status);
        QFETCH(int, limitMs);
        QFETCH(QString, pattern);
        QFETCH(bool, accept);
        auto link = station(delayMs, status);
        QVERIFY(link);
        RYXChannel *channel = firstChannel(link->station);
        QVERIFY(channel);
        ensurePoint(channel, QStringLiteral("inputzero"));
        const QString before = channel->getString(QStringLiteral("inputzero"));

        QPointer<InputCapture> capture = new InputCapture(channel, InputCapture::InputZero);
        capture->setTimeLimitMs(limitMs);
        InputCaptureDialog *dialog = capture->dialog();
        dialog->show();
        QCOMPARE(dialog->objectName(), QStringLiteral("ltdlg"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Input Zero Capture"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("ChannelLabel"))->text(),
                 QStringLiteral("Module: 1 Channel: 1"));
        QCOMPARE(dialog->activityText(), QStringLiteral("Please apply input to be captured"));
        QPushButton *next = button(dialog, "NextButton");
        QCOMPARE(next->text(), QStringLiteral("Next >"));
        QCOMPARE(button(dialog, "CancelButton")->text(), QStringLiteral("&Cancel"));
        if (accept)
            QVERIFY(dialog->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/input_capture_before.png")));

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(dialog->activityText(), Waiting);
        QVERIFY(!next->isEnabled());
        // The GUI thread keeps serving while the connection thread polls.
        QTRY_VERIFY_WITH_TIMEOUT(dialog->activityText() != Waiting, 10000);
        QVERIFY2(QRegularExpression(pattern).match(dialog->activityText()).hasMatch(),
                 qPrintable(dialog->activityText()));
        if (delayMs > 0 && status == 0)
            QVERIFY(timer.elapsed() >= delayMs);
        if (limitMs < InputCapture::DefaultTimeLimitMs)
            QVERIFY(timer.elapsed() >= limitMs && timer.elapsed() < limitMs + 2000);

        const float value = dialog->capturedValue();
        if (pattern == CapturedPattern) {
            QCOMPARE(next->text(), QStringLiteral("Accept"));
            QVERIFY(next->isEnabled());
            // The simulated PV of module 1, channel 1 swings around 20.
            QVERIFY2(value > 17.0f && value < 23.0f, qPrintable(QString::number(value)));
            QVERIFY(dialog->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/input_capture.png")));
        }
        QTest::mouseClick(accept ? next : button(dialog, "CancelButton"), Qt::LeftButton);
        QTRY_VERIFY(!capture);
        if (accept)
            QVERIFY(qAbs(channel->getFloat(QStringLiteral("inputzero")) - value) < 1e-4f);
        else
            QCOMPARE(channel->getString(QStringLiteral("inputzero")), before);
    }

    // Closing the dialog ends the polling at once, not after 20 s, and the
    // capture shows nothing more.
    void closingEndsTheCapture()
    {
        auto link = station(-1);
        QVERIFY(link);
        RYXChannel *channel = firstChannel(link->station);
        QPointer<InputCapture> capture = new InputCapture(channel, InputCapture::InputFull);
        capture->dialog()->show();
        const quint64 before = link->requests();
        QTest::mouseClick(button(capture->dialog(), "NextButton"), Qt::LeftButton);
        // Status read, capture started, first refused read of the capture block.
        QTRY_VERIFY(link->requests() >= before + 3);
        QElapsedTimer timer;
        timer.start();
        capture->dialog()->close();
        QTRY_VERIFY(!capture);
        QVERIFY(timer.elapsed() < 2000);
        const quint64 after = link->requests();
        QTest::qWait(3 * InputCapture::PollIntervalMs); // nothing to await: no more polls may come
        QVERIFY(link->requests() <= after + 1);
        QVERIFY(link->connection->pendingOperation().isEmpty());
    }

    // Without a station online nothing would answer: the failure shows at once.
    void offlineChannelFailsAtOnce()
    {
        RYXChannel channel;
        channel.setChannelNumber(2);
        QPointer<InputCapture> capture = new InputCapture(&channel, InputCapture::InputFull);
        capture->dialog()->show();
        QCOMPARE(capture->dialog()->windowTitle(), QStringLiteral("Input Full Capture"));
        QTest::mouseClick(button(capture->dialog(), "NextButton"), Qt::LeftButton);
        QCOMPARE(capture->dialog()->activityText(), QStringLiteral("Error, aborted!"));
        capture->dialog()->reject();
        QTRY_VERIFY(!capture);
    }

    void entryPoint_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("caption");
        QTest::newRow("trimming zero") << int(InputCapture::TrimZero) << "Trimming Zero Capture";
        QTest::newRow("trimming full") << int(InputCapture::TrimFull) << "Trimming Full Capture";
        QTest::newRow("input full") << int(InputCapture::InputFull) << "Input Full Capture";
    }

    // The modal entry point the channel classes call: an accepted capture
    // lands in the target's point.
    void entryPoint()
    {
        QFETCH(int, target);
        QFETCH(QString, caption);
        auto link = station(100);
        QVERIFY(link);
        RYXChannel *channel = firstChannel(link->station);
        const QString key = InputCapture::targetKey(target);
        QVERIFY(channel->getDatabase()->contains(key));
        QString seenCaption;
        float value = 0.0f;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<InputCaptureDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seenCaption = dialog->windowTitle();
            QTest::mouseClick(button(dialog, "NextButton"), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([dialog] { return dialog->hasValue(); }, 10000));
            value = dialog->capturedValue();
            QTest::mouseClick(button(dialog, "NextButton"), Qt::LeftButton);
        });
        InputCapture::showCaptureDialog(channel, target);
        QCOMPARE(seenCaption, caption);
        QVERIFY(value > 17.0f && value < 23.0f);
        QVERIFY(qAbs(channel->getFloat(key) - value) < 1e-4f);
    }
};

QTEST_MAIN(tst_InputCapture)
#include "tst_inputcapture.moc"
