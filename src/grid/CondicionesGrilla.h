#pragma once

#include <QList>
#include <QString>
#include <optional>

class TablaEquivalencias;

// The search conditions and the sort order of the paged grid. A column is named by its caption
// in the grid and reaches the SQL as the expression the query computes it with (an alias of the
// query is turned back into its expression, since a condition cannot name an alias).
namespace CondicionesGrilla {

// A column shown in the grid: its caption, whether it holds dates, and whether its values read
// as text as they stand (texts, and whole numbers, whose digits need no conversion).
struct Columna {
    QString caption;
    bool fecha = false;
    bool texto = false;
};

// The condition of one column: for a date column " <expression> = '<texto>'" when the text is
// a date, and nothing otherwise; for any other column, whether its value holds the text,
// letter case ignored: " CHARINDEX('<texto>', <value>) > 0", or " <value> LIKE '%<texto>%'"
// when the text holds the wildcards of LIKE (%, _, [) and is meant as a pattern. The value is
// the column's expression, converted with CONVERT(NVARCHAR, ...) unless it reads as text: a
// search then costs the database no conversion, nor a pattern read anew, for every row. Quotes
// in the text are doubled, so it stays one literal.
std::optional<QString> condicionColumna(const Columna &columna, const QString &texto,
                                        const TablaEquivalencias &equivalencias);

// The condition of the search in every column ("Todos"): the conditions of the columns joined by
// " or " inside " (" and ") "; date columns take part only when the text is a date. Empty when
// no column takes part.
QString condicionTodas(const QList<Columna> &columnas, const QString &texto, const TablaEquivalencias &equivalencias);

// The filter with one more condition, after " and " when the filter already holds one.
QString agregarCondicion(const QString &pFiltro, const QString &condicion);

// ArmarOrden: the ORDER BY text after a page load. OrdenSent 3 keeps `OrderBy`; 0 takes the
// query's own ORDER BY (from the blank before it) or nothing; 1 (" Asc ") and 2 (" Desc ")
// sort by the column of caption `caption`: alone when `Order` is 1 or nothing is sorted yet,
// otherwise moved to the end of the current order with its new direction.
QString ArmarOrden(const QString &OrderBy, int OrdenSent, int Order, const QString &caption, const QString &sql,
                   const TablaEquivalencias &equivalencias);

} // namespace CondicionesGrilla
