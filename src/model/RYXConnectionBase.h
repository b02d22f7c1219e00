#pragma once

#include <QtCore/QDateTime>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QWaitCondition>

class RYXEventReceiver;
class RYXObject;
class RYXSysManager;
class ZEMPPort;

// The link between one station root of the device tree and the real
// station, as the tree sees it: the connection state and the request flags
// that the GUI thread sets (under the mutex) and a worker reads and clears.
// Every accessor is safe from either thread.
//
// This base has no worker and no port: its device never leaves the offline
// state, and a disconnect request is carried out at once on the caller's
// thread (so any root can always be taken offline and removed). The
// connection to a real station (RYXConnection) adds the worker thread, the
// port and the communication settings.
class RYXConnectionBase : public QObject
{
    Q_OBJECT
public:
    enum State { Offline = 1, Online = 3, Seeking = 4 };

    explicit RYXConnectionBase(RYXObject *device, QObject *parent = nullptr);
    ~RYXConnectionBase() override;

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
    /// Drops a disconnect request that has not been carried out yet.
    void clearDisconnectRequest();
    /// Clears the connect request; returns whether it was set.
    bool takeConnectRequest();
    /// Clears the upload-after-connect flag; returns whether it was set.
    bool takeUploadAfterConnect();

    /// Stores \a object and \a op as the operation to run next.
    void setPendingOperation(RYXObject *object, const QString &op);
    /// The pending operation and its target (empty and null when none).
    /// \a serial receives the number of the request, for clearPendingOperation(quint64).
    QString pendingOperation(RYXObject **object = nullptr, quint64 *serial = nullptr) const;
    void clearPendingOperation();
    /// Clears the request numbered \a serial once it has run; a request made
    /// while it ran (the next value of a loop test) stays pending.
    void clearPendingOperation(quint64 serial);

    // The cancel indication of the progress dialog.
    void setCancelRequested(bool cancel);
    bool isCancelRequested() const;
    /// A transfer context begins or ends on this connection. The outermost
    /// one forgets a cancel pressed before it began and clears the cancel
    /// when it ends, so that Cancel stops exactly the operation that runs.
    void beginTransfer();
    void endTransfer();
    /// The progress of the outermost transfer, which its nested transfers
    /// share: true for the first caller after it began (who gives the bar
    /// its step count), false for every later one.
    bool claimProgressCount();
    /// Advances the outermost transfer's progress by one step; returns it.
    int nextProgressStep();

    bool takeUiUpdate();
    void requestUiUpdate();

    /// The station's port; none without a real station behind the link.
    virtual ZEMPPort *getPort() const;
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
    /// Goes offline and tells the device tree.
    virtual void disconnectDevice();

    /// Builds the device's tree item at the root of the tree and
    /// initializes the device and its subtree.
    void attachDeviceToTree();

public Q_SLOTS:
    /// Records the connect request for a worker attached later.
    virtual void connectSlot(bool uploadAfterConnect);
    void disconnectSlot();
    /// There are no communication settings without a station behind the link.
    virtual void configureCommsSlot();

Q_SIGNALS:
    void DebugMessage(const QString &text);
    void stateChanged(int state);

protected:
    /// Marks the connection as going away: the worker finishes, and every
    /// further point transfer gives up.
    void markStopping();

    mutable QMutex m_mutex;

private:
    bool hasWorkLocked() const;

    QPointer<RYXObject> m_device;
    int m_state = Offline;
    QString m_pendingOperation;
    QPointer<RYXObject> m_pendingTarget;
    quint64 m_pendingSerial = 0;
    bool m_uiUpdate = true;
    bool m_disconnectRequested = false;
    bool m_connectRequested = false;
    bool m_uploadAfterConnect = false;
    QDateTime m_created;
    bool m_cancelRequested = false;
    int m_transferDepth = 0;
    bool m_progressCounted = false;
    int m_progressStep = 0;
    bool m_workerAttached = false;
    RYXSysManager *m_sysManager = nullptr;
    RYXEventReceiver *m_eventReceiver = nullptr;
    QWaitCondition m_wake;
    bool m_stopping = false;
};
