#pragma once

#include <QString>

// Records the entry of the logged user into the program as one row of Control_Acceso
// (machine, user, process, task, "dd/mm/yy hh:mm", user as typed), the task being the
// TA_MENU name of the user's TA_TAREAS grant whose Proceso holds the process name. Without a
// grant the task is the program's name when the connection logs in with the database name,
// else empty. It refuses nobody; an empty gUsuarioLogeado takes the connection's user. An empty
// Proceso stands for this program. Nothing is shown but a failure of the insert, reported by
// GActualizarDatoScript.
void VerificarPermiso(const QString &Proceso);
