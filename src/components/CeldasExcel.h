#pragma once

#include "platform/runtime/DateTime.h"

#include <QString>

class QLabel;

namespace sheet {
class Workbook;
class Worksheet;
} // namespace sheet

// What the two spreadsheet exports share: how dates go into cells, how the finished workbook
// is handed over and how a failure is told.
namespace excel {

// The number format of amounts.
inline const QString FormatoImporte = QStringLiteral("#,##0.00");

// Writes a date into a cell with a format that shows all it holds: "dd/mm/yyyy" for a date
// alone, "hh:mm:ss" for a time of day alone, "dd/mm/yyyy hh:mm:ss" for both.
// Throws RuntimeError 1004 off the sheet.
void escribirFecha(sheet::Worksheet &hoja, int fila, int columna, rt::DateTime valor);

// Shows the workbook (see sheet::Workbook::show) under `nombre`. When no desktop opened it, the
// path is told on `progreso` when given, else on the progress banner. Throws as show does.
void mostrarLibro(const sheet::Workbook &libro, const QString &nombre, QLabel *progreso);

// Tells the user that an export did not finish, and why.
void avisarFallo(const QString &motivo);

} // namespace excel
