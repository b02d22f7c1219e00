#pragma once

#include "io/InputChannelDialog.h"

class RYXObject;

// The property dialog of a temperature input channel: the sensor choice
// from the sensor model's tables, the ambient temperature and broken wire
// detection beside what every input channel dialog has.
class TIChannelDialog : public InputChannelDialog
{
    Q_OBJECT
public:
    explicit TIChannelDialog(RYXObject *channel, QWidget *parent = nullptr);

    void updateControls() override;

private:
    void buildSensor();
    void buildAmbient();
    void showSensorCombo(const char *key, const ComboChoice *table);

    QWidget *m_ambientUnits = nullptr;
    QWidget *m_ambientPreset = nullptr;
};
