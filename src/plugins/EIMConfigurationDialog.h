#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class EIMConfigurationForm;
}
class EIMConfigurationObjectPlugin;

// The property dialog of an Ethernet interface module's "Configuration"
// plug-in: station name and location, float word order, and (online) the
// station's firmware version and serial number.
class EIMConfigurationDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit EIMConfigurationDialog(EIMConfigurationObjectPlugin *plugin, QWidget *parent = nullptr);
    ~EIMConfigurationDialog() override;

    void updateControls() override;

public Q_SLOTS:
    void DescriptorEditChangeSlot();
    void ServerLocationEditChangeSlot();
    void LSWRadioButtonChangeSlot(bool on);
    void MSWRadioButtonChangeSlot(bool on);

private:
    std::unique_ptr<Ui::EIMConfigurationForm> m_ui;
};
