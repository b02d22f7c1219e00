#include "database/VELDatabase.h"

VELDatabase::~VELDatabase() = default;

bool VELDatabase::SetValue(const QString &key, unsigned value)
{
    return SetValue(key, QString::asprintf("%u", value));
}

bool VELDatabase::SetValue(const QString &key, int value)
{
    return SetValue(key, QString::asprintf("%d", value));
}

bool VELDatabase::SetValue(const QString &key, bool value)
{
    return SetValue(key, QString(value ? QStringLiteral("true") : QStringLiteral("false")));
}

bool VELDatabase::SetValue(const QString &key, float value)
{
    return SetValue(key, QString::asprintf("%f", double(value)));
}

bool VELDatabase::GetValue(const QString &key, unsigned &value)
{
    QString text;
    if (!GetValue(key, text))
        return false;
    value = text.toUInt();
    return true;
}

bool VELDatabase::GetValue(const QString &key, int &value)
{
    QString text;
    if (!GetValue(key, text))
        return false;
    value = text.toInt();
    return true;
}

bool VELDatabase::GetValue(const QString &key, bool &value)
{
    QString text;
    if (!GetValue(key, text))
        return false;
    value = text == QLatin1String("true");
    return true;
}

bool VELDatabase::GetValue(const QString &key, float &value)
{
    QString text;
    if (!GetValue(key, text))
        return false;
    value = text.toFloat();
    return true;
}

QString VELDatabase::GetString(const QString &key)
{
    QString value;
    GetValue(key, value);
    return value;
}

float VELDatabase::GetFloat(const QString &key)
{
    float value = 0.0f;
    GetValue(key, value);
    return value;
}

int VELDatabase::GetInt(const QString &key)
{
    int value = 0;
    GetValue(key, value);
    return value;
}

bool VELDatabase::GetBool(const QString &key)
{
    bool value = false;
    GetValue(key, value);
    return value;
}

unsigned VELDatabase::GetUInt(const QString &key)
{
    unsigned value = 0;
    GetValue(key, value);
    return value;
}
