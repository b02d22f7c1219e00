#pragma once

#include "core/VerboseLevel.h"

#include <QtCore/QObject>
#include <QtCore/QString>

// The one program-wide sender of debug and log text. Any thread may emit;
// the main window connects the signals (queued) to the event log.
class MessageRelay : public QObject
{
    Q_OBJECT
public:
    static MessageRelay *instance();

    /// Emits DebugMessage with \a text.
    void relay(const QString &text);

Q_SIGNALS:
    void DebugMessage(const QString &mesg);
    void DebugMessagex(const QString &type, const QString &text, VerboseLevel level);

private:
    MessageRelay() = default;
};
