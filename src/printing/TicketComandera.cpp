#include "printing/TicketComandera.h"

#include "platform/runtime/Format.h"
#include "platform/runtime/Rounding.h"
#include "platform/runtime/Text.h"
#include "session/ObjetosExternos.h"

#include <QStringEncoder>
#include <optional>

namespace {

// ESC ! n (print mode), CR, ESC a n (justification); GS V 0 (full cut).
const QByteArray AnchoCentrado("\x1b!\x20\x0d\x1b"
                               "a\x01",
                               7);
const QByteArray NormalCentrado("\x1b!\x00\x0d\x1b"
                                "a\x01",
                                7);
const QByteArray NormalDerecha("\x1b!\x00\x0d\x1b"
                               "a\x02",
                               7);
const QByteArray NormalIzquierda("\x1b!\x00\x0d\x1b"
                                 "a\x00",
                                 7);
const QByteArray AnchoDerecha("\x1b!\x20\x0d\x1b"
                              "a\x02",
                              7);
const QByteArray Corte("\x1d"
                       "V\x00",
                       3);

constexpr int AnchoImporte = 33;
constexpr int AnchoDescripcion = 27;
constexpr int RenglonesDescripcion = 3;

void escribirLinea(QByteArray &salida, const QString &texto = {})
{
    QStringEncoder codificador("windows-1252");
    // A character the printer's code page lacks prints as "?", not as the control byte SUB.
    salida += QByteArray(codificador.encode(texto)).replace('\x1a', '?');
    salida += '\n';
}

void lineasVacias(QByteArray &salida, int cuantas)
{
    salida += QByteArray(cuantas, '\n');
}

bool ruteada(const QString &talle, QChar letra)
{
    return talle.contains(letra, Qt::CaseInsensitive);
}

// The quantity the ticket prints for the line, or nothing when the line is not on it.
std::optional<rt::Currency> cantidadDeLinea(const LineaComanda &linea, bool cocina, bool barra)
{
    rt::Currency cantidad = linea.Cantidad;
    if (cocina) {
        cantidad = linea.Cantidad - linea.Cantidadpreparada;
        if (cantidad == rt::Currency() || !ruteada(linea.talledefault, QLatin1Char('C')))
            return std::nullopt;
    }
    if (barra) {
        cantidad = linea.Cantidad - linea.CANTIDADAFACTURAR;
        if (cantidad == rt::Currency() || !ruteada(linea.talledefault, QLatin1Char('B')))
            return std::nullopt;
    }
    return cantidad;
}

} // namespace

QString FormatoImporteTicket(const QString &Texto, rt::Currency Importe, int Ancho)
{
    const int texto = Ancho - 9;
    return Texto.leftJustified(texto, QLatin1Char(' '), true) + QStringLiteral("$ ")
           + gUtil->AjustarAncho(rt::formatNumber(Importe, QStringLiteral("###0.00")), 7);
}

QByteArray TicketComandera::bytes(const QString &TC, const QString &IdComprobante, const DatosComanda &datos,
                                  rt::DateTime ahora) const
{
    QByteArray salida;
    encabezado(salida, TC, IdComprobante, datos, ahora);
    for (const LineaComanda &linea : datos.Lineas)
        articulo(salida, linea);
    cierre(salida, datos);
    return salida;
}

void TicketComandera::encabezado(QByteArray &salida, const QString &TC, const QString &IdComprobante,
                                 const DatosComanda &datos, rt::DateTime ahora) const
{
    if (m_registro.ImprimeEmpresa) {
        salida += AnchoCentrado;
        escribirLinea(salida, datos.Empresa);
    }
    if (m_registro.ImprimeDomicilio) {
        salida += NormalCentrado;
        escribirLinea(salida, datos.Domicilio);
    }
    salida += NormalDerecha;
    escribirLinea(salida);
    escribirLinea(salida, rt::formatDate(ahora, QStringLiteral("dd/mm/yy")) + QLatin1Char(' ')
                              + rt::formatDate(ahora, QStringLiteral("hh:nn")));
    escribirLinea(salida, QStringLiteral("MESA:") + datos.Mesa + QStringLiteral("  Mozo:") + datos.Mozo);
    if (m_registro.ImprimeComprobante) {
        salida += NormalDerecha;
        escribirLinea(salida, TC + QLatin1Char(' ') + IdComprobante);
    }
    if (m_registro.ImprimeCliente) {
        salida += NormalIzquierda;
        escribirLinea(salida, datos.Cliente);
        lineasVacias(salida, 2);
    }
}

void TicketComandera::articulo(QByteArray &salida, const LineaComanda &linea) const
{
    const std::optional<rt::Currency> cantidad = cantidadDeLinea(linea, m_cocina, m_barra);
    if (!cantidad)
        return;
    // A weighed article prints the quantity of its line, like any other.
    if (m_registro.DetalleEnDosLineas)
        salida += NormalIzquierda;
    if (conPrecios()) {
        const rt::Currency importe =
            rt::Currency::fromDouble(rt::Round(linea.Importe.toDouble() * cantidad->toDouble(), 2));
        const QString detalle = QStringLiteral("[") + rt::formatNumber(*cantidad, QStringLiteral("###0.00"))
                                + QStringLiteral(" X $ ") + rt::formatNumber(linea.Importe, QStringLiteral("#####0.00"))
                                + QStringLiteral("]");
        if (m_registro.DetalleEnDosLineas) {
            escribirLinea(salida, detalle);
            escribirLinea(salida, FormatoImporteTicket(linea.Descripcion, importe, AnchoImporte));
        } else {
            escribirLinea(salida,
                          FormatoImporteTicket(detalle + QLatin1Char(' ') + linea.Descripcion, importe, AnchoImporte));
        }
        return;
    }
    const QString &descripcion = linea.Descripcion;
    escribirLinea(salida,
                  rt::formatNumber(*cantidad, QStringLiteral("###0.00  ")) + descripcion.left(AnchoDescripcion));
    for (int renglon = 1; renglon < RenglonesDescripcion && descripcion.size() > renglon * AnchoDescripcion; ++renglon)
        escribirLinea(salida, rt::Space(6) + descripcion.mid(renglon * AnchoDescripcion, AnchoDescripcion));
}

void TicketComandera::cierre(QByteArray &salida, const DatosComanda &datos) const
{
    lineasVacias(salida, 2);
    salida += AnchoDerecha;
    escribirLinea(salida, conPrecios() ? QStringLiteral("TOTAL $")
                                             + gUtil->AjustarAncho(
                                                 rt::formatNumber(datos.Importe, QStringLiteral("#######0.00")), 9)
                                       : QString());
    escribirLinea(salida);
    if (m_cocina)
        escribirLinea(salida, QStringLiteral("** COCINA **"));
    if (m_barra)
        escribirLinea(salida, QStringLiteral("** BARRA **"));
    lineasVacias(salida, 2);
    if (m_registro.ImprimePie && conPrecios()) {
        salida += NormalCentrado;
        escribirLinea(salida, m_registro.Pie);
    }
    lineasVacias(salida, 3);
    salida += Corte;
}
