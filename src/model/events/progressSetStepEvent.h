#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QString>

// Moves the progress dialog's bar to a step.
class progressSetStepEvent : public QAsyncCustomEvent
{
public:
    explicit progressSetStepEvent(int step);
    void execute(RYXEventReceiver *receiver) override;

private:
    int m_step;
};
