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

namespace {

// The typed reads: the value text converted, the output untouched when the
// key is missing.
template <typename T, typename Convert>
bool readConverted(VELDatabase &database, const QString &key, T &value, Convert convert)
{
    QString text;
    if (!database.GetValue(key, text))
        return false;
    value = convert(text);
    return true;
}

template <typename T>
T readOrDefault(VELDatabase &database, const QString &key)
{
    T value{};
    database.GetValue(key, value);
    return value;
}

} // namespace

bool VELDatabase::GetValue(const QString &key, unsigned &value)
{
    return readConverted(*this, key, value, [](const QString &t) { return t.toUInt(); });
}

bool VELDatabase::GetValue(const QString &key, int &value)
{
    return readConverted(*this, key, value, [](const QString &t) { return t.toInt(); });
}

bool VELDatabase::GetValue(const QString &key, bool &value)
{
    return readConverted(*this, key, value,
                         [](const QString &t) { return t == QLatin1String("true"); });
}

bool VELDatabase::GetValue(const QString &key, float &value)
{
    return readConverted(*this, key, value, [](const QString &t) { return t.toFloat(); });
}

QString VELDatabase::GetString(const QString &key)
{
    return readOrDefault<QString>(*this, key);
}

float VELDatabase::GetFloat(const QString &key)
{
    return readOrDefault<float>(*this, key);
}

int VELDatabase::GetInt(const QString &key)
{
    return readOrDefault<int>(*this, key);
}

bool VELDatabase::GetBool(const QString &key)
{
    return readOrDefault<bool>(*this, key);
}

unsigned VELDatabase::GetUInt(const QString &key)
{
    return readOrDefault<unsigned>(*this, key);
}
