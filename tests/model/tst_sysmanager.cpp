#include "ModelTestSupport.h"

#include "app/RYXListView.h"
#include "app/RYXScriptedPrompter.h"
#include "comm/RYXConnection.h"
#include "model/RYXSysManager.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>

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

QString currentText(QTreeWidget &view)
{
    return view.currentItem() ? view.currentItem()->text(0) : QString();
}

} // namespace

class tst_SysManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void addRootObjectBuildsTreeAndSelects();
    void checkOperation_data();
    void checkOperation();
    void deleteOfflineStation();
    void deleteWaitsForOfflineWithoutBlocking();
    void deleteWithoutCurrentItemDoesNothing();
    void connectionRequests();
    void nextAndPreviousItem();
    void showInTreeComesAndGoes();
    void openIncompatibleFileAsNewStation();
    void dragAndDropThroughTheTree();

private:
    RecordingReceiver *m_receiver = nullptr;
    RYXSysManager *m_manager = nullptr;
};

void tst_SysManager::init()
{
    m_receiver = new RecordingReceiver;
    m_manager = new RYXSysManager(m_receiver, &m_receiver->view);
}

void tst_SysManager::cleanup()
{
    delete m_manager;
    delete m_receiver;
}

void tst_SysManager::addRootObjectBuildsTreeAndSelects()
{
    TestNode *first = makeStation(QStringLiteral("First"));
    TestNode *second = makeStation(QStringLiteral("Second"));
    first->setDeletable(false);
    m_manager->addRootObject(first);
    m_manager->addRootObject(second);

    QTreeWidget &view = m_receiver->view;
    QCOMPARE(view.topLevelItemCount(), 2);
    QCOMPARE(view.topLevelItem(0)->text(0), QStringLiteral("First"));
    QCOMPARE(view.topLevelItem(1)->text(0), QStringLiteral("Second"));
    QTreeWidgetItem *item = view.topLevelItem(0);
    QCOMPARE(item->childCount(), 2);
    QCOMPARE(item->child(0)->text(0), QStringLiteral("Module A"));
    QCOMPARE(item->child(1)->text(0), QStringLiteral("Module B"));
    QCOMPARE(item->child(0)->child(0)->text(0), QStringLiteral("Channel 1"));
    QCOMPARE(static_cast<RYXListViewItem *>(item->child(1))->object(), first->childAt(1));

    QCOMPARE(view.currentItem(), second->getTreeItem());
    QCOMPARE(view.selectedItems(), QList<QTreeWidgetItem *>{ second->getTreeItem() });
    QCOMPARE(m_manager->getConnections().size(), 2);
    RYXConnection *connection = first->getOwnConnection();
    QVERIFY(connection);
    QCOMPARE(connection->getSysManager(), m_manager);
    QCOMPARE(connection->getEventReceiver(), m_receiver);
    QCOMPARE(connection->state(), int(RYXConnection::Offline));
    QVERIFY(first->isDeletable()); // every station can be removed
    QVERIFY(first->getPopupMenu());
    QVERIFY(first->childAt(0)->getPopupMenu());
}

void tst_SysManager::checkOperation_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<int>("result");
    for (int op : { 0, 1, 2, 8, 9, 10 })
        QTest::addRow("allowed %d", op) << op << 0;
    for (int op : { -1, 3, 4, 5, 6, 7, 11, 100 })
        QTest::addRow("refused %d", op) << op << -1;
}

void tst_SysManager::checkOperation()
{
    QFETCH(int, op);
    QFETCH(int, result);
    QCOMPARE(m_manager->checkOperation(op), result);
    // A channel asks up the tree to the manager.
    TestNode *station = makeStation(QStringLiteral("S"));
    m_manager->addDevice(station);
    QCOMPARE(station->childAt(0)->childAt(0)->checkOperation(op), result);
}

void tst_SysManager::deleteOfflineStation()
{
    TestNode *keep = makeStation(QStringLiteral("Keep"));
    QPointer<TestNode> doomed = makeStation(QStringLiteral("Doomed"));
    QPointer<RYXObject> module = doomed->childAt(0);
    m_manager->addRootObject(keep);
    m_manager->addRootObject(doomed);
    QPointer<RYXConnection> connection = doomed->getOwnConnection();

    // The object's own Delete on a station root removes the whole device.
    doomed->deleteSlot();
    QVERIFY(!connection);
    QCOMPARE(m_manager->getConnections().size(), 1);
    QCOMPARE(m_receiver->view.topLevelItemCount(), 1);
    QCOMPARE(m_receiver->view.topLevelItem(0)->text(0), QStringLiteral("Keep"));
    QTRY_VERIFY(!doomed);
    QVERIFY(!module);
}

void tst_SysManager::deleteWaitsForOfflineWithoutBlocking()
{
    TestNode *station = makeStation(QStringLiteral("Online"));
    m_manager->addRootObject(station);
    RYXConnection *connection = station->getOwnConnection();
    connection->setWorkerAttached(true);
    connection->setState(RYXConnection::Online);
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
    m_manager->DeleteSlot();

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

void tst_SysManager::deleteWithoutCurrentItemDoesNothing()
{
    m_manager->addRootObject(makeStation(QStringLiteral("S")));
    m_receiver->view.setCurrentItem(nullptr);
    m_manager->DeleteSlot();
    QCOMPARE(m_manager->getConnections().size(), 1);
    QCOMPARE(m_receiver->view.topLevelItemCount(), 1);
}

void tst_SysManager::connectionRequests()
{
    TestNode station;
    RYXConnection connection(&station);
    QSignalSpy states(&connection, &RYXConnection::stateChanged);
    QCOMPARE(connection.state(), int(RYXConnection::Offline));
    QVERIFY(connection.takeUiUpdate()); // the first pass refreshes the item
    QVERIFY(!connection.takeUiUpdate());

    // Only a worker can connect: the request waits for it.
    connection.connectSlot(true);
    QCOMPARE(connection.state(), int(RYXConnection::Offline));
    QVERIFY(connection.isConnectRequested());
    connection.serviceRequests();
    QCOMPARE(connection.state(), int(RYXConnection::Seeking));
    QVERIFY(!connection.isConnectRequested());
    QVERIFY(connection.takeUploadAfterConnect());
    QVERIFY(!connection.isUploadAfterConnect());
    QVERIFY(connection.takeUiUpdate());

    connection.setState(RYXConnection::Online);
    station.setOnline(true);
    connection.disconnectSlot();
    QCOMPARE(connection.state(), int(RYXConnection::Offline));
    QVERIFY(!connection.isDisconnectRequested());
    QVERIFY(!station.isOnline());
    QCOMPARE(states.size(), 3);

    // A disconnect replaces a connect request; with a worker it waits for it.
    connection.setWorkerAttached(true);
    connection.connectSlot(false);
    connection.setState(RYXConnection::Online);
    connection.disconnectSlot();
    QVERIFY(!connection.isConnectRequested());
    QVERIFY(connection.isDisconnectRequested());
    QCOMPARE(connection.state(), int(RYXConnection::Online));
    connection.serviceRequests();
    QVERIFY(!connection.isDisconnectRequested());
    QCOMPARE(connection.state(), int(RYXConnection::Offline));

    connection.setCancelRequested(true);
    QVERIFY(connection.isCancelRequested());
}

void tst_SysManager::nextAndPreviousItem()
{
    TestNode *first = makeStation(QStringLiteral("First"));
    TestNode *second = makeStation(QStringLiteral("Second"));
    m_manager->addRootObject(first);
    m_manager->addRootObject(second);
    QTreeWidget &view = m_receiver->view;
    view.collapseAll();

    // Previous from the second station opens the first and walks down to
    // its last visible item.
    view.setCurrentItem(second->getTreeItem());
    second->selectPreviousItem();
    QCOMPARE(currentText(view), QStringLiteral("Module B"));
    second->selectPreviousItem();
    QCOMPARE(currentText(view), QStringLiteral("Channel 1"));
    second->selectPreviousItem();
    QCOMPARE(currentText(view), QStringLiteral("Module A"));

    // Next moves past a closed item and opens the item it moves to.
    view.collapseAll();
    view.setCurrentItem(first->getTreeItem());
    first->selectNextItem();
    QCOMPARE(currentText(view), QStringLiteral("Second"));
    QVERIFY(view.currentItem()->isExpanded());
    first->selectNextItem();
    QCOMPARE(currentText(view), QStringLiteral("Module A"));
    QCOMPARE(view.currentItem()->parent(), second->getTreeItem());

    // Nothing before the first item.
    view.setCurrentItem(first->getTreeItem());
    first->selectPreviousItem();
    QCOMPARE(currentText(view), QStringLiteral("First"));
}

void tst_SysManager::showInTreeComesAndGoes()
{
    TestNode *station = makeStation(QStringLiteral("S"));
    auto *hidden = new TestNode(QStringLiteral("TEST"), station->childAt(1));
    hidden->setDisplayName(QStringLiteral("Trim"));
    hidden->setShowInTree(false);
    m_manager->addRootObject(station);
    QTreeWidgetItem *moduleItem = station->childAt(1)->getTreeItem();
    QCOMPARE(moduleItem->childCount(), 0);

    hidden->setShowInTree(true);
    QVERIFY(!hidden->getTreeItem()); // made by the posted event
    QCoreApplication::sendPostedEvents();
    QVERIFY(hidden->getTreeItem());
    QCOMPARE(moduleItem->childCount(), 1);
    QCOMPARE(moduleItem->child(0)->text(0), QStringLiteral("Trim"));
    hidden->setShowInTree(true); // no change, no second item
    QCoreApplication::sendPostedEvents();
    QCOMPARE(moduleItem->childCount(), 1);

    hidden->setShowInTree(false);
    QCoreApplication::sendPostedEvents();
    QVERIFY(!hidden->getTreeItem());
    QCOMPARE(moduleItem->childCount(), 0);
}

void tst_SysManager::openIncompatibleFileAsNewStation()
{
    registerTestElements();
    RYXScriptedPrompter prompter;
    RYXPrompter::setInstance(&prompter);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.xml"));
    TestNode other(QStringLiteral("OTHER"), nullptr, QStringLiteral("OTHERNODE"));
    other.setValue(QStringLiteral("alpha"), 31);
    prompter.queueFileName(path);
    other.saveAsSlot();

    TestNode *station = makeStation(QStringLiteral("S"));
    m_manager->addRootObject(station);
    prompter.queueFileName(path);
    prompter.queueButton(QMessageBox::Yes);
    station->childAt(0)->openSlot();
    RYXPrompter::setInstance(nullptr);

    QCOMPARE(m_manager->getConnections().size(), 2);
    QCOMPARE(m_receiver->view.topLevelItemCount(), 2);
    auto *added = static_cast<RYXListViewItem *>(m_receiver->view.currentItem());
    QCOMPARE(added, m_receiver->view.topLevelItem(1));
    QCOMPARE(added->object()->getFamily(), QStringLiteral("OTHER"));
    QCOMPARE(added->object()->getInt(QStringLiteral("alpha")), 31);
    QCOMPARE(added->object()->getFileName(), path);
    QCOMPARE(station->childAt(0)->getInt(QStringLiteral("alpha")), 1);
}

void tst_SysManager::dragAndDropThroughTheTree()
{
    registerTestElements();
    RYXListView view;
    view.resize(300, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    RYXSysManager manager(m_receiver, &view);
    TestNode *target = makeStation(QStringLiteral("Target"));
    TestNode *source = makeStation(QStringLiteral("Source"));
    manager.addRootObject(target);
    manager.addRootObject(source); // selected: the drag starts here
    source->childAt(0)->setValue(QStringLiteral("alpha"), 55);

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
    QCOMPARE(target->childAt(0)->getInt(QStringLiteral("alpha")), 55);
}

QTEST_MAIN(tst_SysManager)
#include "tst_sysmanager.moc"
