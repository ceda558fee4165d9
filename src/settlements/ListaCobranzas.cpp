#include "settlements/ListaCobranzas.h"

#include "platform/runtime/Format.h"
#include "platform/runtime/Text.h"
#include "settlements/CampoLista.h"
#include "settlements/CargadorLista.h"
#include "settlements/SeleccionListas.h"

#include <QTreeWidget>
#include <array>
#include <vector>

namespace {

const std::vector<ColumnaLista> &columnas()
{
    static const std::vector<ColumnaLista> lista = {
        {QStringLiteral("CbTc"), 6},
        {QStringLiteral("IdCobranza"), 13},
        {QStringLiteral("Razon Social"), 15},
        {QStringLiteral("Fecha Cob"), 10, Alineacion::Izquierda},
        {QStringLiteral("Comision"), 10, Alineacion::Derecha},
        {QStringLiteral("Total Cobrado"), 12, Alineacion::Derecha},
        {QStringLiteral("Descuento"), 12, Alineacion::Derecha},
        {QStringLiteral("Efectivo"), 12, Alineacion::Derecha},
        {QStringLiteral("Cheque"), 12, Alineacion::Derecha},
        {QStringLiteral("Tarjeta"), 12, Alineacion::Derecha},
        {QStringLiteral("Banco"), 12, Alineacion::Derecha},
        {QStringLiteral("Retenciones"), 12, Alineacion::Derecha},
        {QStringLiteral("Otros"), 12, Alineacion::Derecha},
        {QStringLiteral("observaciones"), 20},
        {QStringLiteral("Id"), 5},
    };
    return lista;
}

// The amount fields, in the order of their columns (sub-items 4 to 12).
constexpr std::array<const char *, 9> camposImporte = {"Comision", "TotalCobrado", "Descuentos",  "Efectivo", "Cheque",
                                                       "Tarjeta",  "Banco",        "Retenciones", "otros"};

QString fecha(const rt::Variant &valor)
{
    return rt::Format(valor, QStringLiteral("DD/MM/YYYY"));
}

QString observaciones(const rt::Variant &valor)
{
    return rt::Trim(textoNulable(valor));
}

} // namespace

ListaCobranzas::ListaCobranzas(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base)
    : m_lista(lista)
    , m_fuente(fuenteVentana)
    , m_base(base)
{
}

void ListaCobranzas::mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana)
{
    CargadorLista::disponerColumnas(lista, fuenteVentana, columnas(), true);
}

QString ListaCobranzas::sentencia(const QString &idLiquidacion, const QString &idVendedor)
{
    return QStringLiteral(" SELECT a.*, b.detalle FROM [V_COMISIONES_VENDEDOR_COB] a ")
           + QStringLiteral(" left outer join mv_asientos b on a.cbtc = b.tc and a.idcobranza = "
                            "b.sucursal+b.numero+b.letra and b.secuencia = 1 ")
           + QStringLiteral(" where a.idliquidacion = ") + idLiquidacion + QStringLiteral(" and a.idvendedor = '")
           + idVendedor + QStringLiteral("'") + QStringLiteral(" order by fechaCob, cbtc,Idcobranza ");
}

void ListaCobranzas::cargar(const QString &idLiquidacion, const QTreeWidget &vendedores)
{
    CargadorLista cargador(m_lista, m_fuente, m_base);
    cargador.reiniciar(columnas(), true);
    cargador.abrir(sentencia(idLiquidacion, vendedorElegido(vendedores)));
    if (cargador.hayFilas()) {
        SumasImportes sumas(static_cast<int>(camposImporte.size()));
        ado::Recordset &rs = cargador.filas();
        CampoLista cbtc(QStringLiteral("cbtc"), &textoNulable);
        CampoLista idCobranza(QStringLiteral("IdCobranza"), &textoNulable);
        CampoLista detalle(QStringLiteral("detalle"), &textoNulable);
        CampoLista fechaCob(QStringLiteral("FechaCob"), &fecha);
        std::vector<CampoLista> importes;
        for (const char *campo : camposImporte)
            importes.emplace_back(QLatin1String(campo), &ImporteLista);
        CampoLista observacion(QStringLiteral("Observaciones"), &observaciones);
        int ordinal = 0;
        while (!rs.EOF_()) {
            ++ordinal;
            QStringList textos = {cbtc.texto(rs), idCobranza.texto(rs), detalle.texto(rs), fechaCob.texto(rs)};
            for (int i = 0; i < static_cast<int>(importes.size()); ++i) {
                CampoLista &importe = importes.at(static_cast<size_t>(i));
                textos << importe.texto(rs);
                sumas.sumar(i, importe.valor(rs));
            }
            textos << observacion.texto(rs) << QString::number(ordinal);
            cargador.agregarFila(textos);
            rs.MoveNext();
        }
        ++ordinal;
        QStringList total = {QStringLiteral("Tot"), QString(), QStringLiteral("TOTALES"), QString()};
        for (int i = 0; i < static_cast<int>(camposImporte.size()); ++i)
            total << sumas.texto(i);
        total << QString() << QString::number(ordinal);
        cargador.agregarFila(total);
    }
    cargador.cerrar();
}
