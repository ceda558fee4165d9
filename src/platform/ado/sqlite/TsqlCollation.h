#pragma once

struct sqlite3;

namespace ado::sqlite {

// Compares two UTF-8 texts as SQL Server's case-insensitive, accent-sensitive Spanish
// collation does: letter case and trailing blanks ignored; an accented letter sorts after its
// plain letter, ñ after n. Answers <0, 0 or >0.
int compareTsqlText(int leftBytes, const void *left, int rightBytes, const void *right);

// Registers the collation TSQLCI (compareTsqlText) and a LIKE with SQL Server's patterns
// (%, _, [set], [^set], ESCAPE) that ignores letter case beyond ASCII. Throws EngineError when
// SQLite refuses one.
void registerTsqlCollation(sqlite3 *db);

} // namespace ado::sqlite
