#pragma once

#include "io/TIModuleDialog.h"

// The property dialog of the analog input, cathodic, current and voltage
// input modules: its channel buttons select the module's channels.
class AIModuleDialog : public TIModuleDialog
{
    Q_OBJECT
public:
    explicit AIModuleDialog(RYXObject *module, QWidget *parent = nullptr);

public Q_SLOTS:
    void Channel1ButtonClickedSlot();
    void Channel2ButtonClickedSlot();
    void Channel3ButtonClickedSlot();
    void Channel4ButtonClickedSlot();

private:
    void showChannel(int n);
};
