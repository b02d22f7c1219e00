#include "model/events/QAsyncCustomEvent.h"

#include "core/HappensBefore.h"

#include <QtCore/QCoreApplication>

QAsyncCustomEvent::QAsyncCustomEvent()
    : QEvent(QEvent::Type(Type))
{
}

QAsyncCustomEvent::~QAsyncCustomEvent() = default;

void QAsyncCustomEvent::execute(RYXEventReceiver *)
{
}

void QAsyncCustomEvent::post(QObject *target, QAsyncCustomEvent *event)
{
    if (!target) {
        delete event;
        return;
    }
    HappensBefore::release(event);
    QCoreApplication::postEvent(target, event);
}
