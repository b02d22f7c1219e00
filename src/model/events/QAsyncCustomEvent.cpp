#include "model/events/QAsyncCustomEvent.h"

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
    QCoreApplication::postEvent(target, event);
}
