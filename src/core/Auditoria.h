#pragma once

#include <QString>
#include <QStringList>

// Traces the program leaves in the company database: audit rows, error rows and the scripts
// whose failure is recorded.

// Writes one row of V_MV_CPTEACCIONES about an action on a voucher, stamped with the server's
// date and time: type 'ER' when `Error`, else 'A' (`Alta`), 'M' (`Modificacion`) or 'B'. An empty
// IdComplemento becomes "0" (the caller's text too). Failures are ignored and never reported.
void GrabarAccionCpte(const QString &TC, const QString &IdComprobante, QString &IdComplemento, bool Alta,
                      bool Modificacion, bool Baja, const QString &Texto, const QString &Cuenta, bool Error);

// Writes one row of AUX_ERR about a failed script, stamped with the workstation's date and time.
// An empty Proceso becomes the program's name (the caller's text too). Failures are ignored.
void GrabarAuxErr(const QString &SQL, QString &Proceso, long NumeroError, const QString &Descripcion);

// Runs the non-blank statements of Sentencias as one script inside a transaction on the main
// connection: committed when the server reports no error; otherwise rolled back, recorded in
// AUX_ERR and, when `AvisarOperador`, shown ("Aviso al Operador!") unless the failure is a
// duplicate key (2627) or a reference conflict (547) that the caller tolerates. Fallo tells
// whether it failed, NumeroError the server's native number, Script the text run and Mensaje
// the server's message. Nothing runs, and only Fallo is written, when no statement is left.
// Other failures are shown by MostrarError ("GActualizarDatoScript").
void GActualizarDatoScript(const QStringList &Sentencias, bool &Fallo, long &NumeroError, bool ToleraDuplicados,
                           bool ToleraReferencias, QString &Script, QString &Mensaje, bool AvisarOperador);
