#include "settlements/ListaAplicaciones.h"

#include "db/DB_Dll.h"
#include "settlements/CampoLista.h"
#include "settlements/CargadorLista.h"
#include "settlements/SeleccionListas.h"

#include <array>
#include <vector>

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
constexpr std::array<const char *, 3> camposImporte = {"Comision", "Neto", "total"};

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
        // A voucher missing from the vouchers table has no customer, date or amounts: its
        // cells show empty or 0 instead of stopping the list.
        std::vector<CampoLista> textosComprobante;
        for (const char *campo : {"Tc", "IDComprobante", "nombre", "FECHA"})
            textosComprobante.emplace_back(QLatin1String(campo), &textoNulable);
        std::vector<CampoLista> importes;
        for (const char *campo : camposImporte)
            importes.emplace_back(QLatin1String(campo), &ImporteLista);
        CampoLista cobranzaTipo(QStringLiteral("cbtc"), &textoNulable);
        CampoLista cobranzaNumero(QStringLiteral("idcobranza"), &textoNulable);
        int ordinal = 0;
        while (!rs.EOF_()) {
            ++ordinal;
            QStringList textos;
            for (CampoLista &campo : textosComprobante)
                textos << campo.texto(rs);
            for (int i = 0; i < static_cast<int>(importes.size()); ++i) {
                CampoLista &importe = importes.at(static_cast<size_t>(i));
                textos << importe.texto(rs);
                sumas.sumar(i, importe.valor(rs));
            }
            textos << cobranzaTipo.texto(rs) << cobranzaNumero.texto(rs) << QString::number(ordinal);
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
