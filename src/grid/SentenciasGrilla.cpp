#include "grid/SentenciasGrilla.h"

#include "grid/NombresSQL.h"
#include "grid/PalabrasSQL.h"
#include "grid/TablaEquivalencias.h"
#include "platform/runtime/Text.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace SentenciasGrilla {

namespace {

using rt::CompareMode;

QString numero(long valor)
{
    return QString::number(valor);
}

QRegularExpressionMatch cabeceraDeOrden(const QString &OrderBy)
{
    static const QRegularExpression cabecera(QStringLiteral("^\\s*order\\s+by\\s+"),
                                             QRegularExpression::CaseInsensitiveOption);
    return cabecera.match(OrderBy);
}

// A term of an ORDER BY that is a plain column, with its direction.
const QRegularExpression &columnaSola()
{
    static const QRegularExpression columna(
        QStringLiteral("^(\\[(?:[^\\]]|\\]\\])+\\]|[A-Za-z_][A-Za-z0-9_]*)(\\s+(asc|desc))?$"),
        QRegularExpression::CaseInsensitiveOption);
    return columna;
}

// The terms of an ORDER BY list, trimmed.
QStringList terminos(const QString &lista)
{
    QStringList encontrados;
    for (const NombresSQL::Parte &item : NombresSQL::partes(lista)) {
        if (!item.texto.trimmed().isEmpty())
            encontrados << item.texto.trimmed();
    }
    return encontrados;
}

// The conditions of the query and of the filter that the page's rows must meet, each after " and ".
QString condicionesAgregadas(const Paginado &p)
{
    QString texto;
    if (!rt::Trim(p.pFiltro).isEmpty())
        texto += QStringLiteral(" and ") + p.pFiltro;
    const QString propia = PalabrasSQL(p.sql).condicionPropia();
    if (!propia.isEmpty())
        texto += QStringLiteral(" and (") + propia + QStringLiteral(")");
    return texto;
}

// Whether the order is the key alone, and its direction: the rows of a page then follow a
// boundary key that an index can seek.
std::optional<bool> ascendentePorClave(const QString &orden, const QString &clave)
{
    const QStringList lista = terminos(orden.mid(cabeceraDeOrden(orden).capturedEnd()));
    const QRegularExpressionMatch columna =
        lista.size() == 1 ? columnaSola().match(lista.first()) : QRegularExpressionMatch();
    if (!columna.hasMatch()
        || rt::StrComp(NombresSQL::sinComillasDeNombre(columna.captured(1)), clave, CompareMode::Text) != 0)
        return std::nullopt;
    return rt::StrComp(columna.captured(3), QStringLiteral("Desc"), CompareMode::Text) != 0;
}

// The same order the other way round: each term's direction turned (no direction is Asc). With
// the key closing it, the rows then come exactly in reverse.
QString ordenInverso(const QString &orden)
{
    static const QRegularExpression direccion(QStringLiteral("\\s+(asc|desc)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QStringList inversos;
    for (const QString &termino : terminos(orden.mid(cabeceraDeOrden(orden).capturedEnd()))) {
        const QRegularExpressionMatch tiene = direccion.match(termino);
        const bool descendente =
            tiene.hasMatch() && tiene.captured(1).compare(QStringLiteral("desc"), Qt::CaseInsensitive) == 0;
        inversos << (tiene.hasMatch() ? termino.left(tiene.capturedStart()) : termino)
                        + (descendente ? QStringLiteral(" Asc") : QStringLiteral(" Desc"));
    }
    return QStringLiteral(" Order by ") + inversos.join(QStringLiteral(", ")) + QStringLiteral(" ");
}

// The keys of a page in any order but the key's: those numbered after the skipped rows by
// ROW_NUMBER, sorted once by the engine. The numbering is read only up to the page (TOP), and a
// page past the middle is numbered from the other end, so that less of it is read.
QString clavesNumeradas(const Paginado &p, const QString &tabla, const QString &clave, const QString &orden)
{
    const long salto = filasSaltadas(p);
    const bool desdeElFinal = p.filas > 0 && 2 * salto + p.PageSize > p.filas;
    const long desde = desdeElFinal ? p.filas - salto - p.PageSize : salto;
    return QStringLiteral("SELECT TOP ") + numero(p.PageSize) + QStringLiteral(" ") + clave
           + QStringLiteral(" FROM (SELECT ") + clave + QStringLiteral(", ROW_NUMBER() OVER (")
           + (desdeElFinal ? ordenInverso(orden) : orden) + QStringLiteral(") AS Fila FROM ") + tabla
           + QStringLiteral(" ") + p.pWhere + QStringLiteral(") AS Numeradas WHERE Fila > ") + numero(desde)
           + QStringLiteral(" AND Fila <= ") + numero(desde + p.PageSize);
}

// SQL Server's form. Page 1 is the first rows in the order. Ordered by the key alone, a later
// page starts after the last key of the rows it skips (read in the key's index order); in any
// other order its keys are numbered (clavesNumeradas). Either way the rows skipped are never
// gathered in a NOT IN list, which the engine would build and search anew for every page.
QString formaSqlServer(const Paginado &p, const QString &tabla, const QString &clave)
{
    const QString orden = ordenDePaginado(p.OrderBy, clave);
    const long salto = filasSaltadas(p);
    const QString inicio = QStringLiteral(" FROM (SELECT TOP ")
                           + numero(p.claveConNulos ? salto + p.PageSize : p.PageSize) + QStringLiteral(" *  FROM ")
                           + tabla;
    if (p.claveConNulos || salto == 0)
        return inicio + QStringLiteral(" ") + p.pWhere + QStringLiteral(" ") + orden
               + QStringLiteral(") AS Paginacion ");
    if (const std::optional<bool> ascendente = ascendentePorClave(orden, clave))
        return inicio + QStringLiteral(" WHERE ") + clave
               + (*ascendente ? QStringLiteral(" > (SELECT MAX(") : QStringLiteral(" < (SELECT MIN(")) + clave
               + QStringLiteral(") FROM (SELECT TOP ") + numero(salto) + QStringLiteral(" ") + clave
               + QStringLiteral(" FROM ") + tabla + QStringLiteral(" ") + p.pWhere + QStringLiteral(" ") + orden
               + QStringLiteral(") AS Salto) ") + condicionesAgregadas(p) + QStringLiteral(" ") + orden
               + QStringLiteral(") AS Paginacion ");
    return QStringLiteral(" FROM (SELECT *  FROM ") + tabla + QStringLiteral(" WHERE ") + clave
           + QStringLiteral(" IN (") + clavesNumeradas(p, tabla, clave, orden) + QStringLiteral(")) AS Paginacion ");
}

QString formaOracle(const Paginado &p, const QString &tabla, const QString &clave)
{
    const QString orden = ordenDePaginado(p.OrderBy, clave);
    const QString enlace = rt::Trim(p.pWhere).isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ");
    if (p.claveConNulos)
        return QStringLiteral(" FROM (SELECT *  FROM ") + tabla + QStringLiteral(" ") + p.pWhere + enlace
               + QStringLiteral(" ROWNUM<=") + numero(filasSaltadas(p) + p.PageSize) + QStringLiteral(" ") + orden
               + QStringLiteral(")  Paginacion ");
    const long salto = p.PageSize * p.pagina - p.PageSize;
    return QStringLiteral(" FROM (SELECT *  FROM ") + tabla + QStringLiteral(" WHERE ROWNUM<=") + numero(p.PageSize)
           + QStringLiteral(" AND ") + clave + QStringLiteral(" NOT IN (SELECT ") + clave + QStringLiteral(" FROM ")
           + tabla + QStringLiteral(" ") + p.pWhere + enlace + QStringLiteral(" ROWNUM<=") + numero(salto)
           + QStringLiteral(" ") + orden + QStringLiteral(") ") + condicionesAgregadas(p) + QStringLiteral(" ") + orden
           + QStringLiteral(")  Paginacion ");
}

} // namespace

QString claveEfectiva(const QString &clave)
{
    return clave.isEmpty() ? QStringLiteral("ID") : clave;
}

bool tieneUnionOAgrupacion(const QString &sql)
{
    const PalabrasSQL palabras(sql);
    // SELECTs joined by UNION, EXCEPT or INTERSECT read no one table a page could be cut from.
    return palabras.contiene(QStringLiteral("JOIN")) || palabras.contiene(QStringLiteral("GROUP BY"))
           || palabras.buscar(QStringLiteral("UNION")) >= 0 || palabras.buscar(QStringLiteral("EXCEPT")) >= 0
           || palabras.buscar(QStringLiteral("INTERSECT")) >= 0;
}

bool seMuestraEntera(const QString &sql)
{
    const PalabrasSQL palabras(sql);
    return palabras.contiene(QStringLiteral("EXEC")) || palabras.contiene(QStringLiteral("EXECUTE"))
           || tieneUnionOAgrupacion(sql);
}

QString ArmarWhere(const QString &sql, const QString &pFiltro)
{
    const PalabrasSQL palabras(sql);
    if (palabras.buscar(QStringLiteral("WHERE")) < 0)
        return pFiltro.isEmpty() ? QString() : QStringLiteral(" where ") + pFiltro;
    const QString propia = palabras.condicionPropia();
    if (pFiltro.isEmpty())
        return QStringLiteral("WHERE ") + propia;
    return QStringLiteral("WHERE (") + propia + QStringLiteral(") AND ") + pFiltro;
}

long filasSaltadas(const Paginado &p)
{
    return p.PageSize * p.pagina - p.PageSize;
}

QString ArmarSQLPaginado(const Paginado &p)
{
    if (tieneUnionOAgrupacion(p.sql))
        return {};
    const QString tabla = PalabrasSQL(p.sql).tabla();
    const QString clave = claveEfectiva(p.clave);
    return p.oracle ? formaOracle(p, tabla, clave) : formaSqlServer(p, tabla, clave);
}

QString ordenExterior(const QString &OrderBy)
{
    const QRegularExpressionMatch inicio = cabeceraDeOrden(OrderBy);
    if (!inicio.hasMatch())
        return OrderBy;
    QStringList calificados;
    for (const QString &termino : terminos(OrderBy.mid(inicio.capturedEnd())))
        calificados << (columnaSola().match(termino).hasMatch() ? QStringLiteral("Paginacion.") + termino : termino);
    return QStringLiteral(" ") + inicio.captured(0).trimmed() + QStringLiteral(" ") + calificados.join(u", ")
           + QStringLiteral(" ");
}

QString ordenDePaginado(const QString &OrderBy, const QString &clave)
{
    const QRegularExpressionMatch inicio = cabeceraDeOrden(OrderBy);
    if (!inicio.hasMatch())
        return QStringLiteral(" Order by ") + clave + QStringLiteral(" ");
    for (const QString &termino : terminos(OrderBy.mid(inicio.capturedEnd()))) {
        const QRegularExpressionMatch columna = columnaSola().match(termino);
        if (columna.hasMatch()
            && rt::StrComp(NombresSQL::sinComillasDeNombre(columna.captured(1)), clave, CompareMode::Text) == 0)
            return OrderBy;
    }
    return rt::RTrim(OrderBy) + QStringLiteral(", ") + clave + QStringLiteral(" ");
}

QString ArmarCampos(const QString &lista, const TablaEquivalencias &equivalencias)
{
    QString resultado;
    for (const NombresSQL::Parte &item : NombresSQL::partes(lista)) {
        const QString equivalente = equivalencias.EquiCampo(item.texto, false);
        const bool esAlias = rt::StrComp(equivalente, item.texto, CompareMode::Text) != 0;
        resultado += (esAlias ? equivalente + QStringLiteral(" as ") + item.texto : item.texto) + item.separador;
    }
    return resultado;
}

QString sentenciaPagina(const QString &listaCampos, const Paginado &p, const TablaEquivalencias &equivalencias)
{
    if (seMuestraEntera(p.sql))
        return p.sql;
    const QString sentencia = QStringLiteral("SELECT ") + QStringLiteral(" ") + ArmarCampos(listaCampos, equivalencias)
                              + QStringLiteral(" ") + ArmarSQLPaginado(p) + QStringLiteral(" ") + p.pWhere
                              + QStringLiteral(" ") + ordenExterior(ordenDePaginado(p.OrderBy, claveEfectiva(p.clave)));
    return NombresSQL::reemplazarFuera(sentencia, u'|', u',');
}

QString cuenta(const QString &sql, const QString &clave, const QString &pFiltro)
{
    return QStringLiteral("SELECT COUNT(*) AS Filas, COUNT(") + claveEfectiva(clave) + QStringLiteral(") AS Claves ")
           + PalabrasSQL(sql).origen() + QStringLiteral(" ") + ArmarWhere(sql, pFiltro);
}

QString sonda(const QString &sql)
{
    return PalabrasSQL(sql).sondaUnaFila();
}

} // namespace SentenciasGrilla
