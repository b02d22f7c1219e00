#include "io/updateCaptureDialogEvent.h"

#include "io/InputCapture.h"

updateCaptureDialogEvent::updateCaptureDialogEvent(InputCapture *capture, int result, float value)
    : m_capture(capture), m_result(result), m_value(value)
{
}

void updateCaptureDialogEvent::execute(RYXEventReceiver *)
{
    if (m_capture)
        m_capture->showResult(m_result, m_value);
}
