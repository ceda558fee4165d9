#pragma once

#include <QFont>
#include <QString>

class DB_Dll;
class QTreeWidget;

// The vouchers that a salesperson's collections paid in a stored settlement (the window's
// ListView3): one row per applied voucher by collection and voucher, with its customer, date,
// commission, net and total (credit notes negative) and a row ordinal "Id", then a total row
// "Tot" with "TOTALES" under "Fecha".
class ListaAplicaciones {
public:
    ListaAplicaciones(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base);

    // Lays out the list's columns, without rows.
    static void mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana);

    // The statement that reads the vouchers of settlement `idLiquidacion` (unquoted) for the
    // salesperson code `idVendedor` as stored; with a collection type `cbtc`, only those of the
    // collection `cbtc` / `idCobranza`.
    static QString sentencia(const QString &idLiquidacion, const QString &idVendedor, const QString &cbtc,
                             const QString &idCobranza);

    // Rebuilds the list's columns and rows, sorting switched off, for the salesperson selected
    // in `vendedores` and, when `cbtc` is not empty, the one collection `cbtc` / `idCobranza`.
    // Errors pass to the caller: RuntimeError 91 when no salesperson is selected (the list is
    // then untouched), 3704 when the query did not open (the connection has reported why; the
    // list keeps its headers only). Rows read before another error stay, without a total row.
    void cargar(const QString &idLiquidacion, const QTreeWidget &vendedores, const QString &cbtc,
                const QString &idCobranza);

private:
    QTreeWidget &m_lista;
    QFont m_fuente;
    DB_Dll &m_base;
};
