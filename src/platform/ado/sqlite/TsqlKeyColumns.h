#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

#include <QHash>
#include <QString>

namespace ado::sqlite {

// Columns that hold the concatenation of other columns of their table or view, named after it
// ("SUCURSAL+NUMERO+LETRA" holds SUCURSAL + NUMERO + LETRA): upper-case table name -> upper-case
// pieces joined by "+" -> the column's name as declared.
using KeyColumns = QHash<QString, QHash<QString, QString>>;

// Writes an operand of a comparison that joins columns of one table, q.A + q.B + q.C, as the
// column that holds it, q."A+B+C", when the table (or view) named or aliased q has one:
// SQLite serves a join term on a column from an index, never one on an expression. The
// qualifier is looked up in the FROM and JOIN clauses of the statement or subquery holding the
// comparison, then in those around it; anything else stays as written.
void rewriteKeyColumns(TsqlNodes &statement, const KeyColumns &keys);

} // namespace ado::sqlite
