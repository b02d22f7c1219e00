#include "model/RYXDragIdentity.h"

#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtCore/QMutexLocker>
#include <QtCore/QRandomGenerator>

namespace {

struct Registry
{
    QMutex mutex;
    QHash<quint64, RYXObject *> objects;
    quint64 salt = quint64(QRandomGenerator::system()->generate() | 1u) << 32;
    quint32 counter = 0;
};

Registry &registry()
{
    static Registry instance;
    return instance;
}

} // namespace

quint64 RYXDragIdentity::add(RYXObject *object)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    const quint64 id = r.salt | ++r.counter;
    r.objects.insert(id, object);
    return id;
}

void RYXDragIdentity::remove(quint64 id)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    r.objects.remove(id);
}

RYXObject *RYXDragIdentity::find(quint64 id)
{
    Registry &r = registry();
    QMutexLocker lock(&r.mutex);
    return r.objects.value(id, nullptr);
}
