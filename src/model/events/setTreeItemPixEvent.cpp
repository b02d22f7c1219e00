#include "model/events/setTreeItemPixEvent.h"

#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

setTreeItemPixEvent::setTreeItemPixEvent(RYXObject *object, const QString &pixmapName)
    : m_object(object), m_pixmapName(pixmapName)
{
}

void setTreeItemPixEvent::execute(RYXEventReceiver *receiver)
{
    if (m_object)
        receiver->setTreeItemPixmap(m_object, m_pixmapName);
}
