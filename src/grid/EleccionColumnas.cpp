#include "grid/EleccionColumnas.h"

#include "platform/runtime/Text.h"

namespace {

QString sinCorchetes(QString texto)
{
    return texto.remove(u'[').remove(u']');
}

// The text before the first `separador` (all of it when there is none).
QString antesDe(const QString &texto, QChar separador)
{
    const int posicion = static_cast<int>(texto.indexOf(separador));
    return posicion < 0 ? texto : texto.left(posicion);
}

// The text after the first `separador` (nothing when there is none).
QString despuesDe(const QString &texto, QChar separador)
{
    const int posicion = static_cast<int>(texto.indexOf(separador));
    return posicion < 0 ? QString() : texto.mid(posicion + 1);
}

QString entreCorchetes(const QString &texto)
{
    return QStringLiteral("[") + texto + QStringLiteral("]");
}

void agregar(QString &lista, const QString &item)
{
    lista += lista.isEmpty() ? item : QStringLiteral(", ") + item;
}

} // namespace

void EleccionColumnas::cargar(QString &gCampos, const QString &gCamposSel, const QString &gOrdinalSel)
{
    m_entradas.clear();
    m_oculta.clear();
    QString ordinales = gOrdinalSel;
    QString elegidas = gCamposSel;
    if (!rt::Trim(elegidas).isEmpty()) {
        // The last piece is the hidden column: more positions than chosen columns never reach it.
        while (!rt::Trim(ordinales).isEmpty() && elegidas.contains(u',')) {
            m_entradas.append({rt::Trim(sinCorchetes(antesDe(elegidas, u','))), true});
            ordinales = despuesDe(ordinales, u'|');
            elegidas = despuesDe(elegidas, u',');
        }
    }
    const QString resto = rt::Trim(elegidas);
    while (!rt::Trim(gCampos).isEmpty()) {
        const QString pieza = antesDe(gCampos, u'|');
        const bool elegida = rt::InStr(gCamposSel, pieza, rt::CompareMode::Text) > 0;
        if (!elegida || rt::Trim(pieza) == resto)
            m_entradas.append({sinCorchetes(pieza), false});
        gCampos = despuesDe(gCampos, u'|');
    }
    if (!m_entradas.isEmpty())
        m_oculta = m_entradas.takeLast().texto;
}

void EleccionColumnas::aplicar(QString &gCamposSel, QString &gOrdinalSel, QString &gCamposOrden) const
{
    gCamposSel.clear();
    gOrdinalSel.clear();
    gCamposOrden.clear();
    for (int i = 0; i < m_entradas.size(); ++i) {
        const QString nombre = entreCorchetes(m_entradas.at(i).texto);
        if (m_entradas.at(i).marcada) {
            agregar(gCamposSel, nombre);
            gOrdinalSel += (gOrdinalSel.isEmpty() ? QString() : QStringLiteral("|")) + QString::number(i + 1);
        }
        agregar(gCamposOrden, nombre);
    }
    if (!rt::Trim(gCamposSel).isEmpty())
        agregar(gCamposSel, entreCorchetes(m_oculta));
    agregar(gCamposOrden, entreCorchetes(m_oculta));
    if (!gOrdinalSel.isEmpty())
        gOrdinalSel += u'|';
}

int EleccionColumnas::subir(int indice)
{
    if (indice < 1 || indice >= m_entradas.size())
        return indice;
    m_entradas.swapItemsAt(indice, indice - 1);
    return indice - 1;
}

int EleccionColumnas::bajar(int indice)
{
    if (indice < 0 || indice + 1 >= m_entradas.size())
        return indice;
    m_entradas.swapItemsAt(indice, indice + 1);
    return indice + 1;
}

void EleccionColumnas::marcarTodas()
{
    for (Entrada &entrada : m_entradas)
        entrada.marcada = true;
}
