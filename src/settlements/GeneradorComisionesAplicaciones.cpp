// The split of the settlement's collections by means of payment and the vouchers they paid.

#include "db/DB_Dll.h"
#include "session/ObjetosExternos.h"
#include "settlements/GeneradorComisiones.h"
#include "settlements/ImputacionCobranza.h"
#include "settlements/SentenciasLiquidacion.h"
#include "settlements/VentanaGeneracion.h"

namespace SL = SentenciasLiquidacion;

void GeneradorComisiones::discriminarCobranzas()
{
    m_ventana.procesarEventos();
    mostrar(QStringLiteral("Discriminando las cobranzas ") + QString::number(m_contador));
    ado::Recordset rs;
    m_paso.step([&] { m_db.AbrirRecordset(SL::cobranzasLiquidacion(m_numero), rs); });
    // One split for all the collections: it reads the discount account once.
    ImputacionCobranza imputacion(m_db);
    recorrer(rs, QStringLiteral("Cargando cobranzas "), true, [&] {
        imputarCobranza(rs, imputacion);
        return Paso::Seguir;
    });
}

void GeneradorComisiones::imputarCobranza(ado::Recordset &rs, ImputacionCobranza &imputacion)
{
    QString cbtc;
    QString idCobranza;
    m_paso.step([&] {
        cbtc = gUtil->ValorCampo(rs.Fields(QStringLiteral("cbtc")));
        idCobranza = gUtil->ValorCampo(rs.Fields(QStringLiteral("IdCobranza")));
    });
    ImportesImputacion importes;
    m_paso.step([&] {
        imputacion.ImputacionCob(cbtc, idCobranza.mid(0, 4), idCobranza.mid(4, 8), idCobranza.mid(12, 1), importes);
    });
    QStringList literales;
    m_paso.step([&] {
        for (const rt::Currency importe :
             {importes.Dto, importes.Ef, importes.Ch, importes.Tj, importes.DB, importes.Ret, importes.otros})
            literales.append(m_db.SQLValue(importe, QStringLiteral("@")));
    });
    // A failed update is reported and skipped: the collection keeps the table's defaults.
    escribir(SL::actualizarImputacion(literales, cbtc, idCobranza));
}

GeneradorComisiones::Paso GeneradorComisiones::cargarAplicaciones()
{
    m_ventana.procesarEventos();
    mostrar(QStringLiteral("Cargando cobranzas ") + QString::number(m_contador));
    ado::Recordset rs;
    abrir(SL::aplicaciones(m_numero), rs);
    bool vacia = true;
    m_paso.step([&] { vacia = rs.EOF_(); });
    if (vacia)
        return Paso::Seguir;
    if (escribirOCerrar(SL::borrarAplicaciones(m_numero)) == Paso::Cerrar)
        return Paso::Cerrar;
    return recorrer(rs, QStringLiteral("Cargando cobranzas "), false, [&] { return aplicarComprobante(rs); });
}

// A voucher enters one settlement once, with the first collection that paid it.
GeneradorComisiones::Paso GeneradorComisiones::aplicarComprobante(ado::Recordset &rs)
{
    QString tc;
    QString idComprobante;
    m_paso.step([&] {
        tc = gUtil->ValorCampo(rs.Fields(QStringLiteral("TC")));
        idComprobante = gUtil->ValorCampo(rs.Fields(QStringLiteral("IdComprobante")));
    });
    bool existe = false;
    m_paso.step([&] {
        existe = m_db.ExisteEnTabla(QStringLiteral("V_COMISIONES_VENDEDOR_APL"), QString(), QString(), nullptr, 8,
                                    SL::condicionAplicada(tc, idComprobante), true);
    });
    if (existe)
        return Paso::Seguir;
    QStringList valores;
    valores.reserve(5);
    m_paso.step([&] {
        // Names as static texts: this runs for every voucher applied.
        for (const QString &campo : {QStringLiteral("cbtc"), QStringLiteral("IdCobranza"), QStringLiteral("TC"),
                                     QStringLiteral("IdComprobante")})
            valores.append(m_db.SQLValue(rs.Fields(campo).Value(), QStringLiteral("'")));
        valores.append(m_db.SQLValue(rs.Fields(QStringLiteral("Comision")).Value(), QStringLiteral("@")));
    });
    return escribirOCerrar(SL::insertarAplicacion(m_numero, std::move(valores)));
}
