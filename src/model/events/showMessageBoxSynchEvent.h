#pragma once

#include "model/events/QSyncCustomEvent.h"

#include <QtCore/QString>

// Shows an information box "Warning", with the cause of a failure under
// its text when one is given, and returns when the user closed it.
class showMessageBoxSynchEvent : public QSyncCustomEvent
{
public:
    explicit showMessageBoxSynchEvent(const QString &text, const QString &cause = QString());
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_text;
    QString m_cause;
};
