#include "TicketEsperado.h"

#include <QString>
#include <QStringEncoder>
#include <utility>

QByteArray TicketEsperado(const char *textoUtf8)
{
    // ESC ! n selects the print mode, ESC a n the justification, GS V 0 cuts.
    const std::pair<const char *, QByteArray> comandos[] = {
        {"{AC}", QByteArray::fromHex("1b21200d1b6101")}, {"{NC}", QByteArray::fromHex("1b21000d1b6101")},
        {"{ND}", QByteArray::fromHex("1b21000d1b6102")}, {"{NI}", QByteArray::fromHex("1b21000d1b6100")},
        {"{AD}", QByteArray::fromHex("1b21200d1b6102")}, {"{CORTE}", QByteArray::fromHex("1d5600")},
    };
    QStringEncoder codificador("windows-1252");
    QString resto = QString::fromUtf8(textoUtf8);
    QByteArray bytes;
    while (!resto.isEmpty()) {
        bool comando = false;
        for (const auto &[nombre, codigo] : comandos) {
            if (resto.startsWith(QLatin1String(nombre))) {
                bytes += codigo;
                resto.remove(0, qsizetype(qstrlen(nombre)));
                comando = true;
                break;
            }
        }
        if (!comando) {
            bytes += QByteArray(codificador.encode(resto.left(1)));
            resto.remove(0, 1);
        }
    }
    return bytes;
}
