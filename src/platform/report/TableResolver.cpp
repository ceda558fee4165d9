#include "platform/report/TableResolver.h"

#include "platform/report/ReportError.h"

#include <QRegularExpression>

namespace report {

FieldName parseFieldReference(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype dot = trimmed.indexOf(QLatin1Char('.'));
    if (!trimmed.startsWith(QLatin1Char('{')) || !trimmed.endsWith(QLatin1Char('}')) || dot < 2
        || trimmed.indexOf(QLatin1Char('}')) != trimmed.size() - 1 || dot >= trimmed.size() - 2)
        raiseFormulaError(QStringLiteral("se esperaba {TABLA.CAMPO}"), text);
    return {trimmed.mid(1, dot - 1).trimmed(), trimmed.mid(dot + 1, trimmed.size() - dot - 2).trimmed()};
}

TableResolver::TableResolver(const QList<TableRef> &tables)
    : m_tables(tables)
{
}

int TableResolver::indexOf(const QString &table) const
{
    const QString wanted = table.trimmed();
    for (int i = 0; i < m_tables.size(); ++i) {
        if (m_tables[i].alias.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    for (int i = 0; i < m_tables.size(); ++i) {
        if (m_tables[i].table.compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TableResolver::require(const FieldName &name, const QString &formula) const
{
    const int index = indexOf(name.table);
    if (index < 0)
        raiseFormulaError(QStringLiteral("el reporte no tiene la tabla %1").arg(name.table), formula);
    return index;
}

QString TableResolver::columnKey(const FieldName &name, const QString &formula) const
{
    return QString::number(require(name, formula)) + QLatin1Char('.') + name.field.toLower();
}

QString TableResolver::sqlColumn(const FieldName &name, const QString &formula) const
{
    return sqlName(m_tables[require(name, formula)].alias) + QLatin1Char('.') + sqlName(name.field);
}

QString TableResolver::fromClause() const
{
    QString text;
    for (const TableRef &table : m_tables) {
        QString piece = sqlName(table.table);
        if (table.alias.compare(table.table, Qt::CaseInsensitive) != 0)
            piece += QLatin1Char(' ') + sqlName(table.alias);
        if (table.join == TableRef::Join::From) {
            text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + piece;
            continue;
        }
        QStringList conditions;
        for (const auto &[left, right] : table.on) {
            conditions << sqlColumn(parseFieldReference(left), left) + QStringLiteral(" = ")
                              + sqlColumn(parseFieldReference(right), right);
        }
        text += (table.join == TableRef::Join::Left ? QStringLiteral(" LEFT JOIN ") : QStringLiteral(" INNER JOIN "))
                + piece + QStringLiteral(" ON ") + conditions.join(QStringLiteral(" AND "));
    }
    return text;
}

QString TableResolver::sqlName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (plain.match(name).hasMatch())
        return name;
    return QLatin1Char('[') + QString(name).replace(QLatin1Char(']'), QStringLiteral("]]")) + QLatin1Char(']');
}

} // namespace report
