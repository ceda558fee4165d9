#include "settlements/FilaLista.h"

namespace {

bool esTexto(int role)
{
    return role == Qt::DisplayRole || role == Qt::EditRole;
}

} // namespace

FilaLista::FilaLista(const QTreeWidgetItem &modelo, const QStringList &textos)
    : QTreeWidgetItem(modelo)
{
    qsizetype largo = 0;
    for (const QString &texto : textos)
        largo += texto.size();
    m_textos.reserve(largo);
    for (const QString &texto : textos) {
        m_textos += texto;
        m_finales.append(static_cast<int>(m_textos.size()));
    }
}

QVariant FilaLista::data(int column, int role) const
{
    if (!esTexto(role))
        return QTreeWidgetItem::data(column, role);
    if (column < 0 || column >= m_finales.size())
        return {};
    return texto(column);
}

void FilaLista::setData(int column, int role, const QVariant &value)
{
    if (!esTexto(role) || column < 0) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    const QString nuevo = value.toString();
    if (column < m_finales.size() && texto(column) == nuevo)
        return;
    ponerTexto(column, nuevo);
    emitDataChanged();
}

QString FilaLista::texto(int columna) const
{
    const int inicio = columna == 0 ? 0 : m_finales.at(columna - 1);
    return m_textos.sliced(inicio, m_finales.at(columna) - inicio);
}

void FilaLista::ponerTexto(int columna, const QString &texto)
{
    while (m_finales.size() <= columna)
        m_finales.append(static_cast<int>(m_textos.size()));
    const int inicio = columna == 0 ? 0 : m_finales.at(columna - 1);
    const int largo = m_finales.at(columna) - inicio;
    m_textos.replace(inicio, largo, texto);
    const int diferencia = static_cast<int>(texto.size()) - largo;
    for (qsizetype i = columna; i < m_finales.size(); ++i)
        m_finales[i] += diferencia;
}
