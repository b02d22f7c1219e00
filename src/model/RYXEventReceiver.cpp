#include "model/RYXEventReceiver.h"

#include "core/HappensBefore.h"
#include "model/events/QAsyncCustomEvent.h"
#include "model/events/QSyncCustomEvent.h"
#include "model/RYXObject.h"

RYXEventReceiver::~RYXEventReceiver() = default;

int RYXEventReceiver::askRetryAfterSeekFailure()
{
    const int answer = retryAfterSeekFailure();
    if (answer == 0)
        showWarningMessage(QStringLiteral("The communications resource has been taken offline (i.e. port closed.)"));
    return answer;
}

void RYXEventReceiver::createChildObject(RYXObject *parent, int kind)
{
    if (parent)
        parent->addChildOfKind(kind);
}

bool RYXEventReceiver::dispatchEvent(QEvent *event)
{
    HappensBefore::acquire(event);
    switch (int(event->type())) {
    case QAsyncCustomEvent::Type:
        static_cast<QAsyncCustomEvent *>(event)->execute(this);
        return true;
    case QSyncCustomEvent::Type:
        static_cast<QSyncCustomEvent *>(event)->execute(this);
        return true;
    default:
        return false;
    }
}

bool RYXEventReceiver::confirmDownload(RYXObject *)
{
    return true;
}
