#include "io/DIModuleDialog.h"

#include "dialogs/ComboBoxCtl.h"
#include "io/DiscreteModuleObject.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>

namespace {

// The debounce time and the device word value that stands for it.
const ComboChoice DebounceTimes[] = {
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "None"), 5},   {QT_TRANSLATE_NOOP("ComboBoxCtl", "5 ms"), 25},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "10 ms"), 50}, {QT_TRANSLATE_NOOP("ComboBoxCtl", "25 ms"), 125},
    {QT_TRANSLATE_NOOP("ComboBoxCtl", "50 ms"), 250}, {nullptr, 0},
};

const ControlBinding OwnBindings[] = {
    {"cbDebounceTime", ControlBinding::Combo, "debounceconst1", nullptr, DebounceTimes},
};

} // namespace

DIModuleDialog::DIModuleDialog(RYXObject *module, QWidget *parent)
    : DiscreteModuleDialog(qobject_cast<DiscreteModuleObject *>(module), parent, tr("Digital Input Module"),
                           InputLayout)
{
    auto *form = new QFormLayout(settingsGroup());
    auto *combo = new QComboBox(settingsGroup());
    combo->setObjectName(QStringLiteral("cbDebounceTime"));
    form->addRow(tr("Debounce Time:"), combo);
    bindAll(OwnBindings, "popuphelp/popuphelp_dim.html");
}
