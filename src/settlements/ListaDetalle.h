#pragma once

#include "platform/runtime/StepRunner.h"

#include <QFont>
#include <QString>

class CargadorLista;
class DB_Dll;
class QTreeWidget;

// The article lines of the vouchers that a salesperson's collections paid in a stored settlement
// (the window's ListView5), optionally of one collection or of one voucher of it, with a row
// ordinal "Id", then a total row "Tot" with the sums of the quantity and the four amounts.
class ListaDetalle {
public:
    // `tratarError` answers each failing statement: Retry runs it again, Ignore goes on with the
    // next one (a cell that failed stays empty), any other answer leaves the load.
    ListaDetalle(QTreeWidget &lista, const QFont &fuenteVentana, DB_Dll &base, rt::ErrorHandler tratarError);

    // Lays out the list's columns, without rows.
    static void mostrarColumnas(QTreeWidget &lista, const QFont &fuenteVentana);

    // The statement that reads the lines of settlement `idLiquidacion` (unquoted) for the
    // salesperson code `idVendedor` as stored. A collection type `cbtc` narrows it to that
    // collection, unless it names a credit note (NC, NCFP); a voucher type `tc` narrows it to the
    // voucher `tc` / `idComprobante`.
    static QString sentencia(const QString &idLiquidacion, const QString &idVendedor, const QString &cbtc,
                             const QString &idCobranza, const QString &tc, const QString &idComprobante);

    // Rebuilds the list's columns and rows, unsorted, for the salesperson selected in
    // `vendedores`. An empty settlement number leaves the list as it is. Errors go to the
    // handler given at construction; a Null where a value is needed (a voucher missing from the
    // vouchers table has no date) is RuntimeError 94. When the load is left, the rows added
    // so far stay.
    void cargar(const QString &idLiquidacion, const QTreeWidget &vendedores, const QString &cbtc,
                const QString &idCobranza, const QString &tc, const QString &idComprobante);

private:
    // Adds the rows and the total row of an open query; false when the load was left.
    bool cargarFilas(CargadorLista &cargador);

    QTreeWidget &m_lista;
    QFont m_fuente;
    DB_Dll &m_base;
    rt::StepRunner m_pasos;
};
