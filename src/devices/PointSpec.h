#pragma once

#include <QtCore/QtGlobal>

#include <cstddef>

class RYXObject;

// One row of a class's point table: a point as its constructor creates it,
// in the table's order. A row with a count above one stands for numbered
// points ("tag%1" with count 8 is tag1 ... tag8), created one after another.
struct PointSpec
{
    const char *key;
    const char *initial;
    int attributes;     // DataPoint::Attribute bits
    quint16 address;    // device point number; 0 for a program-only point
    int type;           // ZEMPPointType
    int size = -1;      // byte size of a text or binary point
    int count = 1;

    /// Creates the points of \a table in \a object, in the table's order.
    template<std::size_t N>
    static void insertAll(RYXObject *object, const PointSpec (&table)[N])
    {
        insertAll(object, table, N);
    }
    static void insertAll(RYXObject *object, const PointSpec *table, std::size_t rows);
};
