#pragma once

#include "platform/ado/Connection.h"

#include <QString>
#include <QStringList>

namespace demo {

// Collects rows for one table and writes them as multi-row INSERT statements through the
// engine, so that a large demo database does not pay one statement per row.
class BatchInserter {
public:
    BatchInserter(ado::Connection &connection, QString table, QStringList columns, int rowsPerStatement = 100);

    // Adds a row of SQL literals, one per column; writes the batch when it is full.
    // Throws std::invalid_argument on a wrong number of values, RuntimeError when the insert fails.
    void add(const QStringList &literals);
    // Writes the rows still pending. Throws RuntimeError when the insert fails.
    void flush();

private:
    ado::Connection &m_connection;
    QString m_prefix;
    qsizetype m_columnCount;
    int m_rowsPerStatement;
    QStringList m_pending;
};

} // namespace demo
