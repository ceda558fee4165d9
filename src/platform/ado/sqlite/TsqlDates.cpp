#include "platform/ado/sqlite/TsqlDates.h"

#include <QDateTime>
#include <cmath>

namespace ado::sqlite {

namespace {

constexpr qint64 MsecsPerDay = 86400000;
const qint64 SerialBaseDay = QDate(1900, 1, 1).toJulianDay();
constexpr int FirstYear = 1753;
constexpr int LastYear = 9999;
// datetime's range as days since 1900-01-01: 1753-01-01 to the end of 9999-12-31.
constexpr double FirstSerial = -53690;
constexpr double EndSerial = 2958464;

class Cursor {
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos == m_text.size(); }
    QChar peek() const { return m_pos < m_text.size() ? m_text.at(m_pos) : QChar(); }

    bool eat(QChar c)
    {
        if (peek() != c)
            return false;
        ++m_pos;
        return true;
    }

    // Reads between `least` and `most` digits.
    std::optional<int> digits(int least, int most)
    {
        int value = 0;
        int count = 0;
        while (count < most && peek().isDigit()) {
            value = value * 10 + peek().digitValue();
            ++m_pos;
            ++count;
        }
        if (count < least)
            return std::nullopt;
        return value;
    }

    // Reads `word` in any letter case after any blanks; reads nothing when it is not there.
    bool eatWord(QLatin1StringView word)
    {
        qsizetype start = m_pos;
        while (start < m_text.size() && m_text.at(start) == u' ')
            ++start;
        if (!m_text.mid(start).startsWith(word, Qt::CaseInsensitive))
            return false;
        m_pos = start + word.size();
        return true;
    }

    int digitCountAhead() const
    {
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text.at(end).isDigit())
            ++end;
        return static_cast<int>(end - m_pos);
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

// The hour of a 12-hour clock read as SQL Server reads it: 12 AM is midnight, no PM after 0.
std::optional<int> dayHour(int hour, bool pm)
{
    if (hour > 12 || (pm && hour == 0))
        return std::nullopt;
    return hour % 12 + (pm ? 12 : 0);
}

// 'hh:mm[:ss[.fff]]', or 'hh' alone, followed by AM or PM (blanks before it allowed): then the
// hour is on a 12-hour clock. The cursor stands on the hour.
std::optional<qint64> readTime(Cursor &in)
{
    auto hour = in.digits(1, 2);
    if (!hour)
        return std::nullopt;
    int minute = 0;
    int second = 0;
    int msec = 0;
    const bool clock = in.eat(u':');
    if (clock) {
        const auto m = in.digits(2, 2);
        if (!m)
            return std::nullopt;
        minute = *m;
    }
    if (clock && in.eat(u':')) {
        const auto s = in.digits(2, 2);
        if (!s)
            return std::nullopt;
        second = *s;
        if (in.eat(u'.')) {
            const int count = in.digitCountAhead();
            const auto fraction = in.digits(1, 3);
            if (!fraction)
                return std::nullopt;
            msec = *fraction * (count == 1 ? 100 : count == 2 ? 10 : 1);
            in.digits(0, 9);
        }
    }
    const bool am = in.eatWord(QLatin1StringView("AM"));
    const bool pm = !am && in.eatWord(QLatin1StringView("PM"));
    if (am || pm)
        hour = dayHour(*hour, pm);
    else if (!clock)
        return std::nullopt;
    if (!hour || *hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return ((*hour * 60LL + minute) * 60 + second) * 1000 + msec;
}

std::optional<TsqlDateTime> finish(Cursor &in, int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    qint64 msecs = 0;
    if (!in.atEnd()) {
        if (!in.eat(u' ') && !in.eat(u'T'))
            return std::nullopt;
        const auto time = readTime(in);
        if (!time || !in.atEnd())
            return std::nullopt;
        msecs = *time;
    }
    return TsqlDateTime{date, msecs};
}

// Two-digit years as SQL Server's default cutoff reads them: up to 49 in the 2000s.
int fullYear(int year, int digitCount)
{
    if (digitCount != 2)
        return year;
    return year < 50 ? 2000 + year : 1900 + year;
}

// A whole number read as the text of digits SQLite made it from: yyyymmdd, yymmdd or yyyy.
std::optional<QDate> dateOfDigits(qint64 number)
{
    if (number >= 10000000 && number <= 99999999)
        return QDate(static_cast<int>(number / 10000), static_cast<int>(number / 100 % 100),
                     static_cast<int>(number % 100));
    if (number >= 100000 && number <= 999999)
        return QDate(fullYear(static_cast<int>(number / 10000), 2), static_cast<int>(number / 100 % 100),
                     static_cast<int>(number % 100));
    if (number >= 1000 && number <= 9999)
        return QDate(static_cast<int>(number), 1, 1);
    return std::nullopt;
}

std::optional<TsqlDateTime> parseYearFirst(Cursor &in)
{
    const auto year = in.digits(4, 4);
    const QChar separator = in.peek();
    if (!year || (separator != u'-' && separator != u'/') || !in.eat(separator))
        return std::nullopt;
    const auto month = in.digits(1, 2);
    if (!month || !in.eat(separator))
        return std::nullopt;
    const auto day = in.digits(1, 2);
    if (!day)
        return std::nullopt;
    return finish(in, *year, *month, *day);
}

std::optional<TsqlDateTime> parseCompact(Cursor &in)
{
    const auto year = in.digits(4, 4);
    const auto month = in.digits(2, 2);
    const auto day = in.digits(2, 2);
    if (!year || !month || !day)
        return std::nullopt;
    return finish(in, *year, *month, *day);
}

std::optional<TsqlDateTime> parseDayMonth(Cursor &in, DayOrder order)
{
    const auto first = in.digits(1, 2);
    const QChar separator = in.peek();
    if (!first || (separator != u'/' && separator != u'-' && separator != u'.') || !in.eat(separator))
        return std::nullopt;
    const auto second = in.digits(1, 2);
    if (!second || !in.eat(separator))
        return std::nullopt;
    const int yearDigits = in.digitCountAhead();
    if (yearDigits != 2 && yearDigits != 4)
        return std::nullopt;
    const int year = fullYear(*in.digits(yearDigits, yearDigits), yearDigits);
    const bool dayFirst = order == DayOrder::DayFirst;
    return finish(in, year, dayFirst ? *second : *first, dayFirst ? *first : *second);
}

} // namespace

TsqlDateTime TsqlDateTime::plusMsecs(qint64 delta) const
{
    const qint64 total = msecs + delta;
    qint64 days = total / MsecsPerDay;
    qint64 rest = total % MsecsPerDay;
    if (rest < 0) {
        rest += MsecsPerDay;
        --days;
    }
    return TsqlDateTime{date.addDays(days), rest};
}

double TsqlDateTime::serial() const
{
    return static_cast<double>(date.toJulianDay() - SerialBaseDay) + static_cast<double>(msecs) / MsecsPerDay;
}

TsqlDateTime TsqlDateTime::fromSerial(double days)
{
    const double whole = std::floor(days);
    const auto msecs = static_cast<qint64>(std::llround((days - whole) * MsecsPerDay));
    return TsqlDateTime{QDate::fromJulianDay(SerialBaseDay + static_cast<qint64>(whole)), 0}.plusMsecs(msecs);
}

TsqlDateTime TsqlDateTime::now()
{
    const QDateTime current = QDateTime::currentDateTime();
    return TsqlDateTime{current.date(), current.time().msecsSinceStartOfDay()};
}

std::optional<TsqlDateTime> parseTsqlDate(QStringView text, DayOrder order)
{
    const QStringView trimmed = text.trimmed();
    Cursor probe(trimmed);
    const int leading = probe.digitCountAhead();
    Cursor in(trimmed);
    if (leading == 4)
        return parseYearFirst(in);
    if (leading == 8)
        return parseCompact(in);
    if (leading == 1 || leading == 2)
        return parseDayMonth(in, order);
    return std::nullopt;
}

bool inDatetimeRange(const TsqlDateTime &value)
{
    return value.date.isValid() && value.date.year() >= FirstYear && value.date.year() <= LastYear;
}

std::optional<TsqlDateTime> dateOfStoredNumber(double number)
{
    std::optional<TsqlDateTime> value;
    if (number == std::floor(number) && std::abs(number) < 1e9) {
        if (const auto date = dateOfDigits(static_cast<qint64>(number)))
            value = TsqlDateTime{*date, 0};
    }
    if (!value && number >= FirstSerial && number < EndSerial)
        value = TsqlDateTime::fromSerial(number);
    if (!value || !inDatetimeRange(*value))
        return std::nullopt;
    return value;
}

QString isoDateTime(const TsqlDateTime &value)
{
    const qint64 seconds = value.msecs / 1000;
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", value.date.year(), value.date.month(), value.date.day(),
                             static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                             static_cast<int>(seconds % 60));
}

bool isStoredDateText(std::string_view text)
{
    static constexpr std::string_view shape = "0000-00-00 00:00:00";
    if (text.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == '0' ? !digit : text[i] != shape[i])
            return false;
    }
    const auto number = [&](std::size_t at, std::size_t count) {
        int value = 0;
        for (std::size_t i = at; i < at + count; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4);
    return year >= FirstYear && QDate::isValid(year, number(5, 2), number(8, 2)) && number(11, 2) < 24
           && number(14, 2) < 60 && number(17, 2) < 60;
}

std::optional<QString> isoFromDateLiteral(const QString &literal)
{
    // Only the program's own forms: a four-digit year written last after '/', or first after '-'.
    // Codes of eight digits and texts with other separators stay as they are.
    Cursor probe(literal);
    const int leading = probe.digitCountAhead();
    const auto separatorIs = [&](QChar separator) {
        return leading < literal.size() && literal.at(leading) == separator;
    };
    const bool dayFirst = (leading == 1 || leading == 2) && separatorIs(u'/');
    const bool isoForm = leading == 4 && separatorIs(u'-');
    if ((!dayFirst && !isoForm) || literal != literal.trimmed())
        return std::nullopt;
    if (dayFirst) {
        const qsizetype secondSlash = literal.indexOf(u'/', leading + 1);
        Cursor year(QStringView(literal).mid(secondSlash + 1));
        if (secondSlash < 0 || year.digitCountAhead() != 4)
            return std::nullopt;
    }
    const auto value = parseTsqlDate(literal);
    if (!value)
        return std::nullopt;
    return isoDateTime(*value);
}

} // namespace ado::sqlite
