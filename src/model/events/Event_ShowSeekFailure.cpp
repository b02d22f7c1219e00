#include "model/events/Event_ShowSeekFailure.h"

#include "core/StartupFlags.h"
#include "model/RYXEventReceiver.h"

Event_ShowSeekFailure::Event_ShowSeekFailure(const QString &cause) : m_cause(cause)
{
}

void Event_ShowSeekFailure::execute(RYXEventReceiver *receiver)
{
    debugPrint(QStringLiteral("handing seek failure event"));
    setResult(receiver->askRetryAfterSeekFailure(m_cause));
}
