#include "model/events/progressShowDialogEvent.h"

#include "model/RYXEventReceiver.h"

progressShowDialogEvent::progressShowDialogEvent(int mode, int ownerId)
    : m_mode(mode), m_ownerId(ownerId)
{
}

void progressShowDialogEvent::execute(RYXEventReceiver *receiver)
{
    receiver->showProgress(m_mode, m_ownerId);
}
