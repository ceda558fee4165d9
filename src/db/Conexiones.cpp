#include "db/Conexiones.h"

core::LazyInstance<DB_Dll> gBaseDatos;
core::LazyInstance<DB_Dll> gBaseEstadisticas;
core::LazyInstance<DB_Dll> gBaseAuxiliar;

void liberarConexiones()
{
    gBaseDatos.reset();
    gBaseEstadisticas.reset();
    gBaseAuxiliar.reset();
}
