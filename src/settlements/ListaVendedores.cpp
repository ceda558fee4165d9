#include "settlements/ListaVendedores.h"

#include "session/ObjetosExternos.h"
#include "settlements/CargadorLista.h"

namespace {

enum Suma { SumaComision, SumaCobrado, CantidadSumas };

const std::vector<ColumnaLista> &columnas()
{
    static const std::vector<ColumnaLista> lista = {
        {QStringLiteral("Vendedor"), 4},
        {QStringLiteral("Nombre"), 16},
        {QStringLiteral("Comision"), 12, Alineacion::Derecha},
        {QStringLiteral("Cobranzas"), 12, Alineacion::Derecha},
    };
    return lista;
}

} // namespace

ListaVendedores::ListaVendedores(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base)
    : m_lista(lista)
    , m_fuente(fuenteVentana)
    , m_base(base)
{
}

void ListaVendedores::mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana)
{
    CargadorLista::disponerColumnas(lista, fuenteVentana, columnas(), false);
}

QString ListaVendedores::sentencia(const QString &idLiquidacion)
{
    return QStringLiteral("SELECT a.IDVENDEDOR, nombre, SUM(TOTALCOBRADO)  AS TotalCobrado, sum(Comision) as "
                          "TotalComision    FROM [V_COMISIONES_VENDEDOR_COB] a ")
           + QStringLiteral(" left outer join V_TA_VENDEDORES b on a.IdVendedor = b.idvendedor  ")
           + QStringLiteral(" where a.idliquidacion = ") + idLiquidacion + QStringLiteral(" ")
           + QStringLiteral(" GROUP BY a.IdVendedor , b.nombre order by a.idvendedor ");
}

void ListaVendedores::cargar(const QString &idLiquidacion)
{
    CargadorLista cargador(m_lista, m_fuente, m_base);
    cargador.reiniciar(columnas(), false);
    cargador.abrir(sentencia(idLiquidacion));
    if (cargador.hayFilas()) {
        SumasImportes sumas(CantidadSumas);
        ado::Recordset &rs = cargador.filas();
        while (!rs.EOF_()) {
            // A salesperson missing from the salespersons table has no name: it shows blank
            // instead of stopping the list.
            const rt::Variant comision = rs(QStringLiteral("TotalComision"));
            const rt::Variant cobrado = rs(QStringLiteral("TotalCobrado"));
            cargador.agregarFila({gUtil->ValorCampo(rs(QStringLiteral("IDVENDEDOR"))),
                                  gUtil->ValorCampo(rs(QStringLiteral("nombre"))), ImporteLista(comision),
                                  ImporteLista(cobrado)});
            sumas.sumar(SumaComision, comision);
            sumas.sumar(SumaCobrado, cobrado);
            rs.MoveNext();
        }
        cargador.agregarFila({QStringLiteral("Tot"), QString(), sumas.texto(SumaComision), sumas.texto(SumaCobrado)});
    }
    cargador.cerrar();
}
