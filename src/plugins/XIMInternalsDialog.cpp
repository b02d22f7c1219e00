#include "plugins/XIMInternalsDialog.h"

#include "plugins/XIMInternalsObjectPlugin.h"

#include "ui_XIMInternalsForm.h"

namespace {

const ControlBinding Bindings[] = {
    {"EnableScanRadioButton", ControlBinding::Radio, "disablescan", "0"},
    {"DisableScanRadioButton", ControlBinding::Radio, "disablescan", "1"},
    {"ScanLineControlEdit", ControlBinding::Text, "scanlinecontrol"},
};

} // namespace

XIMInternalsDialog::XIMInternalsDialog(XIMInternalsObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::XIMInternalsForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindControls(Bindings);
    connect(m_ui->GetScanModeButton, &QPushButton::clicked, this,
            &XIMInternalsDialog::GetScanModeButtonClickedSlot);
    connect(m_ui->SetScanModeButton, &QPushButton::clicked, this,
            &XIMInternalsDialog::SetScanModeButtonClickedSlot);
    connect(m_ui->SetScanLinesButton, &QPushButton::clicked, this,
            &XIMInternalsDialog::SetScanLinesButtonClickedSlot);
    requestUpdate();
}

XIMInternalsDialog::~XIMInternalsDialog() = default;

XIMInternalsObjectPlugin *XIMInternalsDialog::plugin() const
{
    return qobject_cast<XIMInternalsObjectPlugin *>(object());
}

void XIMInternalsDialog::GetScanModeButtonClickedSlot()
{
    if (XIMInternalsObjectPlugin *target = plugin())
        target->getScanModeClicked();
    requestUpdate();
}

void XIMInternalsDialog::SetScanModeButtonClickedSlot()
{
    if (XIMInternalsObjectPlugin *target = plugin())
        target->setScanModeClicked();
    requestUpdate();
}

void XIMInternalsDialog::SetScanLinesButtonClickedSlot()
{
    if (XIMInternalsObjectPlugin *target = plugin())
        target->setScanLinesClicked();
    requestUpdate();
}
