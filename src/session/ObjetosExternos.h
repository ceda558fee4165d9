#pragma once

#include "platform/outside/Buscador.h"
#include "platform/outside/Equipo.h"
#include "platform/outside/LectorIni.h"
#include "platform/outside/Utilidades.h"
#include "session/LazyInstance.h"

namespace report {
class ImpresionReportes;
}

// The program-wide instances of the maker's helper objects, each made on first use and kept
// until the process ends.
extern core::LazyInstance<outside::Utilidades> gUtil;
extern core::LazyInstance<outside::Equipo> gEquipo;
extern core::LazyInstance<outside::LectorIni> gIni;
extern core::LazyInstance<outside::Buscador> gBuscador;
// The report printer; use it where platform/report/ImpresionReportes.h is included.
extern core::LazyInstance<report::ImpresionReportes> gImpresion;

// Releases every instance above; the next use makes fresh ones.
void liberarObjetosExternos();
