#include "app/RYXConfigWindow.h"
#include "app/RYXDownloadConfirmation.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXScrollView.h"
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "core/RYXImages.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"
#include "dialogs/PopupHelpLoader.h"
#include "model/RYXObject.h"
#include "support/WindowProgress.h"

#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QStandardPaths>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QRadioButton>

#include <memory>

// The whole way a user goes with a new Ethernet station: create it, set up
// its communications, connect to the simulator, upload, rename it in its
// configuration dialog, download, and find the new name in the station.
class tst_StationFlow : public QObject
{
    Q_OBJECT

    void grab(QWidget *widget, const QString &name) { QVERIFY(support::saveScreenshot(widget, "flow-" + name)); }
    QString progressLines() const { return support::progressLines(*m_window); }

    // Waits for the operation's closing result line and shows the dialog.
    void awaitProgress(const QString &result, const QString &screenshot)
    {
        QTRY_VERIFY2_WITH_TIMEOUT(progressLines().contains(result), qPrintable(progressLines()), 30000);
        grab(m_window->progressDialog(), screenshot);
        m_window->progressDialog()->accept();
    }

    RYXScriptedPrompter m_prompter;
    std::unique_ptr<SimThread> m_sim;
    std::unique_ptr<RYXConfigWindow> m_window;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        RYXDownloadConfirmation::setEnabled(true);
        RYXPrompter::setInstance(&m_prompter);
        applyStartupSwitches({QStringLiteral("ryxconfig")});
        SimOptions options;
        options.httpEnabled = true;
        // No I/O modules: their classes come later, and an undetermined
        // module never uploads successfully.
        m_sim = std::make_unique<SimThread>(options);
        QVERIFY2(m_sim->startServing(), qPrintable(m_sim->errorString()));
        m_window = support::shownMainWindow();
    }

    void cleanupTestCase()
    {
        CommsSetup::setDialogHook(nullptr);
        m_window.reset();
        m_sim.reset();
        RYXPrompter::setInstance(nullptr);
    }

    void createConfigureConnectUploadRenameDownload()
    {
        // New ▸ Interface Module ▸ EIM.
        for (QAction *a : m_window->newInterfaceModulePopup()->actions())
            if (a->text() == QLatin1String("EIM"))
                a->trigger();
        QTreeWidgetItem *stationItem = m_window->listView()->selectedItem();
        QVERIFY(stationItem);
        RYXObject *station = RYXListView::objectOf(stationItem);
        QVERIFY(station && station->inherits("EIModuleObject"));
        grab(m_window.get(), "1-new.png");

        // Configure Comms: TCP/IP to the simulator, answered in the real dialog.
        bool dialogShown = false;
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            dialogShown = true;
            auto *tcp = dialog.findChild<QRadioButton *>("TCPRadioButton");
            if (tcp && tcp->isVisible())
                tcp->click();
            dialog.findChild<QComboBox *>("IPComboBox")->setCurrentText(QString("127.0.0.1:%1").arg(m_sim->httpPort()));
            dialog.show();
            grab(&dialog, "2-comms.png");
            return int(QDialog::Accepted);
        });
        m_window->ConfigureCommsSlot();
        QVERIFY(dialogShown);

        // Connect: the station reads the device, creates its modules, goes
        // online and shows the green LED.
        m_window->GoOnlineSlot();
        RYXConnectionBase *connection = nullptr;
        QVERIFY(station->getConnection(nullptr, connection) && connection);
        QTRY_COMPARE_WITH_TIMEOUT(connection->state(), int(RYXConnection::Online), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(stationItem->text(0).endsWith(", online"), 10000);
        QTRY_COMPARE(stationItem->icon(0).pixmap(22).toImage(), RYXImages::pixmap("GreenLED").toImage());
        QTRY_VERIFY_WITH_TIMEOUT(progressLines().contains("Connection was succesful."), 10000);
        grab(m_window.get(), "3-online.png");
        m_window->progressDialog()->accept();

        // Upload the whole station.
        m_window->listView()->setCurrentItem(stationItem);
        m_window->UploadSlot();
        awaitProgress(" overall upload success!", "4-upload.png");

        // Rename the station in its configuration plug-in's dialog.
        QTreeWidgetItem *configItem = nullptr;
        for (int i = 0; i < stationItem->childCount(); ++i)
            if (stationItem->child(i)->text(0).startsWith("Configuration"))
                configItem = stationItem->child(i);
        QVERIFY(configItem);
        m_window->listView()->setCurrentItem(configItem);
        QLineEdit *edit = nullptr;
        // Bound controls carry their point key as object name; the help lookup
        // also knows their form names.
        QTRY_VERIFY(edit = qobject_cast<QLineEdit *>(
                        PopupHelpLoader::findControl(m_window->propertyPane()->currentDialog(), "DescriptorEdit")));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "Tank_7");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(station->getString("descriptor"), QStringLiteral("Tank_7"));
        grab(m_window.get(), "5-renamed.png");

        // Download it, once the question naming the station and its address
        // is answered, and find the new name in the station.
        m_window->listView()->setCurrentItem(stationItem);
        m_prompter.clear();
        m_prompter.queueButton(QMessageBox::Yes);
        m_window->DownloadSlot();
        QCOMPARE(m_prompter.promptTexts().value(0),
                 QString("Download the configuration of EIM to 127.0.0.1:%1?").arg(m_sim->httpPort()));
        awaitProgress(" overall download success!", "6-download.png");
        QByteArray value;
        QVERIFY(m_sim->station()->readPoint(0, 0x000C, value));
        QCOMPARE(QString::fromLatin1(value).section(QChar('\0'), 0, 0), QStringLiteral("Tank_7"));

        // Disconnect: back to offline.
        m_window->GoOfflineSlot();
        QTRY_COMPARE_WITH_TIMEOUT(connection->state(), int(RYXConnection::Offline), 10000);
        QTRY_VERIFY(stationItem->text(0).endsWith(", offline"));
    }
};

QTEST_MAIN(tst_StationFlow)
#include "tst_stationflow.moc"
