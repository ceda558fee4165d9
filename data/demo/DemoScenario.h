#pragma once

#include "demo/EdgeCases.h"
#include "demo/PaymentSplit.h"
#include "demo/Prng.h"
#include "demo/VoucherWriter.h"

#include <functional>

namespace demo {

// Plans the demo's sales and collections over a date range and writes them. The first
// collections are fixed cases that every demo database holds, whatever its size: an invoice
// paid in part, one paid by two collections, one cancelled by a credit note, one credited in
// part, a collection without salesperson, collections of every type and every means of
// payment; then the edge cases (EdgeCases.h). The rest are drawn at random from the same kinds.
class DemoScenario {
public:
    // The fixed cases take this many collections, the edge cases included.
    static constexpr int FixedCollections = 9 + EdgeCaseCollections;

    DemoScenario(VoucherWriter &writer, Prng &prng, const QDate &firstDay, int days);

    // Writes `collections` collections (at least FixedCollections) with the sales they pay;
    // calls `progress` with the number written so far after each case.
    void run(int collections, const std::function<void(int)> &progress);

private:
    void writeFixedCases();
    int writeRandomCase(int remaining);

    QString randomCollectionType();
    int randomCustomer();
    QDate day(int offset) const;
    QList<SaleLine> randomLines(int customer, int minimumLines);
    Sale newSale(const QString &collectionType, int customer, int latestDay, int minimumLines = 1);
    void collect(const QString &tc, int customer, int onDay, const QList<Application> &applications,
                 const PaymentChoice &choice, bool withSalesperson = true);

    Sale paidInFull(const QString &tc, int customer, int onDay, const PaymentChoice &choice,
                    bool withSalesperson = true);
    void paidInPart(const QString &tc, int customer, int onDay, const PaymentChoice &choice);
    void paidByTwo(const QString &tc, int customer, int firstDay, int secondDay, const PaymentChoice &first,
                   const PaymentChoice &second);
    void twoSalesAtOnce(const QString &tc, int customer, int onDay, const PaymentChoice &choice);
    void creditedInPartThenPaid(const QString &tc, int customer, int onDay, const PaymentChoice &choice);
    void cancelledByCredit(int customer, int saleDay, int noteDay);
    void unpaid(int customer, int onDay);

    VoucherWriter &m_writer;
    Prng &m_prng;
    QDate m_firstDay;
    int m_days;
};

} // namespace demo
