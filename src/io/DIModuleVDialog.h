#pragma once

#include "io/DiscreteModuleDialog.h"

// The property dialog of the low and high voltage discrete input modules:
// the mains frequency of the input filter, and per input its tag and
// failure response.
class DIModuleVDialog : public DiscreteModuleDialog
{
    Q_OBJECT
public:
    explicit DIModuleVDialog(RYXObject *module, QWidget *parent = nullptr);
};
