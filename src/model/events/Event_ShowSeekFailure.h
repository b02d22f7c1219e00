#pragma once

#include "model/events/QSyncCustomEvent.h"

// Asks whether to retry a connect that timed out; the answer is 1 (retry)
// or 0 (give up, after telling the user the port was closed).
class Event_ShowSeekFailure : public QSyncCustomEvent
{
public:
    Event_ShowSeekFailure();
    void execute(RYXEventReceiver *receiver) override;
};
