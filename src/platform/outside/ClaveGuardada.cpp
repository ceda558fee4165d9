#include "platform/outside/ClaveGuardada.h"

#include <QByteArray>
#include <QStringDecoder>

namespace outside {

namespace {

const QByteArray &key()
{
    static const QByteArray value = QByteArrayLiteral("comisiones por vendedor");
    return value;
}

QByteArray combined(QByteArray bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ key()[i % key().size()]);
    return bytes;
}

bool isHexText(const QString &text)
{
    if (text.size() % 2 != 0)
        return false;
    for (const QChar c : text) {
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    }
    return true;
}

} // namespace

QString codificarClave(const QString &texto)
{
    return QString::fromLatin1(combined(texto.toUtf8()).toHex().toUpper());
}

QString decodificarClave(const QString &guardado)
{
    if (!isHexText(guardado))
        return guardado;
    const QByteArray bytes = combined(QByteArray::fromHex(guardado.toLatin1()));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? guardado : text;
}

} // namespace outside
