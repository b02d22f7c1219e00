#include "model/events/showMessageBoxSynchEvent.h"

#include "model/RYXEventReceiver.h"

showMessageBoxSynchEvent::showMessageBoxSynchEvent(const QString &text)
    : m_text(text)
{
}

void showMessageBoxSynchEvent::execute(RYXEventReceiver *receiver)
{
    receiver->showWarningMessage(m_text);
}
