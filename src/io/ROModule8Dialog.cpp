#include "io/ROModule8Dialog.h"

ROModule8Dialog::ROModule8Dialog(RYXObject *module, QWidget *parent)
    : ROModuleDialog(module, parent, 8, "popuphelp/popuphelp_rom8.html")
{
}
