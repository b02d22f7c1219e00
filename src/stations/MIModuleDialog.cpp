#include "stations/MIModuleDialog.h"

#include "core/StartupFlags.h"

#include "ui_MIModuleForm.h"

MIModuleDialog::MIModuleDialog(RYXObject *station, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::MIModuleForm>())
{
    m_ui->setupUi(this);
    setObject(station);
    bindPageButton(m_ui->configurationButton, QStringLiteral("1"));
    bindPageButton(m_ui->processButton, QStringLiteral("2"));
    // The internals are a factory function.
    if (ExtendedMode)
        bindPageButton(m_ui->internalsButton, QStringLiteral("3"));
    else
        m_ui->internalsGroupBox->hide();
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_ximmain.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

MIModuleDialog::~MIModuleDialog() = default;
