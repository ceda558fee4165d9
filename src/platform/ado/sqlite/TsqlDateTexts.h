#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

#include <QSet>
#include <QString>

namespace ado::sqlite {

// Upper-case names of the columns that hold dates.
using DateColumns = QSet<QString>;

// SQL Server reads a text that meets a date column as a date; SQLite would store '20240401' in
// one as a number and compare it as one. A string literal (or the parameter standing for one)
// compared with a date column (=, <>, <, ..., BETWEEN), assigned to one by SET or inserted into
// one by INSERT (columns) VALUES is written as tsql_datetext(literal), which gives any text
// SQL Server reads as a date in the stored form and fails the statement on any other text
// but a blank one (native 241).
void rewriteDateTexts(TsqlNodes &statement, const DateColumns &dates);

} // namespace ado::sqlite
