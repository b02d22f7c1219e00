#include "database/PointValueCheck.h"

#include "database/DataPoint.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QtNumeric>

#include <cfloat>

namespace {

// Decimal digits with an optional sign and blanks around them: a whole
// number, however large.
bool isDecimalDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    const QChar upper = c.toUpper();
    return isDecimalDigit(c) || (upper >= QLatin1Char('A') && upper <= QLatin1Char('F'));
}

bool isWholeNumberText(const QString &text)
{
    const QString trimmed = text.trimmed();
    int i = trimmed.startsWith(QLatin1Char('+')) || trimmed.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (i >= trimmed.size())
        return false;
    for (; i < trimmed.size(); ++i) {
        if (!isDecimalDigit(trimmed.at(i)))
            return false;
    }
    return true;
}

QString integerProblem(int type, const QString &value)
{
    qint64 lowest = 0;
    qint64 highest = 0;
    PointValueCheck::integerRange(type, lowest, highest);
    const QString range = QCoreApplication::translate("PointValueCheck", "is out of range (%1 to %2)").arg(lowest).arg(highest);
    bool ok = false;
    const qint64 number = value.toLongLong(&ok, 10);
    if (!ok)
        return isWholeNumberText(value) ? range : QCoreApplication::translate("PointValueCheck", "is not a whole number");
    return number < lowest || number > highest ? range : QString();
}

QString floatProblem(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok && !value.trimmed().isEmpty() && qIsInf(number))
        return QCoreApplication::translate("PointValueCheck", "is out of range for a float");
    if (!ok)
        return QCoreApplication::translate("PointValueCheck", "is not a number");
    if (!qIsFinite(number))
        return QCoreApplication::translate("PointValueCheck", "is not a finite number");
    return qAbs(number) > double(FLT_MAX) ? QCoreApplication::translate("PointValueCheck", "is out of range for a float") : QString();
}

// The field holds the text and its terminating zero; a zero inside the text
// would end it early on the device.
QString textProblem(int size, const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return QCoreApplication::translate("PointValueCheck", "holds characters the device cannot store");
    }
    const int capacity = qMax(size - 1, 0);
    if (value.size() > capacity)
        return QCoreApplication::translate("PointValueCheck", "is longer than the %1 characters the device field holds").arg(capacity);
    return QString();
}

QString binaryProblem(int size, const QString &value)
{
    if (value.size() % 2 != 0)
        return QCoreApplication::translate("PointValueCheck", "is not whole hex bytes");
    for (const QChar c : value) {
        if (!isHexDigit(c))
            return QCoreApplication::translate("PointValueCheck", "is not whole hex bytes");
    }
    if (value.size() > 2 * qMax(size, 0))
        return QCoreApplication::translate("PointValueCheck", "is longer than the %1 bytes of the device field").arg(qMax(size, 0));
    return QString();
}

} // namespace

bool PointValueCheck::integerRange(int type, qint64 &lowest, qint64 &highest)
{
    if (type < ZEMP_UINT8 || type > ZEMP_INT32)
        return false;
    const bool isSigned = type >= ZEMP_INT8;
    const int bits = 8 * ((type - ZEMP_UINT8) % 4 + 1);
    highest = isSigned ? (qint64(1) << (bits - 1)) - 1 : (qint64(1) << bits) - 1;
    lowest = isSigned ? -(qint64(1) << (bits - 1)) : 0;
    return true;
}

int PointValueCheck::textCapacity(int type, int size)
{
    return type == ZEMP_TEXT ? qMax(size - 1, 0) : -1;
}

QString PointValueCheck::limit(int type, int size)
{
    qint64 lowest = 0;
    qint64 highest = 0;
    if (integerRange(type, lowest, highest))
        return QCoreApplication::translate("PointValueCheck", "a whole number from %1 to %2").arg(lowest).arg(highest);
    switch (type) {
    case ZEMP_FLOAT:
        return QCoreApplication::translate("PointValueCheck", "a number within the range of a float");
    case ZEMP_TEXT:
        return QCoreApplication::translate("PointValueCheck", "at most %1 characters").arg(textCapacity(type, size));
    case ZEMP_BINARY:
        return QCoreApplication::translate("PointValueCheck", "at most %1 bytes as hex digits").arg(qMax(size, 0));
    default:
        return QString();
    }
}

QString PointValueCheck::problem(int type, int size, const QString &value)
{
    switch (type) {
    case ZEMP_NONE:
        return QString();
    case ZEMP_FLOAT:
        return floatProblem(value);
    case ZEMP_TEXT:
        return textProblem(size, value);
    case ZEMP_BINARY:
        return binaryProblem(size, value);
    default:
        if (type >= ZEMP_UINT8 && type <= ZEMP_INT32)
            return integerProblem(type, value);
        return QCoreApplication::translate("PointValueCheck", "has a point type the device does not know");
    }
}

bool PointValueCheck::isChecked(const DataPoint &point)
{
    return point.type != ZEMP_NONE && !point.hasAttribute(DataPoint::NotCopied);
}
