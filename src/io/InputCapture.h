#pragma once

#include "io/InputCaptureDialog.h"
#include "model/RYXObject.h"

#include <QtCore/QMutex>
#include <QtCore/QPointer>
#include <QtCore/QWaitCondition>

class QWidget;
class RYXChannel;

// Takes the value an input channel measures right now, for its Input Zero,
// Input Full or one of its trim captures. The dialog runs on the GUI thread;
// Next hands the operation "capture" to the station's connection thread,
// which starts the channel's capture block and polls it, and reports back
// through a posted event. The capture is a tree object below its channel
// (not one of the channel's listed children) so that the connection finds
// the station above it and knows the channel is busy while it runs.
//
// It lives until both its dialog has closed and its operation has ended,
// whichever comes last, so that neither thread outlives what it uses.
class InputCapture : public RYXObject
{
    Q_OBJECT
public:
    enum Result { Success = 0, Error = 1, BrokenWire = 2, NoAnswer = 3, ChannelFailed = 4, DialogClosed = 5 };
    enum Target { InputZero = 0, InputFull = 1, TrimZero = 2, TrimFull = 3 };

    static constexpr int DefaultTimeLimitMs = 20000;
    static constexpr int PollIntervalMs = 250;
    /// The channel's value registers: its status word and its capture block.
    static constexpr int StatusBlock = 2;
    static constexpr int CaptureBlock = 3;
    /// The device error with which the capture block reports a failed capture.
    static constexpr int CaptureFailedStatus = 3;

    /// A capture for \a target of \a channel, with its dialog over \a dialogParent (not shown yet).
    InputCapture(RYXChannel *channel, int target, QWidget *dialogParent = nullptr);
    ~InputCapture() override;

    /// Runs the modal capture dialog of \a target on \a channel; an accepted
    /// value goes into the target's point when the channel has that point
    /// ("inputzero", "inputfull", "trimcapturez", "trimcapturef").
    static void showCaptureDialog(RYXChannel *channel, int target, QWidget *parent = nullptr);

    InputCaptureDialog *dialog() const { return m_dialog; }
    /// How long the channel may take to answer (20 s unless changed).
    void setTimeLimitMs(int ms) { m_timeLimitMs = ms; }

    static QString caption(int target);
    static QString targetKey(int target);
    /// The dialog's text for a failed capture; empty for Success and DialogClosed.
    static QString resultText(int result);
    /// The result that a channel status word gives: broken wire (bits 4-7),
    /// channel failed (bit 0), error (any other bit) or success (none).
    static int statusResult(unsigned status);

    /// Captures the channel's input (connection thread); \a value receives it on Success.
    int doCapture(float &value);
    /// "capture" runs doCapture and shows its outcome; it never fails the
    /// operation, so that the connection stays as it is.
    int executeOperation(const QString &op, bool topLevel = true) override;
    /// Shows \a result in the dialog (GUI thread, from the posted event).
    void showResult(int result, float value);

public Q_SLOTS:
    void CaptureNextClickedSlot();

private Q_SLOTS:
    void dialogFinished(int dialogResult);
    void dialogGoneSlot();

private:
    int readStatus();
    bool isDialogGone();
    /// Waits one poll interval, or less when the dialog closes.
    void waitForNextPoll();
    bool isConnectionStopping();
    bool stationOnline();
    void storeValue(float value);
    /// Ends the operation; deletes this object when the dialog is gone.
    void endOperation();
    /// The dialog is gone; deletes this object when no operation runs.
    void releaseDialog();

    RYXChannel *m_channel;
    int m_target;
    QPointer<InputCaptureDialog> m_dialog;
    int m_timeLimitMs = DefaultTimeLimitMs;
    QMutex m_stateLock;
    QWaitCondition m_dialogClosed;
    bool m_busy = false;
    bool m_gone = false;
};
