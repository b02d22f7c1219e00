#include "model/RYXSysManager.h"

#include "core/RYXPrompter.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"

#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtWidgets/QTreeWidget>

namespace {
// Operations every station allows unless its class says otherwise.
constexpr int AllowedOperations[] = { 0, 1, 2, 8, 9, 10 };
constexpr int OfflinePollMs = 10;
} // namespace

RYXSysManager::RYXSysManager(RYXEventReceiver *mainWindow, QTreeWidget *treeView,
                             QObject *parent)
    : QObject(parent), m_listView(treeView), m_mainWindow(mainWindow)
{
}

RYXSysManager::~RYXSysManager()
{
    // Connections first: they refer to their devices, which this manager
    // owns as QObject children and which go after this destructor.
    qDeleteAll(connections);
    connections.clear();
}

void RYXSysManager::addDevice(RYXObject *device)
{
    if (!device)
        return;
    // The manager holds the top-level objects.
    if (!device->parent())
        device->setParent(this);
    auto *connection = device->createConnection(this);
    device->setConnection(connection);
    device->setDeletable(true);
    registerConnection(connection);
    // Until it is saved (or was read from a file), no file holds the device.
    device->setUnsavedChanges(true);
}

void RYXSysManager::setCancelRequested(bool cancel)
{
    cancelRequested = cancel;
    for (RYXConnectionBase *connection : std::as_const(connections))
        connection->setCancelRequested(cancel);
}

void RYXSysManager::registerConnection(RYXConnectionBase *connection)
{
    connect(connection, &RYXConnectionBase::DebugMessage, this, &RYXSysManager::DebugMessage);
    connection->setSysManager(this);
    connection->setEventReceiver(m_mainWindow);
    connection->attachDeviceToTree();
    connections.append(connection);
}

void RYXSysManager::addRootObject(RYXObject *device)
{
    if (!device)
        return;
    if (m_mainWindow)
        m_mainWindow->updateUIEnableState();
    addDevice(device);
    QTreeWidgetItem *item = device->getTreeItem();
    if (m_listView && item) {
        m_listView->clearSelection();
        m_listView->setCurrentItem(item);
        item->setSelected(true);
        m_listView->scrollToItem(item);
    }
}

void RYXSysManager::removeConnection(RYXConnectionBase *connection)
{
    if (connections.removeOne(connection))
        delete connection;
}

int RYXSysManager::checkOperation(int op) const
{
    for (int allowed : AllowedOperations)
        if (op == allowed)
            return 0;
    return -1;
}

// The worker takes the connection offline; the GUI thread keeps handling
// events meanwhile (a TCP transaction of the worker needs it).
void RYXSysManager::waitForOffline(RYXConnectionBase *connection)
{
    QPointer<RYXConnectionBase> guard(connection);
    while (guard && !guard->isOffline()) {
        Q_EMIT DebugMessage(QStringLiteral("Waiting to go offline...."));
        QEventLoop loop;
        QTimer::singleShot(OfflinePollMs, &loop, &QEventLoop::quit);
        connect(guard, &RYXConnectionBase::stateChanged, &loop, &QEventLoop::quit);
        connect(guard, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

bool RYXSysManager::confirmDelete(RYXObject *device)
{
    if (!device)
        return true;
    QString question = tr("Delete the station %1 and everything under it from the tree?").arg(device->getName());
    if (device->hasUnsavedChanges())
        question += QLatin1Char(' ') + tr("Its unsaved changes will be lost.");
    // Re-entry guard: the question runs an event loop of its own.
    m_deleting = true;
    const bool yes = RYXPrompter::warningYesNo(m_listView, QStringLiteral("RYX Config"), question);
    m_deleting = false;
    return yes;
}

void RYXSysManager::DeleteSlot()
{
    // Re-entry from the event loop of waitForOffline would delete twice.
    if (m_deleting || !m_listView)
        return;
    QTreeWidgetItem *current = m_listView->currentItem();
    auto *item = dynamic_cast<RYXListViewItem *>(current);
    RYXObject *object = item ? item->object() : nullptr;
    RYXConnectionBase *connection = nullptr;
    if (!object || !object->getConnection(object, connection))
        return;
    if (!confirmDelete(connection->getDevice()))
        return;

    m_deleting = true;
    QPointer<RYXConnectionBase> guard(connection);
    connection->requestDisconnect();
    waitForOffline(connection);
    m_deleting = false;
    if (!guard || !connections.contains(connection))
        return;

    QPointer<RYXObject> device = connection->getDevice();
    if (device) {
        device->destroyTreeItem();
        device->setConnection(nullptr);
    }
    removeConnection(connection);
    // The delete may have been started from one of the device's own slots.
    if (device)
        device->deleteLater();
    if (m_mainWindow)
        m_mainWindow->updateUIEnableState();
}
