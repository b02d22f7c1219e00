#include "devices/RYXClassRegistry.h"

namespace {

QList<const RYXClassInfo *> &rows()
{
    static QList<const RYXClassInfo *> installed;
    return installed;
}

template<typename Match>
const RYXClassInfo *findRow(Match match)
{
    for (const RYXClassInfo *row : std::as_const(rows())) {
        if (match(*row))
            return row;
    }
    return nullptr;
}

RYXObject *createFrom(const RYXClassInfo *row)
{
    return row && row->create ? row->create(0) : nullptr;
}

// The stand-in for a module whose class is not available; the program's
// class table always has one.
RYXObject *createUndetermined()
{
    const RYXClassInfo *row = RYXClassRegistry::findModuleType(0);
    if (!row)
        qWarning("RYXClassRegistry: no class table installed, no module can be created");
    return createFrom(row);
}

} // namespace

void RYXClassRegistry::install(const QList<const RYXClassInfo *> &table)
{
    for (const RYXClassInfo *row : std::as_const(rows())) {
        if (row->create)
            RYXObjectFactory::unregisterClass(QString::fromLatin1(row->element));
    }
    rows() = table;
    for (const RYXClassInfo *row : table) {
        if (!row->create)
            continue;
        const RYXClassInfo::Create create = row->create;
        RYXObjectFactory::registerClass(QString::fromLatin1(row->element), row->level, create);
    }
}

const QList<const RYXClassInfo *> &RYXClassRegistry::classes()
{
    return rows();
}

const RYXClassInfo *RYXClassRegistry::findElement(const QString &element)
{
    return findRow([&](const RYXClassInfo &row) { return element == QLatin1String(row.element); });
}

const RYXClassInfo *RYXClassRegistry::findModuleType(int typeCode)
{
    return findRow([&](const RYXClassInfo &row) {
        return row.level == RYXObjectFactory::ModuleLevel && row.typeCode == typeCode;
    });
}

const RYXClassInfo *RYXClassRegistry::findKind(RYXObjectFactory::Level level, int kind)
{
    return findRow([&](const RYXClassInfo &row) { return row.level == level && row.kind == kind; });
}

bool RYXClassRegistry::kindForTypeCode(int typeCode, int &kind)
{
    const RYXClassInfo *row = findModuleType(typeCode);
    if (!row || row->kind < 0)
        return false;
    kind = row->kind;
    return true;
}

RYXObject *RYXClassRegistry::createModuleForKind(int kind)
{
    RYXObject *module = createFrom(findKind(RYXObjectFactory::ModuleLevel, kind));
    return module ? module : createUndetermined();
}

RYXObject *RYXClassRegistry::createModuleForTypeCode(int typeCode)
{
    RYXObject *module = createFrom(findModuleType(typeCode));
    return module ? module : createUndetermined();
}

bool RYXClassRegistry::isInterfaceModule(const RYXClassInfo &row)
{
    return row.level == RYXObjectFactory::StationLevel || row.level == RYXObjectFactory::NetworkLevel;
}

RYXObject *RYXClassRegistry::createInterfaceModule(int id)
{
    return createFrom(findRow([&](const RYXClassInfo &row) { return isInterfaceModule(row) && row.kind == id; }));
}
