#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace qr {

// The thirteen values of an electronic voucher's QR code, in the tax agency's order. Numbers
// that may be long (tax numbers, document numbers, the authorisation code, the amounts) stay
// digit texts so that no digit is lost on the way.
struct DatosComprobanteQR {
    int ver = 1;
    QString fecha; // "yyyy-MM-dd"
    QString cuit; // digits
    qint32 ptoVta = 0;
    qint32 tipoCmp = 0;
    qint32 nroCmp = 0;
    QString importe; // digits (a leading "-" allowed), the last `decimalesImporte` of them decimals
    int decimalesImporte = 2;
    QString moneda; // "PES", "DOL"
    QString ctz; // digits, the last `decimalesCtz` of them decimals
    int decimalesCtz = 0;
    qint16 tipoDocRec = 0;
    QString nroDocRec; // digits; empty for none
    QString tipoCodAut; // "E" for a CAE, "A" for a CAEA
    QString codAut; // digits
};

// Stands in for the electronic-voucher QR object: the agency's QR text of a voucher and its image.
class PyQR {
public:
    // The JSON of the agency's QR format, keys in the agency's order, numbers written from the
    // digit texts as they are. Throws rt::RuntimeError 5 when a digit text holds anything else.
    static QByteArray json(const DatosComprobanteQR &datos);
    // The agency's QR address followed by the base64 form of the JSON.
    static QByteArray texto(const DatosComprobanteQR &datos);
    // The QR image (PNG) of `texto`. Throws rt::RuntimeError 5 as json() and qr::pngDeTexto do.
    QByteArray GenerarImagen(const DatosComprobanteQR &datos) const;
};

// The tax agency's address that the QR text starts with.
inline constexpr char DireccionQR[] = "https://www.afip.gob.ar/fe/qr/?p=";

} // namespace qr
