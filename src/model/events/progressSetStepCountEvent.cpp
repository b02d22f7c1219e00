#include "model/events/progressSetStepCountEvent.h"

#include "model/RYXEventReceiver.h"

progressSetStepCountEvent::progressSetStepCountEvent(int count)
    : m_count(count)
{
}

void progressSetStepCountEvent::execute(RYXEventReceiver *receiver)
{
    receiver->setProgressStepCount(m_count);
}
