#include "platform/runtime/Regional.h"

namespace rt {

namespace {

RegionalSettings &current()
{
    static RegionalSettings settings = RegionalSettings::spanishArgentina();
    return settings;
}

} // namespace

RegionalSettings RegionalSettings::spanishArgentina()
{
    return RegionalSettings{};
}

RegionalSettings RegionalSettings::englishUnitedStates()
{
    RegionalSettings s;
    s.decimalSeparator = QLatin1Char('.');
    s.thousandsSeparator = QLatin1Char(',');
    s.dateOrder = DateOrder::MonthDayYear;
    s.shortDateMask = QStringLiteral("m/d/yyyy");
    s.longTimeMask = QStringLiteral("hh:mm:ss");
    s.trueText = QStringLiteral("True");
    s.falseText = QStringLiteral("False");
    return s;
}

const RegionalSettings &regional()
{
    return current();
}

void setRegional(const RegionalSettings &settings)
{
    current() = settings;
}

RegionalScope::RegionalScope(const RegionalSettings &settings)
    : m_previous(regional())
{
    setRegional(settings);
}

RegionalScope::~RegionalScope()
{
    setRegional(m_previous);
}

} // namespace rt
