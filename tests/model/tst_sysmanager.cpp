#include "app/RYXListView.h"
#include "core/RYXScriptedPrompter.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlWriter.h"

#include "ModelTestSupport.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <memory>

namespace {

// A station with two modules, the first holding one channel.
TestNode *makeStation(const QString &stationName)
{
    auto *station = new TestNode;
    station->setDisplayName(stationName);
    for (const char *moduleName : { "Module A", "Module B" }) {
        auto *module = new TestNode(QStringLiteral("TEST"), station, QStringLiteral("TESTCHILD"));
        module->setDisplayName(QLatin1String(moduleName));
        station->addChild(module);
    }
    auto *channel = new TestNode(QStringLiteral("TEST"), station->childAt(0));
    channel->setDisplayName(QStringLiteral("Channel 1"));
    station->childAt(0)->addChild(channel);
    return station;
}

} // namespace

class tst_SysManager : public QObject
{
    Q_OBJECT

    RecordingReceiver *m_receiver = nullptr;
    RYXSysManager *m_manager = nullptr;

private Q_SLOTS:
    void init()
    {
        registerTestElements();
        m_receiver = new RecordingReceiver;
        m_manager = new RYXSysManager(m_receiver, &m_receiver->view);
    }

    void cleanup()
    {
        delete m_manager;
        delete m_receiver;
    }

    void addRootObjectBuildsTreeAndSelects()
    {
        TestNode *first = makeStation("First");
        TestNode *second = makeStation("Second");
        first->setDeletable(false);
        m_manager->addRootObject(first);
        m_manager->addRootObject(second);

        QTreeWidget &view = m_receiver->view;
        QCOMPARE(view.topLevelItemCount(), 2);
        QTreeWidgetItem *item = view.topLevelItem(0);
        QCOMPARE(item->child(0)->child(0)->text(0), QStringLiteral("Channel 1"));
        QCOMPARE(static_cast<RYXListViewItem *>(item->child(1))->object(), first->childAt(1));
        QCOMPARE(view.selectedItems(), QList<QTreeWidgetItem *>{ second->getTreeItem() });
        QCOMPARE(first->getOwnConnection()->getSysManager(), m_manager);
        QVERIFY(first->isDeletable()); // every station can be removed
        QVERIFY(first->childAt(0)->getPopupMenu());
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question");
        const QString question = "Delete the station Doomed and everything under it from the tree?";
        QTest::newRow("no keeps it") << false << QMessageBox::No << question;
        QTest::newRow("unsaved, no keeps it") << true << QMessageBox::No
                                              << question + " Its unsaved changes will be lost.";
        QTest::newRow("yes deletes it") << false << QMessageBox::Yes << question;
    }

    void deleteAsksFirst()
    {
        QFETCH(bool, unsaved);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        QPointer<TestNode> doomed = makeStation("Doomed");
        m_manager->addRootObject(doomed);
        doomed->setUnsavedChanges(unsaved);
        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        prompter.queueButton(answer);
        doomed->childAt(0)->childAt(0)->deleteSlot(); // a channel: not the station
        QCOMPARE(prompter.prompts().size(), 0);
        m_receiver->view.setCurrentItem(doomed->getTreeItem());
        doomed->deleteSlot();
        RYXPrompter::setInstance(nullptr);
        QCOMPARE(prompter.promptTexts(), QStringList{question});
        QCOMPARE(prompter.prompts().first().title, QStringLiteral("RYX Config"));
        const bool deleted = answer == QMessageBox::Yes;
        QCOMPARE(m_manager->getConnections().size(), deleted ? 0 : 1);
        QTRY_COMPARE(doomed.isNull(), deleted);
    }

    void deleteOfflineStation()
    {
        TestNode *keep = makeStation("Keep");
        QPointer<TestNode> doomed = makeStation("Doomed");
        QPointer<RYXObject> module = doomed->childAt(0);
        m_manager->addRootObject(keep);
        m_manager->addRootObject(doomed);
        QPointer<RYXConnectionBase> connection = doomed->getOwnConnection();

        // The object's own Delete on a station root removes the whole device
        // (once the question is answered Yes, the scripted default).
        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        doomed->deleteSlot();
        RYXPrompter::setInstance(nullptr);
        QCOMPARE(prompter.prompts().size(), 1);
        QVERIFY(!connection);
        QCOMPARE(m_manager->getConnections().size(), 1);
        QCOMPARE(m_receiver->view.topLevelItemCount(), 1);
        QCOMPARE(m_receiver->view.topLevelItem(0)->text(0), QStringLiteral("Keep"));
        QTRY_VERIFY(!doomed);
        QVERIFY(!module);

        // Without a current item Delete does nothing.
        m_receiver->view.setCurrentItem(nullptr);
        m_manager->DeleteSlot();
        QCOMPARE(m_manager->getConnections().size(), 1);
    }

    void deleteWaitsForOfflineWithoutBlocking()
    {
        TestNode *station = makeStation("Online");
        m_manager->addRootObject(station);
        RYXConnectionBase *connection = station->getOwnConnection();
        connection->setWorkerAttached(true);
        connection->setState(RYXConnectionBase::Online);
        station->setOnline(true);
        QVERIFY(station->childAt(0)->isOnline());

        // The worker stands in for the connection thread: it takes the
        // connection offline a little later, which it can only do while the
        // GUI thread's event loop keeps running.
        QStringList debugLines;
        connect(m_manager, &RYXSysManager::DebugMessage, this,
                [&debugLines](const QString &line) { debugLines << line; });
        bool requestedBeforeOffline = false;
        QTimer::singleShot(60, connection, [connection, &requestedBeforeOffline] {
            requestedBeforeOffline = connection->isDisconnectRequested();
            connection->serviceRequests();
        });
        QPointer<TestNode> guard(station);
        QPointer<RYXObject> module = station->childAt(0);
        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        m_manager->DeleteSlot();
        RYXPrompter::setInstance(nullptr);

        QVERIFY(requestedBeforeOffline);
        QVERIFY(debugLines.size() >= 2);
        QCOMPARE(QSet<QString>(debugLines.cbegin(), debugLines.cend()),
                 QSet<QString>{ "Waiting to go offline...." });
        QVERIFY(m_manager->getConnections().isEmpty());
        QCOMPARE(m_receiver->view.topLevelItemCount(), 0);
        QVERIFY(guard);
        QVERIFY(!guard->isOnline());
        QVERIFY(!module->isOnline());
        QTRY_VERIFY(!guard);
    }

    void connectionRequests()
    {
        TestNode station;
        RYXConnectionBase connection(&station);
        // Without a worker a disconnect is done at once.
        connection.setState(RYXConnectionBase::Online);
        station.setOnline(true);
        connection.disconnectSlot();
        QCOMPARE(connection.state(), int(RYXConnectionBase::Offline));
        QVERIFY(!station.isOnline());

        // A disconnect replaces a connect request; with a worker it waits for
        // it (deleteWaitsForOfflineWithoutBlocking).
        connection.setWorkerAttached(true);
        connection.connectSlot(false);
        connection.disconnectSlot();
        QVERIFY(!connection.isConnectRequested());
        QVERIFY(connection.isDisconnectRequested());
    }

    // A request made while the previous one ran is not cleared with it:
    // the next value of a loop test reaches the output.
    void requestDuringARunStaysPending()
    {
        TestNode station;
        RYXConnectionBase connection(&station);
        connection.setPendingOperation(&station, QStringLiteral("writeOutput"));
        quint64 running = 0;
        QCOMPARE(connection.pendingOperation(nullptr, &running), QStringLiteral("writeOutput"));
        connection.setPendingOperation(&station, QStringLiteral("writeOutput"));
        connection.clearPendingOperation(running);
        RYXObject *target = nullptr;
        quint64 next = 0;
        QCOMPARE(connection.pendingOperation(&target, &next), QStringLiteral("writeOutput"));
        QCOMPARE(target, &station);
        connection.clearPendingOperation(next);
        QVERIFY(connection.pendingOperation().isEmpty());
    }

    void showInTreeComesAndGoes()
    {
        TestNode *station = makeStation("S");
        auto *hidden = new TestNode("TEST", station->childAt(1));
        hidden->setDisplayName("Trim");
        hidden->setShowInTree(false);
        m_manager->addRootObject(station);
        QTreeWidgetItem *moduleItem = station->childAt(1)->getTreeItem();
        QCOMPARE(moduleItem->childCount(), 0);

        hidden->setShowInTree(true);
        hidden->setShowInTree(true); // no change, no second item
        QCoreApplication::sendPostedEvents();
        QCOMPARE(moduleItem->childCount(), 1);
        QCOMPARE(moduleItem->child(0), hidden->getTreeItem());

        hidden->setShowInTree(false);
        QCoreApplication::sendPostedEvents();
        QVERIFY(!hidden->getTreeItem());
        QCOMPARE(moduleItem->childCount(), 0);
    }

    void openFileIntoModule_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("prompt"); // how it starts
        const QString incompatible = "The information in the file is incompatible with \nthe device it was loaded into.";
        QTest::newRow("incompatible, yes adds a new station") << true << true << incompatible;
        QTest::newRow("incompatible, no changes nothing") << true << false << incompatible;
        QTest::newRow("unreadable changes nothing") << false << true << "Failed to parse the input file.";
    }

    void openFileIntoModule()
    {
        QFETCH(bool, readable);
        QFETCH(bool, answerYes);
        QFETCH(QString, prompt);
        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        QTemporaryDir dir;
        const QString path = dir.filePath("other.xml");
        TestNode other("OTHER", nullptr, "OTHERNODE");
        other.setValue("alpha", 31);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(readable ? VELXmlWriter::toXml(other).toUtf8() : "<OTHERNODE>\n <NOSUCH/>\n</OTHERNODE>\n");
        file.close();

        TestNode *station = makeStation("S");
        m_manager->addRootObject(station);
        prompter.queueFileName(path);
        prompter.queueButton(answerYes ? QMessageBox::Yes : QMessageBox::No);
        station->childAt(0)->openSlot();
        RYXPrompter::setInstance(nullptr);

        QCOMPARE(prompter.prompts().size(), 1);
        QVERIFY(prompter.prompts().first().text.startsWith(prompt));
        QCOMPARE(station->childAt(0)->getInt("alpha"), 1);
        const bool added = readable && answerYes;
        QCOMPARE(m_manager->getConnections().size(), added ? 2 : 1);
        QCOMPARE(m_receiver->view.topLevelItemCount(), added ? 2 : 1);
        if (!added)
            return;
        auto *item = static_cast<RYXListViewItem *>(m_receiver->view.currentItem());
        QCOMPARE(item, m_receiver->view.topLevelItem(1));
        QCOMPARE(item->object()->getFamily(), QStringLiteral("OTHER"));
        QCOMPARE(item->object()->getInt("alpha"), 31);
        QCOMPARE(item->object()->getFileName(), path);
    }

    void dragAndDropThroughTheTree()
    {
        RYXListView view;
        view.resize(300, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        RYXSysManager manager(m_receiver, &view);
        TestNode *target = makeStation("Target");
        TestNode *source = makeStation("Source");
        manager.addRootObject(target);
        manager.addRootObject(source); // selected: the drag starts here
        source->childAt(0)->setValue("alpha", 55);

        // The tree hands drag enter to the selected item, which is the source
        // itself: it must accept, or no drop would ever arrive.
        std::unique_ptr<QMimeData> data(source->makeDragObject());
        const QPoint onTarget = view.visualItemRect(target->getTreeItem()).center();
        QDragEnterEvent enter(onTarget, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &enter);
        QVERIFY(enter.isAccepted());

        RYXScriptedPrompter prompter;
        RYXPrompter::setInstance(&prompter);
        prompter.queueButton(QMessageBox::Yes);
        QDropEvent drop(onTarget, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &drop);
        RYXPrompter::setInstance(nullptr);
        QCOMPARE(prompter.prompts().size(), 1);
        QCOMPARE(target->childAt(0)->getInt("alpha"), 55);
    }
};

QTEST_MAIN(tst_SysManager)
#include "tst_sysmanager.moc"
