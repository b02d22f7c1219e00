#include "model/events/setTreeItemTextEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

setTreeItemTextEvent::setTreeItemTextEvent(RYXObject *object, const QString &text)
    : m_object(object), m_text(text)
{
}

void setTreeItemTextEvent::execute(RYXEventReceiver *receiver)
{
    if (m_object)
        receiver->setTreeItemText(m_object, m_text);
}
