#include "io/TIChannelDialog.h"

#include "dialogs/ComboBoxCtl.h"
#include "dialogs/RYXLineEdit.h"
#include "dialogs/ControlBinding.h"
#include "io/InputChannelBindings.h"
#include "io/TemperatureSensorModel.h"
#include "io/TIChannelObject.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QVBoxLayout>

namespace {

using Model = TemperatureSensorModel;
using B = ControlBinding;

const ControlBinding Bindings[] = {
    INPUT_CHANNEL_HEAD_BINDINGS,
    {"cbInputType", B::Combo, "inputtype", nullptr, Model::InputTypes},
    {"cbInputSensor", B::Combo, "inputsubtype"},
    {"cbInputConnection", B::Combo, "inputconnection"},
    {"cbInputResistance", B::Combo, "inputresistance"},
    {"cbInputUnits", B::Combo, "inputunits"},
    INPUT_CHANNEL_RANGE_BINDINGS,
    {"radioButtonHoldAmbTemp", B::Radio, "ambtempfailmode", "hold"},
    {"radioButtonPresetAmbTemp", B::Radio, "ambtempfailmode", "preset"},
    {"presetValueEditAmbTemp", B::Float, "ambtempfailpreset", nullptr, nullptr, PRESET_FORMAT},
    INPUT_CHANNEL_SCALING_BINDINGS,
    {"AmbientTempCheck", B::CheckBox, "ambtempenable"},
    {"BrokenWireCheck", B::CheckBox, "brokenwireeenable"},
    {"cbAmbientTemp", B::Combo, "ambtempunits", nullptr, Model::TemperatureUnits, nullptr, nullptr,
     "ambtempunitsvalid", QT_TRANSLATE_NOOP("ConfigBaseDialog", "a unit must be chosen while the ambient "
                                                                "temperature is measured")},
    INPUT_CHANNEL_TAIL_BINDINGS,
};

QComboBox *addCombo(QFormLayout *form, const QString &label, const char *name, const QString &toolTip)
{
    auto *combo = new QComboBox(form->parentWidget());
    combo->setObjectName(QLatin1String(name));
    combo->setToolTip(toolTip);
    form->addRow(label, combo);
    return combo;
}

} // namespace

TIChannelDialog::TIChannelDialog(RYXObject *channel, QWidget *parent)
    : InputChannelDialog(qobject_cast<TIChannelObject *>(channel), parent, tr("Temperature Input Channel"))
{
    buildSensor();
    buildAmbient();
    bindControls(Bindings);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_tichannel.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

void TIChannelDialog::buildSensor()
{
    QFormLayout *form = inputForm();
    addCombo(form, tr("Input Type:"), "cbInputType", tr("Selects the input type"));
    addCombo(form, tr("Sensor Type:"), "cbInputSensor", tr("Selects the sensor type"));
    addCombo(form, tr("Base Resistance:"), "cbInputResistance", tr("Selects the sensor's base resistance"));
    addCombo(form, tr("Connection:"), "cbInputConnection", tr("Selects the sensor's connection"));
    addCombo(form, tr("Units:"), "cbInputUnits", tr("Selects the input units"));
}

void TIChannelDialog::buildAmbient()
{
    auto *group = new QGroupBox(tr("Ambient Temperature"), this);
    group->setObjectName(QStringLiteral("ambientGroupBox"));
    auto *form = new QFormLayout(group);
    addCheck(form, tr("Ambient Temp"), "AmbientTempCheck");
    m_ambientUnits = addCombo(form, tr("Units:"), "cbAmbientTemp", tr("Selects the ambient temperature units"));
    auto *choice = new QHBoxLayout;
    addRadio(choice, tr("Hold Last"), "radioButtonHoldAmbTemp");
    addRadio(choice, tr("Preset"), "radioButtonPresetAmbTemp");
    form->addRow(tr("On Failure:"), choice);
    m_ambientPreset = addEdit(form, tr("Predefined Value:"), "presetValueEditAmbTemp");
    addCheck(form, tr("Broken Wire Detection"), "BrokenWireCheck");
    static_cast<QVBoxLayout *>(layout())->insertWidget(3, group);
}

void TIChannelDialog::showSensorCombo(const char *key, const ComboChoice *table)
{
    const QString point = QLatin1String(key);
    showCombo(point, table, boundCombo(point));
}

void TIChannelDialog::updateControls()
{
    InputChannelDialog::updateControls();
    if (!channel())
        return;
    const int type = readInt(QStringLiteral("inputtype"));
    showSensorCombo("inputsubtype", Model::sensorChoices(type));
    showSensorCombo("inputresistance", Model::resistanceChoices(type, readInt(QStringLiteral("inputsubtype"))));
    showSensorCombo("inputconnection", Model::connectionChoices(type));
    showSensorCombo("inputunits", Model::unitChoices(type));
    m_ambientUnits->setEnabled(readBool(QStringLiteral("ambtempenable")));
    enableUnless(m_ambientPreset, QStringLiteral("ambtempfailmode"), QStringLiteral("hold"));
}
