#include "settlements/ListaAplicaciones.h"

#include "db/DB_Dll.h"
#include "session/ObjetosExternos.h"
#include "settlements/CargadorLista.h"
#include "settlements/SeleccionListas.h"

#include <array>

namespace {

const std::vector<ColumnaLista> &columnas()
{
    static const std::vector<ColumnaLista> lista = {
        {QStringLiteral("TC"), 6},
        {QStringLiteral("Comprobante"), 13},
        {QStringLiteral("Razon Social"), 16},
        {QStringLiteral("Fecha"), 10, Alineacion::Izquierda},
        {QStringLiteral("Comision"), 12, Alineacion::Derecha},
        {QStringLiteral("Neto "), 12, Alineacion::Derecha},
        {QStringLiteral("Total"), 12, Alineacion::Derecha},
        {QStringLiteral("CbTc"), 6},
        {QStringLiteral("Cobranza"), 13},
        {QStringLiteral("Id"), 5},
    };
    return lista;
}

// The amount fields, in the order of their columns (sub-items 4 to 6).
const std::array<QString, 3> camposImporte = {QStringLiteral("Comision"), QStringLiteral("Neto"),
                                              QStringLiteral("total")};

QString filtroCobranza(const QString &cbtc, const QString &idCobranza)
{
    if (cbtc.isEmpty())
        return {};
    return QStringLiteral(" and a.cbtc = '") + DB_Dll::escaparComillas(cbtc) + QStringLiteral("' and a.idcobranza = '")
           + DB_Dll::escaparComillas(idCobranza) + QStringLiteral("'");
}

} // namespace

ListaAplicaciones::ListaAplicaciones(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base)
    : m_lista(lista)
    , m_fuente(fuenteVentana)
    , m_base(base)
{
}

void ListaAplicaciones::mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana)
{
    CargadorLista::disponerColumnas(lista, fuenteVentana, columnas(), true);
}

QString ListaAplicaciones::sentencia(const QString &idLiquidacion, const QString &idVendedor, const QString &cbtc,
                                     const QString &idCobranza)
{
    return QStringLiteral(" ")
           + QStringLiteral(" SELECT a.idLiquidacion, c.IdVendedor, b.FECHA ,b.nombre, a.Tc, a.IDComprobante , "
                            "a.Comision ,")
           + QStringLiteral(" case when a.Tc = 'NCFP' OR a.TC = 'NC' THEN  (b.NetoGravado + b.NetoNoGravado)  * -1")
           + QStringLiteral(" else  b.NetoGravado + b.NetoNoGravado END as Neto,")
           + QStringLiteral(
               " case when a.Tc = 'NCFP' OR a.TC = 'NC' THEN   b.IMPORTE * -1 ELSE B.IMPORTE END as total,")
           + QStringLiteral(" a.cbtc, a.idcobranza") + QStringLiteral(" FROM [V_COMISIONES_VENDEDOR_APL]  a")
           + QStringLiteral(" inner join V_COMISIONES_VENDEDOR_COB c on")
           + QStringLiteral(" c.idLiquidacion = a.idLiquidacion And c.CbTc = a.CbTc And c.IdCobranza = a.IdCobranza")
           + QStringLiteral(" left outer join V_MV_CPTE b on")
           + QStringLiteral(" a.TC = b.TC And a.IdComprobante = b.IdComprobante")
           + QStringLiteral(" where c.idliquidacion = ") + idLiquidacion + QStringLiteral(" and c.idvendedor = '")
           + idVendedor + QStringLiteral("'") + filtroCobranza(cbtc, idCobranza)
           + QStringLiteral(" order by  a.cbtc, a.idcobranza,a.tc,a.idcomprobante  ");
}

void ListaAplicaciones::cargar(const QString &idLiquidacion, const QTreeWidget &vendedores, const QString &cbtc,
                               const QString &idCobranza)
{
    // The statement is made before the list is touched: without a salesperson the list stays.
    const QString texto = sentencia(idLiquidacion, vendedorElegido(vendedores), cbtc, idCobranza);
    CargadorLista cargador(m_lista, m_fuente, m_base);
    cargador.reiniciar(columnas(), true);
    cargador.abrir(texto);
    if (cargador.hayFilas()) {
        SumasImportes sumas(static_cast<int>(camposImporte.size()));
        ado::Recordset &rs = cargador.filas();
        int ordinal = 0;
        while (!rs.EOF_()) {
            ++ordinal;
            // A voucher missing from the vouchers table has no customer, date or amounts: its
            // cells show empty or 0 instead of stopping the list.
            QStringList textos = {
                gUtil->ValorCampo(rs(QStringLiteral("Tc"))), gUtil->ValorCampo(rs(QStringLiteral("IDComprobante"))),
                gUtil->ValorCampo(rs(QStringLiteral("nombre"))), gUtil->ValorCampo(rs(QStringLiteral("FECHA")))};
            for (int i = 0; i < static_cast<int>(camposImporte.size()); ++i) {
                const rt::Variant importe = rs(camposImporte.at(static_cast<size_t>(i)));
                textos << ImporteLista(importe);
                sumas.sumar(i, importe);
            }
            textos << gUtil->ValorCampo(rs(QStringLiteral("cbtc")))
                   << gUtil->ValorCampo(rs(QStringLiteral("idcobranza"))) << QString::number(ordinal);
            cargador.agregarFila(textos);
            rs.MoveNext();
        }
        ++ordinal;
        QStringList total = {textoFilaTotal(), QString(), QString(), QStringLiteral("TOTALES")};
        for (int i = 0; i < static_cast<int>(camposImporte.size()); ++i)
            total << sumas.texto(i);
        total << QString() << QString() << QString::number(ordinal);
        cargador.agregarFila(total);
    }
    cargador.cerrar();
}
