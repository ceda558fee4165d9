#pragma once

#include <QFont>
#include <QString>

class DB_Dll;
class QTreeWidget;

// The collections of one salesperson in a stored settlement (the window's ListView2): one row
// per collection by date, type and number, with its commission, its split by means of payment
// and a row ordinal "Id", then a total row "Tot".
class ListaCobranzas {
public:
    ListaCobranzas(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base);

    // Lays out the list's columns, without rows.
    static void mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana);

    // The statement that reads the collections of settlement `idLiquidacion` (unquoted) for
    // the salesperson code `idVendedor` as the database stores it.
    static QString sentencia(const QString &idLiquidacion, const QString &idVendedor);

    // Rebuilds the list's columns and rows, sorting switched off so the rows keep the query's
    // order. The salesperson is the selected row of `vendedores` (its code brought to the
    // stored width of 4). Errors pass to the caller with the rows read so far left in the list
    // and no total row: RuntimeError 91 when no salesperson is selected (the columns are then
    // already rebuilt), 3704 when the query did not open (the connection has reported why).
    void cargar(const QString &idLiquidacion, const QTreeWidget &vendedores);

private:
    QTreeWidget &m_lista;
    QFont m_fuente;
    DB_Dll &m_base;
};
