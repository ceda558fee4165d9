#include "platform/report/SqlCondition.h"

#include "platform/runtime/Conversions.h"

#include <cmath>

namespace report {

QString SqlCondition::literal(const rt::Variant &value)
{
    switch (value.type()) {
    case rt::VarType::Empty:
    case rt::VarType::Null:
        return QStringLiteral("NULL");
    case rt::VarType::Boolean:
        return value.asBoolean() ? QStringLiteral("1") : QStringLiteral("0");
    case rt::VarType::Integer:
    case rt::VarType::Long:
        return QString::number(value.asLong());
    case rt::VarType::Double:
    case rt::VarType::Currency: {
        const double number = rt::CDbl(value);
        if (std::floor(number) == number && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15);
    }
    case rt::VarType::Date:
        return QLatin1Char('\'') + value.asDate().toQDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
               + QLatin1Char('\'');
    default:
        break;
    }
    return QLatin1Char('\'') + rt::CStr(value).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

QString SqlCondition::bound() const
{
    QString result;
    qsizetype next = 0;
    bool inBrackets = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('['))
            inBrackets = true;
        else if (c == QLatin1Char(']'))
            inBrackets = false;
        if (c == QLatin1Char('?') && !inBrackets && next < values.size()) {
            result += literal(values[next++]);
            continue;
        }
        result += c;
    }
    return result;
}

} // namespace report
