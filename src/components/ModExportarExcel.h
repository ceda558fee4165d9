#pragma once

#include "platform/sheet/Workbook.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>

class QLabel;
class QTreeWidget;

// Copies what the user sees (a list, or the rows of a query) into a new spreadsheet workbook,
// written as an .xlsx file, and hands it to the user. "Showing" a workbook saves it in the
// user's documents folder under the list's name and the time and opens it with the desktop's
// program; without a desktop the path is told on the progress banner.

// The workbook of the export in progress (it stands for the spreadsheet application): made by
// CrearLibroExcel, released at the end of each export.
extern std::unique_ptr<sheet::Workbook> gAppExcel;
// Title and subtitle lines of the heading block; empty means no such line.
extern QString gTituloExcel;
extern QString gSubtituloExcel;
// The sheet row of the column headings, set by EncabezadoExcel.
extern double gFilaEncabezado;

// Puts the four variables above back to their start: no workbook, no titles, row 0.
void reiniciarExportarExcel();

// Starts gAppExcel as a new workbook of nHojas sheets; 0 means 2 and is written back as 2.
// Throws RuntimeError 1004 for a count the spreadsheet refuses.
void CrearLibroExcel(qint16 &nHojas);

// Writes the heading block on the active sheet of gAppExcel: the title (column 2) with the
// server's date "DD/MM" (column nColumnas - 1) and the subtitle (column 1), red and bold, when
// they are set; the whole sheet at 11 points; then the heading row with aTitulos(1..), bordered,
// blue, white and bold, and the widths aAnchos(column) / 90 for every column but the last of
// aAnchos. Slot 0 of both lists is not used. Sets gFilaEncabezado (1, 2 or 3).
void EncabezadoExcel(qint16 nColumnas, const QStringList &aTitulos, const QList<qint32> &aAnchos);

// Exports a list (its header and top-level items) with the progress banner, then shows it, in
// landscape when bVistaPrevia. Columns of 50 twips or less (hidden ones) are left out; the
// others take sheet columns 1, 2... in their display order. With bSoloMarcados only checked
// items are exported. nCol1..nCol3: sheet columns formatted "dd/mm/yyyy" first (below 1: none).
// Texts that read as numbers become numbers "#,##0.00", texts that read as dates become dates.
// A workbook that cannot be shown is reported in a message box.
void ExportarListViewExcel(QTreeWidget *lv, bool bVistaPrevia, bool bSoloMarcados, qint16 nCol1, qint16 nCol2,
                           qint16 nCol3);

// Exports the rows of a statement, opened through gBaseDatos (SQL receives the rewritten text):
// heading block with Titulo and Subtitulo, a cell format by field type and value, banded rows,
// and totals "=SUM(...)" for the fields named in sLista (comma-separated, exact names) under the
// data rows. Progress goes to the banner, which can cancel (rows written so far are kept, no
// totals), or to ObjProgreso when given. At the end: shown when bMostrar, else saved as Archivo
// (replacing a file of that name only once the new one is written), else shown. No rows: no
// workbook. A statement that does not open or a workbook that cannot be written is reported in
// a message box. `n` is not used.
void ExportarExcelPorRS(QString &SQL, bool bMostrar, const QString &Titulo, const QString &Subtitulo,
                        const QString &Archivo, QLabel *ObjProgreso, qint32 n, const QString &sLista);

// The letters of a 0-based sheet column: 0 "A", 25 "Z", 26 "AA", 52 "BA". Throws RuntimeError 5
// outside the sheet.
QString LetraColumnaExcel(qint16 nIndice);
