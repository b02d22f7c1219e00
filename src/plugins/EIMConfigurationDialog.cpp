#include "plugins/EIMConfigurationDialog.h"

#include "model/RYXObject.h"
#include "plugins/EIMConfigurationObjectPlugin.h"

#include "ui_EIMConfigurationForm.h"

namespace {

const ControlBinding Bindings[] = {
    {"DescriptorEdit", ControlBinding::Text, "descriptor", nullptr, nullptr, nullptr,
     SLOT(DescriptorEditChangeSlot()), "descriptorisvalid",
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "letters, digits and \"_\" only, not beginning with a digit")},
    {"serverLocationEdit", ControlBinding::Text, "serverlocation", nullptr, nullptr, nullptr,
     SLOT(ServerLocationEditChangeSlot()), "serverlocationisvalid"},
    {"LSWRadioButton", ControlBinding::Radio, "floatorder", "0", nullptr, nullptr,
     SLOT(LSWRadioButtonChangeSlot(bool))},
    {"MSWRadioButton", ControlBinding::Radio, "floatorder", "1", nullptr, nullptr,
     SLOT(MSWRadioButtonChangeSlot(bool))},
};

} // namespace

EIMConfigurationDialog::EIMConfigurationDialog(EIMConfigurationObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::EIMConfigurationForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindControls(Bindings);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_eim.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

EIMConfigurationDialog::~EIMConfigurationDialog() = default;

// The bound edits and buttons report here; each stores its point through
// the plug-in and refreshes the dialog.
void EIMConfigurationDialog::DescriptorEditChangeSlot()
{
    ValueChangedSlot();
}

void EIMConfigurationDialog::ServerLocationEditChangeSlot()
{
    ValueChangedSlot();
}

void EIMConfigurationDialog::LSWRadioButtonChangeSlot(bool on)
{
    RadioButtonChangedSlot(on);
}

void EIMConfigurationDialog::MSWRadioButtonChangeSlot(bool on)
{
    RadioButtonChangedSlot(on);
}

void EIMConfigurationDialog::updateControls()
{
    auto *plugin = qobject_cast<EIMConfigurationObjectPlugin *>(object());
    if (!plugin)
        return;
    plugin->validate();
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
}
