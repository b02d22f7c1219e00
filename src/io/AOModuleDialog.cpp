#include "io/AOModuleDialog.h"

AOModuleDialog::AOModuleDialog(RYXObject *module, QWidget *parent)
    : AIModuleDialog(module, parent, tr("aommodule"),
                     tr("There are no configurable parameters for the AOM, please select a channel."))
{
}
