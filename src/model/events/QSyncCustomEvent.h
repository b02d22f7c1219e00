#pragma once

#include <QtCore/QEvent>

class QObject;
class QSemaphore;
class RYXEventReceiver;

// An event whose poster blocks until the receiver has run it. The answer,
// if any, is written through the result pointer before the event is
// deleted; the destructor wakes the poster.
class QSyncCustomEvent : public QEvent
{
public:
    enum { Type = 1050 };

    QSyncCustomEvent();
    ~QSyncCustomEvent() override;

    virtual void execute(RYXEventReceiver *receiver);

    /// Posts \a event to \a target and waits until it has been handled
    /// and deleted. On the target's own thread the event runs at once
    /// (waiting there would wait for itself). Returns the stored answer
    /// (0 when the event stored none or the target is gone).
    static int postAndWait(QObject *target, QSyncCustomEvent *event);

protected:
    void setResult(int value);

private:
    QSemaphore *m_semaphore = nullptr;
    int *m_result = nullptr;
};
