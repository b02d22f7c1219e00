#include "model/events/progressAddResultEvent.h"

#include "model/RYXEventReceiver.h"

progressAddResultEvent::progressAddResultEvent(const QString &pixmapName, const QString &text)
    : m_pixmapName(pixmapName), m_text(text)
{
}

void progressAddResultEvent::execute(RYXEventReceiver *receiver)
{
    receiver->addProgressResult(m_pixmapName, m_text);
}
