#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class UndeterminedModuleForm;
}
class RYXObject;

// The property dialog of an undetermined module: it only says that there is
// nothing to configure.
class UndeterminedModuleDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit UndeterminedModuleDialog(RYXObject *module, QWidget *parent = nullptr);
    ~UndeterminedModuleDialog() override;

private:
    std::unique_ptr<Ui::UndeterminedModuleForm> m_ui;
};
