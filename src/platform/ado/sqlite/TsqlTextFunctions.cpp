#include "platform/ado/sqlite/TsqlTextFunctions.h"

#include "platform/ado/sqlite/TsqlFunctionSupport.h"
#include "platform/ado/sqlite/TsqlNumberText.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <string_view>

namespace ado::sqlite {

namespace {

// SQL Server caps a non-MAX text at 8000 bytes; it keeps REPLICATE and SPACE from eating memory.
constexpr qint64 LongestText = 8000;

QString withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

void len(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    sqlite3_result_int64(context, withoutTrailingBlanks(textOf(argv[0])).size());
}

// A value's text as CHARINDEX reads it: a whole number is written into `digits` (as SQLite
// writes it) instead of being converted in the row's own value.
std::string_view bytesOf(sqlite3_value *value, NumberText &digits)
{
    if (sqlite3_value_type(value) == SQLITE_INTEGER) {
        digits = NumberText::whole(sqlite3_value_int64(value));
        return digits.view();
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

// CHARINDEX on two ASCII texts, byte by byte: there a character is a byte and letter case folds
// within ASCII. Other texts may hold a letter that folds into ASCII (the Kelvin sign into k).
std::optional<qint64> asciiCharindex(std::string_view find, std::string_view text, qint64 start)
{
    if (!isAscii(find) || !isAscii(text))
        return std::nullopt;
    if (find.empty() || start > static_cast<qint64>(text.size()))
        return 0;
    for (auto at = static_cast<std::size_t>(start - 1); at + find.size() <= text.size(); ++at) {
        if (sameIgnoringCase(text.substr(at, find.size()), find))
            return static_cast<qint64>(at) + 1;
    }
    return 0;
}

// CHARINDEX(find, text[, start]): 1-based, 0 when absent; letter case ignored as the
// database's collation does.
void charindex(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const qint64 start = argc > 2 ? std::max<qint64>(sqlite3_value_int64(argv[2]), 1) : 1;
    NumberText findDigits;
    NumberText textDigits;
    if (const auto found = asciiCharindex(bytesOf(argv[0], findDigits), bytesOf(argv[1], textDigits), start))
        return sqlite3_result_int64(context, *found);
    const QString find = textOf(argv[0]);
    const QString text = textOf(argv[1]);
    if (find.isEmpty() || start > text.size())
        return sqlite3_result_int64(context, 0);
    sqlite3_result_int64(context, text.indexOf(find, start - 1, Qt::CaseInsensitive) + 1);
}

// LEFT and RIGHT: a negative length is an error in SQL Server.
void leftOrRight(sqlite3_context *context, int argc, sqlite3_value **argv, bool left)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const qint64 count = sqlite3_value_int64(argv[1]);
    if (count < 0)
        return resultError(context, QStringLiteral("Invalid length parameter passed to the %1 function.")
                                        .arg(left ? QStringLiteral("left") : QStringLiteral("right")));
    const QString text = textOf(argv[0]);
    resultText(context, left ? text.left(count) : text.right(count));
}

void tsqlLeft(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    leftOrRight(context, argc, argv, true);
}

void tsqlRight(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    leftOrRight(context, argc, argv, false);
}

void repeated(sqlite3_context *context, const QString &unit, qint64 times)
{
    if (times < 0)
        return sqlite3_result_null(context);
    const qint64 fitting = unit.isEmpty() ? 0 : std::min(times, LongestText / unit.size());
    resultText(context, unit.repeated(fitting));
}

void space(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    repeated(context, QStringLiteral(" "), sqlite3_value_int64(argv[0]));
}

void replicate(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    repeated(context, textOf(argv[0]), sqlite3_value_int64(argv[1]));
}

// SUBSTRING(text, start, length): the characters of [start, start + length) that exist; a start
// before 1 shortens the result instead of counting from the end as SQLite's substr does.
void substring(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (length < 0)
        return resultError(context, QStringLiteral("Invalid length parameter passed to the substring function."));
    const QString text = textOf(argv[0]);
    const qint64 first = std::max<qint64>(start, 1);
    const qint64 last = std::min<qint64>(start + length - 1, text.size());
    resultText(context, last < first ? QString() : text.mid(first - 1, last - first + 1));
}

void upper(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    resultText(context, textOf(argv[0]).toUpper());
}

void lower(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    resultText(context, textOf(argv[0]).toLower());
}

// REPLACE finds its pattern ignoring letter case, as under the database's collation.
void replace(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    QString text = textOf(argv[0]);
    const QString find = textOf(argv[1]);
    if (!find.isEmpty())
        text.replace(find, textOf(argv[2]), Qt::CaseInsensitive);
    resultText(context, text);
}

// STR(number[, length = 10[, decimals = 0]]): right-aligned; fewer decimals when the length
// is short, asterisks when even the whole part does not fit.
void str(sqlite3_context *context, int argc, sqlite3_value **argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(context);
    const auto number = numberOf(argv[0]);
    if (!number)
        return resultError(context, QStringLiteral("Error converting data type nvarchar to float."));
    const qint64 length = argc > 1 ? sqlite3_value_int64(argv[1]) : 10;
    qint64 decimals = argc > 2 ? std::clamp<qint64>(sqlite3_value_int64(argv[2]), 0, 16) : 0;
    if (length <= 0 || length > LongestText)
        return sqlite3_result_null(context);
    const auto fixed = [&](qint64 places) {
        return QString::number(roundHalfAway(*number, static_cast<int>(places)), 'f', static_cast<int>(places));
    };
    QString text = fixed(decimals);
    while (text.size() > length && decimals > 0)
        text = fixed(--decimals);
    if (text.size() > length)
        text = QString(length, u'*');
    resultText(context, text.rightJustified(length, u' '));
}

// ISNUMERIC: 1 for what converts to some numeric type, as SQL Server's lenient test ("1,000",
// "$12", "1e5" and "-" all pass).
void isnumeric(sqlite3_context *context, int, sqlite3_value **argv)
{
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return sqlite3_result_int(context, 1);
    if (type != SQLITE_TEXT)
        return sqlite3_result_int(context, 0);
    static const QRegularExpression numeric(
        QStringLiteral("^\\s*[$]?\\s*[+-]?\\s*[$]?(\\d[\\d,]*)?(\\.\\d*)?([eEdD][+-]?\\d+)?\\s*$"));
    const QString text = textOf(argv[0]);
    const bool matches = !text.trimmed().isEmpty() && numeric.match(text).hasMatch();
    sqlite3_result_int(context, matches ? 1 : 0);
}

const std::array textFunctions{
    TsqlFunction{"len", 1, len},
    TsqlFunction{"charindex", 2, charindex},
    TsqlFunction{"charindex", 3, charindex},
    TsqlFunction{"tsql_left", 2, tsqlLeft},
    TsqlFunction{"tsql_right", 2, tsqlRight},
    TsqlFunction{"space", 1, space},
    TsqlFunction{"replicate", 2, replicate},
    TsqlFunction{"substring", 3, substring},
    TsqlFunction{"upper", 1, upper},
    TsqlFunction{"lower", 1, lower},
    TsqlFunction{"replace", 3, replace},
    TsqlFunction{"str", 1, str},
    TsqlFunction{"str", 2, str},
    TsqlFunction{"str", 3, str},
    TsqlFunction{"isnumeric", 1, isnumeric},
};

} // namespace

void registerTsqlTextFunctions(sqlite3 *db)
{
    registerFunctions(db, textFunctions);
}

} // namespace ado::sqlite
