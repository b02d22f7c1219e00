#include "devices/RYXChildCreator.h"

#include "devices/RYXClassRegistry.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"

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
    const RYXClassInfo *row = RYXClassRegistry::findKind(RYXObjectFactory::ModuleLevel, kind);
    return row && row->create ? row->create(0) : nullptr;
}
