#pragma once

#include "io/DiscreteModuleDialog.h"

// The property dialog of a contact closure discrete input module: the
// debounce time, and per input its tag and failure response.
class DIModuleDialog : public DiscreteModuleDialog
{
    Q_OBJECT
public:
    explicit DIModuleDialog(RYXObject *module, QWidget *parent = nullptr);
};
