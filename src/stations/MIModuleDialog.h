#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class MIModuleForm;
}
class RYXObject;

// The property dialog of every station head. It holds no values: its three
// page buttons move the tree selection to the station's "Configuration",
// "Process Data" and "Internals" plug-ins, whose dialogs then show.
class MIModuleDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit MIModuleDialog(RYXObject *station, QWidget *parent = nullptr);
    ~MIModuleDialog() override;


private:
    std::unique_ptr<Ui::MIModuleForm> m_ui;
};
