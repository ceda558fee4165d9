#include "grid/CondicionesGrilla.h"

#include "db/DB_Dll.h"
#include "grid/NombresSQL.h"
#include "grid/PalabrasSQL.h"
#include "grid/TablaEquivalencias.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"

namespace CondicionesGrilla {

namespace {

using rt::CompareMode;

QString expresionDe(const QString &caption, const TablaEquivalencias &equivalencias)
{
    return equivalencias.EquiCampo(NombresSQL::entreCorchetes(caption), false);
}

} // namespace

std::optional<QString> condicionColumna(const Columna &columna, const QString &texto,
                                        const TablaEquivalencias &equivalencias)
{
    const QString expresion = expresionDe(columna.caption, equivalencias);
    const QString literal = DB_Dll::escaparComillas(texto);
    if (columna.fecha) {
        if (!rt::IsDate(texto))
            return std::nullopt;
        return QStringLiteral(" ") + expresion + QStringLiteral(" = '") + literal + QStringLiteral("'");
    }
    const QString valor =
        columna.texto ? expresion : QStringLiteral("CONVERT(NVARCHAR,") + expresion + QStringLiteral(")");
    if (!texto.contains(u'%') && !texto.contains(u'_') && !texto.contains(u'['))
        return QStringLiteral(" CHARINDEX('") + literal + QStringLiteral("', ") + valor + QStringLiteral(") > 0");
    return QStringLiteral(" ") + valor + QStringLiteral(" LIKE '%") + literal + QStringLiteral("%'");
}

QString condicionTodas(const QList<Columna> &columnas, const QString &texto, const TablaEquivalencias &equivalencias)
{
    QString piezas;
    for (const Columna &columna : columnas) {
        const std::optional<QString> pieza = condicionColumna(columna, texto, equivalencias);
        if (!pieza)
            continue;
        if (!piezas.isEmpty())
            piezas += QStringLiteral(" or ");
        piezas += *pieza;
    }
    return piezas.isEmpty() ? QString() : QStringLiteral(" (") + piezas + QStringLiteral(") ");
}

QString agregarCondicion(const QString &pFiltro, const QString &condicion)
{
    return rt::Trim(pFiltro).isEmpty() ? pFiltro + condicion : pFiltro + QStringLiteral(" and ") + condicion;
}

QString ArmarOrden(const QString &OrderBy, int OrdenSent, int Order, const QString &caption, const QString &sql,
                   const TablaEquivalencias &equivalencias)
{
    if (OrdenSent == 3)
        return OrderBy;
    if (OrdenSent == 0)
        return PalabrasSQL(sql).ordenPropio();
    const QString c = expresionDe(caption, equivalencias);
    const QString d = OrdenSent == 1 ? QStringLiteral(" Asc ") : QStringLiteral(" Desc ");
    if (Order == 1 || rt::Trim(OrderBy).isEmpty())
        return QStringLiteral(" Order by ") + c + d;
    QString orden = OrderBy;
    for (const QString &direccion : {QStringLiteral(" Asc"), QStringLiteral(" Desc")}) {
        for (const QString &forma : {c + direccion + QStringLiteral(" ,"), QStringLiteral(", ") + c + direccion + u' ',
                                     QStringLiteral(", ") + c + direccion, QStringLiteral(" ") + c + direccion + u' ',
                                     QStringLiteral(" ") + c + direccion})
            orden = rt::Replace(orden, forma, QString(), CompareMode::Text);
    }
    const bool vacio = rt::StrComp(rt::Trim(orden), QStringLiteral("Order by"), CompareMode::Text) == 0;
    return orden + (vacio ? QStringLiteral(" ") : QStringLiteral(", ")) + c + d;
}

} // namespace CondicionesGrilla
