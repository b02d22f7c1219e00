#include "plugins/EIMConfigurationDialog.h"

#include "model/RYXObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"

#include "ui_EIMConfigurationForm.h"

EIMConfigurationDialog::EIMConfigurationDialog(EIMConfigurationObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::EIMConfigurationForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    connect(m_ui->DescriptorEdit, &RYXLineEdit::signalDataChange, this,
            &EIMConfigurationDialog::DescriptorEditChangeSlot);
    connect(m_ui->serverLocationEdit, &RYXLineEdit::signalDataChange, this,
            &EIMConfigurationDialog::ServerLocationEditChangeSlot);
    connect(m_ui->LSWRadioButton, &QAbstractButton::toggled, this,
            &EIMConfigurationDialog::LSWRadioButtonChangeSlot);
    connect(m_ui->MSWRadioButton, &QAbstractButton::toggled, this,
            &EIMConfigurationDialog::MSWRadioButtonChangeSlot);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_eim.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

EIMConfigurationDialog::~EIMConfigurationDialog() = default;

void EIMConfigurationDialog::store(const QString &key, const QString &value)
{
    if (m_refreshing || !object())
        return;
    object()->setValue(key, value, true);
    requestUpdate();
}

void EIMConfigurationDialog::DescriptorEditChangeSlot()
{
    store(QStringLiteral("descriptor"), m_ui->DescriptorEdit->text());
}

void EIMConfigurationDialog::ServerLocationEditChangeSlot()
{
    store(QStringLiteral("serverlocation"), m_ui->serverLocationEdit->text());
}

void EIMConfigurationDialog::LSWRadioButtonChangeSlot(bool on)
{
    if (on)
        store(QStringLiteral("floatorder"), QStringLiteral("0"));
}

void EIMConfigurationDialog::MSWRadioButtonChangeSlot(bool on)
{
    if (on)
        store(QStringLiteral("floatorder"), QStringLiteral("1"));
}

void EIMConfigurationDialog::updateControls()
{
    auto *plugin = qobject_cast<EIMConfigurationObjectPlugin *>(object());
    if (!plugin)
        return;
    plugin->validate();
    m_ui->DescriptorEdit->setText(readText(QStringLiteral("descriptor")));
    m_ui->serverLocationEdit->setText(readText(QStringLiteral("serverlocation")));
    showValidity(m_ui->descriptorLabel, QStringLiteral("descriptorisvalid"));
    showValidity(m_ui->serverLocationLabel, QStringLiteral("serverlocationisvalid"));
    RYXObject *station = plugin->getHost() ? plugin->getHost() : plugin;
    if (station->isOnline()) {
        const unsigned version = unsigned(readInt(QStringLiteral("synch_fwversion")));
        m_ui->versionEdit->setText(QString::asprintf("%d.%.2d", (version >> 8) & 0xFF, version & 0xFF));
        m_ui->serialNumberEdit->setText(readText(QStringLiteral("synch_serialnumber")));
    } else {
        m_ui->versionEdit->clear();
        m_ui->serialNumberEdit->clear();
    }
    showRadio(m_ui->LSWRadioButton, QStringLiteral("0"), QStringLiteral("floatorder"));
    showRadio(m_ui->MSWRadioButton, QStringLiteral("1"), QStringLiteral("floatorder"));
}
