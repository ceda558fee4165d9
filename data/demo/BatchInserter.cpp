#include "demo/BatchInserter.h"

#include <stdexcept>

namespace demo {

BatchInserter::BatchInserter(ado::Connection &connection, QString table, QStringList columns, int rowsPerStatement)
    : m_connection(connection)
    , m_prefix(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QLatin1Char(','))))
    , m_columnCount(columns.size())
    , m_rowsPerStatement(rowsPerStatement)
{
}

void BatchInserter::add(const QStringList &literals)
{
    if (literals.size() != m_columnCount)
        throw std::invalid_argument("row does not match the columns of: " + m_prefix.toStdString());
    m_pending.append(QLatin1Char('(') + literals.join(QLatin1Char(',')) + QLatin1Char(')'));
    if (m_pending.size() >= m_rowsPerStatement)
        flush();
}

void BatchInserter::flush()
{
    if (m_pending.isEmpty())
        return;
    const QString statement = m_prefix + m_pending.join(QLatin1Char(','));
    m_pending.clear();
    m_connection.Execute(statement);
}

} // namespace demo
