#include "model/events/createTreeItemEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

createTreeItemEvent::createTreeItemEvent(RYXObject *object, RYXObject *parentObject,
                                         const QString &text, bool enabled)
    : m_object(object), m_parentObject(parentObject), m_hadParent(parentObject != nullptr),
      m_text(text), m_enabled(enabled)
{
}

void createTreeItemEvent::execute(RYXEventReceiver *receiver)
{
    if (!m_object || (m_hadParent && !m_parentObject))
        return;
    receiver->createTreeItem(m_object, m_parentObject, m_text, m_enabled);
}
