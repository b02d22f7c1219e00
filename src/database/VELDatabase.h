#pragma once

#include "database/DataPoint.h"

#include <QtCore/QString>

#include <atomic>

// The point database interface: named text values with typed conversions.
// Values are always text: decimal numbers, "true"/"false", "%f" floats,
// upper-case hex for binary points. The typed forms only convert; a text
// that is not a number reads as 0.
//
// The attribute forms of InsertPoint take DataPoint::Attributes rather than
// a bare int so that they can never be confused with the forms that take a
// point number and a type in the same positions. Write the attribute codes
// as flags (DataPoint::NotSaved | DataPoint::NotTracked) or DataPoint::Attributes(3).
class VELDatabase
{
public:
    virtual ~VELDatabase();

    /// Integer value, attributes 0; rejects ZEMP_TEXT and ZEMP_BINARY.
    virtual bool InsertPoint(const QString &key, int value, quint16 pointNumber, int type) = 0;
    /// Text value, attributes 0; a text or binary point needs a size.
    virtual bool InsertPoint(const QString &key, const QString &value, quint16 pointNumber,
                             int type, int size = -1) = 0;
    /// Sets the not-tracked attribute of an existing point.
    virtual bool SetUntracked(const QString &key) = 0;
    /// Text value with attributes and a size: only for ZEMP_TEXT and ZEMP_BINARY.
    virtual bool InsertPoint(const QString &key, const QString &value,
                             DataPoint::Attributes attributes, quint16 pointNumber, int size,
                             int type) = 0;
    /// Integer value with attributes; rejects ZEMP_TEXT and ZEMP_BINARY.
    virtual bool InsertPoint(const QString &key, int value, DataPoint::Attributes attributes,
                             quint16 pointNumber, int type) = 0;
    /// Text value with attributes; rejects ZEMP_TEXT and ZEMP_BINARY.
    virtual bool InsertPoint(const QString &key, const QString &value,
                             DataPoint::Attributes attributes, quint16 pointNumber,
                             int type) = 0;

    virtual bool SetValue(const QString &key, unsigned value);
    virtual bool SetValue(const QString &key, int value);
    virtual bool SetValue(const QString &key, bool value);
    virtual bool SetValue(const QString &key, float value);
    virtual bool SetValue(const QString &key, const QString &value, bool flag = false) = 0;
    // A string literal would otherwise pick the bool form, a double literal none.
    bool SetValue(const QString &key, const char *value) { return SetValue(key, QString::fromUtf8(value)); }
    bool SetValue(const QString &key, double value) { return SetValue(key, float(value)); }

    virtual bool GetValue(const QString &key, unsigned &value);
    virtual bool GetValue(const QString &key, int &value);
    virtual bool GetValue(const QString &key, bool &value);
    virtual bool GetValue(const QString &key, float &value);
    virtual bool GetValue(const QString &key, QString &value) = 0;

    /// The value text; empty when the key is not in the database.
    virtual QString GetString(const QString &key);
    virtual float GetFloat(const QString &key);
    virtual int GetInt(const QString &key);
    virtual bool GetBool(const QString &key);
    virtual unsigned GetUInt(const QString &key);

    virtual bool GetDataPoint(const QString &key, DataPoint &point) = 0;
    /// Makes the value of \a key (of every point when empty) its reference value.
    virtual void MarkCurrent(const QString &key) = 0;

    /// True while at least one tracked point differs from its reference value.
    bool isModified() const { return modified; }

protected:
    std::atomic<bool> modified { false };
};
