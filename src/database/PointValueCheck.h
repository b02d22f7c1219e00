#pragma once

#include <QtCore/QString>
#include <QtCore/QtGlobal>

struct DataPoint;

// The values a point of each type can carry to its device: whole decimal
// numbers within the width of an integer type, finite decimal numbers
// within the range of a single-precision float, Latin-1 text that leaves
// room in its field for the terminating zero, pairs of hex digits that fit
// the field of a binary point. The configuration file reader and the wire
// encoding apply the same rules, so a value is refused where it enters
// rather than cut or replaced on its way to the device.
class PointValueCheck
{
public:
    /// Why \a value cannot travel as a point of \a type and \a size; empty
    /// when it can. Program-only points (type 0) take any text.
    static QString problem(int type, int size, const QString &value);
    /// What a point of \a type and \a size can carry, in words ("at most
    /// 11 characters", "a whole number from 0 to 255"); empty for
    /// program-only points and unknown types.
    static QString limit(int type, int size);
    /// The most characters a text point of \a size holds (the field less
    /// its terminating zero); -1 for the other types.
    static int textCapacity(int type, int size);
    /// True for the points whose values the rules apply to: points that
    /// travel to the device, except the shadows of the device's identity.
    static bool isChecked(const DataPoint &point);
    /// The smallest and largest value of integer type \a type; false for
    /// the other types.
    static bool integerRange(int type, qint64 &lowest, qint64 &highest);
};
