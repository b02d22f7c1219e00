#pragma once

#include <QtCore/QString>

class QEvent;
class QObject;
class RYXObject;

// What the posted cross-thread events act on. The main window implements it
// with its widgets; a headless receiver implements it for tests and the
// command-line front end. All operations run on the receiver's thread.
class RYXEventReceiver
{
public:
    virtual ~RYXEventReceiver();

    /// The object events are posted to; it forwards them to dispatchEvent().
    virtual QObject *eventTarget() = 0;

    /// Creates the item of \a object under \a parentObject's item (root when null).
    virtual void createTreeItem(RYXObject *object, RYXObject *parentObject,
                                const QString &text, bool enabled) = 0;
    virtual void destroyTreeItem(RYXObject *object) = 0;
    virtual void setTreeItemPixmap(RYXObject *object, const QString &pixmapName) = 0;
    virtual void setTreeItemText(RYXObject *object, const QString &text) = 0;
    virtual void updateUIEnableState() = 0;
    /// Refreshes the open property dialog of \a object, or the whole pane when null.
    virtual void updateDialog(RYXObject *object) = 0;
    virtual void addEventLogLine(const QString &text) = 0;

    virtual void showProgress(int mode, int ownerId) = 0;
    virtual void setProgressTitle(const QString &text) = 0;
    virtual void setProgressStep(int step) = 0;
    /// The number of steps of the operation that runs: its last step fills the bar.
    virtual void setProgressStepCount(int count) = 0;
    virtual void addProgressResult(const QString &iconName, const QString &text) = 0;

    /// Information box "Warning" with \a text.
    virtual void showWarningMessage(const QString &text) = 0;
    /// The box of a failure: \a text, and under it the \a cause of the
    /// failed transaction when there is one (shown by the window; a receiver
    /// that prints the progress lines has printed it there already).
    virtual void showFailureMessage(const QString &text, const QString &cause);
    /// The connect-retry question, with the \a cause of the time-out under
    /// it: 1 to retry, 0 to give up (the progress lines then say that the
    /// port was closed).
    int askRetryAfterSeekFailure(const QString &cause);
    /// Creates the module of \a kind under the station \a parent (the
    /// station's own addChildOfKind).
    virtual void createChildObject(RYXObject *parent, int kind);

    /// Asks the user before \a object's configuration is written to its
    /// device; true to go on. Without a user to ask, downloads go ahead.
    virtual bool confirmDownload(RYXObject *object);

    /// Runs a custom event of type 1050 or 1051; false for any other event.
    bool dispatchEvent(QEvent *event);

protected:
    /// Asks whether to retry a connect that timed out: 1 yes, 0 no.
    virtual int retryAfterSeekFailure(const QString &cause) = 0;
};
