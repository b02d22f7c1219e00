#pragma once

#include "io/AIModuleDialog.h"

// The property dialog of the analog output module: nothing to configure on
// the module, one button per channel that selects the channel.
class AOModuleDialog : public AIModuleDialog
{
    Q_OBJECT
public:
    explicit AOModuleDialog(RYXObject *module, QWidget *parent = nullptr);
};
