#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// The cells of the grid as the flex grid keeps them: row 0 holds the column captions and column
// 0 the row numbers; every cell has a text, and may have a back colour and bold text. The view
// shows rows and columns from 1, with row 0 in its horizontal header and column 0 in its
// vertical one. A whole page is put in at once (one reset), however many rows it has.
class ModeloGrilla : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int Rows() const { return m_filas; }
    int Cols() const { return m_columnas; }
    // Changes the size, keeping the texts of the cells that remain.
    void dimensionar(int filas, int columnas);
    // Replaces every cell: `textos` holds filas x columnas texts, row after row. Colours and
    // bold are cleared.
    void cargar(int filas, int columnas, QList<QString> textos);
    // Empties every text and clears colours and bold.
    void limpiar();

    QString texto(int fila, int columna) const;
    void setTexto(int fila, int columna, const QString &texto);
    // An invalid colour when the cell has none of its own.
    QColor fondo(int fila, int columna) const { return m_fondos.value(clave(fila, columna)); }
    void setFondo(int fila, int columna, const QColor &color);
    bool negrita(int fila, int columna) const { return m_negritas.contains(clave(fila, columna)); }
    void setNegrita(int fila, int columna, bool negrita);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static quint64 clave(int fila, int columna) { return (quint64(quint32(fila)) << 32) | quint32(columna); }
    QVariant celda(int fila, int columna, int role) const;
    void avisarCambio(int fila, int columna);

    int m_filas = 0;
    int m_columnas = 0;
    QList<QString> m_textos;
    QHash<quint64, QColor> m_fondos;
    QSet<quint64> m_negritas;
};
