#include "platform/ado/sqlite/TsqlConvertFunctions.h"

#include "platform/ado/sqlite/TsqlDateStyles.h"
#include "platform/ado/sqlite/TsqlFunctionSupport.h"
#include "platform/ado/sqlite/TsqlNumberText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string_view>

namespace ado::sqlite {

namespace {

constexpr int DefaultTextLength = 30; // CONVERT(NVARCHAR, x) without a length

bool isText(sqlite3_value *value)
{
    const int type = sqlite3_value_type(value);
    return type == SQLITE_TEXT || type == SQLITE_BLOB;
}

// A value of a sum or product on its way, left to right: a text as it stands, a number, or a
// date as its serial number of days.
struct Operand {
    enum class Kind { Text, Integer, Real, Date } kind = Kind::Integer;
    sqlite3_int64 integer = 0;
    double real = 0;
    QString text;
};

Operand integerOperand(sqlite3_int64 integer)
{
    return Operand{Operand::Kind::Integer, integer, static_cast<double>(integer), {}};
}

Operand realOperand(double real)
{
    return Operand{Operand::Kind::Real, 0, real, {}};
}

Operand operandOf(sqlite3_value *value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return integerOperand(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return realOperand(sqlite3_value_double(value));
    default:
        return Operand{Operand::Kind::Text, 0, 0, textOf(value)};
    }
}

// A text takes part in arithmetic as the number it holds or, where `dates` (a sum, not a
// product), as a stored date; other text does not convert.
std::optional<Operand> arithmeticOf(const Operand &operand, bool dates)
{
    if (operand.kind != Operand::Kind::Text)
        return operand;
    if (const auto date = dates ? storedDate(operand.text) : std::nullopt)
        return Operand{Operand::Kind::Date, 0, date->serial(), {}};
    bool whole = false;
    const qint64 integer = operand.text.trimmed().toLongLong(&whole);
    if (whole)
        return integerOperand(integer);
    if (const auto number = numberFromText(operand.text))
        return realOperand(*number);
    return std::nullopt;
}

// left op right as SQL Server computes it: + joins two texts; otherwise both must be numbers,
// or in a sum dates, a date moving by days. Whole numbers stay whole unless they overflow.
// Nothing, with the error set on `context`, when an operand does not convert.
std::optional<Operand> apply(sqlite3_context *context, const Operand &left, const Operand &right, QChar op)
{
    if (op == u'+' && left.kind == Operand::Kind::Text && right.kind == Operand::Kind::Text)
        return Operand{Operand::Kind::Text, 0, 0, left.text + right.text};
    const bool product = op == u'*';
    const auto a = arithmeticOf(left, !product);
    const auto b = arithmeticOf(right, !product);
    if (!a || !b) {
        const Operand &failed = a ? right : left;
        const Operand &other = a ? left : right;
        resultConversionError(context, failed.text, other.kind == Operand::Kind::Real ? "float" : "int");
        return std::nullopt;
    }
    if (product) {
        sqlite3_int64 whole = 0;
        if (a->kind == Operand::Kind::Integer && b->kind == Operand::Kind::Integer
            && !__builtin_mul_overflow(a->integer, b->integer, &whole))
            return integerOperand(whole);
        return realOperand(a->real * b->real);
    }
    const int sign = op == u'-' ? -1 : 1;
    if (a->kind == Operand::Kind::Date || b->kind == Operand::Kind::Date)
        return Operand{Operand::Kind::Date, 0, TsqlDateTime::fromSerial(a->real + sign * b->real).serial(), {}};
    sqlite3_int64 sum = 0;
    if (a->kind == Operand::Kind::Integer && b->kind == Operand::Kind::Integer
        && !(sign > 0 ? __builtin_add_overflow(a->integer, b->integer, &sum)
                      : __builtin_sub_overflow(a->integer, b->integer, &sum)))
        return integerOperand(sum);
    return realOperand(a->real + sign * b->real);
}

// The operands argv[0], argv[1], ... joined left to right by the operator before each, as
// `operatorAt(k)` gives it for argv[k]. Null once a Null is reached, as in SQL Server.
template <typename OperatorAt>
void fold(sqlite3_context *context, int argc, sqlite3_value **argv, OperatorAt operatorAt)
{
    if (argc < 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    Operand result = operandOf(argv[0]);
    for (int k = 1; k < argc; ++k) {
        if (sqlite3_value_type(argv[k]) == SQLITE_NULL)
            return sqlite3_result_null(context);
        auto next = apply(context, result, operandOf(argv[k]), operatorAt(k));
        if (!next)
            return;
        result = std::move(*next);
    }
    switch (result.kind) {
    case Operand::Kind::Text:
        return resultText(context, result.text);
    case Operand::Kind::Integer:
        return sqlite3_result_int64(context, result.integer);
    case Operand::Kind::Real:
        return sqlite3_result_double(context, result.real);
    case Operand::Kind::Date:
        return resultDate(context, TsqlDateTime::fromSerial(result.real));
    }
}

// tsql_add(a, b, ...): a + b + ...
void tsqlAdd(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    fold(context, argc, argv, [](int) { return QChar(u'+'); });
}

// tsql_sum(a, b, ..., operators): a, b, ... joined by the operators' text, a + or - before each
// operand but the first.
void tsqlSum(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (argc < 1)
        return sqlite3_result_null(context);
    const auto *operators = reinterpret_cast<const char *>(sqlite3_value_text(argv[argc - 1]));
    const int count = sqlite3_value_bytes(argv[argc - 1]);
    fold(context, argc - 1, argv, [&](int k) { return QChar(k <= count && operators[k - 1] == '-' ? u'-' : u'+'); });
}

// tsql_sub(a, b): a - b, as views and columns stored by earlier versions of the engine write it.
void tsqlSubtract(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    fold(context, argc, argv, [](int) { return QChar(u'-'); });
}

// tsql_mul(a, b, ...): a * b * ...
void tsqlMultiply(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    fold(context, argc, argv, [](int) { return QChar(u'*'); });
}

// tsql_divisor(divisor, dividend): the divisor of / or %, as it is; SQL Server refuses a zero,
// where SQLite would give Null, unless the dividend is Null. Null and a text that holds no number
// pass as they are.
void tsqlDivisor(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (const auto number = numberOf(argv[0]); number && *number == 0 && sqlite3_value_type(argv[1]) != SQLITE_NULL)
        return resultError(context, QStringLiteral("Divide by zero error encountered."));
    sqlite3_result_value(context, argv[0]);
}

// A CONVERT target: "NVARCHAR(30)" gives name NVARCHAR and sizes {30}.
struct TargetType {
    QString name;
    QList<int> sizes;
    bool unlimited = false; // (MAX)
};

TargetType targetOf(const QString &text)
{
    TargetType type;
    const qsizetype open = text.indexOf(u'(');
    type.name = (open < 0 ? text : text.left(open)).trimmed().toUpper();
    if (open >= 0) {
        const QString inside = text.mid(open + 1).chopped(text.endsWith(u')') ? 1 : 0);
        type.unlimited = inside.trimmed().compare(QLatin1String("MAX"), Qt::CaseInsensitive) == 0;
        for (const QString &size : inside.split(u','))
            type.sizes.append(size.trimmed().toInt());
    }
    return type;
}

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

// Whether CONVERT fills the text with blanks up to its length (CHAR(n), NCHAR(n)).
bool isPadded(const TargetType &type)
{
    return !type.unlimited && isOneOf(type.name, {"CHAR", "NCHAR"});
}

int lengthOf(const TargetType &type)
{
    return type.sizes.isEmpty() ? DefaultTextLength : type.sizes.first();
}

NumberText numberTextOf(sqlite3_value *value)
{
    return sqlite3_value_type(value) == SQLITE_INTEGER ? NumberText::whole(sqlite3_value_int64(value))
                                                       : NumberText::real(sqlite3_value_double(value));
}

// A number's text is ASCII: cut to the length in bytes, it goes out without passing through a
// QString (a search converts a number on every row). It goes with its terminating zero, which
// SQLite would otherwise add in a second copy when CHARINDEX reads it.
void resultNumberText(sqlite3_context *context, const TargetType &type, const NumberText &number)
{
    const std::string_view text = number.view();
    const std::size_t length =
        type.unlimited ? text.size() : std::min<std::size_t>(text.size(), std::max(lengthOf(type), 0));
    std::array<char, NumberText::Capacity + 1> terminated{};
    text.copy(terminated.data(), length);
    sqlite3_result_text(context, terminated.data(), -1, SQLITE_TRANSIENT);
}

void convertToText(sqlite3_context *context, const TargetType &type, sqlite3_value *value,
                   const std::optional<int> &style)
{
    QString text;
    const int kind = sqlite3_value_type(value);
    if (kind == SQLITE_INTEGER || kind == SQLITE_FLOAT) {
        const NumberText number = numberTextOf(value);
        if (!isPadded(type))
            return resultNumberText(context, type, number);
        text = QString::fromLatin1(number.view());
    } else {
        text = textOf(value);
        const int styleNumber = style.value_or(0);
        const auto date = style ? storedDate(text) : std::nullopt;
        if (date) {
            const auto styled = dateWithStyle(*date, styleNumber);
            if (!styled)
                return resultError(
                    context, QStringLiteral(
                                 "%1 is not a valid style number when converting from datetime to a character string.")
                                 .arg(styleNumber));
            text = *styled;
        }
    }
    if (!type.unlimited) {
        const int length = lengthOf(type);
        text.truncate(length);
        if (isPadded(type))
            text = text.leftJustified(length, u' ');
    }
    resultText(context, text);
}

void convertToDate(sqlite3_context *context, const TargetType &type, sqlite3_value *value, std::optional<int> style)
{
    if (isText(value) && textOf(value).trimmed().isEmpty())
        return resultDate(context, TsqlDateTime::fromSerial(0));
    auto date = dateOf(value, style == 101 || style == 1 ? DayOrder::MonthFirst : DayOrder::DayFirst);
    if (!date)
        return resultError(context,
                           QStringLiteral("Conversion failed when converting date and/or time from character string."));
    if (type.name == QLatin1String("DATE"))
        date->msecs = 0;
    else if (type.name == QLatin1String("SMALLDATETIME"))
        *date = date->plusMsecs((date->msecs + 30000) / 60000 * 60000 - date->msecs);
    resultDate(context, *date);
}

void convertToInteger(sqlite3_context *context, sqlite3_value *value)
{
    if (sqlite3_value_type(value) == SQLITE_INTEGER)
        return sqlite3_result_int64(context, sqlite3_value_int64(value));
    if (sqlite3_value_type(value) == SQLITE_FLOAT)
        return sqlite3_result_int64(context, static_cast<sqlite3_int64>(std::trunc(sqlite3_value_double(value))));
    const QString text = textOf(value).trimmed();
    if (text.isEmpty())
        return sqlite3_result_int64(context, 0);
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (!ok)
        return resultConversionError(context, textOf(value), "int");
    sqlite3_result_int64(context, number);
}

// FLOAT, MONEY, DECIMAL(p, s): `scale` decimals, none for a float.
void convertToNumber(sqlite3_context *context, const TargetType &type, sqlite3_value *value)
{
    const bool money = isOneOf(type.name, {"MONEY", "SMALLMONEY"});
    const bool exact = money || isOneOf(type.name, {"DECIMAL", "NUMERIC"});
    std::optional<double> number;
    if (isText(value)) {
        QString text = textOf(value);
        if (money)
            text.remove(u',').remove(u'$');
        // An empty text is 0 for FLOAT and MONEY; DECIMAL refuses it.
        if (text.trimmed().isEmpty())
            number = exact && !money ? std::nullopt : std::optional<double>(0.0);
        else
            number = numberFromText(text);
    } else {
        number = sqlite3_value_double(value);
    }
    if (!number)
        return resultError(context, QStringLiteral("Error converting data type nvarchar to %1.")
                                        .arg(exact && !money ? QStringLiteral("numeric") : type.name.toLower()));
    if (!exact)
        return sqlite3_result_double(context, *number);
    const int scale = money ? 4 : (type.sizes.size() > 1 ? type.sizes.at(1) : 0);
    const double rounded = roundHalfAway(*number, scale);
    if (scale == 0 && std::abs(rounded) < 9.0e18)
        return sqlite3_result_int64(context, static_cast<sqlite3_int64>(rounded));
    sqlite3_result_double(context, rounded);
}

void convertToBit(sqlite3_context *context, sqlite3_value *value)
{
    const QString text = textOf(value).trimmed();
    if (isText(value)
        && (text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0
            || text.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0))
        return sqlite3_result_int(context, text.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0 ? 1 : 0);
    const auto number = numberOf(value);
    if (!number)
        return resultConversionError(context, text, "bit");
    sqlite3_result_int(context, *number != 0 ? 1 : 0);
}

void convertTo(sqlite3_context *context, const TargetType &type, int argc, sqlite3_value **argv)
{
    std::optional<int> style;
    if (argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL)
        style = sqlite3_value_int(argv[2]);
    if (isOneOf(type.name, {"CHAR", "VARCHAR", "NCHAR", "NVARCHAR", "TEXT", "NTEXT", "SYSNAME"}))
        return convertToText(context, type, argv[1], style);
    if (isOneOf(type.name, {"DATETIME", "SMALLDATETIME", "DATE", "DATETIME2"}))
        return convertToDate(context, type, argv[1], style);
    if (isOneOf(type.name, {"INT", "INTEGER", "BIGINT", "SMALLINT", "TINYINT"}))
        return convertToInteger(context, argv[1]);
    if (isOneOf(type.name, {"FLOAT", "REAL", "MONEY", "SMALLMONEY", "DECIMAL", "NUMERIC"}))
        return convertToNumber(context, type, argv[1]);
    if (type.name == QLatin1String("BIT"))
        return convertToBit(context, argv[1]);
    sqlite3_result_value(context, argv[1]);
}

void deleteTarget(void *type)
{
    delete static_cast<TargetType *>(type);
}

// tsql_convert(type, value[, style]): CONVERT and CAST. The type is read once per statement run
// and kept as SQLite's data of that argument (SQLite keeps it while the argument is constant).
void tsqlConvert(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    if (const auto *kept = static_cast<const TargetType *>(sqlite3_get_auxdata(context, 0)))
        return convertTo(context, *kept, argc, argv);
    auto type = std::make_unique<TargetType>(targetOf(textOf(argv[0])));
    convertTo(context, *type, argc, argv);
    // SQLite may drop the data at once: the type is not used after this.
    sqlite3_set_auxdata(context, 0, type.release(), deleteTarget);
}

// ROUND(number, places[, truncate]): whole numbers stay whole.
void round(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const int places = sqlite3_value_int(argv[1]);
    const bool truncate = argc > 2 && sqlite3_value_int(argv[2]) != 0;
    const double value = sqlite3_value_double(argv[0]);
    const double scale = std::pow(10.0, places);
    const double result = truncate ? std::trunc(value * scale) / scale : roundHalfAway(value, places);
    if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER)
        return sqlite3_result_int64(context,
                                    places >= 0 ? sqlite3_value_int64(argv[0]) : static_cast<sqlite3_int64>(result));
    sqlite3_result_double(context, result);
}

void wholeNumber(sqlite3_context *context, sqlite3_value *value, double (*towards)(double))
{
    const int type = sqlite3_value_type(value);
    if (type == SQLITE_NULL)
        return sqlite3_result_null(context);
    if (type == SQLITE_INTEGER)
        return sqlite3_result_int64(context, sqlite3_value_int64(value));
    const auto number = numberOf(value);
    if (!number)
        return resultError(context, QStringLiteral("Error converting data type nvarchar to float."));
    sqlite3_result_double(context, towards(*number));
}

void ceiling(sqlite3_context *context, int, sqlite3_value **argv)
{
    wholeNumber(context, argv[0], [](double x) { return std::ceil(x); });
}

void floor(sqlite3_context *context, int, sqlite3_value **argv)
{
    wholeNumber(context, argv[0], [](double x) { return std::floor(x); });
}

const std::array convertFunctions{
    TsqlFunction{"tsql_add", -1, tsqlAdd},
    TsqlFunction{"tsql_sum", -1, tsqlSum},
    TsqlFunction{"tsql_sub", 2, tsqlSubtract},
    TsqlFunction{"tsql_mul", -1, tsqlMultiply},
    TsqlFunction{"tsql_divisor", 2, tsqlDivisor},
    TsqlFunction{"tsql_convert", 2, tsqlConvert},
    TsqlFunction{"tsql_convert", 3, tsqlConvert},
    TsqlFunction{"round", 2, round},
    TsqlFunction{"round", 3, round},
    TsqlFunction{"ceiling", 1, ceiling},
    TsqlFunction{"floor", 1, floor},
};

} // namespace

void registerTsqlConvertFunctions(sqlite3 *db)
{
    registerFunctions(db, convertFunctions);
}

} // namespace ado::sqlite
