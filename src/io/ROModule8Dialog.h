#pragma once

#include "io/ROModuleDialog.h"

// The property dialog of the eight-relay output module.
class ROModule8Dialog : public ROModuleDialog
{
    Q_OBJECT
public:
    explicit ROModule8Dialog(RYXObject *module, QWidget *parent = nullptr);
};
