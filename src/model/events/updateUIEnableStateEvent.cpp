#include "model/events/updateUIEnableStateEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

updateUIEnableStateEvent::updateUIEnableStateEvent(RYXObject *object)
    : m_object(object)
{
}

void updateUIEnableStateEvent::execute(RYXEventReceiver *receiver)
{
    receiver->updateUIEnableState();
}
