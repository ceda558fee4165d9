#include "grid/EleccionColumnas.h"

#include "grid/NombresSQL.h"
#include "platform/runtime/Text.h"

namespace {

// The text after the first `separador` (nothing when there is none).
QString despuesDe(const QString &texto, QChar separador)
{
    const int posicion = static_cast<int>(texto.indexOf(separador));
    return posicion < 0 ? QString() : texto.mid(posicion + 1);
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
    const QList<NombresSQL::Parte> elegidas = NombresSQL::partes(gCamposSel);
    qsizetype k = 0;
    // The last piece is the hidden column: more positions than chosen columns never reach it.
    for (; !rt::Trim(ordinales).isEmpty() && k + 1 < elegidas.size(); ++k) {
        m_entradas.append({rt::Trim(NombresSQL::sinComillasDeNombre(elegidas.at(k).texto)), true});
        ordinales = despuesDe(ordinales, u'|');
    }
    QString resto;
    for (; k < elegidas.size(); ++k)
        resto += elegidas.at(k).texto + elegidas.at(k).separador;
    resto = rt::Trim(resto);
    qsizetype leido = 0;
    for (const NombresSQL::Parte &parte : NombresSQL::partes(gCampos)) {
        if (rt::Trim(gCampos.mid(leido)).isEmpty())
            break;
        const QString &pieza = parte.texto;
        const bool elegida = rt::InStr(gCamposSel, pieza, rt::CompareMode::Text) > 0;
        if (!elegida || rt::Trim(pieza) == resto)
            m_entradas.append({NombresSQL::sinComillasDeNombre(pieza), false});
        leido += pieza.size() + parte.separador.size();
    }
    gCampos.clear();
    if (!m_entradas.isEmpty())
        m_oculta = m_entradas.takeLast().texto;
}

void EleccionColumnas::aplicar(QString &gCamposSel, QString &gOrdinalSel, QString &gCamposOrden) const
{
    gCamposSel.clear();
    gOrdinalSel.clear();
    gCamposOrden.clear();
    for (int i = 0; i < m_entradas.size(); ++i) {
        const QString nombre = NombresSQL::entreCorchetes(m_entradas.at(i).texto);
        if (m_entradas.at(i).marcada) {
            agregar(gCamposSel, nombre);
            gOrdinalSel += (gOrdinalSel.isEmpty() ? QString() : QStringLiteral("|")) + QString::number(i + 1);
        }
        agregar(gCamposOrden, nombre);
    }
    if (!rt::Trim(gCamposSel).isEmpty())
        agregar(gCamposSel, NombresSQL::entreCorchetes(m_oculta));
    agregar(gCamposOrden, NombresSQL::entreCorchetes(m_oculta));
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
