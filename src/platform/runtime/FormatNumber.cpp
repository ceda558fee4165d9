#include "platform/runtime/Format.h"

#include "platform/runtime/NumberText.h"
#include "platform/runtime/Regional.h"

namespace rt {

namespace {

// What a number mask asks for.
struct NumberMask {
    QString prefix;
    QString suffix;
    int minInteger = 0;
    bool grouping = false;
    bool hasPoint = false;
    int minDecimals = 0;
    int maxDecimals = 0;
};

bool isNumberMaskChar(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') || c == QLatin1Char(',');
}

NumberMask parseMask(const QString &mask)
{
    NumberMask parsed;
    qsizetype first = 0;
    while (first < mask.size() && !isNumberMaskChar(mask.at(first)))
        ++first;
    qsizetype end = mask.size();
    while (end > first && !isNumberMaskChar(mask.at(end - 1)))
        --end;
    parsed.prefix = mask.left(first);
    parsed.suffix = mask.mid(end);
    for (qsizetype i = first; i < end; ++i) {
        const QChar c = mask.at(i);
        if (c == QLatin1Char('.'))
            parsed.hasPoint = true;
        else if (c == QLatin1Char(',') && !parsed.hasPoint)
            parsed.grouping = true;
        else if (c == QLatin1Char('0'))
            ++(parsed.hasPoint ? parsed.minDecimals : parsed.minInteger);
        if (parsed.hasPoint && (c == QLatin1Char('0') || c == QLatin1Char('#')))
            ++parsed.maxDecimals;
    }
    return parsed;
}

QString grouped(const QString &digits, QChar separator)
{
    QString result;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += separator;
        result += digits.at(i);
    }
    return result;
}

QString render(const numbertext::Decimal &value, const QString &mask)
{
    const NumberMask m = parseMask(mask);
    const RegionalSettings &settings = regional();
    const numbertext::Decimal rounded = numbertext::roundedAwayFromZero(value, m.maxDecimals);
    QString whole = numbertext::integerDigits(rounded);
    if (whole.size() < m.minInteger)
        whole.prepend(QString(m.minInteger - whole.size(), QLatin1Char('0')));
    if (m.grouping)
        whole = grouped(whole, settings.thousandsSeparator);
    QString fraction = numbertext::fractionDigits(rounded, m.maxDecimals);
    while (fraction.size() > m.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const bool negative = rounded.negative && !rounded.digits.isEmpty();
    QString text = negative ? QStringLiteral("-") : QString();
    text += m.prefix + whole;
    if (m.hasPoint)
        text += settings.decimalSeparator + fraction;
    return text + m.suffix;
}

} // namespace

QString formatNumber(double value, const QString &mask)
{
    return render(numbertext::toDecimal(value), mask);
}

QString formatNumber(Currency value, const QString &mask)
{
    return render(numbertext::fromCurrencyRaw(value.raw()), mask);
}

} // namespace rt
