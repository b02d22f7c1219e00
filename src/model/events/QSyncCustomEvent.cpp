#include "model/events/QSyncCustomEvent.h"

#include "core/HappensBefore.h"
#include "model/RYXEventReceiver.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QSemaphore>
#include <QtCore/QThread>

QSyncCustomEvent::QSyncCustomEvent()
    : QEvent(QEvent::Type(Type))
{
}

QSyncCustomEvent::~QSyncCustomEvent()
{
    HappensBefore::acquire(this);
    // Also reached when the target is destroyed with the event still
    // queued, so the poster never waits forever.
    if (m_semaphore) {
        HappensBefore::release(m_semaphore);
        m_semaphore->release();
    }
}

void QSyncCustomEvent::execute(RYXEventReceiver *)
{
}

void QSyncCustomEvent::setResult(int value)
{
    if (m_result)
        *m_result = value;
}

int QSyncCustomEvent::postAndWait(QObject *target, QSyncCustomEvent *event)
{
    int result = 0;
    event->m_result = &result;
    if (!target) {
        delete event;
        return result;
    }
    if (target->thread() == QThread::currentThread()) {
        QCoreApplication::sendEvent(target, event);
        delete event;
        return result;
    }
    QSemaphore semaphore(1);
    semaphore.acquire();
    event->m_semaphore = &semaphore;
    HappensBefore::release(event);
    QCoreApplication::postEvent(target, event);
    semaphore.acquire();
    HappensBefore::acquire(&semaphore);
    return result;
}
