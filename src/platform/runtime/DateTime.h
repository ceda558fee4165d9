#pragma once

#include <QDateTime>
#include <compare>

namespace rt {

// A date-time value: days since 30/12/1899, the fraction being the time of day. The spreadsheet
// counts its dates from the same day, so a date is written to it as its serial.
class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(double serial)
        : m_serial(serial)
    {
    }
    // Throws RuntimeError 5 when the parts do not form a date (DateSerial normalises; this does not).
    static DateTime fromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static DateTime fromQDateTime(const QDateTime &value);
    static DateTime fromQDate(const QDate &value);

    constexpr double serial() const { return m_serial; }
    QDate date() const;
    QTime time() const;
    QDateTime toQDateTime() const;
    int year() const;
    int month() const;
    int day() const;
    int hour() const;
    int minute() const;
    int second() const;

    constexpr auto operator<=>(const DateTime &) const = default;

private:
    double m_serial = 0.0;
};

} // namespace rt
