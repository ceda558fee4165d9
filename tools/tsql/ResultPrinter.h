#pragma once

#include "platform/ado/Recordset.h"
#include "platform/runtime/Variant.h"

#include <QString>
#include <QTextStream>

// Writes what the statements of a T-SQL text gave, in a form for people and scripts: a result
// set as tab-separated lines under a header of column names, a statement without rows as
// "(<n> rows affected)".
class ResultPrinter {
public:
    explicit ResultPrinter(QTextStream &out)
        : m_out(out)
    {
    }

    // Writes every row of the recordset from its first; throws RuntimeError from the recordset.
    void printRows(ado::Recordset &recordset);
    void printAffected(long count);

    // A value as the tool shows it: NULL, numbers with "." and no grouping, money with four
    // decimals, dates as 'yyyy-mm-dd hh:mm:ss', bits as 1 or 0, binary data as 0x hex digits.
    static QString text(const rt::Variant &value);

private:
    QTextStream &m_out;
};
