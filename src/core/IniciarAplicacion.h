#pragma once

#include <QString>

// The program's start-up, run once from the main window's load handler: shows the start-up
// banner, builds the workstation identity, reads the command text ("@Server=...;@DbName=...;
// @Usuario=...;@UsuarioLogeado=...;@Password=...;@Caja=...;"), opens the main connection (the
// connection dialog asks for it when the server or the user is missing) and the statistics
// connection, prepares the look-up object and loads the business settings, then logs the user
// in: a failed check shows the login dialog for at most three attempts. Writes the session
// state (Sesion.h).
// `UsarArchivoIni` lets an empty command text be built from "CN000pr.INI"; an empty
// `TextoComando` stands for the process command line (QCoreApplication::arguments() after the
// program, joined by blanks); `TextoConexion` is the connection string to open (empty: built from
// the parameters), filled here for an Oracle server; `UbicacionCursor` is the cursor location.
// Ends the program (ui::EndProgram) when the connection does not open, after the third failed
// login, on Cancelar in the login dialog, and on any run-time error but number 5 (which skips
// the failing statement), after writing that error and the step to "QVERR.LOG" and showing it in a
// box titled with the program's name, which says whether the log took it.
void IniciarAplicacion(bool UsarArchivoIni, const QString &TextoComando, QString &TextoConexion, long UbicacionCursor);
void IniciarAplicacion(bool UsarArchivoIni = false, const QString &TextoComando = {}, const QString &TextoConexion = {},
                       long UbicacionCursor = 3);
