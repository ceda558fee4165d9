#include "demo/PaymentSplit.h"

namespace demo {

namespace {

const Means Payments[] = {Means::Cash, Means::Cheque, Means::Card, Means::Bank};
const Means Retentions[] = {Means::RetentionIva, Means::RetentionGanancias, Means::RetentionIngresosBrutos,
                            Means::RetentionOther};

// Per mille of the total a deduction takes.
qint64 deductionShare(Means means, Prng &prng)
{
    return means == Means::Discount ? prng.between(20, 50) : prng.between(10, 30);
}

} // namespace

PaymentChoice randomPaymentChoice(Prng &prng)
{
    PaymentChoice choice;
    if (prng.chance(150))
        choice.deductions.append(Means::Discount);
    if (prng.chance(200))
        choice.deductions.append(Retentions[prng.below(4)]);
    const int count = prng.chance(700) ? 1 : prng.between(2, 3);
    for (int i = 0; i < count; ++i)
        choice.payments.append(Payments[prng.below(4)]);
    return choice;
}

QList<DebitLine> splitPayment(qint64 total, const PaymentChoice &choice, Prng &prng)
{
    QList<DebitLine> lines;
    qint64 rest = total;
    for (Means means : choice.deductions) {
        const qint64 amount = total * deductionShare(means, prng) / 1000;
        if (amount > 0 && amount < rest) {
            lines.append({means, amount});
            rest -= amount;
        }
    }
    QList<qint64> weights;
    qint64 weightSum = 0;
    for (qsizetype i = 0; i < choice.payments.size(); ++i) {
        weights.append(prng.between(1, 100));
        weightSum += weights.last();
    }
    qint64 left = rest;
    for (qsizetype i = 0; i < choice.payments.size(); ++i) {
        const bool last = i + 1 == choice.payments.size();
        const qint64 amount = last ? left : rest * weights.at(i) / weightSum;
        if (amount <= 0)
            continue;
        lines.append({choice.payments.at(i), amount});
        left -= amount;
    }
    return lines;
}

} // namespace demo
