// The applied-document columns of a receipt's print row: reference, date, amount, applied
// amount and open balance of the document on the current applications record.

#include "core/Formatos.h"
#include "db/DB_Dll.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/VariantMath.h"
#include "printdata/receipts/IMP_Recibos.h"
#include "printdata/receipts/SentenciasRecibos.h"
#include "session/ObjetosExternos.h"

namespace SR = SentenciasRecibos;

namespace {

QString formatear(const QString &texto)
{
    return FmtMoneda(texto, DecimalesConfigurados, false);
}

} // namespace

// The pieces of the applied document; any of them may be Null, and a Null piece makes every text
// joined from it Null (rt::Add), so a query naming it cannot be built (CStr raises 94).
struct IMP_Recibos::Documento {
    rt::Variant tco;
    rt::Variant sucursal;
    rt::Variant numero;
    rt::Variant letra;

    rt::Variant clave() const { return rt::Add(rt::Add(sucursal, numero), letra); }
    rt::Variant referencia() const { return rt::Add(rt::Add(tco, rt::Variant(QStringLiteral("-"))), clave()); }
};

void IMP_Recibos::consultar(const std::function<QString()> &sentencia)
{
    // A query that fails leaves the previous look-up in place, and the reads that follow see it.
    m_pasos.step([&] { m_busqueda = m_db.gCnn.Execute(sentencia(), nullptr, -1); });
}

void IMP_Recibos::columnasAplicacion()
{
    if (m_pasos.holds([&] { return !m_aplicaciones.EOF_(); })) {
        Documento doc;
        const auto pieza = [&](const char *campo, rt::Variant &destino) {
            m_pasos.step([&] { destino = m_aplicaciones.Fields(QLatin1String(campo)).Value(); });
        };
        pieza("TCO_ORIGEN", doc.tco);
        pieza("SUCURSAL_ORIGEN", doc.sucursal);
        pieza("NUMERO_ORIGEN", doc.numero);
        pieza("LETRA_ORIGEN", doc.letra);
        QString tipo;
        m_pasos.step([&] { tipo = gUtil->FormatoCodigo(gUtil->ValorCampo(doc.tco), 4); });
        escribir(QStringLiteral("COLUMNA2"), doc.referencia());
        if (m_guianAsientos)
            documentoGuiadoPorAsientos(tipo, doc);
        else
            documentoGuiadoPorAplicaciones(tipo, doc);
        m_pasos.step([&] {
            m_escritor.Fields(QStringLiteral("COLUMNA3"))
                .setValue(formatear(gUtil->ValorCampo(m_aplicaciones.Fields(QStringLiteral("IMPORTE")))));
        });
    }
    // Every row adds its texts as written, so the totals are sums of rounded amounts.
    const std::pair<const char *, rt::Currency *> totales[] = {{"COLUMNA9", &m_importes.ImporteCpte},
                                                               {"COLUMNA3", &m_importes.ImporteAplicado},
                                                               {"COLUMNA11", &m_importes.ImporteSaldo}};
    for (const auto &[columna, total] : totales)
        m_pasos.step(
            [&] { *total += gUtil->ValorNumerico(gUtil->ValorCampo(m_escritor.Fields(QLatin1String(columna)))); });
}

void IMP_Recibos::documentoGuiadoPorAplicaciones(const QString &tipo, const Documento &doc)
{
    bool compras = false;
    m_pasos.step([&] {
        const rt::Variant sistema =
            m_db.DatosTabla(QStringLiteral("V_TA_CPTE"), gUtil->ValorCampo(doc.tco), QStringLiteral("SISTEMA"),
                            QStringLiteral("Codigo"), 8, QString(), true, false);
        compras = gUtil->ValorCampo(sistema).trimmed().compare(QStringLiteral("COMPRAS"), Qt::CaseInsensitive) == 0;
    });
    consultar([&] {
        const QString clave = rt::CStr(doc.clave());
        return compras ? SR::documentoCompras(tipo, clave, m_cuenta) : SR::documentoVentas(tipo, clave, m_cuenta);
    });
    if (m_pasos.holds([&] { return m_busqueda.EOF_(); }))
        consultar([&] { return SR::documentoAsientos(tipo, rt::CStr(doc.clave()), m_cuenta); });
    // A document found nowhere leaves the look-up empty: reading it fails and is reported.
    fechaEImporteDocumento(QStringLiteral("FECHA"), QStringLiteral("IMPORTE"));
    saldoDocumento(tipo, doc, true);
}

// Led by the entry lines, every document is looked up in the voucher headers, purchases too,
// and else in its entry.
void IMP_Recibos::documentoGuiadoPorAsientos(const QString &tipo, const Documento &doc)
{
    consultar([&] { return SR::documentoVentas(tipo, rt::CStr(doc.clave()), m_cuenta); });
    if (m_pasos.holds([&] { return !m_busqueda.EOF_(); })) {
        fechaEImporteDocumento(QStringLiteral("FECHA"), QStringLiteral("IMPORTE"));
    } else {
        consultar([&] {
            return SR::documentoAsientosPorPartes(tipo, rt::CStr(doc.sucursal), rt::CStr(doc.numero),
                                                  rt::CStr(doc.letra), m_cuenta);
        });
        // The entry's sub-ledger date when it has one, and its header amount.
        QString fecha = QStringLiteral("FECHA");
        m_pasos.step([&] {
            if (!m_busqueda.Fields(QStringLiteral("FECHASUBDIARIO")).Value().isNull())
                fecha = QStringLiteral("FECHASUBDIARIO");
        });
        fechaEImporteDocumento(fecha, QStringLiteral("CABIMPORTE"));
    }
    saldoDocumento(tipo, doc, false);
}

void IMP_Recibos::fechaEImporteDocumento(const QString &fecha, const QString &importe)
{
    m_pasos.step([&] {
        m_escritor.Fields(QStringLiteral("COLUMNA1")).setValue(gUtil->ValorCampo(m_busqueda.Fields(fecha).Value()));
    });
    m_pasos.step([&] {
        m_escritor.Fields(QStringLiteral("COLUMNA9"))
            .setValue(formatear(gUtil->ValorCampo(m_busqueda.Fields(importe).Value())));
    });
}

void IMP_Recibos::saldoDocumento(const QString &tipo, const Documento &doc, bool conBlanco)
{
    consultar([&] {
        return SR::saldoDocumento(tipo, rt::CStr(doc.sucursal), rt::CStr(doc.numero), rt::CStr(doc.letra), m_cuenta,
                                  conBlanco);
    });
    if (m_pasos.holds([&] { return !m_busqueda.EOF_(); }))
        m_pasos.step([&] {
            m_escritor.Fields(QStringLiteral("COLUMNA11"))
                .setValue(formatear(gUtil->ValorCampo(m_busqueda.Fields(QStringLiteral("SALDO")).Value())));
        });
    else
        escribir(QStringLiteral("COLUMNA11"), QStringLiteral("0"));
}
