#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QString>

// Appends one line to the event log; the log follows the newest line only
// while the user looks at the bottom.
class addToEventBoxEvent : public QAsyncCustomEvent
{
public:
    explicit addToEventBoxEvent(const QString &text);
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_text;
};
