#pragma once

#include <QtCore/QDateTime>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QWaitCondition>

class RYXConnectionThread;
class RYXEventReceiver;
class RYXObject;
class RYXSysManager;
class ZEMPPort;

// The link between one station root of the device tree and the real
// station. The GUI thread only sets request flags (under the mutex); the
// worker that connects, runs the pending operation and polls the station
// reads and clears them and reports through events posted to the event
// receiver. Every accessor is safe from either thread.
//
// A connection to an interface module runs its own worker thread from
// construction to destruction; every request wakes it. While no worker
// services the connection, a disconnect request is carried out at once on
// the caller's thread (so a station can always be taken offline and
// removed); a connect request waits for the worker.
class RYXConnection : public QObject
{
    Q_OBJECT
public:
    enum State { Offline = 1, Online = 3, Seeking = 4 };

    explicit RYXConnection(RYXObject *device, QObject *parent = nullptr);
    ~RYXConnection() override;

    RYXObject *getDevice() const { return m_device; }

    int state() const;
    /// Sets the state and emits stateChanged when it differs.
    void setState(int state);
    bool isOffline() const { return state() == Offline; }

    // Request flags, set by the GUI thread.
    /// Asks for a connect, optionally followed by an upload.
    void requestConnect(bool uploadAfterConnect);
    /// Clears a connect request and asks for a disconnect.
    void requestDisconnect();
    bool isConnectRequested() const;
    bool isDisconnectRequested() const;
    bool isUploadAfterConnect() const;
    /// Clears the connect request; returns whether it was set.
    bool takeConnectRequest();
    /// Clears the upload-after-connect flag; returns whether it was set.
    bool takeUploadAfterConnect();

    /// Stores \a object and \a op as the operation to run next.
    void setPendingOperation(RYXObject *object, const QString &op);
    /// The pending operation and its target (empty and null when none).
    QString pendingOperation(RYXObject **object = nullptr) const;
    void clearPendingOperation();

    // The cancel indication of the progress dialog.
    void setCancelRequested(bool cancel);
    bool isCancelRequested() const;

    bool takeUiUpdate();
    void requestUiUpdate();

    ZEMPPort *getPort() const;
    /// Installs \a port (owned; a previous port is deleted).
    void setPort(ZEMPPort *port);
    int comPortNumber() const;
    void setComPortNumber(int number);
    /// The station address for TCP/IP ("host" or "host:port").
    QString ipAddress() const;
    void setIpAddress(const QString &address);
    QDateTime creationTime() const { return m_created; }

    RYXSysManager *getSysManager() const;
    void setSysManager(RYXSysManager *manager);
    RYXEventReceiver *getEventReceiver() const;
    void setEventReceiver(RYXEventReceiver *receiver);

    /// True once a worker thread services the requests.
    bool hasWorker() const;
    void setWorkerAttached(bool attached);

    /// Blocks the worker until a request, the stop or \a timeoutMs (-1: no
    /// limit) arrives; returns at once when work is already waiting.
    void waitForWork(int timeoutMs);
    /// Set when the connection is being destroyed: the worker finishes.
    bool isStopping() const;

    /// One pass over the request flags without device traffic: a connect
    /// request moves offline to seeking, a disconnect request takes the
    /// connection offline. Called by the worker on each pass of its loop.
    void serviceRequests();
    /// Closes the port, goes offline and tells the device tree.
    void disconnectDevice();

    /// Builds the device's tree item at the root of the tree and
    /// initializes the device and its subtree.
    void attachDeviceToTree();

public Q_SLOTS:
    void connectSlot(bool uploadAfterConnect);
    void disconnectSlot();
    void configureCommsSlot();

Q_SIGNALS:
    void DebugMessage(const QString &text);
    void stateChanged(int state);

private:
    bool hasWorkLocked() const;
    void stopWorker();
    /// One slice of the wait for the stopping worker; true once it ended.
    bool releaseWorker();

    QPointer<RYXObject> m_device;
    mutable QMutex m_mutex;
    int m_state = Offline;
    QString m_pendingOperation;
    QPointer<RYXObject> m_pendingTarget;
    bool m_uiUpdate = true;
    ZEMPPort *m_port = nullptr;
    bool m_disconnectRequested = false;
    bool m_connectRequested = false;
    bool m_uploadAfterConnect = false;
    int m_comPort = -1;
    QDateTime m_created;
    bool m_cancelRequested = false;
    bool m_workerAttached = false;
    RYXSysManager *m_sysManager = nullptr;
    RYXEventReceiver *m_eventReceiver = nullptr;
    QString m_ipAddress;
    QWaitCondition m_wake;
    bool m_stopping = false;
    RYXConnectionThread *m_worker = nullptr;
};
