#pragma once

#include "platform/runtime/RuntimeError.h"

#include <QString>
#include <optional>

// The program's error reporter: shows a run-time error with "Ha ocurrido el Siguiente Error (",
// the number, ") " and the description, titled with the error's source, " - " and the routine
// (when given) and " Aviso al operador!!! - 2 ", with `Botones` (default 18: critical icon,
// Abort/Retry/Ignore). Appends a line to "QVERR.LOG" in the temporary folder and returns the
// answer (3 Abort, 4 Retry, 5 Ignore...). Error number 0 shows nothing and returns 0, though the
// log file is still created. Never throws.
int MostrarError(const rt::RuntimeError &Error, std::optional<int> Botones = std::nullopt, const QString &Rutina = {});

// The log file of MostrarError: "QVERR.LOG" in the folder of TMP when TEMP is set, else in the
// workstation's fallback folder.
QString ArchivoLogErrores();

// A step handler for routines whose only choices are Ignore (go on) and leave: reports through
// MostrarError with `Rutina` and turns a Retry into a leave.
int MostrarErrorSinReintento(const rt::RuntimeError &Error, const QString &Rutina);
