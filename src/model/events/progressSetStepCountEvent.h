#pragma once

#include "model/events/QAsyncCustomEvent.h"

// Gives the progress dialog's bar the number of steps of the operation
// that runs, so that its last step fills the bar.
class progressSetStepCountEvent : public QAsyncCustomEvent
{
public:
    explicit progressSetStepCountEvent(int count);
    void execute(RYXEventReceiver *receiver) override;

private:
    int m_count;
};
