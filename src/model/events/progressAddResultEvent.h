#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QString>

// Adds a result line with a named LED image to the progress dialog.
class progressAddResultEvent : public QAsyncCustomEvent
{
public:
    progressAddResultEvent(const QString &pixmapName, const QString &text);
    void execute(RYXEventReceiver *receiver) override;

private:
    QString m_pixmapName;
    QString m_text;
};
