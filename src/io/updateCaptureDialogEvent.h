#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>

class InputCapture;

// Shows the outcome of a capture in its dialog; a capture that is gone shows nothing.
class updateCaptureDialogEvent : public QAsyncCustomEvent
{
public:
    updateCaptureDialogEvent(InputCapture *capture, int result, float value);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<InputCapture> m_capture;
    int m_result;
    float m_value;
};
