#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QString>

// Sets the progress dialog's title line.
class progressSetTitleEvent : public QAsyncCustomEvent
{
public:
    explicit progressSetTitleEvent(const QString &text);
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_text;
};
