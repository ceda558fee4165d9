#include "platform/runtime/Conversions.h"

#include "platform/runtime/DateFunctions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/NumberText.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <string>

namespace rt {

namespace {

// Serials of 1/1/100 and 31/12/9999 23:59:59, the span of dates.
constexpr double kFirstSerial = -657434.0;
constexpr double kLastSerial = 2958465.99999;

[[noreturn]] void throwMismatch()
{
    throw RuntimeError(err::TypeMismatch, QStringLiteral("No coinciden los tipos"));
}

[[noreturn]] void throwNull()
{
    throw RuntimeError(err::InvalidUseOfNull, QStringLiteral("Uso no válido de Null"));
}

[[noreturn]] void throwOverflow()
{
    throw RuntimeError(err::Overflow, QStringLiteral("Desbordamiento"));
}

double parsedText(const QString &text)
{
    const std::optional<double> number = numbertext::parseNumber(text, regional());
    if (!number)
        throwMismatch();
    return *number;
}

// Rounds half to even and checks the range of the target whole type.
double roundedWhole(const Variant &value, double lowest, double highest)
{
    const double rounded = std::nearbyint(CDbl(value));
    if (!(rounded >= lowest && rounded <= highest))
        throwOverflow();
    return rounded;
}

QString dateText(DateTime value)
{
    const RegionalSettings &settings = regional();
    const bool hasDate = std::trunc(value.serial()) != 0.0;
    const bool hasTime = value.time() != QTime(0, 0);
    if (hasDate && hasTime)
        return formatDate(value, settings.shortDateMask) + QLatin1Char(' ') + formatDate(value, settings.longTimeMask);
    if (hasTime)
        return formatDate(value, settings.longTimeMask);
    return formatDate(value, settings.shortDateMask);
}

bool isWord(const QString &text, const QString &word)
{
    return text.trimmed().compare(word, Qt::CaseInsensitive) == 0;
}

bool isBlankForVal(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The characters of the number at the start of `text`, blanks dropped, in C notation.
std::string valPrefix(const QString &text)
{
    std::string plain;
    bool point = false;
    bool exponent = false;
    for (const QChar c : text) {
        if (isBlankForVal(c))
            continue;
        if (c.unicode() > 127)
            break;
        const char ch = static_cast<char>(c.toLower().unicode());
        const bool atStart = plain.empty() || plain.back() == 'e';
        if (isDigit(c)) {
            plain += ch;
        } else if ((ch == '-' || ch == '+') && atStart) {
            plain += ch;
        } else if (ch == '.' && !point && !exponent) {
            plain += ch;
            point = true;
        } else if ((ch == 'e' || ch == 'd') && !exponent && !plain.empty()) {
            plain += 'e';
            exponent = true;
        } else {
            break;
        }
    }
    return plain;
}

// Str's layout of a number written with ".": no zero before the point, a blank for the sign
// of a number that is not negative.
QString strShape(QString text)
{
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

} // namespace

QString CStr(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty:
        return {};
    case VarType::Null:
        throwNull();
    case VarType::Boolean:
        return value.asBoolean() ? regional().trueText : regional().falseText;
    case VarType::Integer:
    case VarType::Long:
        return QString::number(value.asLong());
    case VarType::Double:
        return numbertext::generalText(value.asDouble(), regional().decimalSeparator);
    case VarType::Currency:
        return numbertext::plainText(numbertext::fromCurrencyRaw(value.asCurrency().raw()),
                                     regional().decimalSeparator);
    case VarType::Date:
        return dateText(value.asDate());
    case VarType::String:
        return value.asString();
    case VarType::ByteArray:
        break;
    }
    throwMismatch();
}

double CDbl(const Variant &value)
{
    switch (value.type()) {
    case VarType::Empty:
        return 0.0;
    case VarType::Null:
        throwNull();
    case VarType::Boolean:
        return value.asBoolean() ? -1.0 : 0.0;
    case VarType::Integer:
    case VarType::Long:
        return value.asLong();
    case VarType::Double:
        return value.asDouble();
    case VarType::Currency:
        return value.asCurrency().toDouble();
    case VarType::Date:
        return value.asDate().serial();
    case VarType::String:
        return parsedText(value.asString());
    case VarType::ByteArray:
        break;
    }
    throwMismatch();
}

Currency CCur(const Variant &value)
{
    if (value.type() == VarType::Currency)
        return value.asCurrency();
    return Currency::fromDouble(CDbl(value));
}

qint32 CLng(const Variant &value)
{
    return static_cast<qint32>(roundedWhole(value, -2147483648.0, 2147483647.0));
}

qint16 CInt(const Variant &value)
{
    return static_cast<qint16>(roundedWhole(value, -32768.0, 32767.0));
}

bool CBool(const Variant &value)
{
    if (value.type() == VarType::Boolean)
        return value.asBoolean();
    if (value.type() == VarType::String) {
        const QString &text = value.asString();
        if (isWord(text, QStringLiteral("True")) || isWord(text, regional().trueText))
            return true;
        if (isWord(text, QStringLiteral("False")) || isWord(text, regional().falseText))
            return false;
    }
    return CDbl(value) != 0.0;
}

DateTime CDate(const Variant &value)
{
    if (value.type() == VarType::Date)
        return value.asDate();
    if (value.type() == VarType::String) {
        const std::optional<DateTime> date = parseDateText(value.asString());
        if (!date)
            throwMismatch();
        return *date;
    }
    const double serial = CDbl(value);
    if (!(serial >= kFirstSerial && serial <= kLastSerial))
        throwOverflow();
    return DateTime(serial);
}

double Val(const QString &text)
{
    const std::string plain = valPrefix(text);
    const char *begin = plain.data();
    if (!plain.empty() && plain.front() == '+') // from_chars takes no plus sign
        ++begin;
    double value = 0.0;
    const auto parsed = std::from_chars(begin, plain.data() + plain.size(), value);
    if (parsed.ec == std::errc::result_out_of_range)
        throwOverflow();
    return parsed.ec == std::errc() ? value + 0.0 : 0.0; // + 0.0 turns -0 into 0
}

bool IsNull(const Variant &value)
{
    return value.isNull();
}

bool IsEmpty(const Variant &value)
{
    return value.isEmpty();
}

bool IsNumeric(const Variant &value)
{
    if (value.isEmpty() || value.isNumber())
        return true;
    if (value.type() == VarType::String)
        return numbertext::parseNumber(value.asString(), regional()).has_value();
    return false;
}

bool IsDate(const Variant &value)
{
    if (value.type() == VarType::Date)
        return true;
    return value.type() == VarType::String && parseDateText(value.asString()).has_value();
}

QString Str(double value)
{
    return strShape(numbertext::generalText(value, QLatin1Char('.')));
}

QString Str(const Variant &value)
{
    switch (value.type()) {
    case VarType::Null:
        throwNull();
    case VarType::Boolean:
        return value.asBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Date:
        return CStr(value);
    case VarType::Currency:
        return strShape(numbertext::plainText(numbertext::fromCurrencyRaw(value.asCurrency().raw()), QLatin1Char('.')));
    default:
        return Str(CDbl(value));
    }
}

QString Concat(std::initializer_list<Variant> parts)
{
    QString text;
    for (const Variant &part : parts) {
        if (!part.isNull())
            text += CStr(part);
    }
    return text;
}

} // namespace rt
