#include "platform/ado/odbc/OdbcParameters.h"

#include "platform/ado/odbc/OdbcDiagnostics.h"

namespace ado::odbc {

namespace {

// SQL Server's longest in-row lengths; longer values go as long data.
constexpr SQLULEN MaxWideText = 4000;
constexpr SQLULEN MaxBinary = 8000;

struct Binding {
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN columnSize = 0;
    SQLSMALLINT decimalDigits = 0;
    QByteArray data;
};

template <typename T> QByteArray rawBytes(const T &value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), sizeof value);
}

QString currencyText(rt::Currency value)
{
    const qint64 raw = value.raw();
    const quint64 magnitude = static_cast<quint64>(raw < 0 ? -(raw + 1) : raw) + (raw < 0 ? 1 : 0);
    return QStringLiteral("%1%2.%3")
        .arg(raw < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 10000)
        .arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
}

Binding dateBinding(const rt::DateTime &date)
{
    const QDateTime moment = date.toQDateTime();
    SQL_TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(moment.date().year());
    ts.month = static_cast<SQLUSMALLINT>(moment.date().month());
    ts.day = static_cast<SQLUSMALLINT>(moment.date().day());
    ts.hour = static_cast<SQLUSMALLINT>(moment.time().hour());
    ts.minute = static_cast<SQLUSMALLINT>(moment.time().minute());
    ts.second = static_cast<SQLUSMALLINT>(moment.time().second());
    ts.fraction = static_cast<SQLUINTEGER>(moment.time().msec()) * 1000000U;
    // Whole seconds go without a fraction, so they are written as the server shows them.
    const bool fraction = ts.fraction != 0;
    return {SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, SQLULEN(fraction ? 23 : 19), SQLSMALLINT(fraction ? 3 : 0),
            rawBytes(ts)};
}

Binding textBinding(const QString &text)
{
    const SQLULEN length = static_cast<SQLULEN>(qMax<qsizetype>(text.size(), 1));
    return {SQL_C_WCHAR, length > MaxWideText ? SQLSMALLINT(SQL_WLONGVARCHAR) : SQLSMALLINT(SQL_WVARCHAR), length, 0,
            QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)};
}

Binding bytesBinding(const QByteArray &bytes)
{
    const SQLULEN length = static_cast<SQLULEN>(qMax<qsizetype>(bytes.size(), 1));
    return {SQL_C_BINARY, length > MaxBinary ? SQLSMALLINT(SQL_LONGVARBINARY) : SQLSMALLINT(SQL_VARBINARY), length, 0,
            bytes};
}

Binding bindingFor(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Boolean:
        return {SQL_C_BIT, SQL_BIT, 1, 0, rawBytes(static_cast<unsigned char>(value.asBoolean() ? 1 : 0))};
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return {SQL_C_SLONG, SQL_INTEGER, 10, 0, rawBytes(static_cast<SQLINTEGER>(value.asLong()))};
    case rt::VarType::Double:
        return {SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, rawBytes(value.asDouble())};
    case rt::VarType::Currency:
        return {SQL_C_CHAR, SQL_DECIMAL, 19, 4, currencyText(value.asCurrency()).toLatin1()};
    case rt::VarType::Date:
        return dateBinding(value.asDate());
    case rt::VarType::ByteArray:
        return bytesBinding(value.asBytes());
    default:
        return textBinding(value.asString());
    }
}

} // namespace

OdbcParameters::OdbcParameters(const OdbcHandle &statement, const QList<rt::Variant> &values)
{
    SQLUSMALLINT marker = 0;
    for (const rt::Variant &value : values)
        if (needsMarker(value))
            bind(statement, ++marker, value);
}

void OdbcParameters::bind(const OdbcHandle &statement, SQLUSMALLINT marker, const rt::Variant &value)
{
    Binding binding = bindingFor(value);
    Buffer &buffer = m_buffers.emplace_back();
    buffer.data = std::move(binding.data);
    buffer.indicator = buffer.data.size();
    check(SQLBindParameter(statement.get(), marker, SQL_PARAM_INPUT, binding.cType, binding.sqlType, binding.columnSize,
                           binding.decimalDigits, buffer.data.data(), buffer.data.size(), &buffer.indicator),
          statement);
}

} // namespace ado::odbc
