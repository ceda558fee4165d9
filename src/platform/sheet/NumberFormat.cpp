#include "platform/sheet/NumberFormat.h"

#include <QLocale>
#include <cmath>

namespace sheet {

namespace {

const QString DateFormat = QStringLiteral("dd/mm/yyyy");
const QString TimeFormat = QStringLiteral("hh:mm:ss");

// The first section of a format ("positive;negative;zero;text"), which is what positive
// numbers and dates use.
QString firstSection(const QString &format)
{
    return format.section(u';', 0, 0);
}

// The characters a format section prints around the number: quoted text, escaped characters,
// padding and plain symbols such as "$" or "-". Placeholders and [colour]/[$-locale] codes are
// not counted.
int literalLength(const QString &section)
{
    int length = 0;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'[') {
            i = section.indexOf(u']', i);
            if (i < 0)
                break;
        } else if (c == u'"') {
            const qsizetype end = section.indexOf(u'"', i + 1);
            length += static_cast<int>((end < 0 ? section.size() : end) - i - 1);
            i = end < 0 ? section.size() : end;
        } else if (c == u'\\' || c == u'_') {
            ++length; // an escaped character, or the space kept for one
            ++i;
        } else if (c == u'*') {
            ++i; // fill character: takes whatever room is left
        } else if (!QStringView(u"0#?,.%@").contains(c)) {
            ++length;
        }
    }
    return length;
}

int decimalsOf(const QString &section)
{
    const qsizetype point = section.indexOf(u'.');
    if (point < 0)
        return 0;
    int decimals = 0;
    for (qsizetype i = point + 1; i < section.size() && QStringView(u"0#?").contains(section[i]); ++i)
        ++decimals;
    return decimals;
}

int numberLength(double number, const QString &format)
{
    if (isGeneralFormat(format) || format == u"@")
        return static_cast<int>(QString::number(number, 'g', 10).size());
    const QString section = firstSection(format);
    QLocale locale(QLocale::C);
    locale.setNumberOptions(section.contains(u',') ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    return static_cast<int>(locale.toString(number, 'f', decimalsOf(section)).size()) + literalLength(section);
}

} // namespace

bool isGeneralFormat(const QString &format)
{
    return format.isEmpty() || format.compare(u"General", Qt::CaseInsensitive) == 0;
}

bool isDateFormat(const QString &format)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'"')
            quoted = !quoted;
        else if (c == u'\\')
            ++i;
        else if (!quoted && QStringView(u"dmyhsDMYHS").contains(c))
            return true;
    }
    return false;
}

QString effectiveNumberFormat(const rt::Variant &value, const QString &format)
{
    if (value.type() != rt::VarType::Date || !isGeneralFormat(format))
        return format;
    const double serial = value.asDate().serial();
    const bool hasTime = serial != std::trunc(serial);
    if (serial == 0.0 || (hasTime && std::abs(serial) < 1.0))
        return TimeFormat;
    return hasTime ? DateFormat + u' ' + TimeFormat : DateFormat;
}

int displayLength(const rt::Variant &value, const QString &format)
{
    switch (value.type()) {
    case rt::VarType::String:
        return static_cast<int>(value.asString().size());
    case rt::VarType::Boolean:
        return value.asBoolean() ? 9 : 5; // "VERDADERO", "FALSO"
    case rt::VarType::Date: {
        const QString shown = effectiveNumberFormat(value, format);
        return isDateFormat(shown) ? static_cast<int>(firstSection(shown).size())
                                   : numberLength(value.asDate().serial(), shown);
    }
    case rt::VarType::Integer:
    case rt::VarType::Long:
    case rt::VarType::Double:
    case rt::VarType::Currency:
        return isDateFormat(format) ? static_cast<int>(firstSection(format).size())
                                    : numberLength(numberOf(value), format);
    default:
        return 0;
    }
}

double numberOf(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return value.asLong();
    case rt::VarType::Currency:
        return value.asCurrency().toDouble();
    default:
        return value.asDouble();
    }
}

} // namespace sheet
