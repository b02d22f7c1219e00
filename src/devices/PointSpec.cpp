#include "devices/PointSpec.h"

#include "database/DataPoint.h"
#include "model/RYXObject.h"

#include <QtCore/QDebug>

namespace {

void insertOne(RYXObject *object, const PointSpec &row, const QString &key)
{
    const QString initial = QString::fromLatin1(row.initial);
    const DataPoint::Attributes attributes(row.attributes);
    const bool sized = row.type == ZEMP_TEXT || row.type == ZEMP_BINARY;
    const bool inserted = sized ? object->InsertPoint(key, initial, attributes, row.address, row.size, row.type)
                                : object->InsertPoint(key, initial, attributes, row.address, row.type);
    if (!inserted)
        qWarning().noquote() << QStringLiteral("Point table row %1 of %2 was refused").arg(key, object->getName());
}

} // namespace

void PointSpec::insertAll(RYXObject *object, const PointSpec *table, std::size_t rows)
{
    for (std::size_t i = 0; i < rows; ++i) {
        const PointSpec &row = table[i];
        const QString key = QString::fromLatin1(row.key);
        if (row.count <= 1) {
            insertOne(object, row, key);
            continue;
        }
        for (int n = 1; n <= row.count; ++n)
            insertOne(object, row, key.arg(n));
    }
}
