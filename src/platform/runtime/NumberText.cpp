#include "platform/runtime/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace rt::numbertext {

namespace {

QString zeros(int count)
{
    return count > 0 ? QString(count, QLatin1Char('0')) : QString();
}

void stripTrailingZeros(Decimal &value)
{
    qsizetype end = value.digits.size();
    while (end > 0 && value.digits.at(end - 1) == QLatin1Char('0'))
        --end;
    value.digits.truncate(end);
    if (value.digits.isEmpty())
        value = Decimal{value.negative, {}, 0};
}

// Adds one unit at the last digit, carrying to the left.
void incrementLastDigit(Decimal &value)
{
    for (qsizetype i = value.digits.size() - 1; i >= 0; --i) {
        if (value.digits.at(i) != QLatin1Char('9')) {
            value.digits[i] = QChar(value.digits.at(i).unicode() + 1);
            return;
        }
        value.digits[i] = QLatin1Char('0');
    }
    value.digits.prepend(QLatin1Char('1'));
    ++value.point;
}

// Cuts the digits after `decimals` places; a dropped part of exactly one half goes to the even
// digit when `halfToEven`, else away from zero.
Decimal rounded(Decimal value, int decimals, bool halfToEven)
{
    const int keep = value.point + decimals;
    if (keep >= value.digits.size())
        return value;
    if (keep < 0)
        return Decimal{value.negative, {}, 0};
    const QChar first = value.digits.at(keep);
    const bool lastDigit = keep == value.digits.size() - 1;
    const bool exactlyHalf = first == QLatin1Char('5') && lastDigit;
    const bool moreThanHalf = first > QLatin1Char('5') || (first == QLatin1Char('5') && !lastDigit);
    const bool previousOdd = keep > 0 && (value.digits.at(keep - 1).unicode() - '0') % 2 != 0;
    const bool up = moreThanHalf || (exactlyHalf && (!halfToEven || previousOdd));
    value.digits.truncate(keep);
    if (up) {
        if (value.digits.isEmpty()) { // rounds up to a place before the first digit
            value.digits = QStringLiteral("1");
            ++value.point;
        } else {
            incrementLastDigit(value);
        }
    }
    stripTrailingZeros(value);
    return value;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

Decimal toDecimal(double value, int significant)
{
    Decimal result;
    if (value == 0.0 || !std::isfinite(value))
        return result;
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer - 1, value, std::chars_format::scientific, significant - 1);
    *written.ptr = '\0';
    const char *exponentAt = std::find(buffer, written.ptr, 'e');
    result.negative = buffer[0] == '-';
    result.digits.reserve(significant);
    for (const char *c = buffer + (result.negative ? 1 : 0); c < exponentAt; ++c) {
        if (*c != '.')
            result.digits.append(QLatin1Char(*c));
    }
    result.point = std::atoi(exponentAt + 1) + 1;
    stripTrailingZeros(result);
    return result;
}

Decimal fromCurrencyRaw(qint64 tenThousandths)
{
    Decimal result;
    result.negative = tenThousandths < 0;
    // Unsigned, so that the most negative count has a magnitude too.
    const quint64 bits = static_cast<quint64>(tenThousandths);
    const quint64 magnitude = result.negative ? 0 - bits : bits;
    result.digits = QString::number(magnitude);
    result.point = static_cast<int>(result.digits.size()) - 4;
    stripTrailingZeros(result);
    return result;
}

Decimal roundedAwayFromZero(Decimal value, int decimals)
{
    return rounded(std::move(value), decimals, false);
}

Decimal roundedHalfToEven(Decimal value, int decimals)
{
    return rounded(std::move(value), decimals, true);
}

double toDouble(const Decimal &value)
{
    if (value.digits.isEmpty())
        return 0.0;
    const std::string text =
        (value.negative ? "-0." : "0.") + value.digits.toStdString() + 'e' + std::to_string(value.point);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

QString integerDigits(const Decimal &value)
{
    if (value.point <= 0)
        return {};
    return value.digits.left(value.point) + zeros(value.point - static_cast<int>(value.digits.size()));
}

QString fractionDigits(const Decimal &value, int decimals)
{
    QString fraction = zeros(-value.point) + value.digits.mid(std::max(value.point, 0));
    fraction = fraction.left(decimals);
    return fraction + zeros(decimals - static_cast<int>(fraction.size()));
}

QString generalText(double value, QChar decimalSeparator)
{
    const Decimal d = toDecimal(value);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    const QString sign = d.negative ? QStringLiteral("-") : QString();
    const int exponent = d.point - 1;
    if (exponent < -4 || exponent >= 15) {
        QString mantissa = d.digits.left(1);
        if (d.digits.size() > 1)
            mantissa += decimalSeparator + d.digits.mid(1);
        const QString exponentText = QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
        return sign + mantissa + QLatin1Char('E') + QLatin1Char(exponent < 0 ? '-' : '+') + exponentText;
    }
    return plainText(d, decimalSeparator);
}

QString plainText(const Decimal &value, QChar decimalSeparator)
{
    const int decimals = std::max(0, static_cast<int>(value.digits.size()) - value.point);
    QString whole = integerDigits(value);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    const QString sign = value.negative && !value.digits.isEmpty() ? QStringLiteral("-") : QString();
    return decimals == 0 ? sign + whole : sign + whole + decimalSeparator + fractionDigits(value, decimals);
}

std::optional<double> parseNumber(const QString &text, const RegionalSettings &settings)
{
    const QString t = text.trimmed();
    std::string plain;
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        if (t.at(i) == QLatin1Char('-'))
            plain += '-';
        ++i;
    }
    int digits = 0;
    for (; i < t.size(); ++i) {
        if (isDigit(t.at(i))) {
            plain += static_cast<char>(t.at(i).unicode());
            ++digits;
        } else if (t.at(i) != settings.thousandsSeparator || digits == 0) {
            break;
        }
    }
    if (i < t.size() && t.at(i) == settings.decimalSeparator) {
        plain += '.';
        for (++i; i < t.size() && isDigit(t.at(i)); ++i, ++digits)
            plain += static_cast<char>(t.at(i).unicode());
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t.at(i).toUpper() == QLatin1Char('E') || t.at(i).toUpper() == QLatin1Char('D'))) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
            plain += static_cast<char>(t.at(i++).unicode());
        const qsizetype exponentStart = i;
        for (; i < t.size() && isDigit(t.at(i)); ++i)
            plain += static_cast<char>(t.at(i).unicode());
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    double value = 0.0;
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace rt::numbertext
