#pragma once

#include "platform/ado/Connection.h"

#include <QString>

namespace demo {

// The demo users' documented passwords: ADMIN / admin, OPERADOR / operador.
QString adminPassword();
QString operatorPassword();

// The form in which TA_USUARIOS stores a password. The one place where a demo password is
// turned into what the login check decodes: the program's own stored form (CodificarClave).
QString storedPassword(const QString &plain);

// Company settings of TA_CONFIGURACION, the users with their grants on the program's menu
// entry, and the business unit. Throws RuntimeError when a write fails.
void writeSettings(ado::Connection &company);

// The statistics database's configuration: the command time-out.
void writeStatisticsSettings(ado::Connection &statistics);

} // namespace demo
