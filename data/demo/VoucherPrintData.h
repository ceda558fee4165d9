#pragma once

#include "platform/ado/Connection.h"

// Vouchers written for printing only: one of each type the settlement never reads (an
// electronic credit invoice, invoices in dollars and from before the QR forms, a debit note, a
// work order with its diary, a quotation, an order and the remito that delivers part of it, a
// proforma credit note of other concepts only),
// with remarks, other concepts, lots, a customs dispatch and authorisation codes, on point of
// sale 0009; and the remarks and authorisation of one credit note and one proforma of the
// settlement's vouchers. Nothing here reaches a settlement: no collection applies these vouchers
// and no accounting entry names them.
namespace demo {

// Writes those rows and turns the retail set-up on. Throws RuntimeError when a write fails.
void writeVoucherPrintData(ado::Connection &company);

} // namespace demo
