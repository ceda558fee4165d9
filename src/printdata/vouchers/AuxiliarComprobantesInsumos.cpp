#include "printdata/vouchers/AuxiliarComprobantes.h"

#include "core/ConfiguracionSesion.h"
#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Dialogs.h"
#include "printdata/vouchers/LotesSeries.h"
#include "printdata/vouchers/TextosComprobante.h"
#include "session/ObjetosExternos.h"

namespace SC = SentenciasComprobantes;

namespace {

QString moneda(const QString &texto)
{
    return SC::texto(FmtMoneda(texto, DecimalesConfigurados, false));
}

// Cut to the width and never padded: the blanks would be printed.
QString recortado(const QString &texto, int ancho)
{
    return rt::RTrim(gUtil->TextoSQL(texto, ancho));
}

} // namespace

void AuxiliarComprobantes::AgregarFilasInsumos()
{
    if (!m_idTarea.isEmpty())
        return;
    m_lotesComprobante.clear();
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::insumos(m_cpte.filtro), rs); });
    if (abierto(rs) && !rs.BOF()) {
        m_tituloSeccion = EsTipo(m_cpte.clave.tc, {"PR", "OT"})
                              ? QStringLiteral("Insumos - Materiales a Utilizar - Productos")
                              : QStringLiteral("Insumos - Materiales Utilizados - Productos");
        rt::runRoutine([&] { AgregarTituloSeccion(); });
        for (; !rs.EOF_(); rs.MoveNext())
            agregarLineaInsumo(rs);
    }
    m_db.CierraRecordset(rs);
    m_lotesComprobante = m_lotesComprobante.trimmed();
    if (!m_lotesComprobante.isEmpty())
        AgregarFilaLotes();
}

void AuxiliarComprobantes::agregarLineaInsumo(ado::Recordset &rs)
{
    const QString descripcion = gUtil->QuitarCaracter(valor(rs, QStringLiteral("Descripcion")).trimmed(), "'");
    camposArticulo(rs, descripcion);
    campo(QStringLiteral("Columna4"), [&] { return SC::texto(valor(rs, QStringLiteral("Cantidad"))); });
    preciosConIva(rs);
    campo(QStringLiteral("Columna7"), [&] { return moneda(valor(rs, QStringLiteral("Importe_S_IVA"))); });

    QString lote = valor(rs, QStringLiteral("Nro_Lote"));
    const QString serie = valor(rs, QStringLiteral("Nro_Serie"));
    QString textoLotes;
    m_pasos.step([&] { textoLotes = Cuenta_Series_Lotes(lote, serie); });
    m_textoLoteImpreso = textoLotes;
    const QString loteLeido = valor(rs, QStringLiteral("Nro_Lote"));
    if (EsTipo(m_cpte.clave.tc, {"NC"}))
        textoLotes = gUtil->QuitarCaracter(loteLeido, QString(CaracterLote()), QStringLiteral("|"));
    if (textoLotes.trimmed().size() > 50)
        textoLotes = recortado(textoLotes.trimmed(), 50);
    if (!m_textoLoteImpreso.trimmed().isEmpty())
        rt::runRoutine([&] { BuscarDespachoLote(); });
    else
        m_textoLoteImpreso = loteLeido;
    campo(QStringLiteral("Columna8"), [&] { return SC::texto(recortado(m_textoLoteImpreso.trimmed(), 50)); });
    m_lotesComprobante += QLatin1Char(' ') + textoLotes.trimmed();

    camposSerieYUnidades(rs);
    campo(QStringLiteral("CANTIDAD_ORIGEN"), [&] { return m_db.SQLValue(rs(QStringLiteral("CANTIDAD_ORIGEN")), "@"); });
    if (gMaderera) {
        campo(QStringLiteral("COLUMNA16"), [&] { return SC::texto(valor(rs, QStringLiteral("Ud_Pr"))); });
        campo(QStringLiteral("COLUMNA17"), [&] { return m_db.SQLValue(rs(QStringLiteral("Importe_Ud")), "@"); });
    } else {
        campo(QStringLiteral("COLUMNA17"), [&] { return m_db.SQLValue(rs(QStringLiteral("alicIva")), "@"); });
        campo(QStringLiteral("Columna16"), [&] { return SC::texto(recortado(descripcion, 50)); });
        campo(QStringLiteral("PiedePagina"), [&] {
            const QString articulo = valor(rs, QStringLiteral("IdArticulo"));
            if (!m_codigosProveedor.contains(articulo))
                m_codigosProveedor.insert(articulo, rt::CStr(m_db.DatosTabla(QStringLiteral("V_MA_ARTICULOS"), articulo,
                                                                             QStringLiteral("CodigoArtProveedor"),
                                                                             QStringLiteral("idarticulo"), 8)));
            return SC::texto(m_codigosProveedor.value(articulo).trimmed());
        });
    }
    if (!insertarFila()) {
        const QString error = m_db.gCnn.Errors()(0).Description;
        ui::MsgBox(error, ui::vbOKOnly);
    }
    if (m_textoLoteImpreso.trimmed() == QLatin1String("|"))
        m_textoLoteImpreso.clear();
    if (!m_textoLoteImpreso.trimmed().isEmpty())
        rt::runRoutine([&] { AgregarFilaDespacho(); });
}

void AuxiliarComprobantes::camposArticulo(ado::Recordset &rs, const QString &descripcion)
{
    camposClave(QStringLiteral("IN"));
    campo(QStringLiteral("Columna1"), [&] { return SC::texto(valor(rs, QStringLiteral("IdArticulo")).trimmed()); });
    campo(QStringLiteral("Columna2"), [&] { return SC::texto(descripcion); });
    campo(QStringLiteral("Columna3"), [&] { return SC::texto(valor(rs, QStringLiteral("IdUnidad"))); });
}

void AuxiliarComprobantes::camposSerieYUnidades(ado::Recordset &rs)
{
    campo(QStringLiteral("Columna9"), [&] {
        return SC::texto(
            gUtil->LimpiarTextoFormula(gUtil->QuitarCaracter(valor(rs, QStringLiteral("Nro_Serie")), "|")));
    });
    campo(QStringLiteral("Columna10"), [&] { return SC::texto(valor(rs, QStringLiteral("PorcDto"))); });
    campo(QStringLiteral("Columna11"), [&] { return SC::texto(valor(rs, QStringLiteral("Impuestos"))); });
    campo(QStringLiteral("Columna12"), [&] {
        return SC::texto(rt::CStr(rt::Variant(gUtil->ValorNumerico(valor(rs, QStringLiteral("ControladoPor"))))));
    });
    campo(QStringLiteral("Columna13"), [&] { return SC::texto(valor(rs, QStringLiteral("CantidadUd"))); });
    campo(QStringLiteral("Columna14"), [&] { return SC::texto(valor(rs, QStringLiteral("IdUnidadBase"))); });
    campo(QStringLiteral("Columna15"), [&] { return SC::texto(valor(rs, QStringLiteral("Equiv_UDBase"))); });
}

void AuxiliarComprobantes::preciosConIva(ado::Recordset &rs)
{
    bool sumaIva = ajusteSi(QStringLiteral("RobaIvaProforma"))
                   && EsTipo(valor(rs, QStringLiteral("TC")), {"FP", "NCFP"})
                   && valor(rs, QStringLiteral("CondicionIva")).trimmed() == QLatin1String("1");
    double alicuota = 0;
    m_pasos.step([&] {
        alicuota = rt::CDbl(rs(QStringLiteral("alicIva")));
        sumaIva = sumaIva && rt::CCur(rs(QStringLiteral("Importe"))) == rt::CCur(rs(QStringLiteral("Importe_S_IVA")))
                  && alicuota > 0;
    });
    const auto conIva = [&](const char *columna) {
        const double importe = rt::CDbl(rs(QString::fromLatin1(columna)));
        return moneda(rt::CStr(rt::Variant(rt::CCur(importe + importe * alicuota / 100))));
    };
    campo(QStringLiteral("Columna5"),
          [&] { return sumaIva ? conIva("Importe") : moneda(valor(rs, QStringLiteral("Importe"))); });
    campo(QStringLiteral("Columna6"),
          [&] { return sumaIva ? conIva("Total") : moneda(valor(rs, QStringLiteral("Total"))); });
}

void AuxiliarComprobantes::BuscarDespachoLote()
{
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::despachoLote(m_textoLoteImpreso.trimmed()), rs); });
    if (!abierto(rs) || rs.BOF())
        return;
    QString texto = m_textoLoteImpreso.trimmed();
    const QString controlado = valor(rs, QStringLiteral("ControladoPor")).trimmed();
    if (!controlado.isEmpty())
        texto += QStringLiteral(" /") + controlado;
    const QString descripcion = valor(rs, QStringLiteral("Descripcion")).trimmed();
    if (!descripcion.isEmpty())
        texto += QStringLiteral("/Orig.") + gUtil->TextoDespacho(descripcion).trimmed();
    m_textoLoteImpreso = gUtil->LimpiarTextoFormula(texto);
    m_db.CierraRecordset(rs);
}

void AuxiliarComprobantes::AgregarFilaDespacho()
{
    ado::Recordset rs;
    m_pasos.step([&] { m_db.AbrirRecordset(SC::despachoLote(m_textoLoteImpreso.trimmed()), rs); });
    if (!abierto(rs) || rs.BOF())
        return;
    m_textoLoteImpreso =
        gUtil->LimpiarTextoFormula(m_textoLoteImpreso + QStringLiteral(" - ")
                                   + gUtil->TextoDespacho(valor(rs, QStringLiteral("ControladoPor"))).trimmed()
                                   + QStringLiteral(" Orig.") + valor(rs, QStringLiteral("Descripcion")).trimmed());
    ejecutar(SC::insertarDespacho(m_cpte.clave, m_textoLoteImpreso));
    m_db.CierraRecordset(rs);
}

void AuxiliarComprobantes::AgregarFilaLotes()
{
    ejecutar(SC::insertarLotes(m_cpte.clave, m_lotesComprobante));
}

void AuxiliarComprobantes::AgregarFilasPendientesNP(ado::Recordset &comprobante)
{
    if (comprobante(QStringLiteral("ComprobanteOrigen")).isNull())
        return;
    if (!EsTipo(valor(comprobante, QStringLiteral("TcOrigen")), {"NP"}))
        return;
    ado::Recordset rs;
    m_pasos.step(
        [&] { m_db.AbrirRecordset(SC::insumosOrigenNP(valor(comprobante, QStringLiteral("ComprobanteOrigen"))), rs); });
    if (!abierto(rs) || rs.EOF_())
        return;
    m_tituloSeccion = QStringLiteral("Insumos - Materiales Utilizados - Productos (Sin Preparación)");
    rt::runRoutine([&] { AgregarTituloSeccion(); });
    for (; !rs.EOF_(); rs.MoveNext()) {
        bool pendiente = false;
        m_pasos.step([&] {
            pendiente = m_db.ExisteEnTabla(QStringLiteral("VT_V_MV_Insumos_NPPendiente"), QStringLiteral("NP"),
                                           QStringLiteral("TC"), nullptr, 8,
                                           SC::condicionPendienteNP(valor(rs, QStringLiteral("IdComprobante")),
                                                                    valor(rs, QStringLiteral("IdArticulo"))));
        });
        if (pendiente)
            agregarPendienteNP(rs);
    }
    m_db.CierraRecordset(rs);
}

void AuxiliarComprobantes::agregarPendienteNP(ado::Recordset &rs)
{
    camposArticulo(rs, gUtil->QuitarCaracter(valor(rs, QStringLiteral("Descripcion")).trimmed(), "'"));
    campo(QStringLiteral("Columna4"), [] { return QStringLiteral("'0'"); });
    campo(QStringLiteral("Columna5"), [&] { return moneda(valor(rs, QStringLiteral("Importe"))); });
    campo(QStringLiteral("Columna6"), [&] { return moneda(valor(rs, QStringLiteral("Total"))); });
    campo(QStringLiteral("Columna7"), [&] { return moneda(valor(rs, QStringLiteral("Importe_S_IVA"))); });
    campo(QStringLiteral("Columna8"), [&] {
        return SC::texto(
            gUtil->LimpiarTextoFormula(gUtil->QuitarCaracter(valor(rs, QStringLiteral("Nro_Lote")), "|")).trimmed());
    });
    camposSerieYUnidades(rs);
    campo(QStringLiteral("CANTIDAD_ORIGEN"), [&] { return m_db.SQLValue(rs(QStringLiteral("Cantidad")), "@"); });
    insertarFila();
}
