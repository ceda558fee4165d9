#include "platform/runtime/VariantMath.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>
#include <limits>

namespace rt {

namespace {

enum class Rank { Integer, Long, Double, Currency };

enum class Op { Add, Subtract, Multiply };

[[noreturn]] void throwOverflow()
{
    throw RuntimeError(err::Overflow, QStringLiteral("Desbordamiento"));
}

Rank rankOf(const Variant &v)
{
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
        return Rank::Integer;
    case VarType::Long:
        return Rank::Long;
    case VarType::Currency:
        return Rank::Currency;
    default: // Double, and texts read as Doubles
        return Rank::Double;
    }
}

qint64 wholeOf(const Variant &v)
{
    return static_cast<qint64>(CDbl(v));
}

// A whole result in the narrowest kind its operands allow that holds it.
Variant wholeResult(qint64 value, Rank rank)
{
    using Limits16 = std::numeric_limits<qint16>;
    if (rank == Rank::Integer && value >= Limits16::min() && value <= Limits16::max())
        return Variant::integer(static_cast<qint16>(value));
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        return Variant(static_cast<int>(value));
    return Variant(static_cast<double>(value));
}

Variant doubleResult(double value)
{
    if (!std::isfinite(value))
        throwOverflow();
    return Variant(value);
}

Currency currencyOf(const Variant &v)
{
    return v.type() == VarType::Currency ? v.asCurrency() : Currency::fromDouble(CDbl(v));
}

Variant currencyResult(Op op, const Variant &a, const Variant &b)
{
    if (op == Op::Multiply) {
        // A rate times an amount keeps the rate's own decimals until the product is rounded.
        if (a.type() != VarType::Currency || b.type() != VarType::Currency)
            return Variant(Currency::fromDouble(CDbl(a) * CDbl(b)));
        return Variant(a.asCurrency() * b.asCurrency());
    }
    return Variant(op == Op::Add ? currencyOf(a) + currencyOf(b) : currencyOf(a) - currencyOf(b));
}

Variant numeric(Op op, const Variant &a, const Variant &b)
{
    const Rank rank = std::max(rankOf(a), rankOf(b));
    if (rank == Rank::Currency)
        return currencyResult(op, a, b);
    if (rank == Rank::Double) {
        const double x = CDbl(a);
        const double y = CDbl(b);
        return doubleResult(op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y);
    }
    const qint64 x = wholeOf(a);
    const qint64 y = wholeOf(b);
    return wholeResult(op == Op::Add ? x + y : op == Op::Subtract ? x - y : x * y, rank);
}

Variant dateResult(double serial)
{
    return Variant(CDate(Variant(serial)));
}

} // namespace

Variant Add(const Variant &a, const Variant &b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    const bool aText = a.type() == VarType::String;
    const bool bText = b.type() == VarType::String;
    if ((aText && (bText || b.isEmpty())) || (bText && a.isEmpty()))
        return Variant(CStr(a) + CStr(b));
    if (a.type() == VarType::Date || b.type() == VarType::Date)
        return dateResult(CDbl(a) + CDbl(b));
    return numeric(Op::Add, a, b);
}

Variant Subtract(const Variant &a, const Variant &b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    if (a.type() == VarType::Date && b.type() == VarType::Date)
        return doubleResult(a.asDate().serial() - b.asDate().serial());
    if (a.type() == VarType::Date)
        return dateResult(a.asDate().serial() - CDbl(b));
    return numeric(Op::Subtract, a, b);
}

Variant Multiply(const Variant &a, const Variant &b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    return numeric(Op::Multiply, a, b);
}

Variant Divide(const Variant &a, const Variant &b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    const double x = CDbl(a);
    const double y = CDbl(b);
    if (y == 0.0) {
        if (x == 0.0)
            throwOverflow();
        throw RuntimeError(err::DivisionByZero, QStringLiteral("División por cero"));
    }
    return doubleResult(x / y);
}

Variant Negate(const Variant &a)
{
    switch (a.type()) {
    case VarType::Null:
        return Variant::null();
    case VarType::Date:
        return dateResult(-a.asDate().serial());
    case VarType::Currency:
        return Variant(Currency() - a.asCurrency());
    default:
        return numeric(Op::Subtract, Variant::integer(0), a);
    }
}

} // namespace rt
