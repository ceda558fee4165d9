#pragma once

#include <QDate>
#include <QString>

// Literals of the T-SQL text the generator writes.
namespace demo::sql {

// 'text' with inner apostrophes doubled.
QString text(const QString &value);
// 'text', or NULL for an empty text.
QString textOrNull(const QString &value);
// An amount in cents as a decimal number with a point: 1234 gives 12.34, -5 gives -0.05.
QString money(qint64 cents);
// The stored date form 'yyyy-mm-dd hh:mm:ss' at midnight.
QString date(const QDate &day);
QString integer(qint64 value);
QString null();

} // namespace demo::sql
