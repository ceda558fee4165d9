#pragma once

#include "demo/VoucherWriter.h"
#include "platform/ado/Connection.h"

#include <QDate>

// Cases of the settlement build that ordinary sales never meet, written right after the fixed
// cases with the same figures at every scale and seed (nothing random). In each month:
// - a collection stored as "cb" pays an invoice stored as "fc", in petty cash (means-of-payment
//   class stored "ef") and through a virtual wallet (class "BV", one the split does not name);
// - a collection stored as "CB  " pays an invoice stored as "FC  " that holds two identical
//   article lines and two lines equal but for the quantity, by a bank account (class stored
//   "Db") and an account missing from the chart of accounts;
// - a CB and a CBCT of the same day pay one invoice of a customer and a salesperson whose names
//   hold an apostrophe.
// March also holds a credit note applied to its invoice for half its total (it cancels the
// invoice only in part; a collection pays the rest), April a collection without salesperson.
namespace demo {

// Collections the cases take, both months together.
inline constexpr int EdgeCaseCollections = 10;

namespace account {
inline constexpr const char *PettyCash = "1.1.01.02"; // class "ef"
inline constexpr const char *BankPampa = "1.1.02.03"; // class "Db"
inline constexpr const char *VirtualWallet = "1.1.05.01"; // class "BV"
inline constexpr const char *Unlisted = "1.1.06.01"; // posted to, missing from MA_CUENTAS
} // namespace account

// The chart-of-accounts rows of the accounts above (the missing one excepted). Throws RuntimeError.
void writeEdgeCaseAccounts(ado::Connection &company);

// The cases' vouchers; days count from `firstDay`, the 1st of March. Throws RuntimeError.
void writeEdgeCases(VoucherWriter &writer, const QDate &firstDay);

} // namespace demo
