#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLineEdit;
class QTableWidget;

namespace outside {

// The look-up window: a filter box over a list of rows. Typing in the filter box hides the rows
// in which no column contains the typed text (letter case ignored); Enter in the filter box,
// "Aceptar" or a double click chooses the current row. Controls: txtFiltro, lstResultados,
// cmdAceptar, cmdCancelar.
class VentanaBusqueda : public QDialog {
    Q_OBJECT
public:
    explicit VentanaBusqueda(QWidget *parent = nullptr);

    // Shows `filas` (one text per column) under the column titles; the value chosen is the
    // text of column `columnaClave` of the chosen row. The filter is emptied.
    void cargar(const QString &titulo, const QStringList &columnas, const QList<QStringList> &filas, int columnaClave);

    void setFiltro(const QString &texto);
    QString filtro() const;

    // The rows the filter leaves visible.
    int filasVisibles() const;

    // The key text of the chosen row after the window was accepted; empty otherwise.
    QString valorElegido() const { return m_valorElegido; }

    void accept() override;

private:
    void aplicarFiltro(const QString &texto);
    int filaActual() const;

    QLineEdit *m_filtro;
    QTableWidget *m_lista;
    int m_columnaClave = 0;
    QString m_valorElegido;
};

} // namespace outside
