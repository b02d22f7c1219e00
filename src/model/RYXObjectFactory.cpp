#include "model/RYXObjectFactory.h"

#include <QtCore/QHash>
#include <QtCore/QMutex>

namespace {

struct Entry
{
    RYXObjectFactory::Level level;
    RYXObjectFactory::Creator creator;
};

struct Registry
{
    QMutex mutex;
    QHash<QString, Entry> entries;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

void RYXObjectFactory::registerClass(const QString &element, Level level, const Creator &creator)
{
    Registry &r = registry();
    QMutexLocker locker(&r.mutex);
    r.entries.insert(element, Entry{level, creator});
}

void RYXObjectFactory::unregisterClass(const QString &element)
{
    Registry &r = registry();
    QMutexLocker locker(&r.mutex);
    r.entries.remove(element);
}

bool RYXObjectFactory::isRegistered(const QString &element)
{
    Level level;
    return levelOf(element, level);
}

bool RYXObjectFactory::levelOf(const QString &element, Level &level)
{
    Registry &r = registry();
    QMutexLocker locker(&r.mutex);
    const auto it = r.entries.constFind(element);
    if (it == r.entries.constEnd())
        return false;
    level = it->level;
    return true;
}

RYXObject *RYXObjectFactory::create(const QString &element, int channel)
{
    Creator creator;
    {
        Registry &r = registry();
        QMutexLocker locker(&r.mutex);
        const auto it = r.entries.constFind(element);
        if (it == r.entries.constEnd() || !it->creator)
            return nullptr;
        creator = it->creator;
    }
    // Called unlocked: a constructor may itself consult the registry.
    return creator(channel);
}

QStringList RYXObjectFactory::registeredElements()
{
    Registry &r = registry();
    QMutexLocker locker(&r.mutex);
    QStringList names = r.entries.keys();
    names.sort();
    return names;
}
