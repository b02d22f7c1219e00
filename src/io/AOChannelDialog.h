#pragma once

#include "dialogs/ConfigBaseDialog.h"

class AOChannelObject;
class QCheckBox;
class QLabel;
class QPushButton;
class RYXObject;

// The property dialog of an analog output channel: output type and range
// with the type's limits, the outputs on under-range, over-range and
// failure, damping, scaling, trimming, the tag and units, and the Loop Test
// button that opens the output control.
class AOChannelDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit AOChannelDialog(RYXObject *channel, QWidget *parent = nullptr);

    void updateControls() override;

public Q_SLOTS:
    void TrimmingButtonClickedSlot();
    void TrimEnableButtonToggledSlot(bool on);
    void ioTestButtonClickedSlot();

private:
    AOChannelObject *channel() const;
    void buildOutput(class QVBoxLayout *page);
    void buildOptions(class QVBoxLayout *page);

    QLabel *m_limits = nullptr;
    QCheckBox *m_trimming = nullptr;
    QPushButton *m_loopTest = nullptr;
    QWidget *m_failureValue = nullptr;
    QList<QWidget *> m_scalingFields;
};
