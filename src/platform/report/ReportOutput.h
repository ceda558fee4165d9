#pragma once

#include "platform/report/ReportDocument.h"

#include <QString>

namespace report {

// Writes every page of the document to a PDF file, replacing the file at `path` (through a link,
// its file) only once the PDF is whole. Throws rt::RuntimeError 76 when the folder does not
// exist, and 70 when the user may not write the file there, when the path is no plain file (a
// pipe, a device, a folder) or its links go round, and when the PDF cannot be written whole,
// leaving what was at the path as it was.
void writePdf(const ReportDocument &document, const QString &path);

// Prints the document on the printer called `printerName` (letter case aside) when there is one,
// else on the default printer. Without any printer, writes it as a PDF in the user's documents
// folder and tells the user where (through the dialog service). Returns the printer's name, or
// the PDF's path. Throws rt::RuntimeError when the printer or the file refuses the job.
QString printDocument(const ReportDocument &document, const QString &printerName);

// Writes the document as a PDF in the user's documents folder, to be attached to an e-mail, and
// opens a new message in the desktop's mail program when there is a display. Returns the path.
// Throws as writePdf.
QString mailDocument(const ReportDocument &document);

// A path in the user's documents folder (made when missing) for a PDF of the report called
// `title`, unique to the second.
QString documentsPdfPath(const QString &title);

} // namespace report
