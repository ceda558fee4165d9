#pragma once

#include <QString>

namespace rt {

// The order in which a date's day, month and year are written.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The regional settings that formatters and parsers read. The program never looks at the
// machine's locale: it runs with Spanish (Argentina) unless a test pins another set.
struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char(',');
    QChar thousandsSeparator = QLatin1Char('.');
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    DateOrder dateOrder = DateOrder::DayMonthYear;
    int currencyDigits = 2;
    // Format masks (see Format.h) of the short date and the long time, used when a date becomes text.
    QString shortDateMask = QStringLiteral("dd/mm/yyyy");
    QString longTimeMask = QStringLiteral("hh:mm:ss");
    // Words for True and False when a Boolean becomes text.
    QString trueText = QStringLiteral("Verdadero");
    QString falseText = QStringLiteral("Falso");

    static RegionalSettings spanishArgentina();
    static RegionalSettings englishUnitedStates();
};

// The settings in use.
const RegionalSettings &regional();

// Replaces the settings in use (tests pin a region with it).
void setRegional(const RegionalSettings &settings);

// Pins settings for its lifetime and puts back the previous ones when it ends.
class RegionalScope {
public:
    explicit RegionalScope(const RegionalSettings &settings);
    ~RegionalScope();
    RegionalScope(const RegionalScope &) = delete;
    RegionalScope &operator=(const RegionalScope &) = delete;

private:
    RegionalSettings m_previous;
};

} // namespace rt
