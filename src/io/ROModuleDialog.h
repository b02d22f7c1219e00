#pragma once

#include "io/DiscreteModuleDialog.h"

// The property dialog of the four-relay output module, and the base of the
// eight-relay one: the LED colour of an energized relay, and per relay its
// tag, power-up state and output on failure.
class ROModuleDialog : public DiscreteModuleDialog
{
    Q_OBJECT
public:
    explicit ROModuleDialog(RYXObject *module, QWidget *parent = nullptr);

protected:
    ROModuleDialog(RYXObject *module, QWidget *parent, int relays, const char *help);
};
