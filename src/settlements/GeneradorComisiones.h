#pragma once

#include "platform/ado/LiteralText.h"
#include "platform/ado/Transaction.h"
#include "platform/runtime/StepRunner.h"

#include <QString>
#include <functional>
#include <optional>

class DB_Dll;
class ImputacionCobranza;
class VentanaGeneracion;

namespace ado {
class Recordset;
}

// The settlement generator: builds one new commission settlement from the collections of a date
// range in V_COMISIONES_VENDEDOR_CAB, _COB, _APL and _DET, all of it in one transaction taken
// for writing before the range check and committed after the last sum: a build that stops
// (an error, a lost connection, the process ended) stores nothing. Its progress, event
// processing, command locking and closing step go through the window.
class GeneradorComisiones {
public:
    // How a build ended: through its closing step ("PROCESO FINALIZADO"), or left at once
    // after the error dialog, the window still locked for the build.
    enum class Fin { Cerrada, Abandonada };

    GeneradorComisiones(DB_Dll &db, VentanaGeneracion &ventana);

    // GeneraComisionesNew: builds the settlement of the range FechaDesde to FechaHasta (texts
    // dd/mm/yyyy; an empty one takes the other, both empty the 30 days up to the server date,
    // written back), of the salesperson IdVendedor or of everyone when it is empty. With
    // "Recalcular" ticked, idLiquidacionBorrar is rebuilt: the range check, which ignores that
    // settlement, comes first, and only an accepted range deletes it. A range that wholly
    // contains another stored settlement is refused with its number. Failed writes are shown
    // and end the build (a failed split update only skips its collection); run-time errors go
    // to the error dialog. A build that ends short of its last sum is rolled back and says that
    // nothing was stored. Ends with the window's closing step unless the build was left.
    Fin GeneraComisionesNew(QString &FechaDesde, QString &FechaHasta, QString &IdVendedor,
                            QString &idLiquidacionBorrar);

    // Whether no stored settlement other than `excluida` lies wholly inside the range; when one
    // does, its number goes into idLiquidacion. Throws RuntimeError when the headers cannot
    // be read.
    bool RangoDeFechasValidoLiquidacion(const QString &FhDesde, const QString &FhHasta, QString &idLiquidacion,
                                        const QString &excluida = {});
    // The number for a new settlement: the highest stored plus one, "1" for none. Throws
    // RuntimeError when the headers cannot be read.
    QString obtenerNroLiquidacion();

private:
    enum class Paso { Seguir, Cerrar };
    // How the stages ended: all done, the range refused before any write, or a failed write.
    enum class Resultado { Completa, Rechazada, Fallida };

    Resultado construir(QString &desde, QString &hasta, const QString &vendedor, const QString &borrar);
    // Begins the build's transaction; leaves the build when the user gives up on it or ignores
    // its failure.
    void comenzar();
    // Commits the build: false when it was not stored.
    bool guardar();
    // Rolls the build back and says that nothing was stored.
    void descartar();
    void fechasPorDefecto(QString &desde, QString &hasta);
    Paso borrarLiquidacion(const QString &numero);
    Paso cargarCobranzas(const QString &desde, const QString &hasta, const QString &vendedor, bool notasDeCredito);
    void cerrar();

    // Stages after the collections (GeneradorComisionesAplicaciones.cpp).
    void discriminarCobranzas();
    void imputarCobranza(ado::Recordset &rs, ImputacionCobranza &imputacion);
    Paso cargarAplicaciones();
    Paso aplicarComprobante(ado::Recordset &rs);

    // Stages of the article detail and the commissions (GeneradorComisionesDetalle.cpp).
    Paso cargarDetalle();
    Paso insertarLineaDetalle(ado::Recordset &rs);
    Paso anularNotasDeCredito();
    Paso anularLineasRepetidas();
    Paso sumarComisiones();

    // Runs a write: true when the connection reports no error; otherwise shows the first
    // error's description and answers false. Sends nothing once the build's transaction no
    // longer stands (a lost connection): the build then ends at once.
    bool escribir(const ado::LiteralText &sentencia);
    // As escribir, and a failure ends the build.
    Paso escribirOCerrar(const ado::LiteralText &sentencia);
    // Opens a query after processing the pending events.
    void abrir(const QString &sentencia, ado::Recordset &rs);
    void mostrar(const QString &texto);
    // Walks the rows of an open query: for each, the counter, the progress text `prefijo`
    // counter " de " rows (and the events when `eventosTrasProgreso`), the row's work, then
    // the events. Stops when a row answers Cerrar.
    Paso recorrer(ado::Recordset &rs, const QString &prefijo, bool eventosTrasProgreso,
                  const std::function<Paso()> &fila);

    DB_Dll &m_db;
    VentanaGeneracion &m_ventana;
    // The build's handler: a run-time error shows the error dialog of the outside utility
    // object; Retry runs the statement again, Ignore goes on, any other answer leaves the build.
    rt::StepRunner m_paso;
    std::optional<ado::Transaction> m_transaccion;
    bool m_resuelta = false; // the transaction was committed or rolled back as the build ended
    QString m_numero;
    long m_contador = 0;
};
