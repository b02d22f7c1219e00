// Writes to a device and removals of a station happen only when the user
// says so: Download names the station and its address and can be told not
// to ask again; Delete of a station asks first. Driven through the real
// main window offscreen.
#include "app/RYXConfigWindow.h"
#include "app/RYXDownloadConfirmation.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXObject.h"
#include "support/MessageBoxAnswer.h"
#include "support/NewStation.h"
#include "support/TestSettings.h"

#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>

#include <memory>

class tst_DeviceWrites : public QObject
{
    Q_OBJECT

    RYXScriptedPrompter m_prompter;
    QTemporaryDir m_settingsDir;
    std::unique_ptr<RYXConfigWindow> m_window;
    RYXObject *m_station = nullptr;

    RYXConnection *connection() const { return qobject_cast<RYXConnection *>(m_station->getOwnConnection()); }
    QString pending() const { return connection()->pendingOperation(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        prepareWindowTest(m_settingsDir.path(), &m_prompter);
    }

    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }

    // A new Ethernet station set up for TCP/IP, offline: a download request
    // waits on its connection until it is online.
    void init()
    {
        clearSettings();
        m_prompter.clear();
        m_window = std::make_unique<RYXConfigWindow>();
        m_window->show();
        m_station = newStation(m_window.get());
        QVERIFY(m_station && connection());
        connection()->setPort(new ZEMPTCPPort(QStringLiteral("127.0.0.1:8080")));
    }

    void cleanup() { m_window.reset(); }

    void downloadAsks_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("doNotAsk");
        QTest::addColumn<bool>("requested");
        QTest::addColumn<bool>("asksAgain");
        QTest::newRow("no") << QMessageBox::No << false << false << true;
        QTest::newRow("no, with the box ticked, still asks") << QMessageBox::No << true << false << true;
        QTest::newRow("yes") << QMessageBox::Yes << false << true << true;
        QTest::newRow("yes, do not ask again") << QMessageBox::Yes << true << true << false;
    }

    void downloadAsks()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, doNotAsk);
        QFETCH(bool, requested);
        QFETCH(bool, asksAgain);
        m_prompter.queueButton(answer);
        m_prompter.queueCheckBox(doNotAsk);
        m_window->DownloadSlot();
        QCOMPARE(m_prompter.promptTexts(), QStringList{"Download the configuration of EIM to 127.0.0.1:8080?"});
        QCOMPARE(m_prompter.prompts().first().checkBoxText, QStringLiteral("Do not ask again"));
        QCOMPARE(pending(), requested ? QStringLiteral("download") : QString());

        connection()->clearPendingOperation();
        m_prompter.clear();
        m_prompter.queueButton(QMessageBox::Yes);
        m_window->DownloadSlot();
        QCOMPARE(m_prompter.prompts().size(), asksAgain ? 1 : 0);
        QCOMPARE(pending(), QStringLiteral("download"));
    }

    // The object's own Download (its context menu) asks the same, naming
    // the part of the station it writes; the address is the serial device
    // for a station on a serial line, and left out when none is set up.
    void contextMenuDownloadAsks()
    {
        RYXObject *configuration = m_station->childAt(0);
        m_prompter.queueButton(QMessageBox::No);
        configuration->downloadSlot();
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"Download the configuration of Configuration of EIM to 127.0.0.1:8080?"});
        QCOMPARE(pending(), QString());

        auto *serial = new ZEMPRSPort;
        serial->setDevicePath(QStringLiteral("/dev/ttyUSB3"));
        connection()->setPort(serial);
        QCOMPARE(RYXDownloadConfirmation::question(m_station),
                 QStringLiteral("Download the configuration of EIM to /dev/ttyUSB3?"));
        connection()->setPort(nullptr);
        QCOMPARE(RYXDownloadConfirmation::question(m_station), QStringLiteral("Download the configuration of EIM?"));
    }

    // The question as the user sees it, answered in the real box.
    void downloadConfirmationShown()
    {
        RYXPrompter::setInstance(nullptr);
        QString text;
        QString checkText;
        answerNextMessageBox(this, QMessageBox::No, RYX_SCREENSHOT_DIR "/download-confirmation.png",
                             [&](QMessageBox &box) {
                                 text = box.text();
                                 checkText = box.checkBox() ? box.checkBox()->text() : QString();
                             });
        m_window->DownloadSlot();
        RYXPrompter::setInstance(&m_prompter);
        QCOMPARE(text, QStringLiteral("Download the configuration of EIM to 127.0.0.1:8080?"));
        QCOMPARE(checkText, QStringLiteral("Do not ask again"));
        QCOMPARE(pending(), QString());
    }

    void deleteStationAsks()
    {
        QPointer<RYXObject> station = m_station;
        m_prompter.queueButton(QMessageBox::No);
        m_window->deleteSlot();
        QCOMPARE(m_prompter.promptTexts(),
                 QStringList{"Delete the station EIM and everything under it from the tree? "
                             "Its unsaved changes will be lost."});
        QCOMPARE(m_window->listView()->topLevelItemCount(), 1);

        m_prompter.queueButton(QMessageBox::Yes);
        m_window->deleteSlot();
        QCOMPARE(m_window->listView()->topLevelItemCount(), 0);
        QTRY_VERIFY(!station);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("RYX Configuration Program V4.4.00"));
    }
};

QTEST_MAIN(tst_DeviceWrites)
#include "tst_devicewrites.moc"
