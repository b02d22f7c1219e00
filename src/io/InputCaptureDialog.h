#pragma once

#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class InputCaptureForm;
}

// The dialog of one input capture: it names the channel, tells the user
// what happens, and offers Next (which starts the capture and, once a value
// has been captured, turns into Accept) and Cancel. It holds the captured
// value; what to do with it belongs to its owner (InputCapture).
class InputCaptureDialog : public QDialog
{
    Q_OBJECT
public:
    explicit InputCaptureDialog(QWidget *parent = nullptr);
    ~InputCaptureDialog() override;

    void setChannel(int moduleNumber, int channelNumber);
    QString activityText() const;
    /// Next is disabled and the activity says the capture runs.
    void showCapturing();
    /// The captured value with the Accept button.
    void showCaptured(float value);
    /// A capture that ended without a value: \a text says why.
    void showFailure(const QString &text);
    float capturedValue() const { return m_value; }
    bool hasValue() const { return m_hasValue; }

Q_SIGNALS:
    /// Next was pressed before a value was captured.
    void nextClicked();

private Q_SLOTS:
    void NextClickedSlot();

private:
    std::unique_ptr<Ui::InputCaptureForm> m_ui;
    float m_value = 0.0f;
    bool m_hasValue = false;
};
