#include "plugins/XIMInternalsDialog.h"

#include "plugins/XIMInternalsObjectPlugin.h"

#include "ui_XIMInternalsForm.h"

XIMInternalsDialog::XIMInternalsDialog(XIMInternalsObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::XIMInternalsForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindRadioButton(m_ui->EnableScanRadioButton, QStringLiteral("disablescan"), QStringLiteral("0"));
    bindRadioButton(m_ui->DisableScanRadioButton, QStringLiteral("disablescan"), QStringLiteral("1"));
    bindText(m_ui->ScanLineControlEdit, QStringLiteral("scanlinecontrol"));
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

void XIMInternalsDialog::updateControls()
{
    if (!plugin())
        return;
    m_ui->ScanLineControlEdit->setText(readText(QStringLiteral("scanlinecontrol")));
    showRadio(m_ui->EnableScanRadioButton, QStringLiteral("0"), QStringLiteral("disablescan"));
    showRadio(m_ui->DisableScanRadioButton, QStringLiteral("1"), QStringLiteral("disablescan"));
}
