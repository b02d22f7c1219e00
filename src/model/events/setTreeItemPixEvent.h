#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

class RYXObject;

// Sets the LED of an object's tree item. Carries the image name, not a
// pixmap, because pixmaps may only be made on the GUI thread.
class setTreeItemPixEvent : public QAsyncCustomEvent
{
public:
    explicit setTreeItemPixEvent(RYXObject *object, const QString &pixmapName);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
    QString m_pixmapName;
};
