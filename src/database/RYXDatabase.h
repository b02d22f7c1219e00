#pragma once

#include "database/VELDatabase.h"

#include <QtCore/QMap>
#include <QtCore/QMutex>
#include <QtCore/QStringList>

#include <atomic>

// The point table of one tree object, ordered by key (plain QString order,
// which is also the order of the points in a configuration file). The
// connection thread and the GUI thread both read and write it: every access
// takes the table's lock, and reads hand out copies.
class RYXDatabase : public VELDatabase
{
public:
    using VELDatabase::GetValue;
    using VELDatabase::InsertPoint;
    using VELDatabase::SetValue;

    bool InsertPoint(const QString &key, int value, quint16 pointNumber, int type) override;
    bool InsertPoint(const QString &key, const QString &value, quint16 pointNumber, int type,
                     int size = -1) override;
    bool SetUntracked(const QString &key) override;
    bool InsertPoint(const QString &key, const QString &value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int size, int type) override;
    bool InsertPoint(const QString &key, int value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int type) override;
    bool InsertPoint(const QString &key, const QString &value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int type) override;

    bool SetValue(const QString &key, const QString &value, bool flag = false) override;
    bool GetValue(const QString &key, QString &value) override;
    bool GetDataPoint(const QString &key, DataPoint &point) override;
    void MarkCurrent(const QString &key) override;

    bool contains(const QString &key) const;
    /// Every point, in key order (a copy).
    QMap<QString, DataPoint> allPoints() const;
    /// Keys whose value differs from the reference value, in key order.
    QStringList modifiedPointKeys() const;
    /// Why the value of \a key cannot travel to the device, naming the point,
    /// the value and the reason (PointValueCheck); empty when it can, when
    /// the point is not checked or when there is no such point.
    QString valueProblem(const QString &key) const;
    /// Counts the changes of values that a configuration file holds (points
    /// without the NotSaved attribute); it never goes back.
    quint64 savedRevision() const { return m_savedRevision.load(); }

private:
    void store(const QString &key, const QString &value, quint16 pointNumber, int type,
               int size, int attributes);
    void updateModified();

    mutable QMutex m_lock;
    QMap<QString, DataPoint> points;
    QMap<QString, QString> modifiedKeys;
    std::atomic<quint64> m_savedRevision { 0 };
};
