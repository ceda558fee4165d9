#include "printdata/vouchers/AuxiliarComprobantes.h"

#include "core/ServiciosVarios.h"
#include "db/DB_Dll.h"
#include "platform/ado/Recordset.h"
#include "platform/qr/PyQR.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "printdata/vouchers/ArchivosImagen.h"
#include "printdata/vouchers/RutasArchivo.h"
#include "printdata/vouchers/TextosComprobante.h"
#include "session/CarpetasPrograma.h"
#include "session/ObjetosExternos.h"

namespace SC = SentenciasComprobantes;

namespace {

// The digits of a tax or document number: besides "-", " " and "/", dots and any other sign go,
// since the agency's format takes the number alone.
QString soloNumero(const QString &texto)
{
    QString resultado;
    for (const QChar c : texto) {
        if (c.isDigit())
            resultado += c;
    }
    return resultado;
}

} // namespace

qint16 AuxiliarComprobantes::TipoDocumentoQR(int documentotipo)
{
    switch (documentotipo) {
    case 80: // CUIT
    case 86: // CUIL
    case 96: // DNI
        return static_cast<qint16>(documentotipo);
    default:
        return 99;
    }
}

void AuxiliarComprobantes::AgregarFilaQR(ado::Recordset &rs)
{
    QByteArray qr;
    // A voucher without authorisation has no valid QR text: the agency's checker refuses it.
    if (!m_cpte.cae.isEmpty())
        sentencia([&] { qr = imagenQR(rs); });
    const QString imagenAfip = gUtil->AgregarBarra(CarpetaAplicacion()) + QStringLiteral("AFIP.PNG");
    QString logo;
    sentencia([&] {
        // The folder may be written as on the Windows workstations, with a mapped drive or share.
        const RutasArchivo rutas(ajuste(RutasArchivo::clave()));
        logo = rutas.local(
            RutaCompleta(QString(ajuste(QStringLiteral("RutaImagenes")).trimmed() + QStringLiteral("logo.jpg"))
                             .replace(QLatin1Char('\\'), QLatin1Char('/'))));
        if (!ExisteArchivo(logo))
            logo.clear();
    });
    ejecutar(SC::borrarFilaQR(m_cpte.clave.tc, m_cpte.clave.idComprobante));
    ado::Recordset fila;
    sentencia(
        [&] { m_db.AbrirRecordset(SC::nuevaFilaQR(), fila, nullptr, ado::adOpenDynamic, ado::adLockOptimistic); });
    sentencia([&] { fila.AddNew(); });
    sentencia([&] { fila.Fields(QStringLiteral("Usuario")).setValue(m_usuario); });
    sentencia([&] { fila.Fields(QStringLiteral("TC")).setValue(m_cpte.clave.tc); });
    sentencia([&] { fila.Fields(QStringLiteral("IdComprobante")).setValue(m_cpte.clave.idComprobante); });
    sentencia(
        [&] { fila.Fields(QStringLiteral("muestra_logo")).setValue(logo.isEmpty() ? QStringLiteral("NO") : m_logo); });
    if (!qr.isEmpty())
        sentencia([&] { fila.Fields(QStringLiteral("QR_AFIP")).setValue(qr); });
    sentencia([&] {
        const QByteArray afip = LeerImagen(imagenAfip);
        if (!afip.isEmpty())
            fila.Fields(QStringLiteral("IMG_AFIP")).setValue(afip);
    });
    if (!logo.isEmpty() && m_logo.trimmed() != QLatin1String("NO")) {
        sentencia([&] {
            const QByteArray imagen = LeerImagen(logo);
            if (!imagen.isEmpty())
                fila.Fields(QStringLiteral("LOGO_EMPRESA")).setValue(imagen);
        });
    }
    sentencia([&] { fila.Update(); });
    m_db.CierraRecordset(fila);
}

QByteArray AuxiliarComprobantes::imagenQR(ado::Recordset &rs)
{
    qr::DatosComprobanteQR datos;
    datos.ver = 1;
    const rt::Variant fecha = rs(QStringLiteral("Fecha"));
    datos.fecha = rt::formatDate(rt::CDate(fecha), QStringLiteral("yyyy-mm-dd"));
    datos.cuit = soloNumero(ajuste(QStringLiteral("CUIT")).trimmed());
    datos.ptoVta = rt::CLng(rt::Val(m_cpte.sucursal));
    datos.tipoCmp = rt::CLng(rt::Val(valor(rs, QStringLiteral("CodCpteAfip"))));
    datos.nroCmp = rt::CLng(rt::Val(m_cpte.numero));
    datos.importe = FormatoNroAS400(valor(rs, QStringLiteral("Importe")), 13, 2);
    datos.decimalesImporte = 2;
    datos.moneda = m_cpte.monedaExtranjera ? QStringLiteral("DOL") : QStringLiteral("PES");
    datos.ctz = QStringLiteral("1");
    datos.decimalesCtz = 0;
    if (m_cpte.monedaExtranjera)
        paso([&] { cotizacionDelDia(rs, datos.ctz, datos.decimalesCtz); });
    datos.tipoDocRec = TipoDocumentoQR(rt::CLng(rt::Val(valor(rs, QStringLiteral("documentotipo")))));
    datos.nroDocRec = soloNumero(valor(rs, QStringLiteral("documentonumero")).trimmed());
    datos.tipoCodAut = QStringLiteral("E");
    datos.codAut = m_cpte.cae;
    return qr::PyQR().GenerarImagen(datos);
}

void AuxiliarComprobantes::cotizacionDelDia(ado::Recordset &rs, QString &ctz, int &decimales)
{
    // The day goes as a date literal of the program's form, not as the workstation shows it.
    const QString dia = rt::formatDate(rt::CDate(rs(QStringLiteral("Fecha"))), QStringLiteral("dd/mm/yyyy"));
    ado::Recordset cotizacion;
    sentencia([&] { m_db.AbrirRecordset(SC::cotizacionDelDia(dia), cotizacion); });
    if (!abierto(cotizacion) || cotizacion.EOF_())
        return;
    // A missing column for the currency leaves the rate at 1.
    sentencia([&] {
        const QString tasa = valor(cotizacion, QStringLiteral("MONEDA") + m_cpte.moneda);
        ctz = FormatoNroAS400(tasa, 13, 6);
        decimales = 6;
    });
    m_db.CierraRecordset(cotizacion);
}
