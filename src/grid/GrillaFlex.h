#pragma once

#include <QColor>
#include <QTableView>

class ModeloGrilla;

namespace ado {
class Recordset;
}

// The grid of the paged grid control, with the flex grid's ways: cells addressed by row and
// column from 0 (row 0 the captions, column 0 the row numbers), a current cell (Row, Col; row
// 0 may be current, as after selecting a caption), column widths in twips, colours and bold
// per cell, and the grid's events with the program's key codes.
class GrillaFlex : public QTableView {
    Q_OBJECT
public:
    // Twips in one pixel at the usual 96 dots per inch.
    static constexpr int TwipsPorPixel = 15;

    explicit GrillaFlex(QWidget *parent = nullptr);

    int Rows() const;
    void setRows(int filas);
    int Cols() const;
    void setCols(int columnas);
    QString TextMatrix(int fila, int columna) const;
    void setTextMatrix(int fila, int columna, const QString &texto);
    // Empties every cell and its formatting; the size stays.
    void Clear();

    // Column width in twips; column 0 is the row-number column.
    int ColWidth(int columna) const;
    void setColWidth(int columna, int twips);
    // The width of a text in the grid's font, in twips.
    int anchoTexto(const QString &texto) const;

    int Row() const { return m_fila; }
    void setRow(int fila);
    int Col() const { return m_columna; }
    void setCol(int columna);

    // The current cell's back colour (invalid: the grid's own) and bold text.
    QColor CellBackColor() const;
    void setCellBackColor(const QColor &color);
    bool CellFontBold() const;
    void setCellFontBold(bool negrita);
    // A cell's back colour, read or set without making it current.
    QColor colorCelda(int fila, int columna) const;
    void setColorCelda(int fila, int columna, const QColor &color);

    // Shows the rows of an open recordset, all at once, after skipping its first `saltar`
    // rows: the field names as captions, each value as text (Null as empty text). The current
    // cell goes to row 1, column 1.
    void cargar(ado::Recordset &rs, long saltar = 0);

signals:
    void Click();
    void DblClick();
    void GotFocus();
    void LostFocus();
    // Raised with the cell being left still current.
    void LeaveCell();
    void EnterCell();
    void RowColChange();
    // The handlers may change the codes: a key code of 0 keeps the grid from handling the key.
    void KeyDown(int &KeyCode, int Shift);
    void KeyPress(int &KeyAscii);
    void KeyUp(int &KeyCode, int Shift);
    void MouseDown(int Button, int Shift, float X, float Y);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void mostrarActual();
    int twipsDePixeles(int pixeles) const { return pixeles * TwipsPorPixel; }

    ModeloGrilla *m_modelo;
    int m_fila = 0;
    int m_columna = 0;
    int m_anchoNumeros = 0; // column 0, in twips
    bool m_moviendo = false;
};
