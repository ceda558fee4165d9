#include "platform/ado/odbc/OdbcValueReader.h"

#include "platform/ado/Engine.h"
#include "platform/ado/odbc/OdbcDiagnostics.h"

#include <QRegularExpression>

#include <array>
#include <limits>
#include <optional>

namespace ado::odbc {

namespace {

template <typename T> std::optional<T> readFixed(const OdbcHandle &statement, SQLUSMALLINT column, SQLSMALLINT cType)
{
    T value{};
    SQLLEN indicator = 0;
    check(SQLGetData(statement.get(), column, cType, &value, sizeof value, &indicator), statement);
    if (indicator == SQL_NULL_DATA)
        return std::nullopt;
    return value;
}

// Long values arrive in pieces: each call fills the buffer and reports 01004 while more remains.
std::optional<QByteArray> readPieces(const OdbcHandle &statement, SQLUSMALLINT column, SQLSMALLINT cType,
                                     SQLLEN terminatorBytes)
{
    std::array<char, 8192> buffer{};
    const SQLLEN room = static_cast<SQLLEN>(buffer.size()) - terminatorBytes;
    QByteArray bytes;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = check(
            SQLGetData(statement.get(), column, cType, buffer.data(), static_cast<SQLLEN>(buffer.size()), &indicator),
            statement);
        if (rc == SQL_NO_DATA)
            return bytes;
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const bool more = rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator > room);
        bytes.append(buffer.data(), more ? room : qMin(indicator, room));
        if (!more)
            return bytes;
    }
}

std::optional<QString> readText(const OdbcHandle &statement, SQLUSMALLINT column)
{
    const std::optional<QByteArray> bytes = readPieces(statement, column, SQL_C_WCHAR, sizeof(SQLWCHAR));
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes->constData()),
                              bytes->size() / static_cast<qsizetype>(sizeof(SQLWCHAR)));
}

rt::Variant integerValue(SQLBIGINT value, int adoType)
{
    if ((adoType == adSmallInt || adoType == adTinyInt) && value >= std::numeric_limits<qint16>::min()
        && value <= std::numeric_limits<qint16>::max())
        return rt::Variant::integer(static_cast<qint16>(value));
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        return rt::Variant(static_cast<int>(value));
    return rt::Variant(static_cast<double>(value));
}

rt::Variant timestampValue(const SQL_TIMESTAMP_STRUCT &ts)
{
    const rt::DateTime whole = rt::DateTime::fromParts(ts.year, ts.month, ts.day, ts.hour, ts.minute, ts.second);
    const double fraction = static_cast<double>(ts.fraction) / 1e9 / 86400.0;
    return rt::Variant(rt::DateTime(whole.serial() + (whole.serial() < 0 ? -fraction : fraction)));
}

// A time of day alone is a Date on day zero (30/12/1899), so it shows and converts as a bare time.
rt::Variant timeValue(const SQL_TIME_STRUCT &time)
{
    return rt::Variant(rt::DateTime::fromParts(1899, 12, 30, time.hour, time.minute, time.second));
}

template <typename T, typename Convert>
rt::Variant fixedOrNull(const OdbcHandle &statement, SQLUSMALLINT column, SQLSMALLINT cType, Convert convert)
{
    const std::optional<T> value = readFixed<T>(statement, column, cType);
    return value ? convert(*value) : rt::Variant::null();
}

rt::Variant dateTimeValue(const OdbcHandle &statement, SQLUSMALLINT column, SQLSMALLINT sqlType)
{
    if (sqlType == SQL_TYPE_TIME || sqlType == SQL_TIME)
        return fixedOrNull<SQL_TIME_STRUCT>(statement, column, SQL_C_TYPE_TIME, timeValue);
    return fixedOrNull<SQL_TIMESTAMP_STRUCT>(statement, column, SQL_C_TYPE_TIMESTAMP, timestampValue);
}

rt::Variant textOrNull(const std::optional<QString> &text)
{
    return text ? rt::Variant(*text) : rt::Variant::null();
}

} // namespace

rt::Currency currencyFromText(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^\\s*([-+]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    const QRegularExpressionMatch match = plain.match(text);
    const QString fraction = match.captured(3);
    if (!match.hasMatch() || fraction.size() > 4 || match.captured(2).size() > 15)
        return rt::Currency::fromDouble(text.trimmed().toDouble());
    const qint64 whole = match.captured(2).toLongLong();
    const qint64 tenThousandths = whole * 10000 + fraction.leftJustified(4, u'0').toLongLong();
    return rt::Currency::fromRaw(match.captured(1) == u"-" ? -tenThousandths : tenThousandths);
}

rt::Variant readValue(const OdbcHandle &statement, SQLUSMALLINT column, int adoType, SQLSMALLINT sqlType)
{
    switch (valueKind(adoType)) {
    case ValueKind::Integer:
        return fixedOrNull<SQLBIGINT>(statement, column, SQL_C_SBIGINT,
                                      [adoType](SQLBIGINT v) { return integerValue(v, adoType); });
    case ValueKind::Boolean:
        return fixedOrNull<unsigned char>(statement, column, SQL_C_BIT,
                                          [](unsigned char v) { return rt::Variant(v != 0); });
    case ValueKind::Double:
        return fixedOrNull<double>(statement, column, SQL_C_DOUBLE, [](double v) { return rt::Variant(v); });
    case ValueKind::DateTime:
        return dateTimeValue(statement, column, sqlType);
    case ValueKind::Currency: {
        const std::optional<QString> text = readText(statement, column);
        return text ? rt::Variant(currencyFromText(*text)) : rt::Variant::null();
    }
    case ValueKind::Decimal: {
        const std::optional<QString> text = readText(statement, column);
        return text ? rt::Variant(text->trimmed().toDouble()) : rt::Variant::null();
    }
    case ValueKind::Binary: {
        const std::optional<QByteArray> bytes = readPieces(statement, column, SQL_C_BINARY, 0);
        return bytes ? rt::Variant(*bytes) : rt::Variant::null();
    }
    case ValueKind::Text:
        break;
    }
    return textOrNull(readText(statement, column));
}

} // namespace ado::odbc
