#include "io/AIChannelDialog.h"

#include "io/InputChannelBindings.h"
#include "io/TIChannelObject.h"

#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>

namespace {

const ControlBinding Bindings[] = {
    INPUT_CHANNEL_HEAD_BINDINGS,
    {"RadioButtonVolts", ControlBinding::Radio, "inputtype", "Volts"},
    {"RadioButtonCurrent", ControlBinding::Radio, "inputtype", "Current"},
    INPUT_CHANNEL_RANGE_BINDINGS,
    INPUT_CHANNEL_SCALING_BINDINGS,
    INPUT_CHANNEL_TAIL_BINDINGS,
};

} // namespace

AIChannelDialog::AIChannelDialog(RYXObject *channel, QWidget *parent)
    : InputChannelDialog(qobject_cast<TIChannelObject *>(channel), parent, tr("Analog Input Channel"))
{
    auto *choice = new QHBoxLayout;
    addRadio(choice, tr("Volts"), "RadioButtonVolts");
    addRadio(choice, tr("Current"), "RadioButtonCurrent");
    inputForm()->addRow(tr("Input Type:"), choice);
    bindControls(Bindings);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_aichannel.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}
