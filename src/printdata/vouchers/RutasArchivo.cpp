#include "printdata/vouchers/RutasArchivo.h"

#include "core/ServiciosVarios.h"
#include "printdata/vouchers/ArchivosImagen.h"

#include <algorithm>

namespace {

QString conBarras(QString ruta)
{
    return ruta.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

RutasArchivo::RutasArchivo(const QString &equivalencias)
{
    for (const QString &par : equivalencias.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype igual = par.indexOf(QLatin1Char('='));
        if (igual <= 0)
            continue;
        QString prefijo = conBarras(par.left(igual).trimmed());
        while (prefijo.size() > 2 && prefijo.endsWith(QLatin1Char('/')))
            prefijo.chop(1);
        const QString carpeta = par.mid(igual + 1).trimmed();
        if (!prefijo.isEmpty() && !carpeta.isEmpty())
            m_equivalencias.append({prefijo, carpeta});
    }
    // The longest prefix wins: a share before the server that holds it.
    std::stable_sort(m_equivalencias.begin(), m_equivalencias.end(),
                     [](const auto &a, const auto &b) { return a.first.size() > b.first.size(); });
}

QString RutasArchivo::local(const QString &ruta) const
{
    QString texto = conBarras(QString(ruta).remove(QLatin1Char('"')).trimmed());
    for (const auto &[prefijo, carpeta] : m_equivalencias) {
        if (!texto.startsWith(prefijo, Qt::CaseInsensitive))
            continue;
        const QString resto = texto.mid(prefijo.size());
        if (!resto.isEmpty() && !resto.startsWith(QLatin1Char('/')) && !prefijo.endsWith(QLatin1Char(':')))
            continue;
        QString base = conBarras(carpeta);
        while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
            base.chop(1);
        texto = resto.isEmpty() ? base
                                : base + QLatin1Char('/') + (resto.startsWith(QLatin1Char('/')) ? resto.mid(1) : resto);
        break;
    }
    const QString encontrado = BuscarArchivo(texto);
    return encontrado.isEmpty() ? texto : encontrado;
}

bool RutasArchivo::existe(const QString &ruta) const
{
    return ExisteArchivoSinComillas(local(ruta));
}
