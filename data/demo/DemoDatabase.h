#pragma once

#include "demo/EdgeCases.h"
#include "platform/ado/Connection.h"

#include <QDate>
#include <QString>

// The demo database: a company with eight salespersons, its customers, articles with
// commission rates per price list, and two months of invoices, credit notes and collections
// with their accounting entries and applications.
namespace demo {

struct DemoOptions {
    int collections = 300; // number of collections (CB, CBCT, CBFP)
    quint64 seed = 1; // the same seed gives the same rows
};

// Fewer collections could not hold every fixed case of the demo.
inline constexpr int MinimumCollections = 10 + EdgeCaseCollections;

// The demo's date range: March and April 2024.
QDate firstDay();
QDate lastDay();

// Writes the demo rows into the empty databases behind the two connections, made from the
// schema. Throws std::invalid_argument for fewer than MinimumCollections collections, and the
// engine's RuntimeError when a write fails.
void writeDemoData(ado::Connection &company, ado::Connection &statistics, const DemoOptions &options);

// Creates <folder>/DEMO.db and <folder>/QV_ESTADISTICAS.db and fills them. Throws
// ado::EngineError when a file exists already, and what writeDemoData throws.
void createDemoDatabase(const QString &folder, const DemoOptions &options);

} // namespace demo
