#pragma once

#include <QtCore/QThread>

#include <functional>

class QAsyncCustomEvent;
class RYXConnection;
class RYXObject;
class TransferContext;

// The worker of one connection: takes it from offline to seeking on a
// connect request, runs the connect sequence with its result lines,
// message boxes and retry question, runs pending operations while online
// (checking the connection after a failure) and otherwise the station's
// monitoring step, and keeps the tree item's text and LED in step with the
// state. It sleeps on the connection's wait condition between passes.
class RYXConnectionThread : public QThread
{
    Q_OBJECT
public:
    explicit RYXConnectionThread(RYXConnection *connection);

    /// How long an online pass without requests waits before the next
    /// monitoring step; the station decides itself whether that step reads.
    /// Monitoring refreshes at most once a second, so a fifth of one is soon
    /// enough, and many idle stations wake seldom.
    static constexpr int IdleIntervalMs = 200;
    /// The pause between connect attempts that ended without a verdict. A
    /// station that answers badly gets TransferContext::Attempts attempts,
    /// spread over at least twice this pause, before the connect ends as a
    /// time-out.
    static constexpr int SeekRetryMs = 700;

protected:
    void run() override;

private:
    void pass();
    void connectSequence();
    /// One attempt of the connect sequence; false to keep seeking.
    bool attemptConnect(TransferContext &context);
    /// "Failure: Timeout", its cause and the retry question: true to try again.
    bool askAfterTimeout(TransferContext &context);
    void reportConnectFailure(TransferContext &context, int code);
    /// Runs a device operation; a transfer failure escaping it counts as a
    /// generic failure, a cancel as success.
    static int runGuarded(const std::function<int()> &operation);
    void runPendingOperation();
    /// An online station without a transaction for the keep-alive interval
    /// is read once; when that fails, it is taken offline.
    void keepAlive();
    /// The message box of a failed operation for \a code, with the cause
    /// of the failed transaction under it; then the disconnect request.
    void disconnectAfter(int code);
    void reportCancelled(RYXObject *target, const QString &operation);
    void verifyAfterFailure();
    void refreshTreeItem();
    QString treeItemText() const;

    /// Shows a message box and waits until it was closed; with \a withCause,
    /// the cause of the port's failed last transaction goes under its text.
    void showMessage(const QString &text, bool withCause = false);
    /// Asks whether to retry a timed-out connect: 1 yes, 0 no, other: keep seeking.
    int askRetry();
    /// The cause of the port's last transaction when it failed, as a line of
    /// a box ("Connection refused by 127.0.0.1:8080"); empty otherwise.
    QString failureCause() const;
    void post(QAsyncCustomEvent *event);
    RYXObject *device() const;

    RYXConnection *m_connection;
    bool m_seekPause = false; // the last connect attempt gave no verdict
    int m_attemptsWithoutVerdict = 0; // of the current connect request
};
