#include "settlements/ListaDetalle.h"

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"
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
        {QStringLiteral("Fecha"), 10, Alineacion::Izquierda},
        {QStringLiteral("Articulo"), 13},
        {QStringLiteral("Descripcion"), 18},
        {QStringLiteral("Cantidad"), 12, Alineacion::Derecha},
        {QStringLiteral("Vta ConIVA"), 12, Alineacion::Derecha},
        {QStringLiteral("Alicuota"), 8, Alineacion::Derecha},
        {QStringLiteral("Valor Vta  "), 12, Alineacion::Derecha},
        {QStringLiteral("Dto.Cobranza"), 8, Alineacion::Derecha},
        {QStringLiteral("Importe Neto"), 12, Alineacion::Derecha},
        {QStringLiteral("Importe Comision"), 12, Alineacion::Derecha},
        {QStringLiteral("% Comision"), 6, Alineacion::Derecha},
        {QStringLiteral("Lista"), 6},
        {QStringLiteral("CbTc"), 6},
        {QStringLiteral("Cobranza"), 13},
        {QStringLiteral("Id"), 5},
    };
    return lista;
}

QString sinBlancosIniciales(const rt::Variant &valor)
{
    return rt::LTrim(rt::CStr(valor));
}

// Read as a number without the trip through its text; a Null fails as its text does.
QString importe(const rt::Variant &valor)
{
    if (valor.isNull())
        return FmtMoneda(rt::CStr(valor), 2, true);
    return FmtMoneda(gUtil->ValorNumerico(valor), 2, true);
}

// The cells of a detail row before its ordinal, in column order: the field and how it shows.
// rt::CStr and importe need a value (a Null raises 94); textoNulable shows a Null as empty.
struct Celda {
    const char *campo;
    CampoLista::Formato formato;
};
constexpr std::array<Celda, 16> celdas = {{
    {"tc", &textoNulable},
    {"IdComprobante", &rt::CStr},
    {"Fecha", &rt::CStr},
    {"IdArticulo", &sinBlancosIniciales},
    {"Descripcion", &textoNulable},
    {"Cantidad", &importe},
    {"valorvtaconiva", &importe},
    {"AlicuotaIVA", &importe},
    {"valorventa", &importe},
    {"porcdescuentocobranza", &importe},
    {"ImporteNeto", &importe},
    {"importecomision", &importe},
    {"Comision", &importe},
    {"IdLista", &rt::CStr},
    {"cbtc", &textoNulable},
    {"IdCobranza", &textoNulable},
}};

// The summed columns: their field and their position in the row.
struct Suma {
    const char *campo;
    int columna;
};
constexpr std::array<Suma, 5> sumas = {{
    {"Cantidad", 5},
    {"valorvtaconiva", 6},
    {"valorventa", 8},
    {"ImporteNeto", 10},
    {"importecomision", 11},
}};

constexpr int ColumnaTotales = 4;

bool esNotaDeCredito(const QString &tc)
{
    const QString tipo = rt::Trim(tc);
    return tipo.compare(QStringLiteral("NC"), Qt::CaseInsensitive) == 0
           || tipo.compare(QStringLiteral("NCFP"), Qt::CaseInsensitive) == 0;
}

// A condition on a key pair: " and a.<a> = 'x' and a.<b> = 'y'"; empty without a type.
QString condicionClave(const QString &campoTipo, const QString &tipo, const QString &campoNumero, const QString &numero)
{
    if (tipo.isEmpty())
        return {};
    return QStringLiteral(" and a.") + campoTipo + QStringLiteral(" = '") + DB_Dll::escaparComillas(tipo)
           + QStringLiteral("' and a.") + campoNumero + QStringLiteral(" = '") + DB_Dll::escaparComillas(numero)
           + QStringLiteral("'");
}

} // namespace

ListaDetalle::ListaDetalle(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base, rt::ErrorHandler tratarError)
    : m_lista(lista)
    , m_fuente(fuenteVentana)
    , m_base(base)
    , m_pasos(std::move(tratarError))
{
}

void ListaDetalle::mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana)
{
    CargadorLista::disponerColumnas(lista, fuenteVentana, columnas(), true);
}

QString ListaDetalle::sentencia(const QString &idLiquidacion, const QString &idVendedor, const QString &cbtc,
                                const QString &idCobranza, const QString &tc, const QString &idComprobante)
{
    // A credit note listed among the collections does not narrow the lines to itself.
    const QString cobranza =
        esNotaDeCredito(cbtc) ? QString()
                              : condicionClave(QStringLiteral("cbtc"), cbtc, QStringLiteral("idcobranza"), idCobranza);
    const QString comprobante =
        condicionClave(QStringLiteral("tc"), tc, QStringLiteral("idcomprobante"), idComprobante);
    return QStringLiteral(" ")
           + QStringLiteral(" SELECT  a.tc,a.idcomprobante,e.fecha, a.idarticulo, d.descripcion, a.cantidad, "
                            "a.valorvtaconiva,")
           + QStringLiteral(" a.alicuotaiva,a.valorventa,a.porcdescuentocobranza,a.importeneto,")
           + QStringLiteral(" a.importecomision,a.comision,a.idlista, a.cbtc, a.idcobranza, c.IdVendedor    FROM "
                            "[V_COMISIONES_VENDEDOR_DET] a")
           + QStringLiteral(" inner join v_comisiones_vendedor_apl b on")
           + QStringLiteral(" a.TC = b.TC And a.IdComprobante = b.IdComprobante")
           + QStringLiteral(" inner join v_comisiones_vendedor_cob c on")
           + QStringLiteral(" b.cbtc = c.cbtc And b.idcobranza = c.idcobranza")
           + QStringLiteral(" left outer join  v_ma_articulos d on") + QStringLiteral(" a.idArticulo = D.idArticulo")
           + QStringLiteral(" left outer join V_MV_CPTE e on")
           + QStringLiteral(" a.tc = e.tc and a.idcomprobante = e.idcomprobante")
           + QStringLiteral(" where c.idliquidacion = ") + idLiquidacion + QStringLiteral(" and c.idvendedor = '")
           + idVendedor + QStringLiteral("'") + QStringLiteral(" ") + cobranza + QStringLiteral(" ") + comprobante
           + QStringLiteral(" order by  b.cbtc, b.idcobranza, b.tc,b.idcomprobante");
}

void ListaDetalle::cargar(const QString &idLiquidacion, const QTreeWidget &vendedores, const QString &cbtc,
                          const QString &idCobranza, const QString &tc, const QString &idComprobante)
{
    const QString numero = rt::Trim(idLiquidacion);
    if (numero.isEmpty())
        return;
    QString vendedor;
    if (!m_pasos.proceed([&] { vendedor = vendedorElegido(vendedores); }))
        return;
    const QString texto = sentencia(numero, vendedor, cbtc, idCobranza, tc, idComprobante);
    CargadorLista cargador(m_lista, m_fuente, m_base);
    if (!m_pasos.proceed([&] { cargador.reiniciar(columnas(), true); })
        || !m_pasos.proceed([&] { cargador.abrir(texto); }))
        return;
    // A query that did not open, once ignored, counts as one without rows.
    bool conFilas = false;
    if (!m_pasos.proceed([&] { conFilas = cargador.hayFilas(); }))
        return;
    if (conFilas && !cargarFilas(cargador))
        return;
    m_pasos.run([&] { cargador.cerrar(); });
}

bool ListaDetalle::cargarFilas(CargadorLista &cargador)
{
    ado::Recordset &rs = cargador.filas();
    std::vector<CampoLista> campos;
    campos.reserve(celdas.size());
    for (const Celda &celda : celdas)
        campos.emplace_back(QLatin1String(celda.campo), celda.formato);
    std::vector<CampoLista> sumados;
    sumados.reserve(sumas.size());
    for (const Suma &suma : sumas)
        sumados.emplace_back(QLatin1String(suma.campo));
    std::array<rt::Currency, sumas.size()> totales{};
    int contador = 0;
    for (;;) {
        // A failed end test, once ignored, ends the rows rather than reading past them.
        bool fin = true;
        if (!m_pasos.proceed([&] { fin = rs.EOF_(); }))
            return false;
        if (fin)
            break;
        ++contador;
        QStringList textos;
        textos.reserve(static_cast<qsizetype>(celdas.size()) + 1);
        for (CampoLista &campo : campos) {
            QString texto;
            if (!m_pasos.proceed([&] { texto = campo.texto(rs); }))
                return false;
            textos << texto;
        }
        textos << QString::number(contador);
        if (!m_pasos.proceed([&] { cargador.agregarFila(textos); }))
            return false;
        for (size_t i = 0; i < sumas.size(); ++i) {
            if (!m_pasos.proceed([&] { totales.at(i) += rt::CCur(sumados.at(i).valor(rs)); }))
                return false;
        }
        if (!m_pasos.proceed([&] { rs.MoveNext(); }))
            return false;
    }
    ++contador;
    QStringList total(static_cast<int>(columnas().size()));
    total[0] = textoFilaTotal();
    total[ColumnaTotales] = QStringLiteral("TOTALES");
    for (size_t i = 0; i < sumas.size(); ++i)
        total[sumas.at(i).columna] = ImporteLista(rt::Variant(totales.at(i)));
    total.back() = QString::number(contador);
    return m_pasos.proceed([&] { cargador.agregarFila(total); });
}
