#include "SimThread.h"
#include "SimStation.h"
#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXScriptedPrompter.h"
#include "app/RYXScrollView.h"
#include "app/StartupFlags.h"
#include "comm/CommsConfigDialog.h"
#include "comm/CommsSetup.h"
#include "comm/RYXConnection.h"
#include "model/RYXObject.h"

#include <QtCore/QDir>
#include <QtCore/QStandardPaths>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <memory>

// The whole way a user goes with a new Ethernet station: create it, set up
// its communications, connect to the simulator, upload, rename it in its
// configuration dialog, download, and find the new name in the station.
class tst_StationFlow : public QObject
{
    Q_OBJECT

private:
    void grab(QWidget *widget, const QString &name)
    {
        QDir().mkpath(QStringLiteral(RYX_SCREENSHOT_DIR));
        QVERIFY(widget->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/flow-") + name));
    }

    QStringList progressLines() const
    {
        QStringList lines;
        auto *list = m_window->progressDialog()->findChild<QListWidget *>(QStringLiteral("resultList"));
        for (int i = 0; list && i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }

    bool progressHas(const QString &suffix) const
    {
        for (const QString &line : progressLines())
            if (line.endsWith(suffix))
                return true;
        return false;
    }

    QTreeWidgetItem *childNamed(QTreeWidgetItem *parent, const QString &text)
    {
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0).startsWith(text))
                return parent->child(i);
        return nullptr;
    }

    QLineEdit *descriptorEdit() const
    {
        QWidget *pane = m_window->propertyPane()->currentDialog();
        for (QLineEdit *edit : pane->findChildren<QLineEdit *>())
            if (edit->objectName() == QLatin1String("descriptor")
                || edit->objectName() == QLatin1String("DescriptorEdit"))
                return edit;
        return nullptr;
    }

    RYXScriptedPrompter m_prompter;
    std::unique_ptr<SimThread> m_sim;
    std::unique_ptr<RYXConfigWindow> m_window;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        RYXPrompter::setInstance(&m_prompter);
        applyStartupSwitches({QStringLiteral("ryxconfig")});
        SimOptions options;
        options.httpEnabled = true;
        // No I/O modules: their classes come later, and an undetermined
        // module never uploads successfully.
        m_sim = std::make_unique<SimThread>(options);
        QVERIFY2(m_sim->startServing(), qPrintable(m_sim->errorString()));
        m_window = std::make_unique<RYXConfigWindow>();
        m_window->resize(1000, 700);
        m_window->show();
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
        grab(m_window.get(), QStringLiteral("1-new.png"));

        // Configure Comms: TCP/IP to the simulator, answered in the real dialog.
        const QString address = QStringLiteral("127.0.0.1:%1").arg(m_sim->httpPort());
        bool dialogShown = false;
        CommsSetup::setDialogHook([&](CommsConfigDialog &dialog) {
            dialogShown = true;
            auto *tcp = dialog.findChild<QRadioButton *>(QStringLiteral("TCPRadioButton"));
            if (tcp && tcp->isVisible())
                tcp->click();
            dialog.findChild<QComboBox *>(QStringLiteral("IPComboBox"))->setCurrentText(address);
            dialog.show();
            grab(&dialog, QStringLiteral("2-comms.png"));
            return int(QDialog::Accepted);
        });
        m_window->ConfigureCommsSlot();
        QVERIFY(dialogShown);

        // Connect: the station reads the device, creates its modules and goes online.
        m_window->GoOnlineSlot();
        RYXConnection *connection = nullptr;
        QVERIFY(station->getConnection(nullptr, connection) && connection);
        QTRY_COMPARE_WITH_TIMEOUT(connection->state(), int(RYXConnection::Online), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(stationItem->text(0).endsWith(QLatin1String(", online")), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(progressHas(QStringLiteral("Connection was succesful.")), 10000);
        grab(m_window.get(), QStringLiteral("3-online.png"));
        m_window->progressDialog()->accept();

        // Upload the whole station.
        m_window->listView()->setCurrentItem(stationItem);
        m_window->UploadSlot();
        QTRY_VERIFY2_WITH_TIMEOUT(progressHas(QStringLiteral(" overall upload success!")),
                                  qPrintable(progressLines().join(QLatin1Char('|'))), 30000);
        grab(m_window->progressDialog(), QStringLiteral("4-upload.png"));
        m_window->progressDialog()->accept();

        // Rename the station in its configuration plug-in's dialog.
        QTreeWidgetItem *configItem = childNamed(stationItem, QStringLiteral("Configuration"));
        QVERIFY(configItem);
        m_window->listView()->setCurrentItem(configItem);
        QTRY_VERIFY(descriptorEdit());
        QLineEdit *edit = descriptorEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Tank_7"));
        QTest::keyClick(edit, Qt::Key_Return);
        QString stored;
        QVERIFY(station->getValue(QStringLiteral("descriptor"), stored));
        QCOMPARE(stored, QStringLiteral("Tank_7"));
        grab(m_window.get(), QStringLiteral("5-renamed.png"));

        // Download it and find the new name in the station.
        m_window->listView()->setCurrentItem(stationItem);
        m_window->DownloadSlot();
        QTRY_VERIFY2_WITH_TIMEOUT(progressHas(QStringLiteral(" overall download success!")),
                                  qPrintable(progressLines().join(QLatin1Char('|'))), 30000);
        grab(m_window->progressDialog(), QStringLiteral("6-download.png"));
        QByteArray value;
        QVERIFY(m_sim->station()->readPoint(0, 0x000C, value));
        QCOMPARE(QString::fromLatin1(value.left(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0'))),
                 QStringLiteral("Tank_7"));
        m_window->progressDialog()->accept();

        // Disconnect: back to offline.
        m_window->GoOfflineSlot();
        QTRY_COMPARE_WITH_TIMEOUT(connection->state(), int(RYXConnection::Offline), 10000);
        QTRY_VERIFY(stationItem->text(0).endsWith(QLatin1String(", offline")));
    }
};

QTEST_MAIN(tst_StationFlow)
#include "tst_stationflow.moc"
