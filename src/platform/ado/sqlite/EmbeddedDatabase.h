#pragma once

#include <QString>

namespace ado::sqlite {

// Creates a new embedded database file (WAL, the T-SQL functions and collation registered) and
// runs the given SQLite DDL text on it as it stands, untranslated: the schema files are written
// in SQLite's own dialect. Throws EngineError when the file exists already or a statement fails.
void createEmbeddedDatabase(const QString &path, const QString &sqliteDdl);

// Whether the embedded engine may open `path`: a file that begins with an SQLite database header
// of a sane page size and holds that whole first page. A file that cannot be read counts as one:
// opening it tells why it cannot be read.
bool isDatabaseFile(const QString &path);

// The data folder: $COMISIONES_DATOS when set, else "datos" beside the executable.
QString dataFolder();

} // namespace ado::sqlite
