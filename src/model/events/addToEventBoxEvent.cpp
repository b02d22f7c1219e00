#include "model/events/addToEventBoxEvent.h"

#include "model/RYXEventReceiver.h"

addToEventBoxEvent::addToEventBoxEvent(const QString &text)
    : m_text(text)
{
}

void addToEventBoxEvent::execute(RYXEventReceiver *receiver)
{
    receiver->addEventLogLine(m_text);
}
