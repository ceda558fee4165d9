#pragma once

#include "platform/ado/Connection.h"

#include <QDate>

namespace demo {

// The purchases side that receipts and payment orders print: suppliers and their accounts,
// purchase invoices (FCC, headers in C_MV_CPTE, some with a sub-ledger date) and, in each of the
// two months, payment orders PG, PGFP and OPG that pay them (one in part, so a balance stays
// open), and one more PGFP in April. Their entries credit cash, own and third-party cheques,
// transfers and cards, withhold every retention kind (the other retention of a kind without the
// "SU" setting), take a discount, and one PG gets change back in cash; OPG and PGFP orders debit
// the cash they pay out as a negative amount, so that their print, which negates their cash
// lines, shows it paid. Rows come from a generator of their own seeded from `seed`, so the
// collections and their settlements stay as they were. Settlements never read these vouchers.
// Throws RuntimeError.
void writeReceiptEntries(ado::Connection &company, quint64 seed, const QDate &firstDay);

} // namespace demo
