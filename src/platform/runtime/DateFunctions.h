#pragma once

#include "platform/runtime/DateTime.h"

#include <QString>
#include <optional>

// The date functions the program uses. Dates outside the years 100 to 9999 raise RuntimeError 5, as do
// unknown intervals. Intervals: "yyyy" years, "m" months, "d" days, "ww" weeks (starting on
// Sunday), "h" hours, "n" minutes, "s" seconds; letter case does not matter.
namespace rt {

// `date` moved by `number` intervals; `number` is first rounded to a whole number as CLng does.
// Adding months keeps the day, or takes the month's last day when it has fewer days.
DateTime DateAdd(const QString &interval, double number, DateTime date);

// How many interval boundaries lie between `first` and `second` (negative when `second` is earlier):
// "d" counts midnights, "ww" Sundays, "m" month starts, "h" whole hours on the clock, and so on.
qint64 DateDiff(const QString &interval, DateTime first, DateTime second);

// The date of those parts, normalised: month 13 is January of the next year, day 0 the
// last day of the previous month. Years 0 to 29 mean 2000 to 2029, 30 to 99 mean 1930 to 1999.
DateTime DateSerial(int year, int month, int day);

// Day of the week, Sunday = 1 to Saturday = 7.
int Weekday(DateTime date);

int Day(DateTime date);
int Month(DateTime date);
int Year(DateTime date);
int Hour(DateTime date);
int Minute(DateTime date);
int Second(DateTime date);

// The machine's local date and time, to the second (or the pinned moment under tests).
DateTime Now();
// Today, without time.
DateTime Date();

// Pins what Now and Date return; nothing gives the machine's clock back.
void setClockForTests(std::optional<DateTime> pinnedNow);

// Reads a date and/or time written in the regional day order ("dd/mm/yyyy", "d/m/yy",
// "dd/mm/yyyy hh:mm[:ss]", "hh:mm[:ss]"); a first part of 3 or 4 digits is read as the year
// ("yyyy-mm-dd"). Separators "/", "-" and "." for dates, ":" for times. Parts that form no valid
// date give nothing (no swapping of day and month). Two-digit years as DateSerial.
std::optional<DateTime> parseDateText(const QString &text);

} // namespace rt
