#include "grid/NombresSQL.h"

namespace NombresSQL {

namespace {

// Where a character stands: outside names and literals, as one of their quotes (the opening and
// closing ones, and the second of a doubled closing quote), or as a character of their text.
enum class Lugar { Fuera, Comilla, Dentro };

QList<Lugar> lugares(const QString &texto)
{
    QList<Lugar> lugar(texto.size(), Lugar::Fuera);
    char16_t cierre = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t c = texto.at(i).unicode();
        if (cierre == 0) {
            if (c == u'[')
                cierre = u']';
            else if (c == u'\'' || c == u'"')
                cierre = c;
            if (cierre != 0)
                lugar[i] = Lugar::Comilla;
        } else if (c != cierre) {
            lugar[i] = Lugar::Dentro;
        } else if (i + 1 < texto.size() && texto.at(i + 1) == QChar(cierre)) {
            lugar[i] = Lugar::Dentro;
            lugar[++i] = Lugar::Comilla;
        } else {
            lugar[i] = Lugar::Comilla;
            cierre = 0;
        }
    }
    return lugar;
}

// A bracket, or the double quote of a "quoted" name.
bool esComillaDeNombre(QChar c)
{
    return c == u'[' || c == u']' || c == u'"';
}

} // namespace

QString entreCorchetes(const QString &nombre)
{
    return QStringLiteral("[") + QString(nombre).replace(u']', QStringLiteral("]]")) + QStringLiteral("]");
}

QString sinComillasDeNombre(const QString &texto)
{
    const QList<Lugar> lugar = lugares(texto);
    QString resultado;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (lugar.at(i) == Lugar::Dentro || !esComillaDeNombre(texto.at(i)))
            resultado += texto.at(i);
    }
    return resultado;
}

QList<Parte> partes(const QString &lista)
{
    const QList<Lugar> lugar = lugares(lista);
    QList<Parte> encontradas;
    qsizetype desde = 0;
    int nivel = 0;
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const QChar c = lista.at(i);
        if (lugar.at(i) != Lugar::Fuera)
            continue;
        if (c == u'(')
            ++nivel;
        else if (c == u')')
            --nivel;
        if (nivel != 0 || (c != u'|' && c != u','))
            continue;
        const bool conBlanco = c == u',' && i + 1 < lista.size() && lista.at(i + 1) == u' ';
        encontradas.append({lista.mid(desde, i - desde), lista.mid(i, conBlanco ? 2 : 1)});
        if (conBlanco)
            ++i;
        desde = i + 1;
    }
    encontradas.append({lista.mid(desde), QString()});
    return encontradas;
}

QString reemplazarFuera(const QString &texto, QChar de, QChar a)
{
    const QList<Lugar> lugar = lugares(texto);
    QString resultado = texto;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (lugar.at(i) == Lugar::Fuera && texto.at(i) == de)
            resultado[i] = a;
    }
    return resultado;
}

QString sinBlancosFuera(const QString &texto)
{
    const QList<Lugar> lugar = lugares(texto);
    QString resultado;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (lugar.at(i) != Lugar::Fuera || texto.at(i) != u' ')
            resultado += texto.at(i);
    }
    return resultado;
}

} // namespace NombresSQL
