#pragma once

#include <QString>

// The program's folders, each ending with a separator.

// The folder of the executable: where the program reads its skins and report files.
QString CarpetaAplicacion();

// Where the program writes the files it keeps beside itself ("QVERR.LOG" of the start-up,
// "BASES.TXT", "consultas.ntw"): the application folder when a file can be created there,
// else the user's data folder.
QString CarpetaEscritura();

// Puts CarpetaEscritura in another folder (tests); an empty text goes back to the rule above.
void setCarpetaEscritura(const QString &carpeta);
