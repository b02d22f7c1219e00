#include "app/RYXChildCreator.h"

#include "app/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "stations/RYXClassRegistry.h"

bool RYXChildCreator::addModule(RYXObject *station, RYXObject *module)
{
    if (!station || !module)
        return false;
    module->setParent(station);
    if (!station->addChild(module))
        return false;
    if (!module->getTreeItem() && station->getTreeItem())
        module->initialize(station->getTreeItem());
    module->markCurrent(QString());
    return true;
}

bool RYXChildCreator::createChild(RYXObject *station, int kind)
{
    return addModule(station, RYXClassRegistry::createModuleForKind(kind));
}

RYXObject *RYXChildCreator::createMenuModule(int kind)
{
    RYXObject *module = RYXClassRegistry::createModuleForKind(kind);
    if (module && kind != 0 && module->inherits("UndeterminedModuleObject")) {
        delete module;
        return nullptr;
    }
    return module;
}
