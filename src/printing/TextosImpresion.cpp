#include "printing/TextosImpresion.h"

#include "platform/runtime/Text.h"

#include <algorithm>

bool TextosImpresion::es(const QString &texto, std::initializer_list<const char *> lista)
{
    const QString buscado = rt::Trim(texto);
    return std::any_of(lista.begin(), lista.end(), [&](const char *elemento) {
        return buscado.compare(QLatin1String(elemento), Qt::CaseInsensitive) == 0;
    });
}

bool TextosImpresion::sinNombreDeArchivo(const QString &ruta)
{
    const QString texto = rt::Trim(ruta);
    const qsizetype barra = std::max(texto.lastIndexOf(QLatin1Char('/')), texto.lastIndexOf(QLatin1Char('\\')));
    const QString nombre = texto.mid(barra + 1);
    return nombre.isEmpty() || nombre.compare(QLatin1String(".rpt"), Qt::CaseInsensitive) == 0;
}

bool TextosImpresion::absoluta(const QString &ruta)
{
    const QString texto = rt::Trim(ruta);
    return texto.startsWith(QLatin1Char('/')) || texto.startsWith(QLatin1Char('\\')) || rt::Mid(texto, 2, 1) == u":";
}
