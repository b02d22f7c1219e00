#include "model/events/progressSetStepEvent.h"

#include "model/RYXEventReceiver.h"

progressSetStepEvent::progressSetStepEvent(int step)
    : m_step(step)
{
}

void progressSetStepEvent::execute(RYXEventReceiver *receiver)
{
    receiver->setProgressStep(m_step);
}
