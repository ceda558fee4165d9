#include "platform/ado/sqlite/SqliteTypes.h"

#include "platform/ado/Engine.h"
#include "platform/ado/sqlite/TsqlDates.h"
#include "platform/runtime/RuntimeError.h"

#include <cmath>
#include <limits>
#include <sqlite3.h>

namespace ado::sqlite {

namespace {

constexpr long LongTextSize = 1073741823; // what the provider reports for unbounded text

struct KnownType {
    const char *name;
    int type;
    long size; // 0: the declared length
};

// Declared names as the schema and SQL Server write them.
constexpr KnownType knownTypes[] = {
    {"DATETIME", adDBTimeStamp, 16},
    {"SMALLDATETIME", adDBTimeStamp, 16},
    {"DATE", adDBTimeStamp, 16},
    {"DATETIME2", adDBTimeStamp, 16},
    {"MONEY", adCurrency, 8},
    {"SMALLMONEY", adCurrency, 8},
    {"INT", adInteger, 4},
    {"INTEGER", adInteger, 4},
    {"SMALLINT", adSmallInt, 2},
    {"TINYINT", adTinyInt, 1},
    {"BIGINT", adBigInt, 8},
    {"BIT", adBoolean, 2},
    {"BOOLEAN", adBoolean, 2},
    {"FLOAT", adDouble, 8},
    {"REAL", adDouble, 8},
    {"DOUBLE", adDouble, 8},
    {"DOUBLE PRECISION", adDouble, 8},
    {"DECIMAL", adNumeric, 19},
    {"NUMERIC", adNumeric, 19},
    {"VARCHAR", adVarChar, 0},
    {"NVARCHAR", adVarWChar, 0},
    {"CHAR", adChar, 0},
    {"NCHAR", adWChar, 0},
    {"TEXT", adVarWChar, 0},
    {"NTEXT", adLongVarWChar, LongTextSize},
    {"CLOB", adLongVarWChar, LongTextSize},
    {"BLOB", adLongVarBinary, 2147483647},
    {"IMAGE", adLongVarBinary, 2147483647},
    {"VARBINARY", adVarBinary, 0},
    {"BINARY", adBinary, 0},
};

bool isTextType(int type)
{
    return type == adVarChar || type == adVarWChar || type == adChar || type == adWChar;
}

// SQLite's own affinity rules, for declared names the table above does not know.
AdoType byAffinity(const QString &name)
{
    if (name.contains(QLatin1String("INT")))
        return {adInteger, 4};
    if (name.contains(QLatin1String("CHAR")) || name.contains(QLatin1String("CLOB"))
        || name.contains(QLatin1String("TEXT")))
        return {adVarWChar, LongTextSize};
    if (name.contains(QLatin1String("BLOB")))
        return {adLongVarBinary, 2147483647};
    if (name.contains(QLatin1String("REAL")) || name.contains(QLatin1String("FLOA"))
        || name.contains(QLatin1String("DOUB")))
        return {adDouble, 8};
    return {adNumeric, 19};
}

int digits(const char *text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

rt::Variant wholeNumber(sqlite3_int64 value)
{
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        return rt::Variant(static_cast<int>(value));
    return rt::Variant(static_cast<double>(value));
}

// Money amounts are stored with at most four decimals; only a value with more goes through
// the rounding of Currency::fromDouble. An amount of 900,000 million or more is read with the
// 17 digits a double holds: with 15, its cents would be lost.
rt::Variant currency(sqlite3_stmt *statement, int column, int storage)
{
    if (storage == SQLITE_INTEGER) {
        const sqlite3_int64 whole = sqlite3_column_int64(statement, column);
        if (whole > std::numeric_limits<std::int64_t>::max() / 10000
            || whole < std::numeric_limits<std::int64_t>::min() / 10000)
            return rt::Variant(static_cast<double>(whole));
        return rt::Variant(rt::Currency::fromRaw(whole * 10000));
    }
    const double value = sqlite3_column_double(statement, column);
    const double scaled = value * 10000.0;
    const double nearest = std::nearbyint(scaled);
    if (std::fabs(nearest) < 9e15 && std::fabs(scaled - nearest) < 1e-6)
        return rt::Variant(rt::Currency::fromRaw(static_cast<std::int64_t>(nearest)));
    try {
        return rt::Variant(rt::Currency::fromDouble(value, std::fabs(nearest) < 9e15 ? 15 : 17));
    } catch (const rt::RuntimeError &) {
        return rt::Variant(value); // beyond the range of Currency: keep the number
    }
}

rt::Variant byStorage(sqlite3_stmt *statement, int column, int storage)
{
    switch (storage) {
    case SQLITE_INTEGER:
        return wholeNumber(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return rt::Variant(sqlite3_column_double(statement, column));
    case SQLITE_TEXT: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        return rt::Variant(QString::fromUtf8(text, sqlite3_column_bytes(statement, column)));
    }
    case SQLITE_BLOB: {
        const auto *bytes = static_cast<const char *>(sqlite3_column_blob(statement, column));
        return rt::Variant(QByteArray(bytes, sqlite3_column_bytes(statement, column)));
    }
    default:
        return rt::Variant::null();
    }
}

// A number in a date column (one the connection could not bring to the stored form) is the date
// it stands for there, never a number of days from Visual Basic's day zero.
rt::Variant date(sqlite3_stmt *statement, int column, int storage)
{
    if (storage == SQLITE_TEXT) {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        rt::DateTime value;
        if (parseIsoDate(text, sqlite3_column_bytes(statement, column), value))
            return rt::Variant(value);
    } else if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) {
        if (const auto value = dateOfStoredNumber(sqlite3_column_double(statement, column))) {
            const qint64 seconds = value->msecs / 1000;
            return rt::Variant(rt::DateTime::fromParts(
                value->date.year(), value->date.month(), value->date.day(), static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)));
        }
    }
    return byStorage(statement, column, storage);
}

} // namespace

AdoType adoTypeOfDeclared(const QString &declared)
{
    const QString upper = declared.trimmed().toUpper();
    if (upper.isEmpty())
        return {};
    const qsizetype open = upper.indexOf(u'(');
    const QString name = (open < 0 ? upper : upper.left(open)).simplified();
    long length = 0;
    if (open >= 0) {
        const QString inside = upper.mid(open + 1).section(u')', 0, 0).section(u',', 0, 0).trimmed();
        length = inside == u"MAX" ? LongTextSize : inside.toLong();
    }
    for (const KnownType &known : knownTypes) {
        if (name != QLatin1String(known.name))
            continue;
        if (known.size != 0)
            return {known.type, known.size};
        if (length > 0)
            return {known.type, length};
        // Text without a length is unbounded; SQL Server calls it ntext.
        return isTextType(known.type) ? AdoType{adLongVarWChar, LongTextSize} : AdoType{known.type, 8000};
    }
    return byAffinity(name);
}

AdoType adoTypeOfValue(sqlite3_stmt *statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return {adInteger, 4};
    case SQLITE_FLOAT:
        return {adDouble, 8};
    case SQLITE_TEXT: {
        // getdate(), dateadd() and MAX(Fecha) give dates as text; they read back as dates.
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
        const int length = sqlite3_column_bytes(statement, column);
        rt::DateTime ignored;
        if (length == 19 && parseIsoDate(text, length, ignored))
            return {adDBTimeStamp, 16};
        return {adVarWChar, 0};
    }
    case SQLITE_BLOB:
        return {adLongVarBinary, 2147483647};
    default:
        return {};
    }
}

rt::Variant readValue(sqlite3_stmt *statement, int column, int adoType)
{
    const int storage = sqlite3_column_type(statement, column);
    if (storage == SQLITE_NULL)
        return rt::Variant::null();
    switch (adoType) {
    case adDBTimeStamp:
        return date(statement, column, storage);
    case adCurrency:
        return currency(statement, column, storage);
    case adBoolean:
        if (storage == SQLITE_INTEGER)
            return rt::Variant(sqlite3_column_int64(statement, column) != 0);
        break;
    case adSmallInt:
    case adTinyInt:
        if (storage == SQLITE_INTEGER) {
            const sqlite3_int64 value = sqlite3_column_int64(statement, column);
            if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max())
                return rt::Variant::integer(static_cast<qint16>(value));
        }
        break;
    case adDouble:
    case adNumeric:
        if (storage == SQLITE_INTEGER)
            return rt::Variant(static_cast<double>(sqlite3_column_int64(statement, column)));
        break;
    default:
        break;
    }
    return byStorage(statement, column, storage);
}

int bindValue(sqlite3_stmt *statement, int parameter, const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Empty:
    case rt::VarType::Null:
        return sqlite3_bind_null(statement, parameter);
    case rt::VarType::Boolean:
        return sqlite3_bind_int(statement, parameter, value.asBoolean() ? 1 : 0);
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return sqlite3_bind_int64(statement, parameter, value.asLong());
    case rt::VarType::Double:
        return sqlite3_bind_double(statement, parameter, value.asDouble());
    case rt::VarType::Currency: {
        const std::int64_t raw = value.asCurrency().raw();
        if (raw % 10000 == 0)
            return sqlite3_bind_int64(statement, parameter, raw / 10000);
        return sqlite3_bind_double(statement, parameter, value.asCurrency().toDouble());
    }
    case rt::VarType::Date:
        return sqlite3_bind_text(statement, parameter, isoText(value.asDate()).toUtf8().constData(), -1,
                                 SQLITE_TRANSIENT);
    case rt::VarType::String:
        return sqlite3_bind_text(statement, parameter, value.asString().toUtf8().constData(), -1, SQLITE_TRANSIENT);
    case rt::VarType::ByteArray:
        return sqlite3_bind_blob(statement, parameter, value.asBytes().constData(),
                                 static_cast<int>(value.asBytes().size()), SQLITE_TRANSIENT);
    }
    return sqlite3_bind_null(statement, parameter);
}

QString isoText(const rt::DateTime &value)
{
    const QDate day = value.date();
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'))
        .arg(value.hour(), 2, 10, QLatin1Char('0'))
        .arg(value.minute(), 2, 10, QLatin1Char('0'))
        .arg(value.second(), 2, 10, QLatin1Char('0'));
}

bool parseIsoDate(const char *text, int length, rt::DateTime &value)
{
    if (length < 10 || text[4] != '-' || text[7] != '-')
        return false;
    const int year = digits(text, 4);
    const int month = digits(text + 5, 2);
    const int day = digits(text + 8, 2);
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (length > 10) {
        if (length < 16 || (text[10] != ' ' && text[10] != 'T') || text[13] != ':')
            return false;
        hour = digits(text + 11, 2);
        minute = digits(text + 14, 2);
        if (length > 16) {
            if (length < 19 || text[16] != ':')
                return false;
            second = digits(text + 17, 2);
            if (length > 19 && text[19] != '.')
                return false;
        }
    }
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return false;
    try {
        value = rt::DateTime::fromParts(year, month, day, hour, minute, second);
        return true;
    } catch (const rt::RuntimeError &) {
        return false;
    }
}

} // namespace ado::sqlite
