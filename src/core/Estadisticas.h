#pragma once

// Opens gBaseEstadisticas on the statistics database "QV_ESTADISTICAS" of the main connection's
// server (closing it first when open) and reads its "TimeOut" into gTiempoEspera: 90 when the
// database cannot be opened or the key is missing or 0 (a missing or 0 key is written back as 0
// with the group "BaseDeDatos"). Shows nothing and throws nothing.
void ConectarEstadisticas();
