#pragma once

#include "io/InputChannelDialog.h"

class RYXObject;

// The property dialog of an analog input channel: "Volts" or "Current"
// beside what every input channel dialog has.
class AIChannelDialog : public InputChannelDialog
{
    Q_OBJECT
public:
    explicit AIChannelDialog(RYXObject *channel, QWidget *parent = nullptr);
};
