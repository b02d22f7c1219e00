#pragma once

#include <QtCore/QEvent>

class QObject;
class RYXEventReceiver;

// An event posted and forgotten: the receiver runs execute() on its own
// thread and the event loop deletes it afterwards.
class QAsyncCustomEvent : public QEvent
{
public:
    enum { Type = 1051 };

    QAsyncCustomEvent();
    ~QAsyncCustomEvent() override;

    virtual void execute(RYXEventReceiver *receiver);

    /// Posts \a event to \a target; takes ownership (deletes it when target is null).
    static void post(QObject *target, QAsyncCustomEvent *event);
};
