#include "app/RYXConfigWindow.h"
#include "app/RYXEventsBox.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXScriptedPrompter.h"
#include "app/StartupFlags.h"
#include "model/RYXObject.h"
#include "model/events/Event_ShowSeekFailure.h"
#include "model/events/addToEventBoxEvent.h"
#include "model/events/progressAddResultEvent.h"
#include "model/events/progressSetTitleEvent.h"
#include "model/events/progressShowDialogEvent.h"
#include "model/events/setTimerEvent.h"
#include "model/events/showMessageBoxSynchEvent.h"

#include <QtCore/QDir>
#include <QtCore/QEventLoop>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtCore/QTranslator>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <memory>

// The real main window, except that ending the program is recorded: a real
// exit would end every later event loop of the test.
class TestWindow : public RYXConfigWindow
{
public:
    using RYXConfigWindow::RYXConfigWindow;
    QList<int> exitCodes;

protected:
    void quitApplication(int exitCode) override { exitCodes << exitCode; }
};

// Drives the real main window offscreen; every message box is answered
// through the scripted prompter.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestWindow> makeWindow(const QStringList &switches)
    {
        QStringList args{QStringLiteral("ryxconfig")};
        args << switches;
        applyStartupSwitches(args);
        auto window = std::make_unique<TestWindow>(nullptr, args);
        window->show();
        // Shortcuts reach only the active window.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("main window did not become active");
        return window;
    }

    QAction *action(RYXConfigWindow *window, const char *name)
    {
        return window->findChild<QAction *>(QLatin1String(name));
    }

    QStringList menuTitles(RYXConfigWindow *window)
    {
        QStringList titles;
        for (QAction *a : window->menuBar()->actions())
            titles << a->text();
        return titles;
    }

    void grab(QWidget *widget, const QString &name)
    {
        QDir().mkpath(QStringLiteral(RYX_SCREENSHOT_DIR));
        QVERIFY(widget->grab().save(QStringLiteral(RYX_SCREENSHOT_DIR "/") + name));
    }

    RYXScriptedPrompter m_prompter;

private Q_SLOTS:
    void init()
    {
        m_prompter.clear();
        RYXPrompter::setInstance(&m_prompter);
    }
    void cleanup() { RYXPrompter::setInstance(nullptr); }

    void emptyTreeEnablesOnlyConnectUploadSynchronize()
    {
        auto window = makeWindow({});
        QCOMPARE(window->enableMask(), unsigned(RYXConfigWindow::EnableConnect | RYXConfigWindow::EnableUpload));
        const QStringList enabled{"connect", "upload", "synchronize"};
        const QStringList masked{"disconnect", "download", "save as", "save", "print preview", "print",
                                 "copy", "paste", "delete", "configure comms"};
        for (const QString &name : enabled)
            QVERIFY2(action(window.get(), name.toLatin1())->isEnabled(), qPrintable(name));
        for (const QString &name : masked)
            QVERIFY2(!action(window.get(), name.toLatin1())->isEnabled(), qPrintable(name));
        const QStringList neverDisabled{"new", "open", "close", "print setup", "exit", "addmodule",
                                        "help", "about", "treelegend"};
        for (const QString &name : neverDisabled)
            QVERIFY2(action(window.get(), name.toLatin1())->isEnabled(), qPrintable(name));
        QVERIFY(!window->addModulePopup()->isEnabled());
        grab(window.get(), QStringLiteral("mainwindow.png"));
    }

    void actionTableAndAccelerators_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("key");
        QTest::newRow("new") << "new" << "&New" << "New" << "Ctrl+N";
        QTest::newRow("save") << "save" << "&Save" << "Save" << "";
        QTest::newRow("save as") << "save as" << "&Save As" << "SaveAs" << "Ctrl+A";
        QTest::newRow("upload") << "upload" << "&Upload" << "Upload from device" << "Ctrl+U";
        QTest::newRow("configure comms") << "configure comms" << "Confi&gure Comms" << "Configure Comms" << "Ctrl+G";
        QTest::newRow("print setup") << "print setup" << "Print Setup" << "Print Setup" << "";
        QTest::newRow("about") << "about" << "&About" << "About RYXConfig" << "";
        QTest::newRow("treelegend") << "treelegend" << "Tree Indicators Legend" << "" << "";
    }

    void actionTableAndAccelerators()
    {
        QFETCH(QString, name);
        QFETCH(QString, menuText);
        QFETCH(QString, toolTip);
        QFETCH(QString, key);
        auto window = makeWindow({});
        QAction *a = action(window.get(), name.toLatin1());
        QVERIFY(a);
        QCOMPARE(a->text(), menuText);
        if (!toolTip.isEmpty())
            QCOMPARE(a->toolTip(), toolTip);
        QCOMPARE(a->shortcut().toString(), key);
        QVERIFY(!a->icon().isNull());
    }

    void everyAcceleratorHasOneOwner()
    {
        auto window = makeWindow({QStringLiteral("/f")});
        QMap<QString, QString> owners;
        for (QAction *a : window->findChildren<QAction *>()) {
            const QString key = a->shortcut().toString();
            if (key.isEmpty())
                continue;
            QVERIFY2(!owners.contains(key), qPrintable(key + " shared by " + owners.value(key) + " and " + a->objectName()));
            owners.insert(key, a->objectName());
        }
    }

    void notImplementedAccelerators_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Ctrl+L close") << QKeySequence(QStringLiteral("Ctrl+L"));
        QTest::newRow("Ctrl+P print") << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("Ctrl+V print preview") << QKeySequence(QStringLiteral("Ctrl+V"));
    }

    void notImplementedAccelerators()
    {
        QFETCH(QKeySequence, key);
        auto window = makeWindow({});
        // Print and Print Preview are enabled only with an object selected.
        auto *object = new RYXObject;
        window->addRootObject(object);
        QVERIFY(window->listView()->selectedItem());
        QVERIFY(window->findChild<QAction *>(QStringLiteral("print"))->isEnabled());
        QTest::keySequence(window.get(), key);
        QCOMPARE(m_prompter.prompts().size(), 1);
        QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("Warning"));
        QCOMPARE(m_prompter.prompts().first().text, QStringLiteral("This feature is not implemented."));
    }

    void exitAsksAndHonoursTheAnswer_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QList<int>>("exitCodes");
        QTest::newRow("yes ends the program with 0") << int(QMessageBox::Yes) << QList<int>{0};
        QTest::newRow("no keeps running") << int(QMessageBox::No) << QList<int>{};
    }

    void exitAsksAndHonoursTheAnswer()
    {
        QFETCH(int, button);
        QFETCH(QList<int>, exitCodes);
        auto window = makeWindow({});
        m_prompter.queueButton(QMessageBox::StandardButton(button));
        QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+X")));
        QCOMPARE(window->exitCodes, exitCodes);
        QCOMPARE(m_prompter.prompts().size(), 1);
        QCOMPARE(m_prompter.prompts().first().title, QStringLiteral("RYX Config"));
        QCOMPARE(m_prompter.prompts().first().text, QStringLiteral("Are you sure you would like to exit RYXConfig?"));
        QCOMPARE(m_prompter.prompts().first().icon, QMessageBox::Warning);
    }

    void languageMenuOnlyInExtendedMode()
    {
        auto plain = makeWindow({QStringLiteral("/spanish")});
        QVERIFY(!plain->languagesPopup());
        QVERIFY(!menuTitles(plain.get()).contains(QStringLiteral("Settings")));
        QVERIFY(!plain->currentTranslator());
        QCOMPARE(action(plain.get(), "new")->text(), QStringLiteral("&New"));
        plain.reset();

        auto extended = makeWindow({QStringLiteral("/f")});
        QVERIFY(menuTitles(extended.get()).contains(QStringLiteral("Settings")));
        const QList<QAction *> languages = extended->languagesPopup()->actions();
        QCOMPARE(languages.size(), 3);
        QVERIFY(languages.at(0)->isChecked());
        QVERIFY(!languages.at(1)->isChecked());
        QVERIFY(!extended->currentTranslator());
        grab(extended.get(), QStringLiteral("mainwindow-extended.png"));
    }

    void laterLanguageSwitchWinsAndTranslates()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(RYX_BIN_DIR));
        auto window = makeWindow({QStringLiteral("/f"), QStringLiteral("/spanish"), QStringLiteral("/chinese")});
        QDir::setCurrent(previous);
        QVERIFY(window->currentTranslator());
        QCOMPARE(window->currentTranslator()->language(), QStringLiteral("zh_CN"));
        const QList<QAction *> languages = window->languagesPopup()->actions();
        QVERIFY(!languages.at(0)->isChecked());
        QVERIFY(!languages.at(1)->isChecked());
        QVERIFY(languages.at(2)->isChecked());
        QTRY_VERIFY(action(window.get(), "new")->text() != QStringLiteral("&New"));
        QTRY_VERIFY(!menuTitles(window.get()).contains(QStringLiteral("&File")));
        window->menuBar()->adjustSize();
        QApplication::processEvents();
        grab(window.get(), QStringLiteral("mainwindow-chinese.png"));

        // Back to English: the Chinese translator goes, the texts return.
        window->setupLanguageActivatedSlot(0);
        QTRY_COMPARE(action(window.get(), "new")->text(), QStringLiteral("&New"));
        QVERIFY(languages.at(0)->isChecked());
        QVERIFY(!languages.at(2)->isChecked());
    }

    void progressEventsDriveTheDialog()
    {
        auto window = makeWindow({});
        RYXProgressDialog *dialog = window->progressDialog();
        QCoreApplication::postEvent(window.get(), new progressShowDialogEvent(0, 7));
        QCoreApplication::postEvent(window.get(), new progressSetTitleEvent(QStringLiteral("Uploading")));
        QCoreApplication::postEvent(window.get(), new progressAddResultEvent(QStringLiteral("SmallGreenLED"), QStringLiteral("TIM 1 upload success!")));
        QTRY_VERIFY(dialog->isVisible());
        auto *results = dialog->findChild<QListWidget *>(QStringLiteral("resultList"));
        QTRY_COMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), QStringLiteral("TIM 1 upload success!"));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("subopLabel"))->text(), QStringLiteral("Uploading"));

        // A close from another operation leaves it open; finish of the owner enables OK.
        QCoreApplication::postEvent(window.get(), new progressShowDialogEvent(1, 8));
        QCoreApplication::postEvent(window.get(), new progressShowDialogEvent(2, 7));
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("buttonOK"));
        QTRY_VERIFY(ok->isEnabled());
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("buttonCancel"))->isEnabled());
        grab(dialog, QStringLiteral("progress.png"));
    }

    void eventLogFollowsOnlyAtTheBottom()
    {
        auto window = makeWindow({});
        QListWidget *log = window->eventsBox();
        log->resize(300, 80);
        for (int i = 0; i < 40; ++i)
            QCoreApplication::postEvent(window.get(), new addToEventBoxEvent(QStringLiteral("line %1").arg(i)));
        QTRY_COMPARE(log->count(), 40);
        QApplication::processEvents();
        QVERIFY(log->visualItemRect(log->item(39)).intersects(log->viewport()->rect()));

        log->scrollToTop();
        QCoreApplication::postEvent(window.get(), new addToEventBoxEvent(QStringLiteral("while scrolled up")));
        QTRY_COMPARE(log->count(), 41);
        QApplication::processEvents();
        QVERIFY(!log->visualItemRect(log->item(40)).intersects(log->viewport()->rect()));
    }

    void synchronousEventFromWorkerIsAnsweredOnGuiThread_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("prompts");
        QTest::newRow("retry") << int(QMessageBox::Yes) << 1 << 1;
        QTest::newRow("give up") << int(QMessageBox::No) << 0 << 2;
    }

    void synchronousEventFromWorkerIsAnsweredOnGuiThread()
    {
        QFETCH(int, button);
        QFETCH(int, answer);
        QFETCH(int, prompts);
        auto window = makeWindow({});
        m_prompter.queueButton(QMessageBox::StandardButton(button));
        int result = -1;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            result = QSyncCustomEvent::postAndWait(window.get(), new Event_ShowSeekFailure);
        }));
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        for (const RYXScriptedPrompter::Prompt &p : m_prompter.prompts())
            QCOMPARE(p.thread, QThread::currentThread());
        QCOMPARE(result, answer);
        QCOMPARE(m_prompter.prompts().size(), prompts);
        QCOMPARE(m_prompter.prompts().first().text,
                 QStringLiteral("Connect failed because:\n\nCommunications timed out.\n\nWould you like to retry?"));
        if (prompts == 2)
            QCOMPARE(m_prompter.prompts().at(1).text,
                     QStringLiteral("The communications resource has been taken offline (i.e. port closed.)"));
    }

    void setTimerEventStopsOrStarts()
    {
        auto window = makeWindow({});
        QTimer timer;
        QSignalSpy fired(&timer, &QTimer::timeout);
        timer.start(60000);
        QCoreApplication::postEvent(window.get(), new setTimerEvent(&timer, -1));
        QTRY_VERIFY(!timer.isActive());
        QCOMPARE(fired.count(), 0);

        QCoreApplication::postEvent(window.get(), new setTimerEvent(&timer, 0));
        QVERIFY(fired.wait(1000));
        QCOMPARE(fired.count(), 1);
        QVERIFY(timer.isSingleShot());
        QVERIFY(!timer.isActive());
    }

    void newPopupCreatesASelectedStation()
    {
        auto window = makeWindow({});
        QAction *eim = nullptr;
        for (QAction *a : window->newInterfaceModulePopup()->actions())
            if (a->text() == QLatin1String("EIM"))
                eim = a;
        QVERIFY(eim);
        eim->trigger();
        QCOMPARE(window->listView()->topLevelItemCount(), 1);
        RYXObject *station = RYXListView::objectOf(window->listView()->selectedItem());
        QVERIFY(station);
        QVERIFY(station->inherits("EIModuleObject"));
        // A selected top-level object can be saved; an offline station with
        // room for modules offers Add Module.
        QVERIFY(window->findChild<QAction *>(QStringLiteral("save"))->isEnabled());
        QVERIFY(window->addModulePopup()->isEnabled());
        grab(window.get(), QStringLiteral("mainwindow-eim.png"));
    }

    void foreignCustomEventIsLeftToTheToolkit()
    {
        auto window = makeWindow({});
        QEvent other(QEvent::Type(QEvent::User + 500));
        QVERIFY(!window->dispatchEvent(&other));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
