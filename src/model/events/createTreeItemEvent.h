#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

class RYXObject;

// Creates the tree item of an object under the tree item of its parent
// object (at the root when there is none) and stores it in the object; a
// disabled item is greyed out. The parent is resolved when the event runs,
// so a parent item replaced in between is never used.
class createTreeItemEvent : public QAsyncCustomEvent
{
public:
    createTreeItemEvent(RYXObject *object, RYXObject *parentObject, const QString &text,
                        bool enabled = true);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<RYXObject> m_object;
    QPointer<RYXObject> m_parentObject;
    bool m_hadParent;
    QString m_text;
    bool m_enabled;
};
