#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QAsyncCustomEvent;
class RYXConnectionBase;
class RYXEventReceiver;
class RYXObject;
class ZEMPPort;

// The policy shared by every device operation of one object: point reads and
// writes with three attempts, a pause before reads, a debug line per point,
// cancellation from the progress dialog, progress steps and the failure
// codes with their messages. Created on the stack of the operation, in the
// connection thread; its events go to the connection's receiver.
class TransferContext
{
    Q_DECLARE_TR_FUNCTIONS(TransferContext)

public:
    // Result codes of device operations.
    enum Result {
        GenericFailure = -1,
        Success = 0,
        CommunicationLost = 2,
        DeviceMissing = 3,
        DifferentDevice = 4,
        ModuleCountDiffers = 5,
        ModuleTypesDiffer = 6,
        RetryLimitExceeded = 7,
        NotAsDownloaded = 8 // the device, read back, does not hold what was downloaded
    };
    /// Attempts per point transfer, and connect attempts without a verdict.
    static constexpr int Attempts = 3;

    /// A context for the points of \a object; the connection, the port and
    /// the tunnel address are asked from the object.
    TransferContext(bool showSteps, RYXObject *object, bool quiet = false);
    /// A context for the connection's own steps (no object, no points).
    TransferContext(bool showSteps, RYXConnectionBase *connection, bool quiet = false);
    ~TransferContext();
    TransferContext(const TransferContext &) = delete;
    TransferContext &operator=(const TransferContext &) = delete;

    /// Reads point \a name into the object's database. Returns the status of
    /// the last attempt; throws CVELException_ExcessiveRetries when all
    /// attempts failed, unless \a noThrow or \a singleAttempt is set.
    int readPoint(const QString &name, bool singleAttempt = false, bool noThrow = false);
    /// Writes the value of point \a name to the device; as readPoint.
    int writePoint(const QString &name, bool singleAttempt = false, bool noThrow = false);

    /// Throws CVELException_Cancel when Cancel was pressed.
    void checkCancel();
    /// Posts the next step of the operation: one transferred point. Nested
    /// contexts on one connection share the steps, so the bar runs once
    /// over the whole operation.
    void progressStep();
    /// Gives the progress bar \a count steps (the counting pass's count),
    /// unless an enclosing context of the operation already gave its own.
    void setStepCount(int count);
    void setProgressTitle(const QString &text);
    void addProgressResult(const QString &pixmapName, const QString &text);

    int verifyDeviceType(int expected);
    int verifyType(int expected, bool module);
    /// Shows the failure of \a code (or \a detail) as a red result line,
    /// and under it the cause when the last transaction failed (not for a
    /// missing device, whose message is the device's own answer).
    int reportFailure(int code, const QString &context, const QString &detail = QString());
    /// A red "Cause: ..." result line when the port's last transaction
    /// failed: its cause, point and address.
    void addFailureCause();
    static QString failureMessage(int code);
    /// An operation's name ("upload", "download", "synchronize") as result
    /// lines show it, translated; any other name as it is.
    static QString operationName(const QString &operation);

    /// An inactive context skips (and counts) every transfer: the counting pass.
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    int skippedCount() const { return m_skipped; }
    int stepCount() const { return m_step; }
    int attempts() const { return m_attempts; }
    unsigned short tunnelAddress() const { return m_tunnel; }
    void setTunnelAddress(unsigned short tunnel) { m_tunnel = tunnel; }
    RYXConnectionBase *connection() const { return m_connection; }
    RYXObject *object() const { return m_object; }
    ZEMPPort *port() const { return m_port; }

private:
    void start();
    int transfer(bool write, const QString &name, bool singleAttempt, bool noThrow);
    int readPointOnce(const QString &name, bool retry);
    int writePointOnce(const QString &name, bool retry);
    void post(QAsyncCustomEvent *event);
    QString objectName() const;

    bool m_showSteps;
    int m_step = 0;
    int m_attempts = Attempts;
    bool m_active = true;
    int m_skipped = 0;
    unsigned short m_tunnel = 0;
    QPointer<RYXConnectionBase> m_connection;
    QPointer<RYXObject> m_object;
    ZEMPPort *m_port = nullptr;
    RYXEventReceiver *m_receiver = nullptr;
    bool m_quiet;
    int m_ownerId;
};
