#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>

class RYXObject;

// Refreshes an object's open property dialog, or the whole property pane.
class updateDialogEvent : public QAsyncCustomEvent
{
public:
    explicit updateDialogEvent(RYXObject *object = nullptr);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
    bool m_hadObject;
};
