#include "model/events/progressSetTitleEvent.h"

#include "model/RYXEventReceiver.h"

progressSetTitleEvent::progressSetTitleEvent(const QString &text)
    : m_text(text)
{
}

void progressSetTitleEvent::execute(RYXEventReceiver *receiver)
{
    receiver->setProgressTitle(m_text);
}
