#pragma once

#include <QtCore/QPointer>
#include <QtWidgets/QDialog>

class AOChannelObject;
class QLabel;
class QLineEdit;
class QPushButton;

// The output control of an analog output channel ("ltdlg"): the loop test,
// or the trimming of its lower or upper point. Every change of the value
// (a step button, or Set with a typed value) is stored in the channel's
// "output" and written to the real output by the station's connection; the
// window says which station, module and channel it drives. In a trimming
// mode Accept takes the value as the captured value of that trim point.
// The output keeps its last value when the window closes.
class AOControlOutputDialog : public QDialog
{
    Q_OBJECT
public:
    enum Mode { LoopTest = 0, TrimLower = 1, TrimUpper = 2 };

    AOControlOutputDialog(AOChannelObject *channel, Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return m_mode; }
    /// The value shown, as the channel holds it.
    double value() const { return m_value; }

public Q_SLOTS:
    void LargeDecrementClickedSlot();
    void MediumDecrementClickedSlot();
    void SmallDecrementClickedSlot();
    void SmallIncrementClickedSlot();
    void MediumIncrementClickedSlot();
    void LargeIncrementClickedSlot();
    void SetButtonClickedSlot();
    void AcceptButtonClickedSlot();
    void CancelButtonClickedSlot();

private:
    void buildSteps(class QGridLayout *grid);
    void step(double delta);
    /// Shows \a value, stores it in the channel and has the station write it.
    void applyValue(double value);
    void showValue();

    QPointer<AOChannelObject> m_channel;
    Mode m_mode;
    double m_value = 0.0;
    QLineEdit *m_valueEdit = nullptr;
    QLabel *m_notice = nullptr;
};
