#include "platform/report/ValueFormatter.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

#include <QStringList>
#include <algorithm>

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

// The group that starts at `open` (a "{") skipped: its index after the closing "}".
qsizetype skipGroup(const QString &rtf, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < rtf.size(); ++i) {
        if (rtf[i] == QLatin1Char('\\'))
            ++i;
        else if (rtf[i] == QLatin1Char('{'))
            ++depth;
        else if (rtf[i] == QLatin1Char('}') && --depth == 0)
            return i + 1;
    }
    return rtf.size();
}

// The text of a rich-text (RTF) value: control words, groups of fonts, colours and styles
// left out, paragraph and line breaks as blanks, escaped characters as the characters they stand
// for (8-bit ones in the Windows code page RTF writers use).
QString rtfText(const QString &rtf)
{
    static const QStringList hidden = {QStringLiteral("{\\fonttbl"), QStringLiteral("{\\colortbl"),
                                       QStringLiteral("{\\stylesheet"), QStringLiteral("{\\*")};
    QString text;
    for (qsizetype i = 0; i < rtf.size();) {
        const QChar c = rtf[i];
        if (c == QLatin1Char('{')) {
            const bool skip = std::any_of(hidden.begin(), hidden.end(),
                                          [&](const QString &start) { return rtf.mid(i, start.size()) == start; });
            i = skip ? skipGroup(rtf, i) : i + 1;
        } else if (c == QLatin1Char('}') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            ++i;
        } else if (c != QLatin1Char('\\')) {
            text += c;
            ++i;
        } else if (i + 1 < rtf.size() && QStringLiteral("\\{}").contains(rtf[i + 1])) {
            text += rtf[i + 1];
            i += 2;
        } else if (i + 3 < rtf.size() && rtf[i + 1] == QLatin1Char('\'')) {
            const char byte = char(rtf.mid(i + 2, 2).toInt(nullptr, 16));
            text += QString::fromLatin1(&byte, 1);
            i += 4;
        } else {
            qsizetype end = i + 1;
            while (end < rtf.size() && rtf[end].isLetter())
                ++end;
            const QString word = rtf.mid(i + 1, end - i - 1);
            while (end < rtf.size() && (rtf[end].isDigit() || rtf[end] == QLatin1Char('-')))
                ++end;
            if (end < rtf.size() && rtf[end] == QLatin1Char(' '))
                ++end;
            if (word == QLatin1String("par") || word == QLatin1String("line") || word == QLatin1String("tab"))
                text += QLatin1Char(' ');
            i = std::max(end, i + 2);
        }
    }
    return text.simplified();
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
        if (value.asString().startsWith(QLatin1String("{\\rtf")))
            return rtfText(value.asString());
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
