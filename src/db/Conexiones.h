#pragma once

#include "core/LazyInstance.h"
#include "db/DB_Dll.h"

// The program's connection objects, each made on first use: the main connection every
// subsystem uses, the statistics connection, and a third one that is never opened (only
// EjecutaConsultaRSQL reads its error list).
extern core::LazyInstance<DB_Dll> gBaseDatos;
extern core::LazyInstance<DB_Dll> gBaseEstadisticas;
extern core::LazyInstance<DB_Dll> gBaseAuxiliar;
