#include "demo/SqlLiteral.h"

namespace demo::sql {

QString text(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString textOrNull(const QString &value)
{
    return value.isEmpty() ? null() : text(value);
}

QString money(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

QString date(const QDate &day)
{
    return QLatin1Char('\'') + day.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00'");
}

QString integer(qint64 value)
{
    return QString::number(value);
}

QString null()
{
    return QStringLiteral("NULL");
}

} // namespace demo::sql
