// The article detail of the applied vouchers, the cancellations and the commission sums.

#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "session/ObjetosExternos.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/SentenciasLiquidacion.h"
#include "settlements/VentanaGeneracion.h"

#include <QLocale>

namespace SL = SentenciasLiquidacion;

namespace {

QString texto(ado::Recordset &rs, const QString &campo)
{
    return gUtil->ValorCampo(rs.Fields(campo));
}

// A number read back as SQL text exactly as stored, on every machine: the quantity of a
// repeated line must compare equal with itself.
QString numeroExacto(const rt::Variant &valor)
{
    switch (valor.type()) {
    case rt::VarType::Double:
        return QString::number(valor.asDouble(), 'g', QLocale::FloatingPointShortest);
    case rt::VarType::Null:
    case rt::VarType::Empty:
        return QStringLiteral("NULL");
    default:
        return rt::CStr(valor).replace(QLatin1Char(','), QLatin1Char('.'));
    }
}

// Whether a value reads as an empty text. A number or a date never does: it is not written out
// to tell (this runs for every article line).
bool leeVacio(const rt::Variant &valor)
{
    switch (valor.type()) {
    case rt::VarType::Integer:
    case rt::VarType::Long:
    case rt::VarType::Double:
    case rt::VarType::Currency:
    case rt::VarType::Date:
    case rt::VarType::Boolean:
        return false;
    default:
        return gUtil->ValorCampo(valor).isEmpty();
    }
}

} // namespace

GeneradorComisiones::Paso GeneradorComisiones::cargarDetalle()
{
    if (escribirOCerrar(SL::autoaplicarNotasDeCredito(m_numero)) == Paso::Cerrar)
        return Paso::Cerrar;
    m_contador = 0;
    mostrar(QStringLiteral("Cargando detalle ") + QString::number(m_contador));
    ado::Recordset rs;
    abrir(SL::detalleArticulos(m_numero), rs);
    bool vacia = true;
    m_paso.step([&] { vacia = rs.EOF_(); });
    if (vacia)
        return Paso::Seguir;
    if (escribirOCerrar(SL::borrarDetalle(m_numero)) == Paso::Cerrar)
        return Paso::Cerrar;
    return recorrer(rs, QStringLiteral("Cargando detalle "), false, [&] { return insertarLineaDetalle(rs); });
}

GeneradorComisiones::Paso GeneradorComisiones::insertarLineaDetalle(ado::Recordset &rs)
{
    // Names and kinds as static texts: this runs for every article line.
    const QString entreComillas = QStringLiteral("'");
    const QString numero = QStringLiteral("@");
    QStringList valores;
    valores.reserve(13);
    m_paso.step([&] {
        const auto literal = [&](const QString &campo, const QString &tipo) {
            valores.append(m_db.SQLValue(rs.Fields(campo).Value(), tipo));
        };
        literal(QStringLiteral("TC"), entreComillas);
        literal(QStringLiteral("IdComprobante"), entreComillas);
        literal(QStringLiteral("Articulo"), entreComillas);
        for (const QString &campo :
             {QStringLiteral("Cantidad"), QStringLiteral("valorvtaconiva"), QStringLiteral("AlicuotaIVA"),
              QStringLiteral("valorventa"), QStringLiteral("porcdescuentocobranza"), QStringLiteral("ImporteNeto"),
              QStringLiteral("importecomision")})
            literal(campo, numero);
        const rt::Variant comision = rs.Fields(QStringLiteral("Comision")).Value();
        valores.append(m_db.SQLValue(leeVacio(comision) ? rt::Variant(0) : comision, numero));
        literal(QStringLiteral("IdLista"), entreComillas);
        literal(QStringLiteral("cbtc"), entreComillas);
        literal(QStringLiteral("IdCobranza"), entreComillas);
    });
    return escribirOCerrar(SL::insertarDetalle(m_numero, std::move(valores)));
}

// A credit note applied in full to a voucher earns nothing and collects nothing.
GeneradorComisiones::Paso GeneradorComisiones::anularNotasDeCredito()
{
    m_contador = 0;
    ado::Recordset rs;
    abrir(SL::notasDeCreditoTotales(m_numero), rs);
    return recorrer(rs, QStringLiteral("Actualizando Comisiones nc "), true, [&] {
        QString cbtc;
        QString idCobranza;
        m_paso.step([&] {
            cbtc = texto(rs, QStringLiteral("cbtc"));
            idCobranza = texto(rs, QStringLiteral("IdCobranza"));
        });
        if (escribirOCerrar(SL::anularDetalleNotaCredito(m_numero, cbtc, idCobranza)) == Paso::Cerrar)
            return Paso::Cerrar;
        return escribirOCerrar(SL::anularCobranzaNotaCredito(m_numero, cbtc, idCobranza));
    });
}

// Of equal lines (voucher, article and quantity) only the last inserted keeps its commission.
GeneradorComisiones::Paso GeneradorComisiones::anularLineasRepetidas()
{
    m_contador = 0;
    ado::Recordset rs;
    abrir(SL::lineasRepetidas(m_numero), rs);
    return recorrer(rs, QStringLiteral("Actualizando Comisiones det 2 "), true, [&] {
        ado::LiteralText sentencia;
        m_paso.step([&] {
            sentencia = SL::anularLineasRepetidas(
                m_numero, texto(rs, QStringLiteral("tc")), texto(rs, QStringLiteral("idcomprobante")),
                texto(rs, QStringLiteral("idarticulo")), numeroExacto(rs.Fields(QStringLiteral("id")).Value()),
                numeroExacto(rs.Fields(QStringLiteral("cantidad")).Value()));
        });
        return escribirOCerrar(sentencia);
    });
}

GeneradorComisiones::Paso GeneradorComisiones::sumarComisiones()
{
    const auto comision = [&](ado::Recordset &rs) {
        return m_db.SQLValue(rs.Fields(QStringLiteral("comision")).Value(), QStringLiteral("@"));
    };
    m_contador = 0;
    ado::Recordset comprobantes;
    abrir(SL::comisionPorComprobante(m_numero), comprobantes);
    const Paso paso = recorrer(comprobantes, QStringLiteral("Actualizando Comisiones "), true, [&] {
        ado::LiteralText sentencia;
        m_paso.step([&] {
            sentencia = SL::actualizarComisionComprobante(m_numero, comision(comprobantes),
                                                          texto(comprobantes, QStringLiteral("tc")),
                                                          texto(comprobantes, QStringLiteral("idcomprobante")));
        });
        return escribirOCerrar(sentencia);
    });
    if (paso == Paso::Cerrar)
        return Paso::Cerrar;
    m_contador = 0;
    ado::Recordset cobranzas;
    abrir(SL::comisionPorCobranza(m_numero), cobranzas);
    return recorrer(cobranzas, QStringLiteral("Actualizando Comisiones "), true, [&] {
        ado::LiteralText sentencia;
        m_paso.step([&] {
            sentencia =
                SL::actualizarComisionCobranza(m_numero, comision(cobranzas), texto(cobranzas, QStringLiteral("cbtc")),
                                               texto(cobranzas, QStringLiteral("idcobranza")));
        });
        return escribirOCerrar(sentencia);
    });
}
