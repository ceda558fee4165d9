#pragma once

#include "platform/runtime/Currency.h"
#include "platform/runtime/DateTime.h"

#include <QByteArray>
#include <QString>
#include <variant>

namespace rt {

// The VarType code of each kind of value.
enum class VarType {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Double = 5,
    Currency = 6,
    Date = 7,
    String = 8,
    Boolean = 11,
    ByteArray = 8209 /* vbArray + vbByte: BLOB values */
};

// A value of any kind the program handles: Empty, Null, Boolean, Integer (16 bits), Long (32 bits), Double, Currency,
// Date, String, or a byte array (binary columns). Conversions between kinds live in Conversions.h (CStr, CDbl, CCur,
// ...).
class Variant {
public:
    Variant() = default; // Empty
    static Variant null();
    static Variant integer(qint16 value);
    Variant(bool value);
    Variant(int value); // Long
    Variant(double value);
    Variant(Currency value);
    Variant(DateTime value);
    Variant(const QString &value);
    Variant(QString &&value);
    Variant(const char *utf8);
    Variant(const QByteArray &bytes);

    // Inline: asked for every value the program reads or writes.
    VarType type() const
    {
        // Same order as the alternatives of m_value.
        constexpr VarType kinds[] = {VarType::Empty,  VarType::Null,     VarType::Boolean,  VarType::Integer,
                                     VarType::Long,   VarType::Double,   VarType::Currency, VarType::Date,
                                     VarType::String, VarType::ByteArray};
        return kinds[m_value.index()];
    }
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isNumber() const; // Integer, Long, Double, Currency or Boolean

    // The stored value of one kind; each throws RuntimeError 13 (type mismatch) on another kind.
    bool asBoolean() const;
    qint32 asLong() const; // Integer or Long
    double asDouble() const;
    Currency asCurrency() const;
    DateTime asDate() const;
    const QString &asString() const;
    const QByteArray &asBytes() const;

    // Same kind and same value; text compared exactly.
    bool operator==(const Variant &other) const;

private:
    struct EmptyTag {
        bool operator==(const EmptyTag &) const = default;
    };
    struct NullTag {
        bool operator==(const NullTag &) const = default;
    };
    struct Int16 {
        qint16 value;
        bool operator==(const Int16 &) const = default;
    };
    std::variant<EmptyTag, NullTag, bool, Int16, qint32, double, Currency, DateTime, QString, QByteArray> m_value;
};

} // namespace rt
