#include "session/ObjetosExternos.h"

core::LazyInstance<outside::Utilidades> gUtil;
core::LazyInstance<outside::Equipo> gEquipo;
core::LazyInstance<outside::LectorIni> gIni;
core::LazyInstance<outside::Buscador> gBuscador;
core::LazyInstance<report::ImpresionReportes> gImpresion;

void liberarObjetosExternos()
{
    gUtil.reset();
    gEquipo.reset();
    gIni.reset();
    gBuscador.reset();
    gImpresion.reset();
}
