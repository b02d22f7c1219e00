#include "app/RYXConfigWindow.h"
#include "app/RYXEventsBox.h"
#include "app/RYXProgressDialog.h"
#include "core/RYXScriptedPrompter.h"
#include "core/StartupFlags.h"
#include "model/events/addToEventBoxEvent.h"
#include "model/events/Event_ShowSeekFailure.h"
#include "model/events/progressAddResultEvent.h"
#include "model/events/progressSetTitleEvent.h"
#include "model/events/progressShowDialogEvent.h"
#include "model/events/setTimerEvent.h"
#include "model/events/showMessageBoxSynchEvent.h"
#include "model/RYXObject.h"

#include <QtCore/QThread>
#include <QtCore/QTranslator>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenuBar>

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

    std::unique_ptr<TestWindow> makeWindow(const QStringList &switches = {})
    {
        const QStringList args = QStringList{ "ryxconfig" } + switches;
        applyStartupSwitches(args);
        auto window = std::make_unique<TestWindow>(nullptr, args);
        window->show();
        // Shortcuts reach only the active window.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("main window did not become active");
        return window;
    }

    static QAction *action(RYXConfigWindow *window, const QString &name)
    {
        return window->findChild<QAction *>(name);
    }

    static QStringList menuTitles(RYXConfigWindow *window)
    {
        QStringList titles;
        for (QAction *a : window->menuBar()->actions())
            titles << a->text();
        return titles;
    }

    void grab(QWidget *widget, const QString &name)
    {
        QDir().mkpath(RYX_SCREENSHOT_DIR);
        QVERIFY(widget->grab().save(RYX_SCREENSHOT_DIR "/" + name));
    }

    RYXScriptedPrompter m_prompter;

private Q_SLOTS:
    void init()
    {
        m_prompter.clear();
        RYXPrompter::setInstance(&m_prompter);
    }
    void cleanup() { RYXPrompter::setInstance(nullptr); }

    void enableStateFollowsTheTree()
    {
        auto window = makeWindow();
        QCOMPARE(window->enableMask(), unsigned(RYXConfigWindow::EnableConnect | RYXConfigWindow::EnableUpload));
        for (const char *name : { "connect", "upload", "synchronize", "new", "open", "exit", "help" })
            QVERIFY2(action(window.get(), name)->isEnabled(), name);
        for (const char *name : { "disconnect", "download", "save", "print", "copy", "paste", "delete", "configure comms" })
            QVERIFY2(!action(window.get(), name)->isEnabled(), name);
        QVERIFY(!window->addModulePopup()->isEnabled());
        grab(window.get(), "mainwindow.png");

        // New ▸ EIM (its station is checked in tst_stationflow): a selected
        // top-level object can be saved; an offline station with room for
        // modules offers Add Module.
        for (QAction *a : window->newInterfaceModulePopup()->actions())
            if (a->text() == QLatin1String("EIM"))
                a->trigger();
        QVERIFY(action(window.get(), "save")->isEnabled());
        QVERIFY(window->addModulePopup()->isEnabled());
        grab(window.get(), "mainwindow-eim.png");
    }

    void everyAcceleratorHasOneOwner()
    {
        auto window = makeWindow({ "/f" });
        QMap<QString, QString> owners;
        for (QAction *a : window->findChildren<QAction *>()) {
            const QString key = a->shortcut().toString();
            QVERIFY2(key.isEmpty() || !owners.contains(key),
                     qPrintable(key + " shared by " + owners.value(key) + " and " + a->objectName()));
            if (!key.isEmpty())
                owners.insert(key, a->objectName());
        }
        QCOMPARE(owners.value("Ctrl+G"), QStringLiteral("configure comms"));
    }

    void acceleratorsThatAsk_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("exitCodes");
        const QString notImplemented = "This feature is not implemented.";
        const QString exit = "Are you sure you would like to exit RYXConfig?";
        QTest::newRow("close") << "Ctrl+L" << QMessageBox::Ok << "Warning" << notImplemented << QList<int>{};
        QTest::newRow("print") << "Ctrl+P" << QMessageBox::Ok << "Warning" << notImplemented << QList<int>{};
        QTest::newRow("print preview") << "Ctrl+V" << QMessageBox::Ok << "Warning" << notImplemented << QList<int>{};
        QTest::newRow("exit, yes ends with 0") << "Ctrl+X" << QMessageBox::Yes << "RYX Config" << exit << QList<int>{ 0 };
        QTest::newRow("exit, no keeps running") << "Ctrl+X" << QMessageBox::No << "RYX Config" << exit << QList<int>{};
    }

    void acceleratorsThatAsk()
    {
        QFETCH(QString, key);
        QFETCH(QMessageBox::StandardButton, button);
        auto window = makeWindow();
        // Print and Print Preview are enabled only with an object selected.
        auto *root = new RYXObject;
        window->addRootObject(root);
        root->setUnsavedChanges(false); // nothing unsaved: Exit asks whether to exit at all
        QVERIFY(action(window.get(), "print")->isEnabled());
        m_prompter.queueButton(button);
        QTest::keySequence(window.get(), QKeySequence(key));
        QTEST(window->exitCodes, "exitCodes");
        QCOMPARE(m_prompter.prompts().size(), 1);
        QTEST(m_prompter.prompts().first().title, "title");
        QTEST(m_prompter.prompts().first().text, "text");
    }

    void languageMenuOnlyInExtendedMode()
    {
        auto plain = makeWindow({ "/spanish" });
        QVERIFY(!plain->languagesPopup());
        QVERIFY(!menuTitles(plain.get()).contains("Settings"));
        QVERIFY(!plain->currentTranslator());
        plain.reset();

        auto extended = makeWindow({ "/f" });
        QVERIFY(menuTitles(extended.get()).contains("Settings"));
        QCOMPARE(extended->languagesPopup()->actions().size(), 3);
        QVERIFY(extended->languagesPopup()->actions().at(0)->isChecked());
        QVERIFY(!extended->currentTranslator());
        grab(extended.get(), "mainwindow-extended.png");
    }

    void laterLanguageSwitchWinsAndTranslates()
    {
        const QString previous = QDir::currentPath();
        QDir::setCurrent(RYX_BIN_DIR);
        auto window = makeWindow({ "/f", "/spanish", "/chinese" });
        QDir::setCurrent(previous);
        QVERIFY(window->currentTranslator());
        QCOMPARE(window->currentTranslator()->language(), QStringLiteral("zh_CN"));
        const QList<QAction *> languages = window->languagesPopup()->actions();
        QVERIFY(!languages.at(1)->isChecked());
        QVERIFY(languages.at(2)->isChecked());
        QTRY_VERIFY(!menuTitles(window.get()).contains("&File"));
        window->menuBar()->adjustSize();
        QApplication::processEvents();
        grab(window.get(), "mainwindow-chinese.png");

        // Back to English: the Chinese translator goes, the texts return.
        window->setupLanguageActivatedSlot(0);
        QTRY_COMPARE(action(window.get(), "new")->text(), QStringLiteral("&New"));
        QVERIFY(!languages.at(2)->isChecked());
    }

    // Result lines from a worker are seen in tst_stationflow, the modes in
    // tst_progressdialog; here the title and the log line.
    void postedEventsDriveProgressAndLog()
    {
        auto window = makeWindow();
        RYXProgressDialog *dialog = window->progressDialog();
        QCoreApplication::postEvent(window.get(), new progressShowDialogEvent(0, 7));
        QCoreApplication::postEvent(window.get(), new progressSetTitleEvent("Uploading"));
        QCoreApplication::postEvent(window.get(), new progressAddResultEvent("SmallGreenLED", "TIM 1 upload success!"));
        QCoreApplication::postEvent(window.get(), new addToEventBoxEvent("logged"));
        QTRY_COMPARE(window->eventsBox()->count(), 1);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->findChild<QLabel *>("subopLabel")->text(), QStringLiteral("Uploading"));
        grab(dialog, "progress.png");
    }

    void synchronousEventFromWorkerIsAnsweredOnGuiThread_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("prompts");
        QTest::newRow("retry") << QMessageBox::Yes << 1 << 1;
        // Giving up is the user's own answer: no second box repeats it.
        QTest::newRow("give up") << QMessageBox::No << 0 << 1;
    }

    void synchronousEventFromWorkerIsAnsweredOnGuiThread()
    {
        QFETCH(QMessageBox::StandardButton, button);
        auto window = makeWindow();
        m_prompter.queueButton(button);
        int result = -1;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            result = QSyncCustomEvent::postAndWait(window.get(), new Event_ShowSeekFailure);
        }));
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        for (const RYXScriptedPrompter::Prompt &p : m_prompter.prompts())
            QCOMPARE(p.thread, QThread::currentThread());
        QTEST(result, "answer");
        QTEST(int(m_prompter.prompts().size()), "prompts");
        QCOMPARE(m_prompter.prompts().first().text,
                 QStringLiteral("Connect failed because:\n\nCommunications timed out.\n\nWould you like to retry?"));
        auto *lines = window->progressDialog()->findChild<QListWidget *>("resultList");
        const bool closed = lines->count() > 0
                            && lines->item(lines->count() - 1)->text()
                                   == QStringLiteral("The communications resource has been taken offline (i.e. port closed.)");
        QCOMPARE(closed, result == 0);
    }

    void setTimerEventStopsOrStarts()
    {
        auto window = makeWindow();
        QEvent foreign(QEvent::Type(QEvent::User + 500));
        QVERIFY(!window->dispatchEvent(&foreign)); // left to the toolkit
        QTimer timer;
        QSignalSpy fired(&timer, &QTimer::timeout);
        timer.start(60000);
        QCoreApplication::postEvent(window.get(), new setTimerEvent(&timer, -1));
        QTRY_VERIFY(!timer.isActive());
        QCOMPARE(fired.count(), 0);

        QCoreApplication::postEvent(window.get(), new setTimerEvent(&timer, 0));
        QVERIFY(fired.wait(1000));
        QVERIFY(timer.isSingleShot());
        QVERIFY(!timer.isActive());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
