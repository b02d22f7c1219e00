#include "model/events/QAsyncCustomEvent.h"

#include "core/HappensBefore.h"

#include <QtCore/QCoreApplication>

QAsyncCustomEvent::QAsyncCustomEvent()
    : QEvent(QEvent::Type(Type))
{
}

// Runs on the thread that received the event, also when it was discarded
// unhandled: what the poster wrote into it is freed here.
QAsyncCustomEvent::~QAsyncCustomEvent()
{
    HappensBefore::acquire(this);
}

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
