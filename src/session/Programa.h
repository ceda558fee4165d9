#pragma once

#include <QString>

// The program's own name: its executable, its title, and the process name it gives in
// messages and confidentiality rules.
inline const QString NombrePrograma = QStringLiteral("comisiones");
