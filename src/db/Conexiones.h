#pragma once

#include "db/DB_Dll.h"
#include "session/LazyInstance.h"

// The program's connection objects, each made on first use: the main connection every
// subsystem uses, the statistics connection, and a third one that is never opened (only
// EjecutaConsultaRSQL reads its error list).
extern core::LazyInstance<DB_Dll> gBaseDatos;
extern core::LazyInstance<DB_Dll> gBaseEstadisticas;
extern core::LazyInstance<DB_Dll> gBaseAuxiliar;

// Releases the three connection objects; the next use makes fresh, closed ones.
void liberarConexiones();
