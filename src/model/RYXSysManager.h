#pragma once

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtWidgets/QTreeWidget>

class RYXConnectionBase;
class RYXEventReceiver;
class RYXObject;

// Knows every station of the tree: gives each top-level device its
// connection, removes a device safely (offline first) and answers which
// operations are allowed on a station. Lives on the GUI thread.
class RYXSysManager : public QObject
{
    Q_OBJECT
public:
    RYXSysManager(RYXEventReceiver *mainWindow, QTreeWidget *treeView,
                  QObject *parent = nullptr);
    ~RYXSysManager() override;

    /// Gives \a device its connection and attaches it to the tree.
    void addDevice(RYXObject *device);
    void registerConnection(RYXConnectionBase *connection);
    /// Adds \a device at the root of the tree, selects it and scrolls to it.
    void addRootObject(RYXObject *device);
    /// Takes \a connection out of the list and deletes it.
    void removeConnection(RYXConnectionBase *connection);
    int checkOperation(int op) const;

    QTreeWidget *listView() const { return m_listView; }
    RYXEventReceiver *mainWindow() const { return m_mainWindow; }
    const QList<RYXConnectionBase *> &getConnections() const { return connections; }

    bool isCancelRequested() const { return cancelRequested; }
    /// The progress dialog's Cancel: stops the operation each connection runs.
    void setCancelRequested(bool cancel);

    /// Waits, with the event loop running, until \a connection is offline.
    void waitForOffline(RYXConnectionBase *connection);

public Q_SLOTS:
    /// Removes the device of the tree's current item.
    void DeleteSlot();

Q_SIGNALS:
    void DebugMessage(const QString &text);

private:
    /// Asks before \a device leaves the tree; true to delete it.
    bool confirmDelete(RYXObject *device);

    QPointer<QTreeWidget> m_listView;
    QList<RYXConnectionBase *> connections;
    bool cancelRequested = false;
    RYXEventReceiver *m_mainWindow;
    bool m_deleting = false;
};
