#include "platform/runtime/DateFunctions.h"

#include "platform/runtime/Regional.h"
#include "platform/runtime/RuntimeError.h"

#include <QRegularExpression>
#include <cmath>

namespace rt {

namespace {

constexpr qint64 kEpochJulianDay = 2415019; // 30/12/1899
constexpr qint64 kSecondsPerDay = 86400;

enum class Interval { Year, Month, Day, Week, Hour, Minute, Second };

[[noreturn]] void throwInvalid()
{
    throw RuntimeError(err::InvalidProcedureCall, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

Interval intervalOf(const QString &name)
{
    static const struct {
        const char *name;
        Interval interval;
    } names[] = {{"yyyy", Interval::Year}, {"m", Interval::Month},  {"d", Interval::Day},   {"ww", Interval::Week},
                 {"h", Interval::Hour},    {"n", Interval::Minute}, {"s", Interval::Second}};
    for (const auto &entry : names) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.interval;
    }
    throwInvalid();
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

qint64 dayNumber(DateTime value)
{
    return value.date().toJulianDay() - kEpochJulianDay;
}

// Seconds since 30/12/1899 00:00, a straight line across the peculiar encoding of earlier dates.
qint64 totalSeconds(DateTime value)
{
    return dayNumber(value) * kSecondsPerDay + QTime(0, 0).secsTo(value.time());
}

DateTime fromDateAndSeconds(const QDate &date, qint64 secondsIntoDay)
{
    if (!date.isValid())
        throwInvalid();
    return DateTime::fromParts(date.year(), date.month(), date.day(), static_cast<int>(secondsIntoDay / 3600),
                               static_cast<int>(secondsIntoDay / 60 % 60), static_cast<int>(secondsIntoDay % 60));
}

DateTime fromTotalSeconds(qint64 seconds)
{
    const qint64 day = floorDiv(seconds, kSecondsPerDay);
    return fromDateAndSeconds(QDate::fromJulianDay(day + kEpochJulianDay), seconds - day * kSecondsPerDay);
}

qint64 roundedCount(double number)
{
    if (!std::isfinite(number) || std::fabs(number) > 1e12)
        throwInvalid();
    return static_cast<qint64>(std::nearbyint(number));
}

DateTime addMonths(DateTime date, qint64 months)
{
    if (std::llabs(months) > 12 * 10000)
        throwInvalid();
    return fromDateAndSeconds(date.date().addMonths(static_cast<int>(months)), QTime(0, 0).secsTo(date.time()));
}

int fullYear(int year, int digits)
{
    if (digits > 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> parseTime(const QString &hours, const QString &minutes, const QString &seconds)
{
    const QTime time(hours.toInt(), minutes.toInt(), seconds.isEmpty() ? 0 : seconds.toInt());
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QDate> parseDate(const QString &first, const QString &second, const QString &third)
{
    struct Parts {
        const QString &day, &month, &year;
    };
    const bool yearFirst = first.size() > 2 || regional().dateOrder == DateOrder::YearMonthDay;
    const Parts parts = yearFirst                                         ? Parts{third, second, first}
                        : regional().dateOrder == DateOrder::MonthDayYear ? Parts{second, first, third}
                                                                          : Parts{first, second, third};
    const int year = fullYear(parts.year.toInt(), static_cast<int>(parts.year.size()));
    const QDate date(year, parts.month.toInt(), parts.day.toInt());
    if (year < 100 || !date.isValid())
        return std::nullopt;
    return date;
}

std::optional<DateTime> &pinnedClock()
{
    static std::optional<DateTime> pinned;
    return pinned;
}

} // namespace

DateTime DateAdd(const QString &interval, double number, DateTime date)
{
    const Interval kind = intervalOf(interval);
    const qint64 count = roundedCount(number);
    switch (kind) {
    case Interval::Year:
        return addMonths(date, count * 12);
    case Interval::Month:
        return addMonths(date, count);
    case Interval::Day:
        return fromTotalSeconds(totalSeconds(date) + count * kSecondsPerDay);
    case Interval::Week:
        return fromTotalSeconds(totalSeconds(date) + count * 7 * kSecondsPerDay);
    case Interval::Hour:
        return fromTotalSeconds(totalSeconds(date) + count * 3600);
    case Interval::Minute:
        return fromTotalSeconds(totalSeconds(date) + count * 60);
    case Interval::Second:
        return fromTotalSeconds(totalSeconds(date) + count);
    }
    throwInvalid();
}

qint64 DateDiff(const QString &interval, DateTime first, DateTime second)
{
    switch (intervalOf(interval)) {
    case Interval::Year:
        return second.year() - first.year();
    case Interval::Month:
        return (second.year() - first.year()) * 12 + second.month() - first.month();
    case Interval::Day:
        return dayNumber(second) - dayNumber(first);
    case Interval::Week: // Sundays between: distance of the Sundays that start each week
        return ((dayNumber(second) - (Weekday(second) - 1)) - (dayNumber(first) - (Weekday(first) - 1))) / 7;
    case Interval::Hour:
        return floorDiv(totalSeconds(second), 3600) - floorDiv(totalSeconds(first), 3600);
    case Interval::Minute:
        return floorDiv(totalSeconds(second), 60) - floorDiv(totalSeconds(first), 60);
    case Interval::Second:
        return totalSeconds(second) - totalSeconds(first);
    }
    throwInvalid();
}

DateTime DateSerial(int year, int month, int day)
{
    if (year >= 0 && year <= 99)
        year = fullYear(year, 2);
    const qint64 months = static_cast<qint64>(year) * 12 + (month - 1);
    const qint64 normalYear = floorDiv(months, 12);
    if (normalYear < 100 || normalYear > 9999)
        throwInvalid();
    const QDate first(static_cast<int>(normalYear), static_cast<int>(months - normalYear * 12) + 1, 1);
    return fromDateAndSeconds(first.addDays(static_cast<qint64>(day) - 1), 0);
}

int Weekday(DateTime date)
{
    return date.date().dayOfWeek() % 7 + 1;
}

int Day(DateTime date)
{
    return date.day();
}
int Month(DateTime date)
{
    return date.month();
}
int Year(DateTime date)
{
    return date.year();
}
int Hour(DateTime date)
{
    return date.hour();
}
int Minute(DateTime date)
{
    return date.minute();
}
int Second(DateTime date)
{
    return date.second();
}

DateTime Now()
{
    if (pinnedClock())
        return *pinnedClock();
    return DateTime::fromQDateTime(QDateTime::currentDateTime());
}

DateTime Date()
{
    return DateTime::fromQDate(Now().date());
}

void setClockForTests(std::optional<DateTime> pinnedNow)
{
    pinnedClock() = pinnedNow;
}

std::optional<DateTime> parseDateText(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(?:([0-9]{1,4})[/.\-]([0-9]{1,2})[/.\-]([0-9]{1,4}))?)")
        + QStringLiteral(R"(\s*(?:([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool hasDate = match.hasCaptured(1);
    const bool hasTime = match.hasCaptured(4);
    if (!hasDate && !hasTime)
        return std::nullopt;
    QDate date(1899, 12, 30);
    if (hasDate) {
        const std::optional<QDate> parsed = parseDate(match.captured(1), match.captured(2), match.captured(3));
        if (!parsed)
            return std::nullopt;
        date = *parsed;
    }
    QTime time(0, 0);
    if (hasTime) {
        const std::optional<QTime> parsed = parseTime(match.captured(4), match.captured(5), match.captured(6));
        if (!parsed)
            return std::nullopt;
        time = *parsed;
    }
    if (hasDate && hasTime && match.capturedStart(4) == match.capturedEnd(3))
        return std::nullopt; // date and time need a blank between them
    return DateTime::fromParts(date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second());
}

} // namespace rt
