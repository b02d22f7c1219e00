#include "model/events/destroyTreeItemEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

destroyTreeItemEvent::destroyTreeItemEvent(RYXObject *object)
    : m_object(object)
{
}

void destroyTreeItemEvent::execute(RYXEventReceiver *receiver)
{
    if (m_object)
        receiver->destroyTreeItem(m_object);
}
