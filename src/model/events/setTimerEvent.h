#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>

class QTimer;

// Starts a timer as a single shot of the given milliseconds on the timer's
// own (GUI) thread, or stops it for a negative value.
class setTimerEvent : public QAsyncCustomEvent
{
public:
    setTimerEvent(QTimer *timer, int milliseconds);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<QTimer> m_timer;
    int m_milliseconds;
};
