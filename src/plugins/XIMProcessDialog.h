#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class XIMProcessForm;
}
class XIMProcessObjectPlugin;

// The property dialog of the "Process Data" plug-in: the monitoring switch,
// its update rate and analog precision, the monitor state and the table of
// process values the station's monitoring last read.
class XIMProcessDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit XIMProcessDialog(XIMProcessObjectPlugin *plugin, QWidget *parent = nullptr);
    ~XIMProcessDialog() override;

    void updateControls() override;

public Q_SLOTS:
    void monitorEnableButtonToggledSlot(bool on);

private:
    /// Refills the table from the plug-in's list unless the list is busy.
    void refreshTable(XIMProcessObjectPlugin *plugin);

    std::unique_ptr<Ui::XIMProcessForm> m_ui;
};
