#include "platform/ado/sqlite/TsqlFunctionSupport.h"

#include "platform/ado/sqlite/SqliteErrors.h"

#include <cmath>

namespace ado::sqlite {

void registerFunctions(sqlite3 *db, std::span<const TsqlFunction> functions)
{
    for (const TsqlFunction &function : functions) {
        const int flags = SQLITE_UTF8 | (function.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, function.name, function.arguments, flags, nullptr, function.call, nullptr,
                                       nullptr, nullptr)
            != SQLITE_OK)
            throwSqliteError(db, QString::fromLatin1(function.name));
    }
}

bool anyNull(int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    }
    return false;
}

QString textOf(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

std::optional<double> numberFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number) || trimmed.contains(u'n', Qt::CaseInsensitive))
        return std::nullopt;
    return number;
}

std::optional<double> numberOf(sqlite3_value *value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_TEXT:
        return numberFromText(textOf(value));
    default:
        return std::nullopt;
    }
}

std::optional<TsqlDateTime> dateOf(sqlite3_value *value, DayOrder order)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return TsqlDateTime::fromSerial(sqlite3_value_double(value));
    case SQLITE_TEXT:
        return parseTsqlDate(textOf(value), order);
    default:
        return std::nullopt;
    }
}

std::optional<TsqlDateTime> storedDate(const QString &text)
{
    if (text.size() < 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return std::nullopt;
    return parseTsqlDate(text);
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

double roundHalfAway(double value, int digits)
{
    const double scale = std::pow(10.0, digits);
    const double scaled = value * scale;
    const double whole = std::trunc(scaled);
    const double tolerance = 1e-9 * std::max(1.0, std::abs(scaled));
    if (std::abs(std::abs(scaled - whole) - 0.5) < tolerance)
        return (whole + (scaled < 0 ? -1.0 : 1.0)) / scale;
    return std::round(scaled) / scale;
}

void resultText(sqlite3_context *context, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void resultDate(sqlite3_context *context, const TsqlDateTime &value)
{
    resultText(context, isoDateTime(value));
}

void resultError(sqlite3_context *context, const QString &message)
{
    const QByteArray utf8 = message.toUtf8();
    sqlite3_result_error(context, utf8.constData(), static_cast<int>(utf8.size()));
}

void resultConversionError(sqlite3_context *context, const QString &text, const char *type)
{
    resultError(context, QStringLiteral("Conversion failed when converting the nvarchar value '%1' to data type %2.")
                             .arg(text, QString::fromLatin1(type)));
}

} // namespace ado::sqlite
