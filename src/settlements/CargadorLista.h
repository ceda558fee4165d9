#pragma once

#include "platform/ado/Recordset.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/Variant.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeWidgetItem>
#include <vector>

class DB_Dll;
class QTreeWidget;

// Where a list column puts its texts.
enum class Alineacion { Izquierda, Derecha };

// One column of a settlement list: its header, its width as a run of that many capital "X"
// letters in the window's font, and its alignment.
struct ColumnaLista {
    QString titulo;
    int letras = 0;
    Alineacion alineacion = Alineacion::Izquierda;
};

// The steps every settlement list shares: reset the list and lay out its columns, read one
// forward-only, read-only query on the program's connection, add the rows, close the query.
// Rows reach the list together when the query is closed or the loader goes away, so a list of
// thousands is laid out once; rows already added stay in the list when a later step throws.
// Opening the query lets the window's events in (AbrirRecordset), so a click may start another
// load of the same list meanwhile: the later load wins, and the earlier one stops there without
// adding a row, so the list never shows the rows of two loads.
class CargadorLista {
public:
    // `fuente` is the window's font: the column widths follow it.
    CargadorLista(QTreeWidget &lista, const QFont &fuente, DB_Dll &base);
    // Puts the rows still pending into the list.
    ~CargadorLista();
    CargadorLista(const CargadorLista &) = delete;
    CargadorLista &operator=(const CargadorLista &) = delete;

    // Empties the list's rows and columns and lays out `columnas`, and makes this the list's
    // load. With `sinOrden` the list stops sorting, so its rows keep the query's order;
    // otherwise its sort settings stay.
    void reiniciar(const std::vector<ColumnaLista> &columnas, bool sinOrden);
    // The same on any list, without a query: a list shows its columns before its first load.
    static void disponerColumnas(QTreeWidget &lista, const QFont &fuente, const std::vector<ColumnaLista> &columnas,
                                 bool sinOrden);
    // Empties the list; a load still running on it stops as if another load had begun.
    static void vaciar(QTreeWidget &lista);

    // Opens the query through AbrirRecordset, which reports its own failures and then leaves
    // the recordset closed; its first use (hayFilas) then throws RuntimeError 3704. Throws
    // rt::LeaveRoutine when another load of the list began meanwhile: the routine that started
    // this one has been overtaken and goes no further.
    void abrir(const QString &sentencia);
    ado::Recordset &filas() { return m_filas; }
    // False when the query gave no row. Throws RuntimeError 3704 when it did not open.
    bool hayFilas() const;

    // Adds a row: the item's text and its sub-items, aligned as their columns.
    void agregarFila(const QStringList &textos);

    // Puts the pending rows into the list and closes the query through CierraRecordset. Throws
    // rt::LeaveRoutine, with no row added, when another load of the list began meanwhile.
    void cerrar();

private:
    void mostrarFilas();
    // Whether this is still the list's latest load.
    bool vigente() const;
    // Throws rt::LeaveRoutine, dropping the pending rows, when this load is no longer the latest.
    void seguirSiVigente();

    QTreeWidget &m_lista;
    QFont m_fuente;
    DB_Dll &m_base;
    // An empty row aligned as the columns: each row is its copy with its texts, so the rows share
    // one record of the alignments instead of each keeping its own.
    QTreeWidgetItem m_modelo;
    ado::Recordset m_filas;
    QList<QTreeWidgetItem *> m_pendientes;
    // Which of the list's loads this is; 0 before reiniciar.
    quint64 m_carga = 0;
};

// Running sums of a list's amount columns, kept as currency values.
class SumasImportes {
public:
    explicit SumasImportes(int columnas)
        : m_sumas(static_cast<size_t>(columnas))
    {
    }

    // Adds a field's value to column `indice`; Null adds nothing. Throws RuntimeError 13 when
    // the value is not a number, 6 on overflow.
    void sumar(int indice, const rt::Variant &valor);
    rt::Currency suma(int indice) const { return m_sumas.at(static_cast<size_t>(indice)); }
    // The sum as the lists show amounts.
    QString texto(int indice) const;

private:
    std::vector<rt::Currency> m_sumas;
};

// An amount as the settlement lists show it: two decimals and thousands separators whatever
// the configured decimals; Null shows as 0.
QString ImporteLista(const rt::Variant &valor);
