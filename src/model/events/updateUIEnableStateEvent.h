#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>

class RYXObject;

// Asks the main window to re-evaluate which actions are enabled.
class updateUIEnableStateEvent : public QAsyncCustomEvent
{
public:
    explicit updateUIEnableStateEvent(RYXObject *object = nullptr);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
};
