#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>
#include <string_view>

namespace ado::sqlite {

// A date and time of day as the embedded engine stores it: no time zone, whole milliseconds.
struct TsqlDateTime {
    QDate date;
    qint64 msecs = 0; // since midnight

    // Moves by a signed number of milliseconds, carrying into the date.
    TsqlDateTime plusMsecs(qint64 delta) const;
    // Days since 1900-01-01 with the time as a fraction (SQL Server's number for a datetime).
    double serial() const;
    static TsqlDateTime fromSerial(double days);
    static TsqlDateTime now();
};

// How a text gives day and month when both are numbers.
enum class DayOrder { DayFirst, MonthFirst };

// Reads a date as SQL Server reads text under a day-first language: 'yyyy-mm-dd' (or with
// '/'), 'dd/mm/yyyy' (also '-' or '.', one-digit day and month, two-digit years from 50 in the
// 1900s), 'yyyymmdd', each with an optional time 'hh:mm[:ss[.fff]]', which AM or PM may follow
// ('10:30 PM', '10:30PM', '4 am': then the hour counts on a 12-hour clock). Nothing for any other
// text.
std::optional<TsqlDateTime> parseTsqlDate(QStringView text, DayOrder order = DayOrder::DayFirst);

// Whether a date lies in datetime's range: 1 January 1753 to 31 December 9999.
bool inDatetimeRange(const TsqlDateTime &value);

// The date a number stands for in a date column, written into it or found there. SQLite makes a
// number of a text of digits that reaches such a column ('20240331' arrives as 20240331, '2024' as
// 2024) and cannot say which it was: a whole number of eight digits reads as yyyymmdd, of six as
// yymmdd (two-digit years up to 49 in the 2000s), of four as 1 January of that year; any other
// number is days since 1900-01-01 with the time as a fraction, as SQL Server converts a number.
// Nothing when that is no day of datetime's range.
std::optional<TsqlDateTime> dateOfStoredNumber(double number);

// The stored form 'yyyy-mm-dd hh:mm:ss', always 19 characters: a fraction of a second is dropped.
QString isoDateTime(const TsqlDateTime &value);
// Whether UTF-8 text is a date and time of day of datetime's range in the stored form.
bool isStoredDateText(std::string_view text);

// A string literal of the program's SQL that stands for a date ('dd/mm/yyyy[ hh:mm[:ss]]',
// 'yyyy-mm-dd[ hh:mm[:ss]]') rewritten in the stored form; nothing for any other literal.
std::optional<QString> isoFromDateLiteral(const QString &literal);

} // namespace ado::sqlite
