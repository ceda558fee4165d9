#pragma once

#include "platform/ado/sqlite/TsqlSyntax.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace ado::sqlite {

// The database's columns that hold dates.
struct DateColumns {
    QSet<QString> names; // upper case, wherever a table or view declares them
    // By upper-case table or view name, for each column an INSERT without a column list fills:
    // whether it holds dates. Only tables and views that have such a column.
    QHash<QString, QList<bool>> filledByInsert;
};

// SQL Server reads a text that meets a date column as a date and refuses one that is no date;
// SQLite would store '20240401' in one as a number and compare it as one. Whatever value meets a
// date column, written or compared, is read as a date: compared with one (=, <>, <, ..., BETWEEN,
// IN (values), IN (query)), assigned to one by SET, inserted into one by INSERT ... VALUES or
// INSERT ... SELECT. On either side of a comparison, "one" is any value whose type is a date on
// SQL Server: a date column, MIN or MAX of one, DATEADD, GETDATE, a conversion to a date, a date
// plus or minus a number, ISNULL or NULLIF of a date, COALESCE or CASE with a date among its
// values, a subquery of one; the texts such a value gives (those of ISNULL, COALESCE or CASE) are
// read as dates too. A text compared with any other value (a conversion to a text, a text
// column, ISNULL of a text, a CASE of texts) stays as written and compares as a text, as on
// SQL Server. A string literal that is a date is rewritten in the stored form; any other
// value but a number, NULL, a blank literal or one that gives nothing but dates (a date column,
// a date function or conversion, MIN or MAX of one, a subquery of one) is written as
// tsql_datetext(value), which gives a text SQL Server reads as a date in the stored form and
// fails the statement on any other text but a blank one (native 241).
void rewriteDateTexts(TsqlNodes &statement, const DateColumns &dates);

} // namespace ado::sqlite
