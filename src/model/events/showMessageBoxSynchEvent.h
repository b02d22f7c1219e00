#pragma once

#include "model/events/QSyncCustomEvent.h"

#include <QtCore/QString>

// Shows an information box "Warning" and returns when the user closed it.
class showMessageBoxSynchEvent : public QSyncCustomEvent
{
public:
    explicit showMessageBoxSynchEvent(const QString &text);
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_text;
};
