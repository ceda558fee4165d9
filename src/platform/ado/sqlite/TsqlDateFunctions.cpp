#include "platform/ado/sqlite/TsqlDateFunctions.h"

#include "platform/ado/sqlite/TsqlFunctionSupport.h"

#include <array>
#include <cmath>

namespace ado::sqlite {

namespace {

enum class DatePart { Year, Quarter, Month, DayOfYear, Day, Week, Weekday, Hour, Minute, Second, Millisecond };

std::optional<DatePart> datePartOf(const QString &name)
{
    struct Alias {
        const char *name;
        DatePart part;
    };
    static const Alias aliases[] = {{"year", DatePart::Year},       {"yy", DatePart::Year},
                                    {"yyyy", DatePart::Year},       {"quarter", DatePart::Quarter},
                                    {"qq", DatePart::Quarter},      {"q", DatePart::Quarter},
                                    {"month", DatePart::Month},     {"mm", DatePart::Month},
                                    {"m", DatePart::Month},         {"dayofyear", DatePart::DayOfYear},
                                    {"dy", DatePart::DayOfYear},    {"y", DatePart::DayOfYear},
                                    {"day", DatePart::Day},         {"dd", DatePart::Day},
                                    {"d", DatePart::Day},           {"week", DatePart::Week},
                                    {"wk", DatePart::Week},         {"ww", DatePart::Week},
                                    {"weekday", DatePart::Weekday}, {"dw", DatePart::Weekday},
                                    {"w", DatePart::Weekday},       {"hour", DatePart::Hour},
                                    {"hh", DatePart::Hour},         {"minute", DatePart::Minute},
                                    {"mi", DatePart::Minute},       {"n", DatePart::Minute},
                                    {"second", DatePart::Second},   {"ss", DatePart::Second},
                                    {"s", DatePart::Second},        {"millisecond", DatePart::Millisecond},
                                    {"ms", DatePart::Millisecond}};
    const QString trimmed = name.trimmed();
    for (const Alias &alias : aliases) {
        if (trimmed.compare(QLatin1String(alias.name), Qt::CaseInsensitive) == 0)
            return alias.part;
    }
    return std::nullopt;
}

void badDate(sqlite3_context *context)
{
    resultError(context, QStringLiteral("Conversion failed when converting date and/or time from character string."));
}

void badPart(sqlite3_context *context, sqlite3_value *part, const char *function)
{
    resultError(context,
                QStringLiteral("'%1' is not a recognized %2 option.").arg(textOf(part), QLatin1String(function)));
}

// The weeks of DATEPART start on Monday: the program's server runs with a Spanish login, whose
// first day of the week is Monday.
qint64 partOf(DatePart part, const TsqlDateTime &value)
{
    const QDate &date = value.date;
    switch (part) {
    case DatePart::Year:
        return date.year();
    case DatePart::Quarter:
        return (date.month() - 1) / 3 + 1;
    case DatePart::Month:
        return date.month();
    case DatePart::DayOfYear:
        return date.dayOfYear();
    case DatePart::Day:
        return date.day();
    case DatePart::Week:
        return (date.dayOfYear() - 1 + QDate(date.year(), 1, 1).dayOfWeek() - 1) / 7 + 1;
    case DatePart::Weekday:
        return date.dayOfWeek();
    case DatePart::Hour:
        return value.msecs / 3600000;
    case DatePart::Minute:
        return value.msecs / 60000 % 60;
    case DatePart::Second:
        return value.msecs / 1000 % 60;
    case DatePart::Millisecond:
        return value.msecs % 1000;
    }
    return 0;
}

qint64 floorDiv(qint64 value, qint64 divisor)
{
    return value / divisor - ((value % divisor != 0) && ((value < 0) != (divisor < 0)) ? 1 : 0);
}

// DATEDIFF counts the boundaries of the part crossed between the two dates; its weeks turn on
// Sundays whatever the first day of the week.
qint64 boundariesCrossed(DatePart part, const TsqlDateTime &from, const TsqlDateTime &to)
{
    const qint64 days = from.date.daysTo(to.date);
    const qint64 msecs = days * 86400000 + (to.msecs - from.msecs);
    const auto months = [](const QDate &date) { return date.year() * 12LL + date.month() - 1; };
    const auto sundayWeeks = [](const QDate &date) { return floorDiv(date.toJulianDay() + 1, 7); };
    const auto units = [&](qint64 unit) {
        return floorDiv(to.msecs, unit) - floorDiv(from.msecs, unit) + days * (86400000 / unit);
    };
    switch (part) {
    case DatePart::Year:
        return to.date.year() - from.date.year();
    case DatePart::Quarter:
        return months(to.date) / 3 - months(from.date) / 3;
    case DatePart::Month:
        return months(to.date) - months(from.date);
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return days;
    case DatePart::Week:
        return sundayWeeks(to.date) - sundayWeeks(from.date);
    case DatePart::Hour:
        return units(3600000);
    case DatePart::Minute:
        return units(60000);
    case DatePart::Second:
        return units(1000);
    case DatePart::Millisecond:
        return msecs;
    }
    return 0;
}

TsqlDateTime added(DatePart part, qint64 count, const TsqlDateTime &value)
{
    switch (part) {
    case DatePart::Year:
        return {value.date.addYears(static_cast<int>(count)), value.msecs};
    case DatePart::Quarter:
        return {value.date.addMonths(static_cast<int>(count * 3)), value.msecs};
    case DatePart::Month:
        return {value.date.addMonths(static_cast<int>(count)), value.msecs};
    case DatePart::DayOfYear:
    case DatePart::Day:
    case DatePart::Weekday:
        return {value.date.addDays(count), value.msecs};
    case DatePart::Week:
        return {value.date.addDays(count * 7), value.msecs};
    case DatePart::Hour:
        return value.plusMsecs(count * 3600000);
    case DatePart::Minute:
        return value.plusMsecs(count * 60000);
    case DatePart::Second:
        return value.plusMsecs(count * 1000);
    case DatePart::Millisecond:
        return value.plusMsecs(count);
    }
    return value;
}

void getdate(sqlite3_context *context, int, sqlite3_value **)
{
    resultDate(context, TsqlDateTime::now());
}

void partFunction(sqlite3_context *context, sqlite3_value *date, DatePart part)
{
    if (sqlite3_value_type(date) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const auto value = dateOf(date);
    if (!value)
        return badDate(context);
    sqlite3_result_int64(context, partOf(part, *value));
}

void year(sqlite3_context *context, int, sqlite3_value **argv)
{
    partFunction(context, argv[0], DatePart::Year);
}

void month(sqlite3_context *context, int, sqlite3_value **argv)
{
    partFunction(context, argv[0], DatePart::Month);
}

void day(sqlite3_context *context, int, sqlite3_value **argv)
{
    partFunction(context, argv[0], DatePart::Day);
}

void datepart(sqlite3_context *context, int, sqlite3_value **argv)
{
    const auto part = datePartOf(textOf(argv[0]));
    if (!part)
        return badPart(context, argv[0], "datepart");
    partFunction(context, argv[1], *part);
}

void datediff(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const auto part = datePartOf(textOf(argv[0]));
    if (!part)
        return badPart(context, argv[0], "datediff");
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const auto from = dateOf(argv[1]);
    const auto to = dateOf(argv[2]);
    if (!from || !to)
        return badDate(context);
    sqlite3_result_int64(context, boundariesCrossed(*part, *from, *to));
}

void dateadd(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    const auto part = datePartOf(textOf(argv[0]));
    if (!part)
        return badPart(context, argv[0], "dateadd");
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const auto count = numberOf(argv[1]);
    const auto value = dateOf(argv[2]);
    if (!count)
        return resultConversionError(context, textOf(argv[1]), "int");
    if (!value)
        return badDate(context);
    resultDate(context, added(*part, static_cast<qint64>(std::trunc(*count)), *value));
}

// The business database's dbo.FN_SOLO_FECHA: the date of a date and time, at midnight.
void fnSoloFecha(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const auto value = dateOf(argv[0]);
    if (!value)
        return badDate(context);
    resultDate(context, TsqlDateTime{value->date, 0});
}

// tsql_datetext(value): a text that meets a date column. What SQL Server reads as a date
// becomes the stored form; any other text fails the statement, as on SQL Server, rather than
// being compared or stored as a number ('20240230' would take every row of a >=). A blank text
// and values that are no text stay as they are.
void tsqlDateText(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_TEXT) {
        const QString text = textOf(argv[0]);
        if (const auto value = parseTsqlDate(text))
            return resultDate(context, *value);
        if (!text.trimmed().isEmpty())
            return badDate(context);
    }
    sqlite3_result_value(context, argv[0]);
}

// tsql_storeddate(value): what a date column holds once a value is written into it: a number
// as dateOfStoredNumber reads it, a text as tsql_datetext reads it. What is no date of datetime's
// range fails the statement (241); Null, bytes and a blank text stay as they are.
void tsqlStoredDate(sqlite3_context *context, int, sqlite3_value **argv)
{
    std::optional<TsqlDateTime> value;
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        value = dateOfStoredNumber(sqlite3_value_double(argv[0]));
        break;
    case SQLITE_TEXT: {
        const QString text = textOf(argv[0]);
        value = parseTsqlDate(text);
        if (!value && text.trimmed().isEmpty())
            return sqlite3_result_value(context, argv[0]);
        break;
    }
    default:
        return sqlite3_result_value(context, argv[0]);
    }
    if (!value || !inDatetimeRange(*value))
        return badDate(context);
    resultDate(context, *value);
}

// tsql_founddate(value): a number found in a date column, as tsql_storeddate stores it; any
// other value, and a number that is no date, as it is.
void tsqlFoundDate(sqlite3_context *context, int, sqlite3_value **argv)
{
    const int type = sqlite3_value_type(argv[0]);
    const auto value = type == SQLITE_INTEGER || type == SQLITE_FLOAT
                           ? dateOfStoredNumber(sqlite3_value_double(argv[0]))
                           : std::nullopt;
    if (!value)
        return sqlite3_result_value(context, argv[0]);
    resultDate(context, *value);
}

// tsql_storeddates(values...): whether each value is what a date column may hold as it stands:
// Null, a date of datetime's range in the stored form, a blank text (kept as written) or bytes.
void tsqlStoredDates(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    for (int i = 0; i < argc; ++i) {
        const int type = sqlite3_value_type(argv[i]);
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
            return sqlite3_result_int(context, 0);
        if (type != SQLITE_TEXT)
            continue;
        const std::string_view text(reinterpret_cast<const char *>(sqlite3_value_text(argv[i])),
                                    static_cast<std::size_t>(sqlite3_value_bytes(argv[i])));
        if (!isStoredDateText(text) && text.find_first_not_of(" \t\n\v\f\r") != std::string_view::npos)
            return sqlite3_result_int(context, 0);
    }
    sqlite3_result_int(context, 1);
}

const std::array dateFunctions{
    TsqlFunction{"getdate", 0, getdate, false},
    TsqlFunction{"year", 1, year},
    TsqlFunction{"month", 1, month},
    TsqlFunction{"day", 1, day},
    TsqlFunction{"datepart", 2, datepart},
    TsqlFunction{"datediff", 3, datediff},
    TsqlFunction{"dateadd", 3, dateadd},
    TsqlFunction{"fn_solo_fecha", 1, fnSoloFecha},
    TsqlFunction{"tsql_datetext", 1, tsqlDateText},
    TsqlFunction{"tsql_storeddate", 1, tsqlStoredDate},
    TsqlFunction{"tsql_storeddates", -1, tsqlStoredDates},
    TsqlFunction{"tsql_founddate", 1, tsqlFoundDate},
};

} // namespace

void registerTsqlDateFunctions(sqlite3 *db)
{
    registerFunctions(db, dateFunctions);
}

} // namespace ado::sqlite
