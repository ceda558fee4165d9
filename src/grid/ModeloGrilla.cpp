#include "grid/ModeloGrilla.h"

#include <QFont>
#include <utility>

void ModeloGrilla::dimensionar(int filas, int columnas)
{
    beginResetModel();
    QList<QString> textos(qsizetype(filas) * columnas);
    for (int f = 0; f < qMin(filas, m_filas); ++f)
        for (int c = 0; c < qMin(columnas, m_columnas); ++c)
            textos[qsizetype(f) * columnas + c] = m_textos.at(qsizetype(f) * m_columnas + c);
    m_filas = filas;
    m_columnas = columnas;
    m_textos = std::move(textos);
    endResetModel();
}

void ModeloGrilla::cargar(int filas, int columnas, QList<QString> textos)
{
    beginResetModel();
    m_filas = filas;
    m_columnas = columnas;
    m_textos = std::move(textos);
    m_textos.resize(qsizetype(filas) * columnas);
    m_fondos.clear();
    m_negritas.clear();
    endResetModel();
}

void ModeloGrilla::limpiar()
{
    cargar(m_filas, m_columnas, {});
}

QString ModeloGrilla::texto(int fila, int columna) const
{
    if (fila < 0 || fila >= m_filas || columna < 0 || columna >= m_columnas)
        return {};
    return m_textos.at(qsizetype(fila) * m_columnas + columna);
}

void ModeloGrilla::setTexto(int fila, int columna, const QString &texto)
{
    if (fila < 0 || fila >= m_filas || columna < 0 || columna >= m_columnas)
        return;
    m_textos[qsizetype(fila) * m_columnas + columna] = texto;
    avisarCambio(fila, columna);
}

void ModeloGrilla::setFondo(int fila, int columna, const QColor &color)
{
    if (color.isValid())
        m_fondos.insert(clave(fila, columna), color);
    else
        m_fondos.remove(clave(fila, columna));
    avisarCambio(fila, columna);
}

void ModeloGrilla::setNegrita(int fila, int columna, bool negrita)
{
    if (negrita)
        m_negritas.insert(clave(fila, columna));
    else
        m_negritas.remove(clave(fila, columna));
    avisarCambio(fila, columna);
}

int ModeloGrilla::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_filas - 1);
}

int ModeloGrilla::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : qMax(0, m_columnas - 1);
}

QVariant ModeloGrilla::celda(int fila, int columna, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return texto(fila, columna);
    case Qt::BackgroundRole: {
        const QColor color = fondo(fila, columna);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::FontRole:
        if (negrita(fila, columna)) {
            QFont fuente;
            fuente.setBold(true);
            return fuente;
        }
        return {};
    default:
        return {};
    }
}

QVariant ModeloGrilla::data(const QModelIndex &index, int role) const
{
    return index.isValid() ? celda(index.row() + 1, index.column() + 1, role) : QVariant();
}

QVariant ModeloGrilla::headerData(int section, Qt::Orientation orientation, int role) const
{
    return orientation == Qt::Horizontal ? celda(0, section + 1, role) : celda(section + 1, 0, role);
}

void ModeloGrilla::avisarCambio(int fila, int columna)
{
    if (fila == 0 && columna > 0) {
        emit headerDataChanged(Qt::Horizontal, columna - 1, columna - 1);
    } else if (columna == 0 && fila > 0) {
        emit headerDataChanged(Qt::Vertical, fila - 1, fila - 1);
    } else if (fila > 0 && columna > 0) {
        const QModelIndex i = index(fila - 1, columna - 1);
        emit dataChanged(i, i);
    }
}
