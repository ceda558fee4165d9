#include "platform/runtime/Format.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/NumberText.h"
#include "platform/runtime/Regional.h"

namespace rt {

namespace {

bool isNumberMask(const QString &mask)
{
    return mask.contains(QLatin1Char('0')) || mask.contains(QLatin1Char('#'));
}

QString formatAsNumber(const Variant &value, const QString &mask)
{
    switch (value.type()) {
    case VarType::Currency:
        return formatNumber(value.asCurrency(), mask);
    case VarType::String: {
        const std::optional<double> number = numbertext::parseNumber(value.asString(), regional());
        return number ? formatNumber(*number, mask) : value.asString();
    }
    default:
        return formatNumber(CDbl(value), mask);
    }
}

QString formatAsDate(const Variant &value, const QString &mask)
{
    if (value.type() == VarType::String) {
        const std::optional<DateTime> date = parseDateText(value.asString());
        return date ? formatDate(*date, mask) : value.asString();
    }
    return formatDate(CDate(value), mask);
}

} // namespace

QString Format(const Variant &value, const QString &mask)
{
    if (value.isNull() || value.isEmpty())
        return {};
    if (mask.isEmpty())
        return CStr(value);
    return isNumberMask(mask) ? formatAsNumber(value, mask) : formatAsDate(value, mask);
}

} // namespace rt
