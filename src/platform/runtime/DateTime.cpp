#include "platform/runtime/DateTime.h"

#include "platform/runtime/RuntimeError.h"

#include <cmath>

namespace rt {

namespace {

constexpr qint64 kEpochJulianDay = 2415019; // 30/12/1899, day 0
constexpr int kSecondsPerDay = 86400;

[[noreturn]] void throwInvalid()
{
    throw RuntimeError(err::InvalidProcedureCall, QStringLiteral("Llamada a procedimiento o argumento no válidos"));
}

// Day number and seconds into that day. Before day 0 the fraction still counts forward
// from midnight (-1.25 is 29/12/1899 06:00): the sign belongs to the day, never to the time.
struct Split {
    qint64 day;
    int seconds;
};

Split split(double serial)
{
    double whole = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) { // rounded up to the next midnight
        seconds -= kSecondsPerDay;
        whole += serial < 0 ? -1.0 : 1.0;
    }
    return {static_cast<qint64>(whole), static_cast<int>(seconds)};
}

double compose(qint64 day, int secondsIntoDay)
{
    const double fraction = static_cast<double>(secondsIntoDay) / kSecondsPerDay;
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

} // namespace

DateTime DateTime::fromParts(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    if (year < 100 || year > 9999 || !date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        throwInvalid();
    return DateTime(compose(date.toJulianDay() - kEpochJulianDay, hour * 3600 + minute * 60 + second));
}

DateTime DateTime::fromQDateTime(const QDateTime &value)
{
    if (!value.isValid())
        throwInvalid();
    const QDate d = value.date();
    const QTime t = value.time();
    return fromParts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

DateTime DateTime::fromQDate(const QDate &value)
{
    if (!value.isValid())
        throwInvalid();
    return fromParts(value.year(), value.month(), value.day());
}

QDate DateTime::date() const
{
    return QDate::fromJulianDay(split(m_serial).day + kEpochJulianDay);
}

QTime DateTime::time() const
{
    return QTime(0, 0).addSecs(split(m_serial).seconds);
}

QDateTime DateTime::toQDateTime() const
{
    return QDateTime(date(), time());
}

int DateTime::year() const
{
    return date().year();
}
int DateTime::month() const
{
    return date().month();
}
int DateTime::day() const
{
    return date().day();
}
int DateTime::hour() const
{
    return split(m_serial).seconds / 3600;
}
int DateTime::minute() const
{
    return split(m_serial).seconds / 60 % 60;
}
int DateTime::second() const
{
    return split(m_serial).seconds % 60;
}

} // namespace rt
