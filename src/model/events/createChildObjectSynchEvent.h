#pragma once

#include "model/events/QSyncCustomEvent.h"

#include <QtCore/QPointer>

class RYXObject;

// Creates a module of the given kind under a station on the GUI thread,
// while the connection thread that found the module waits.
class createChildObjectSynchEvent : public QSyncCustomEvent
{
public:
    createChildObjectSynchEvent(RYXObject *parent, int kind);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_parent;
    int m_kind;
};
