#include "io/DIModuleVDialog.h"

#include "io/DiscreteModuleObject.h"

#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QRadioButton>

namespace {

const ControlBinding OwnBindings[] = {
    {"RadioButton50", ControlBinding::Radio, "filterfreq", "50"},
    {"RadioButton60", ControlBinding::Radio, "filterfreq", "60"},
};

} // namespace

DIModuleVDialog::DIModuleVDialog(RYXObject *module, QWidget *parent)
    : DiscreteModuleDialog(qobject_cast<DiscreteModuleObject *>(module), parent, tr("Digital Input Module V"),
                           InputLayout)
{
    auto *row = new QHBoxLayout(settingsGroup());
    for (const auto &[name, text] : {std::pair{"RadioButton50", tr("50 Hz")}, std::pair{"RadioButton60", tr("60 Hz")}}) {
        auto *radio = new QRadioButton(text, settingsGroup());
        radio->setObjectName(QLatin1String(name));
        row->addWidget(radio);
    }
    bindAll(OwnBindings, "popuphelp/popuphelp_dimv.html");
}
