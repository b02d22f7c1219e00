#include "model/events/setTimerEvent.h"

#include <QtCore/QTimer>

setTimerEvent::setTimerEvent(QTimer *timer, int milliseconds)
    : m_timer(timer), m_milliseconds(milliseconds)
{
}

void setTimerEvent::execute(RYXEventReceiver *)
{
    if (!m_timer)
        return;
    if (m_milliseconds < 0) {
        m_timer->stop();
        return;
    }
    m_timer->setSingleShot(true);
    m_timer->start(m_milliseconds);
}
