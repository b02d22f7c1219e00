#include "model/events/updateDialogEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

updateDialogEvent::updateDialogEvent(RYXObject *object)
    : m_object(object), m_hadObject(object != nullptr)
{
}

void updateDialogEvent::execute(RYXEventReceiver *receiver)
{
    // An event for an object that is gone refreshes nothing.
    if (m_hadObject && !m_object)
        return;
    receiver->updateDialog(m_object);
}
