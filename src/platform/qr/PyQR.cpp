#include "platform/qr/PyQR.h"

#include "platform/qr/CodigoQR.h"
#include "platform/runtime/RuntimeError.h"

#include <QList>
#include <utility>

namespace qr {

namespace {

[[noreturn]] void noEsNumero(const char *clave, const QString &texto)
{
    throw rt::RuntimeError(rt::err::InvalidProcedureCall,
                           QStringLiteral("El valor \"%1\" de %2 no es un número").arg(texto, QLatin1String(clave)),
                           QStringLiteral("PyQR"));
}

bool soloDigitos(const QString &texto)
{
    for (const QChar c : texto) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A JSON number from digits with `decimales` of them after an implied point: no leading zeros
// in the whole part, no trailing zeros after the point, no point when nothing follows it.
QByteArray numero(const char *clave, const QString &texto, int decimales = 0)
{
    QString digitos = texto.trimmed();
    const bool negativo = digitos.startsWith(QLatin1Char('-'));
    if (negativo)
        digitos.remove(0, 1);
    if (!soloDigitos(digitos))
        noEsNumero(clave, texto);
    if (digitos.size() < decimales)
        digitos = digitos.rightJustified(decimales, QLatin1Char('0'));
    QString entero = digitos.left(digitos.size() - decimales);
    QString fraccion = digitos.right(decimales);
    while (entero.size() > 1 && entero.startsWith(QLatin1Char('0')))
        entero.remove(0, 1);
    if (entero.isEmpty())
        entero = QStringLiteral("0");
    while (fraccion.endsWith(QLatin1Char('0')))
        fraccion.chop(1);
    QString resultado = entero;
    if (!fraccion.isEmpty())
        resultado += QLatin1Char('.') + fraccion;
    if (negativo && resultado != QLatin1String("0"))
        resultado.prepend(QLatin1Char('-'));
    return resultado.toLatin1();
}

// A JSON string of plain printable ASCII, as every text of the format is.
QByteArray cadena(const char *clave, const QString &texto)
{
    for (const QChar c : texto) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            throw rt::RuntimeError(
                rt::err::InvalidProcedureCall,
                QStringLiteral("El valor \"%1\" de %2 no es válido").arg(texto, QLatin1String(clave)),
                QStringLiteral("PyQR"));
    }
    return '"' + texto.toLatin1() + '"';
}

} // namespace

QByteArray PyQR::json(const DatosComprobanteQR &d)
{
    const QList<std::pair<const char *, QByteArray>> campos{
        {"ver", QByteArray::number(d.ver)},
        {"fecha", cadena("fecha", d.fecha)},
        {"cuit", numero("cuit", d.cuit)},
        {"ptoVta", QByteArray::number(d.ptoVta)},
        {"tipoCmp", QByteArray::number(d.tipoCmp)},
        {"nroCmp", QByteArray::number(d.nroCmp)},
        {"importe", numero("importe", d.importe, d.decimalesImporte)},
        {"moneda", cadena("moneda", d.moneda)},
        {"ctz", numero("ctz", d.ctz, d.decimalesCtz)},
        {"tipoDocRec", QByteArray::number(d.tipoDocRec)},
        {"nroDocRec", numero("nroDocRec", d.nroDocRec)},
        {"tipoCodAut", cadena("tipoCodAut", d.tipoCodAut)},
        {"codAut", numero("codAut", d.codAut)},
    };
    QByteArray texto = "{";
    for (const auto &[clave, valor] : campos) {
        if (texto.size() > 1)
            texto += ',';
        texto += '"' + QByteArray(clave) + "\":" + valor;
    }
    return texto + '}';
}

QByteArray PyQR::texto(const DatosComprobanteQR &datos)
{
    return QByteArray(DireccionQR) + json(datos).toBase64();
}

QByteArray PyQR::GenerarImagen(const DatosComprobanteQR &datos) const
{
    return pngDeTexto(texto(datos));
}

} // namespace qr
