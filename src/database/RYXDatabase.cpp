#include "database/RYXDatabase.h"

#include "database/PointValueCheck.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QMutexLocker>

namespace {

bool isSizedType(int type)
{
    return type == ZEMP_TEXT || type == ZEMP_BINARY;
}

bool rejectSizedType(int type)
{
    if (!isSizedType(type))
        return false;
    qDebug("RYXDatabase::InsertPoint - you must specify a size for ZEMP_TEXT and ZEMP_BINARY!");
    return true;
}

} // namespace

void RYXDatabase::store(const QString &key, const QString &value, quint16 pointNumber, int type,
                        int size, int attributes)
{
    DataPoint point;
    point.name = key;
    point.value = value;
    point.referenceValue = value;
    point.pointNumber = pointNumber;
    point.size = size;
    point.type = type;
    point.attributes = attributes;
    points.insert(key, point);
}

bool RYXDatabase::InsertPoint(const QString &key, int value, quint16 pointNumber, int type)
{
    QMutexLocker lock(&m_lock);
    if (rejectSizedType(type))
        return false;
    store(key, QString::number(value), pointNumber, type, 0, 0);
    return true;
}

bool RYXDatabase::InsertPoint(const QString &key, const QString &value, quint16 pointNumber,
                              int type, int size)
{
    QMutexLocker lock(&m_lock);
    if (isSizedType(type) && size == -1)
        return false;
    store(key, value, pointNumber, type, size, 0);
    return true;
}

bool RYXDatabase::SetUntracked(const QString &key)
{
    QMutexLocker lock(&m_lock);
    auto it = points.find(key);
    if (it == points.end())
        return false;
    it->attributes |= DataPoint::NotTracked;
    return true;
}

bool RYXDatabase::InsertPoint(const QString &key, const QString &value,
                              DataPoint::Attributes attributes, quint16 pointNumber, int size,
                              int type)
{
    QMutexLocker lock(&m_lock);
    if (!isSizedType(type)) {
        qDebug("RYXDatabase::InsertPoint - you may only specify a size for ZEMP_TEXT and ZEMP_BINARY!");
        return false;
    }
    store(key, value, pointNumber, type, size, attributes.toInt());
    return true;
}

bool RYXDatabase::InsertPoint(const QString &key, int value, DataPoint::Attributes attributes,
                              quint16 pointNumber, int type)
{
    QMutexLocker lock(&m_lock);
    if (rejectSizedType(type))
        return false;
    store(key, QString::number(value), pointNumber, type, -1, attributes.toInt());
    return true;
}

bool RYXDatabase::InsertPoint(const QString &key, const QString &value,
                              DataPoint::Attributes attributes, quint16 pointNumber, int type)
{
    QMutexLocker lock(&m_lock);
    if (rejectSizedType(type))
        return false;
    store(key, value, pointNumber, type, -1, attributes.toInt());
    return true;
}

bool RYXDatabase::SetValue(const QString &key, const QString &value, bool /*flag*/)
{
    QMutexLocker lock(&m_lock);
    auto it = points.find(key);
    if (it == points.end()) {
        qDebug("SetValue %s Failed", qUtf8Printable(key));
        return false;
    }
    if (it->value != value && !it->hasAttribute(DataPoint::NotSaved))
        ++m_savedRevision;
    it->value = value;
    if (!it->hasAttribute(DataPoint::NotTracked)) {
        const bool differs = value != it->referenceValue;
        if (differs)
            modifiedKeys.insert(key, key);
        else
            modifiedKeys.remove(key);
    }
    updateModified();
    return true;
}

bool RYXDatabase::GetValue(const QString &key, QString &value)
{
    QMutexLocker lock(&m_lock);
    auto it = points.constFind(key);
    if (it == points.constEnd()) {
        qDebug("GetValue %s Failed, this point is not in the database", qUtf8Printable(key));
        return false;
    }
    value = it->value;
    return true;
}

bool RYXDatabase::GetDataPoint(const QString &key, DataPoint &point)
{
    QMutexLocker lock(&m_lock);
    auto it = points.constFind(key);
    if (it == points.constEnd()) {
        qDebug("GetDataPoint of %s not found", qUtf8Printable(key));
        return false;
    }
    point = *it;
    return true;
}

QString RYXDatabase::valueProblem(const QString &key) const
{
    QMutexLocker lock(&m_lock);
    const auto it = points.constFind(key);
    if (it == points.constEnd() || !PointValueCheck::isChecked(*it))
        return QString();
    const QString reason = PointValueCheck::problem(it->type, it->size, it->value);
    if (reason.isEmpty())
        return reason;
    // A long value is shown by its start; the point keeps all of it.
    constexpr int shown = 40;
    const QString value = it->value.size() > shown ? it->value.left(shown - 3) + QStringLiteral("...") : it->value;
    return QCoreApplication::translate("RYXDatabase", "point \"%1\": the value \"%2\" %3.").arg(key, value, reason);
}

void RYXDatabase::MarkCurrent(const QString &key)
{
    QMutexLocker lock(&m_lock);
    if (key.isEmpty()) {
        for (auto it = points.begin(); it != points.end(); ++it)
            it->referenceValue = it->value;
        modifiedKeys.clear();
    } else {
        auto it = points.find(key);
        if (it != points.end())
            it->referenceValue = it->value;
        modifiedKeys.remove(key);
    }
    updateModified();
}

bool RYXDatabase::contains(const QString &key) const
{
    QMutexLocker lock(&m_lock);
    return points.contains(key);
}

QMap<QString, DataPoint> RYXDatabase::allPoints() const
{
    QMutexLocker lock(&m_lock);
    return points;
}

QStringList RYXDatabase::modifiedPointKeys() const
{
    QMutexLocker lock(&m_lock);
    return modifiedKeys.keys();
}

void RYXDatabase::updateModified()
{
    modified = !modifiedKeys.isEmpty();
}
