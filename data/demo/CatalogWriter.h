#pragma once

#include "platform/ado/Connection.h"

#include <QDate>

namespace demo {

// Writes the catalogues: chart of accounts and its settings row, salespersons, articles and
// their commission rates, customers, banks, voucher types, currencies and their rates from
// `firstDay` to `lastDay`, IVA conditions and print settings. Throws RuntimeError.
void writeCatalogues(ado::Connection &company, const QDate &firstDay, const QDate &lastDay);

} // namespace demo
