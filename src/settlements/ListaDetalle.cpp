#include "settlements/ListaDetalle.h"

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
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

// How a field becomes the text of its cell: Texto and Importe need a value (a Null raises 94),
// Nulable shows a Null as an empty text.
enum class Forma { Texto, Nulable, SinBlancosIniciales, Importe };

struct Celda {
    QString campo;
    Forma forma;
};

// The cells of a detail row before its ordinal, in column order.
const std::array<Celda, 16> celdas = {{
    {QStringLiteral("tc"), Forma::Nulable},
    {QStringLiteral("IdComprobante"), Forma::Texto},
    {QStringLiteral("Fecha"), Forma::Texto},
    {QStringLiteral("IdArticulo"), Forma::SinBlancosIniciales},
    {QStringLiteral("Descripcion"), Forma::Nulable},
    {QStringLiteral("Cantidad"), Forma::Importe},
    {QStringLiteral("valorvtaconiva"), Forma::Importe},
    {QStringLiteral("AlicuotaIVA"), Forma::Importe},
    {QStringLiteral("valorventa"), Forma::Importe},
    {QStringLiteral("porcdescuentocobranza"), Forma::Importe},
    {QStringLiteral("ImporteNeto"), Forma::Importe},
    {QStringLiteral("importecomision"), Forma::Importe},
    {QStringLiteral("Comision"), Forma::Importe},
    {QStringLiteral("IdLista"), Forma::Texto},
    {QStringLiteral("cbtc"), Forma::Nulable},
    {QStringLiteral("IdCobranza"), Forma::Nulable},
}};

// The summed columns: their field and their position in the row.
struct Suma {
    QString campo;
    int columna;
};
const std::array<Suma, 5> sumas = {{
    {QStringLiteral("Cantidad"), 5},
    {QStringLiteral("valorvtaconiva"), 6},
    {QStringLiteral("valorventa"), 8},
    {QStringLiteral("ImporteNeto"), 10},
    {QStringLiteral("importecomision"), 11},
}};

constexpr int ColumnaTotales = 4;

QString textoCelda(const Celda &celda, ado::Recordset &rs)
{
    const rt::Variant &valor = rs(celda.campo);
    switch (celda.forma) {
    case Forma::Nulable:
        return gUtil->ValorCampo(valor);
    case Forma::SinBlancosIniciales:
        return rt::LTrim(rt::CStr(valor));
    case Forma::Importe:
        // Read as a number without the trip through its text; a Null fails as its text does.
        if (valor.isNull())
            return FmtMoneda(rt::CStr(valor), 2, true);
        return FmtMoneda(gUtil->ValorNumerico(valor), 2, true);
    case Forma::Texto:
        break;
    }
    return rt::CStr(valor);
}

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
    if (!paso([&] { vendedor = vendedorElegido(vendedores); }))
        return;
    const QString texto = sentencia(numero, vendedor, cbtc, idCobranza, tc, idComprobante);
    CargadorLista cargador(m_lista, m_fuente, m_base);
    if (!paso([&] { cargador.reiniciar(columnas(), true); }) || !paso([&] { cargador.abrir(texto); }))
        return;
    // A query that did not open, once ignored, counts as one without rows.
    bool conFilas = false;
    if (!paso([&] { conFilas = cargador.hayFilas(); }))
        return;
    if (conFilas && !cargarFilas(cargador))
        return;
    paso([&] { cargador.cerrar(); });
}

bool ListaDetalle::cargarFilas(CargadorLista &cargador)
{
    ado::Recordset &rs = cargador.filas();
    std::array<rt::Currency, sumas.size()> totales{};
    int contador = 0;
    for (;;) {
        // A failed end test, once ignored, ends the rows rather than reading past them.
        bool fin = true;
        if (!paso([&] { fin = rs.EOF_(); }))
            return false;
        if (fin)
            break;
        ++contador;
        QStringList textos;
        textos.reserve(static_cast<qsizetype>(celdas.size()) + 1);
        for (const Celda &celda : celdas) {
            QString texto;
            if (!paso([&] { texto = textoCelda(celda, rs); }))
                return false;
            textos << texto;
        }
        textos << QString::number(contador);
        if (!paso([&] { cargador.agregarFila(textos); }))
            return false;
        for (size_t i = 0; i < sumas.size(); ++i) {
            if (!paso([&] { totales.at(i) += rt::CCur(rs(sumas.at(i).campo)); }))
                return false;
        }
        if (!paso([&] { rs.MoveNext(); }))
            return false;
    }
    ++contador;
    QStringList total(static_cast<int>(columnas().size()));
    total[0] = textoFilaTotal();
    total[ColumnaTotales] = QStringLiteral("TOTALES");
    for (size_t i = 0; i < sumas.size(); ++i)
        total[sumas.at(i).columna] = ImporteLista(rt::Variant(totales.at(i)));
    total.back() = QString::number(contador);
    return paso([&] { cargador.agregarFila(total); });
}

bool ListaDetalle::paso(rt::Statement sentencia) const
{
    return m_pasos.proceed(sentencia);
}
