#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class XIMInternalsForm;
}
class XIMInternalsObjectPlugin;

// The property dialog of the "Internals" plug-in: the station's scan mode
// (read and written on request) and its scan line control value.
class XIMInternalsDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit XIMInternalsDialog(XIMInternalsObjectPlugin *plugin, QWidget *parent = nullptr);
    ~XIMInternalsDialog() override;


public Q_SLOTS:
    void GetScanModeButtonClickedSlot();
    void SetScanModeButtonClickedSlot();
    void SetScanLinesButtonClickedSlot();

private:
    XIMInternalsObjectPlugin *plugin() const;

    std::unique_ptr<Ui::XIMInternalsForm> m_ui;
};
