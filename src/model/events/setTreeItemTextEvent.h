#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

class RYXObject;

// Sets the text of an object's tree item.
class setTreeItemTextEvent : public QAsyncCustomEvent
{
public:
    explicit setTreeItemTextEvent(RYXObject *object, const QString &text);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
    QString m_text;
};
