#include "platform/runtime/Variant.h"

#include "platform/runtime/RuntimeError.h"

namespace rt {

namespace {

[[noreturn]] void throwMismatch()
{
    throw RuntimeError(err::TypeMismatch, QStringLiteral("No coinciden los tipos"));
}

} // namespace

Variant Variant::null()
{
    Variant v;
    v.m_value = NullTag{};
    return v;
}

Variant Variant::integer(qint16 value)
{
    Variant v;
    v.m_value = Int16{value};
    return v;
}

Variant::Variant(bool value)
    : m_value(value)
{
}
Variant::Variant(int value)
    : m_value(static_cast<qint32>(value))
{
}
Variant::Variant(double value)
    : m_value(value)
{
}
Variant::Variant(Currency value)
    : m_value(value)
{
}
Variant::Variant(DateTime value)
    : m_value(value)
{
}
Variant::Variant(const QString &value)
    : m_value(value)
{
}
Variant::Variant(QString &&value)
    : m_value(std::move(value))
{
}
Variant::Variant(const char *utf8)
    : m_value(QString::fromUtf8(utf8))
{
}
Variant::Variant(const QByteArray &bytes)
    : m_value(bytes)
{
}

bool Variant::isNumber() const
{
    switch (type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
    case VarType::Currency:
    case VarType::Boolean:
        return true;
    default:
        return false;
    }
}

bool Variant::asBoolean() const
{
    if (const auto *b = std::get_if<bool>(&m_value))
        return *b;
    throwMismatch();
}

qint32 Variant::asLong() const
{
    if (const auto *l = std::get_if<qint32>(&m_value))
        return *l;
    if (const auto *i = std::get_if<Int16>(&m_value))
        return i->value;
    throwMismatch();
}

double Variant::asDouble() const
{
    if (const auto *d = std::get_if<double>(&m_value))
        return *d;
    throwMismatch();
}

Currency Variant::asCurrency() const
{
    if (const auto *c = std::get_if<Currency>(&m_value))
        return *c;
    throwMismatch();
}

DateTime Variant::asDate() const
{
    if (const auto *d = std::get_if<DateTime>(&m_value))
        return *d;
    throwMismatch();
}

const QString &Variant::asString() const
{
    if (const auto *s = std::get_if<QString>(&m_value))
        return *s;
    throwMismatch();
}

const QByteArray &Variant::asBytes() const
{
    if (const auto *b = std::get_if<QByteArray>(&m_value))
        return *b;
    throwMismatch();
}

bool Variant::operator==(const Variant &other) const
{
    return m_value == other.m_value;
}

} // namespace rt
