#pragma once

#include <QString>

class TablaEquivalencias;

// The SQL texts of the paged grid, built from its query and its state exactly as the grid sends
// them (blanks included). Keywords of the query are found where they stand as words (see
// PalabrasSQL), never inside a name or a literal.
namespace SentenciasGrilla {

// What the paging clause needs to know of the grid.
struct Paginado {
    QString sql; // the grid's query
    QString clave; // the key column; empty means "ID"
    long PageSize = 0;
    long pagina = 1; // 1-based page shown
    QString pWhere; // as ArmarWhere gives it
    QString OrderBy; // as ArmarOrden gives it
    QString pFiltro; // the user's search conditions
    long filas = 0; // rows of the query under its conditions, as counted (0: not known)
    bool oracle = false; // the Oracle form (ROWNUM and NOT IN) instead of SQL Server's
    // Some row of the query has no key: those rows cannot be told apart by a NOT IN test, so the
    // page takes the first skipped-plus-page rows and the grid drops the skipped ones itself.
    bool claveConNulos = false;
};

// The key column as the paging clause names it: `clave`, or "ID" when it is empty.
QString claveEfectiva(const QString &clave);

// Whether the query is shown whole, never paged or rewritten: a stored procedure ("exec"), a
// join, a grouping or a UNION.
bool seMuestraEntera(const QString &sql);
// Whether the query has a join or a grouping, or joins SELECTs with UNION, EXCEPT or INTERSECT
// at its top level (no column chooser, no sorting, no paging clause).
bool tieneUnionOAgrupacion(const QString &sql);

// ArmarWhere: the conditions of the page query. Without a WHERE of its own: " where " and the
// filter, or nothing. With one: "WHERE " and the query's own conditions, which go in
// parentheses when the filter is appended after " AND ".
QString ArmarWhere(const QString &sql, const QString &pFiltro);

// ArmarSQLPaginado: the FROM clause that limits the page query to the rows of one page; empty
// for a query with a join or a grouping.
QString ArmarSQLPaginado(const Paginado &p);
// How many rows of the paged query come before the page's own rows (only with claveConNulos).
long filasSaltadas(const Paginado &p);

// The order the paging runs on: the grid's ORDER BY with the key column as its last term, or the
// key alone. Every query of a page then orders the rows the same way, ties included: without
// it, the keys skipped and the rows shown could come in different orders (a covering index),
// and a page would repeat rows of another while losing some.
QString ordenDePaginado(const QString &OrderBy, const QString &clave);

// The ORDER BY of the outer page query: every plain column named through the derived table
// "Paginacion", so the order is the column's and not that of a converted column of the same
// name in the select list (a date shown as text would otherwise sort by its text).
QString ordenExterior(const QString &OrderBy);

// ArmarCampos: each item of a column list (items joined by ", " or "|") that is an alias of the
// query becomes its expression, " as " and the alias.
QString ArmarCampos(const QString &lista, const TablaEquivalencias &equivalencias);

// The page statement of CargarGrid: "SELECT ", the select list, the paging clause, the
// conditions and the order; a query shown whole is returned as it is. Every "|" becomes ",".
QString sentenciaPagina(const QString &listaCampos, const Paginado &p, const TablaEquivalencias &equivalencias);

// The count of the rows and of the keyed rows of a paged query with its conditions, read in one
// row of two columns (Filas, Claves).
QString cuenta(const QString &sql, const QString &clave, const QString &pFiltro);

// The one-row probe that tells the columns of a query.
QString sonda(const QString &sql);

} // namespace SentenciasGrilla
