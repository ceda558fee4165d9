#pragma once

#include <QString>

// Opens a document, address or program through the workstation object; a target holding
// blanks is quoted unless it already holds a double quote.
void EjecutarPrograma(const QString &Destino, bool Ventana);
