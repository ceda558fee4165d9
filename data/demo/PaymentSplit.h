#pragma once

#include "demo/Prng.h"
#include "demo/Vouchers.h"

namespace demo {

// What a collection is settled with: deductions (discount, retentions) take a few percent of
// the total each; the payments share the rest. Both lists may name a means more than once.
struct PaymentChoice {
    QList<Means> deductions;
    QList<Means> payments;
};

// A random choice: mostly one or two payment means, sometimes a discount or a retention.
PaymentChoice randomPaymentChoice(Prng &prng);

// Splits `total` cents into debit lines that add up to it exactly, each of at least one cent
// (payments that would get nothing are dropped; the last one always gets the rest).
QList<DebitLine> splitPayment(qint64 total, const PaymentChoice &choice, Prng &prng);

} // namespace demo
