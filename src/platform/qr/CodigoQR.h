#pragma once

#include <QByteArray>

namespace qr {

// The QR code of `datos` (byte mode, error correction level M) drawn as a PNG image: black
// modules `escala` pixels wide on white, with the standard quiet zone of four modules.
// Throws rt::RuntimeError 5 when the data do not fit a QR code or the image cannot be encoded.
QByteArray pngDeTexto(const QByteArray &datos, int escala = 4);

} // namespace qr
