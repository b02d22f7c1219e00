#pragma once

#include <QtCore/QString>
#include <QtCore/QtGlobal>

// Point type codes: how a point's value travels to and from the device.
enum ZEMPPointType {
    ZEMP_NONE = 0,     // program-only, never transferred
    ZEMP_UINT8 = 1,
    ZEMP_UINT16 = 2,
    ZEMP_UINT24 = 3,
    ZEMP_UINT32 = 4,
    ZEMP_INT8 = 5,
    ZEMP_INT16 = 6,
    ZEMP_INT24 = 7,
    ZEMP_INT32 = 8,
    ZEMP_FLOAT = 9,
    ZEMP_TEXT = 10,    // Latin-1 text of a fixed byte size
    ZEMP_BINARY = 11   // fixed byte size, upper-case hex text
};

// One named point of an object's database. A plain value: the database
// copies records in and out.
struct DataPoint
{
    enum Attribute {
        NotSaved = 0x1,   // not written to the configuration file, not copied
        NotTracked = 0x2, // edits never make the object "not current"
        NotCopied = 0x4   // identity values read from the device
    };
    // A set of attribute bits. Deliberately not convertible to int, so that
    // an attribute argument can never be taken for a point number or a type.
    class Attributes
    {
    public:
        constexpr Attributes() = default;
        constexpr Attributes(Attribute bit) : m_bits(bit) {}
        constexpr explicit Attributes(int bits) : m_bits(bits) {}
        constexpr int toInt() const { return m_bits; }
        friend constexpr Attributes operator|(Attributes a, Attributes b)
        {
            return Attributes(a.m_bits | b.m_bits);
        }
        /// The bits of \a bits (a point's attributes field) that are in \a a.
        friend constexpr int operator&(int bits, Attributes a) { return bits & a.m_bits; }
        friend constexpr bool operator==(Attributes a, Attributes b) { return a.m_bits == b.m_bits; }
        friend constexpr bool operator!=(Attributes a, Attributes b) { return a.m_bits != b.m_bits; }

    private:
        int m_bits = 0;
    };

    QString name;
    QString value;
    QString referenceValue; // the value last known to equal the device's
    quint16 pointNumber = 0;
    int size = -1;          // byte width of ZEMP_TEXT and ZEMP_BINARY points
    int type = ZEMP_NONE;
    int attributes = 0;

    bool hasAttribute(Attribute bit) const { return (attributes & bit) != 0; }
};

constexpr DataPoint::Attributes operator|(DataPoint::Attribute a, DataPoint::Attribute b)
{
    return DataPoint::Attributes(a) | DataPoint::Attributes(b);
}
