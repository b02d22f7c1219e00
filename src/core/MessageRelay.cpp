#include "core/MessageRelay.h"

MessageRelay *MessageRelay::instance()
{
    static MessageRelay relay;
    return &relay;
}

void MessageRelay::relay(const QString &text)
{
    Q_EMIT DebugMessage(text);
}
