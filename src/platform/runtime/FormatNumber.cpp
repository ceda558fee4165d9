#include "platform/runtime/Format.h"

#include "platform/runtime/NumberText.h"
#include "platform/runtime/Regional.h"

#include <QHash>
#include <QVarLengthArray>
#include <algorithm>

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

// The lists format the same few masks thousands of times in a row.
const NumberMask &parsedMask(const QString &mask)
{
    thread_local QHash<QString, NumberMask> parsed;
    const auto found = parsed.constFind(mask);
    if (found != parsed.constEnd())
        return *found;
    return *parsed.insert(mask, parseMask(mask));
}

QString render(const numbertext::Decimal &value, const QString &mask)
{
    const NumberMask &m = parsedMask(mask);
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

// A Currency is a whole count of ten-thousandths: its digits come from integer arithmetic, as
// render gives them (the settlement lists format tens of thousands of amounts at a time).
QString renderCurrency(qint64 raw, const NumberMask &m)
{
    constexpr int ownDecimals = 4;
    const int kept = std::min(m.maxDecimals, ownDecimals);
    quint64 step = 1;
    for (int i = kept; i < ownDecimals; ++i)
        step *= 10;
    const bool negative = raw < 0;
    quint64 magnitude = negative ? 0 - static_cast<quint64>(raw) : static_cast<quint64>(raw);
    magnitude = (magnitude + step / 2) / step * step; // halves away from zero
    // The whole digits, last first, zeros added up to the mask's.
    QVarLengthArray<char16_t, 32> whole;
    for (quint64 rest = magnitude / 10000; rest > 0; rest /= 10)
        whole.append(static_cast<char16_t>(u'0' + rest % 10));
    while (whole.size() < m.minInteger)
        whole.append(u'0');
    // The decimals the mask shows, trailing zeros dropped down to its minimum.
    QVarLengthArray<char16_t, 32> fraction;
    quint64 fourth = magnitude % 10000;
    for (int i = 0; i < m.maxDecimals; ++i) {
        if (i >= ownDecimals) {
            fraction.append(u'0');
            continue;
        }
        fourth *= 10;
        fraction.append(static_cast<char16_t>(u'0' + fourth / 10000 % 10));
    }
    while (fraction.size() > m.minDecimals && fraction.last() == u'0')
        fraction.removeLast();
    const RegionalSettings &settings = regional();
    QString text;
    text.reserve(m.prefix.size() + whole.size() * 4 / 3 + fraction.size() + m.suffix.size() + 2);
    if (negative && magnitude != 0)
        text.append(QLatin1Char('-'));
    text.append(m.prefix);
    for (qsizetype i = whole.size() - 1; i >= 0; --i) {
        text.append(QChar(whole.at(i)));
        if (m.grouping && i > 0 && i % 3 == 0)
            text.append(settings.thousandsSeparator);
    }
    if (m.hasPoint) {
        text.append(settings.decimalSeparator);
        text.append(QStringView(fraction.constData(), fraction.size()));
    }
    return text.append(m.suffix);
}

} // namespace

QString formatNumber(double value, const QString &mask)
{
    return render(numbertext::toDecimal(value), mask);
}

QString formatNumber(Currency value, const QString &mask)
{
    return renderCurrency(value.raw(), parsedMask(mask));
}

} // namespace rt
