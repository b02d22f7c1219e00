#include "model/RYXEventReceiver.h"

#include "core/HappensBefore.h"
#include "model/events/QAsyncCustomEvent.h"
#include "model/events/QSyncCustomEvent.h"
#include "model/RYXObject.h"

#include <QCoreApplication>

RYXEventReceiver::~RYXEventReceiver() = default;

// The user who answered "no" has just closed the port: a second box would
// only repeat the answer, so the progress dialog notes it instead.
int RYXEventReceiver::askRetryAfterSeekFailure(const QString &cause)
{
    const int answer = retryAfterSeekFailure(cause);
    if (answer == 0)
        addProgressResult(QStringLiteral("SmallOliveLED"),
                          QCoreApplication::translate("RYXEventReceiver", "The communications resource has been taken offline (i.e. port closed.)"));
    return answer;
}

void RYXEventReceiver::showFailureMessage(const QString &text, const QString &)
{
    showWarningMessage(text);
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
