#include "model/events/showMessageBoxSynchEvent.h"

#include "model/RYXEventReceiver.h"

showMessageBoxSynchEvent::showMessageBoxSynchEvent(const QString &text, const QString &cause)
    : m_text(text), m_cause(cause)
{
}

void showMessageBoxSynchEvent::execute(RYXEventReceiver *receiver)
{
    if (m_cause.isEmpty())
        receiver->showWarningMessage(m_text);
    else
        receiver->showFailureMessage(m_text, m_cause);
}
