#pragma once

#include "platform/runtime/DateTime.h"
#include "platform/runtime/Variant.h"

#include <QString>

class QLabel;

// Small services of the application: server date, file tests, paths, the look-up catalogue and
// a drawn progress bar. Opening documents, used by the login dialog too, is in
// session/EjecutarPrograma.h.

// The server's date and time to the second ("select  getDate() as fecha"). Without an answer:
// the configured "FECHAOPERHASTA" when gUtilizarFechaDia and it is a date, else the
// workstation's clock. Never throws.
rt::DateTime FechaServidor();

// Whether the file is a regular one that can be opened for reading (False for folders, pipes,
// devices, missing files, empty paths).
bool ExisteArchivo(const QString &Ruta);
// As ExisteArchivo, after removing every double quote from the path.
bool ExisteArchivoSinComillas(const QString &Ruta);

// A path completed against the application folder: "" for 2 characters or fewer; an absolute
// path ("\\...", "/...", "X:...") as it is; a relative one under the application folder. Folders
// (no "." after the first character) end with a separator.
QString RutaCompleta(const QString &Ruta);

// Appends the eleven look-ups of the program to the catalogue file named by
// gBuscador->ArchivoConsultas(). Throws RuntimeError 75 naming the file when it cannot be opened
// or a write does not complete (a full disk); then the file is left as it was, or not at all
// where this call made it.
void CargarTablasBusqueda();

// Draws on the picture a bar of `Porcentaje` (0 to 100) in `Color` (blue-green-red order) under
// the centred caption `Texto` " " percentage "%", the bar inverting the text it covers.
void DibujarProgreso(QLabel *Picture, const rt::Variant &Porcentaje, quint32 Color, const QString &Texto);
