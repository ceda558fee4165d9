#pragma once

#include <QString>

namespace ado::sqlite {

// Creates a new embedded database file (WAL, the T-SQL functions and collation registered) and
// runs the given SQLite DDL text on it as it stands, untranslated: the schema files are written
// in SQLite's own dialect. Throws EngineError when the file exists already or a statement fails.
void createEmbeddedDatabase(const QString &path, const QString &sqliteDdl);

// The data folder: $COMISIONES_DATOS when set, else "datos" beside the executable.
QString dataFolder();

} // namespace ado::sqlite
