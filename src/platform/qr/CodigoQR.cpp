#include "platform/qr/CodigoQR.h"

#include "platform/runtime/RuntimeError.h"

#include <QBuffer>
#include <QImage>
#include <memory>
#include <qrencode.h>

namespace qr {

namespace {

constexpr int MargenModulos = 4;

struct LiberarQR {
    void operator()(QRcode *codigo) const { QRcode_free(codigo); }
};

[[noreturn]] void fallo(const char *motivo)
{
    throw rt::RuntimeError(rt::err::InvalidProcedureCall, QString::fromLatin1(motivo), QStringLiteral("CodigoQR"));
}

} // namespace

QByteArray pngDeTexto(const QByteArray &datos, int escala)
{
    if (escala < 1)
        fallo("escala inválida");
    const std::unique_ptr<QRcode, LiberarQR> codigo(QRcode_encodeData(
        static_cast<int>(datos.size()), reinterpret_cast<const unsigned char *>(datos.constData()), 0, QR_ECLEVEL_M));
    if (!codigo)
        fallo("los datos no caben en un código QR");
    const int lado = codigo->width + 2 * MargenModulos;
    QImage imagen(lado, lado, QImage::Format_Mono);
    imagen.setColor(0, qRgb(255, 255, 255));
    imagen.setColor(1, qRgb(0, 0, 0));
    imagen.fill(0);
    for (int y = 0; y < codigo->width; ++y) {
        for (int x = 0; x < codigo->width; ++x) {
            // The lowest bit of each module byte tells a dark module.
            if (codigo->data[y * codigo->width + x] & 1)
                imagen.setPixel(x + MargenModulos, y + MargenModulos, 1);
        }
    }
    const QImage escalada = imagen.scaled(lado * escala, lado * escala, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QByteArray png;
    QBuffer salida(&png);
    salida.open(QIODevice::WriteOnly);
    if (!escalada.save(&salida, "PNG"))
        fallo("no se pudo codificar la imagen PNG");
    return png;
}

} // namespace qr
