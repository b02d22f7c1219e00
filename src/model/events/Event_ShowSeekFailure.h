#pragma once

#include "model/events/QSyncCustomEvent.h"

#include <QtCore/QString>

// Asks whether to retry a connect that timed out, naming the cause of the
// time-out; the answer is 1 (retry) or 0 (give up: the port was closed).
class Event_ShowSeekFailure : public QSyncCustomEvent
{
public:
    explicit Event_ShowSeekFailure(const QString &cause = QString());
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_cause;
};
