#pragma once

#include "platform/ado/Engine.h"

#include <QString>
#include <memory>

namespace ado {

// The standard engine chooser:
// - SQLOLEDB with the server `sqlite` (any case): the embedded engine on
//   <data folder>/<Database>.db;
// - the Jet providers: the embedded engine on the file named by "Data Source";
// - SQLOLEDB with any other server, and OraOLEDB: the ODBC engine.
// Throws RuntimeError 3706 for a provider it does not know.
std::unique_ptr<Engine> makeStandardEngine(const QString &connectionString);

} // namespace ado
