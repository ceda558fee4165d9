#pragma once

#include <QString>

// The embedded database's schema: the SQLite DDL of data/schema, built into the program.
namespace schema {

// The company database's tables, views and indexes (SQLite dialect, TSQLCI collation).
QString companyDdl();

// The statistics database's configuration table.
QString statisticsDdl();

// The statistics database's name; its file is QV_ESTADISTICAS.db beside the company file.
QString statisticsDatabaseName();

// Creates <folder>/<companyDatabase>.db with the company schema and
// <folder>/QV_ESTADISTICAS.db with the statistics schema. Throws ado::EngineError when either
// file exists already or a statement fails.
void createDatabases(const QString &folder, const QString &companyDatabase);

} // namespace schema
