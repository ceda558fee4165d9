#include "platform/report/ValueFormatter.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

namespace report {

namespace {

const QString kMoneyMask = QStringLiteral("#,##0.00");
const QString kDateMask = QStringLiteral("dd/mm/yyyy");

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString plain(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Currency:
        return rt::Format(value, kMoneyMask);
    case rt::VarType::Date: {
        const rt::DateTime date = value.asDate();
        const bool hasTime = date.hour() != 0 || date.minute() != 0 || date.second() != 0;
        return rt::formatDate(date, hasTime ? kDateMask + QStringLiteral(" hh:nn") : kDateMask);
    }
    case rt::VarType::String:
        return withoutTrailingBlanks(value.asString());
    case rt::VarType::ByteArray:
        return {};
    default:
        return rt::CStr(value);
    }
}

QString characterMask(const QString &text, const QString &mask)
{
    QString result;
    qsizetype next = 0;
    for (const QChar c : mask) {
        if (c != QLatin1Char('@'))
            result += c;
        else if (next < text.size())
            result += text[next++];
    }
    return result;
}

} // namespace

QString formatReportValue(const rt::Variant &value, const QString &format)
{
    if (value.isNull() || value.isEmpty())
        return {};
    const QString wanted = format.trimmed();
    if (wanted.isEmpty())
        return plain(value);
    if (wanted.compare(QLatin1String("money"), Qt::CaseInsensitive) == 0)
        return rt::Format(value, kMoneyMask);
    if (wanted.compare(QLatin1String("date"), Qt::CaseInsensitive) == 0)
        return rt::Format(value, kDateMask);
    if (wanted.contains(QLatin1Char('@')))
        return characterMask(rt::CStr(value), wanted);
    return rt::Format(value, wanted);
}

} // namespace report
