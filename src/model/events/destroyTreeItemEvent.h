#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>

class RYXObject;

// Removes an object's tree item and forgets it.
class destroyTreeItemEvent : public QAsyncCustomEvent
{
public:
    explicit destroyTreeItemEvent(RYXObject *object);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
};
