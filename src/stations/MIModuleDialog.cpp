#include "stations/MIModuleDialog.h"

#include "core/StartupFlags.h"

#include "ui_MIModuleForm.h"

namespace {

// The page buttons select the station's plug-ins.
const ControlBinding Bindings[] = {
    {"configurationButton", ControlBinding::Page, "1"},
    {"processButton", ControlBinding::Page, "2"},
    {"internalsButton", ControlBinding::Page, "3"},
};

} // namespace

MIModuleDialog::MIModuleDialog(RYXObject *station, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::MIModuleForm>())
{
    m_ui->setupUi(this);
    setObject(station);
    bindControls(Bindings);
    // The internals are a factory function.
    if (!ExtendedMode)
        m_ui->internalsGroupBox->hide();
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_ximmain.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

MIModuleDialog::~MIModuleDialog() = default;
