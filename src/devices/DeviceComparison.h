#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QString>

class RYXObject;

// What a device holds against what the tree says: a detached copy of the
// tree is filled from the device by the objects' own upload code (so the
// device's words are decoded as an upload decodes them), without touching
// the tree, its marks or the screen, and compared with the tree point by
// point on the points a configuration file saves. Runs on the connection
// thread of the object's station.
class DeviceComparison
{
    Q_DECLARE_TR_FUNCTIONS(DeviceComparison)

public:
    struct Difference
    {
        QString object;      // the object's name, as the result lines give it
        QString key;         // the point
        QString treeValue;
        QString deviceValue;
    };

    /// Reads \a object and its subtree back from the device and lists the
    /// saved points whose values differ. Returns the upload's result code
    /// (0 when the device was read).
    static int compare(RYXObject *object, QList<Difference> &differences);

    /// One line per difference: object, point, tree value, device value.
    static QString describe(const Difference &difference);
};
