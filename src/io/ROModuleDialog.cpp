#include "io/ROModuleDialog.h"

#include "io/DiscreteModuleObject.h"

#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QRadioButton>

namespace {

const ControlBinding OwnBindings[] = {
    {"RedRadioButton", ControlBinding::Radio, "ledmode", "red"},
    {"GreenRadioButton", ControlBinding::Radio, "ledmode", "green"},
};

DiscreteModuleDialog::Layout relayLayout(int relays)
{
    return {relays, "failOn_%1", "failOff_%1", "failHold_%1", "Ch%1PUStateCheckBox", true};
}

} // namespace

ROModuleDialog::ROModuleDialog(RYXObject *module, QWidget *parent)
    : ROModuleDialog(module, parent, 4, "popuphelp/popuphelp_rom.html")
{
}

ROModuleDialog::ROModuleDialog(RYXObject *module, QWidget *parent, int relays, const char *help)
    : DiscreteModuleDialog(qobject_cast<DiscreteModuleObject *>(module), parent, tr("Relay Output Module"),
                           relayLayout(relays))
{
    auto *row = new QHBoxLayout(settingsGroup());
    row->addWidget(new QLabel(tr("LEDs When Energized:"), settingsGroup()));
    for (const auto &[name, text] : {std::pair{"RedRadioButton", tr("Red")}, std::pair{"GreenRadioButton", tr("Green")}}) {
        auto *radio = new QRadioButton(text, settingsGroup());
        radio->setObjectName(QLatin1String(name));
        row->addWidget(radio);
    }
    bindAll(OwnBindings, help);
}
