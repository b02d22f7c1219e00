#include "model/events/createChildObjectSynchEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

createChildObjectSynchEvent::createChildObjectSynchEvent(RYXObject *parent, int kind)
    : m_parent(parent), m_kind(kind)
{
}

void createChildObjectSynchEvent::execute(RYXEventReceiver *receiver)
{
    if (m_parent)
        receiver->createChildObject(m_parent, m_kind);
}
