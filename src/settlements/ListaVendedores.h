#pragma once

#include <QFont>
#include <QString>

class DB_Dll;
class QTreeWidget;

// The salespersons of a stored settlement (the window's ListView1): one row per salesperson
// with the settlement's commission and collected total, in salesperson-code order, then a
// total row "Tot".
class ListaVendedores {
public:
    ListaVendedores(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base);

    // Lays out the list's columns, without rows.
    static void mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana);

    // The statement that reads the salespersons of settlement `idLiquidacion` (placed
    // unquoted, as typed).
    static QString sentencia(const QString &idLiquidacion);

    // Rebuilds the list's columns and rows; its sort settings stay as the user left them. A
    // settlement without collections leaves the headers only. Errors pass to the caller, with
    // the rows read so far left in the list and no total row: RuntimeError 3704 when the
    // query did not open (the connection has reported why).
    void cargar(const QString &idLiquidacion);

private:
    QTreeWidget &m_lista;
    QFont m_fuente;
    DB_Dll &m_base;
};
