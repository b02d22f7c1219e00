#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QString>

// Opens (0), closes (1), finishes (2 owner only, 3 any) or resumes (4) the progress dialog.
class progressShowDialogEvent : public QAsyncCustomEvent
{
public:
    explicit progressShowDialogEvent(int mode, int ownerId);
    void execute(RYXEventReceiver *receiver) override;

private:
    int m_mode;
    int m_ownerId;
};
