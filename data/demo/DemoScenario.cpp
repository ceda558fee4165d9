#include "demo/DemoScenario.h"

#include "demo/DemoCatalog.h"

#include <algorithm>

namespace demo {

namespace {

const QString CB = QStringLiteral("CB");
const QString CBCT = QStringLiteral("CBCT");
const QString CBFP = QStringLiteral("CBFP");

PaymentChoice paying(QList<Means> payments, QList<Means> deductions = {})
{
    return {std::move(deductions), std::move(payments)};
}

} // namespace

DemoScenario::DemoScenario(VoucherWriter &writer, Prng &prng, const QDate &firstDay, int days)
    : m_writer(writer)
    , m_prng(prng)
    , m_firstDay(firstDay)
    , m_days(days)
{
}

void DemoScenario::run(int collections, const std::function<void(int)> &progress)
{
    writeFixedCases();
    int written = FixedCollections;
    progress(written);
    while (written < collections) {
        written += writeRandomCase(collections - written);
        progress(written);
    }
}

// Days are offsets from the first day: 0-30 fall in the first month, 31 and on in the second.
void DemoScenario::writeFixedCases()
{
    const Sale first = paidInFull(CB, 0, 5, paying({Means::Cash, Means::Cheque}, {Means::RetentionGanancias}));
    m_writer.writePrintExtras(first);
    cancelledByCredit(1, 3, 10);
    unpaid(9, 30);
    paidInPart(CB, 2, 8, paying({Means::Card}));
    paidByTwo(CB, 3, 9, 40, paying({Means::Bank}, {Means::Discount}), paying({Means::Cash}));
    paidInFull(CB, 4, 12, paying({Means::Cash}), false);
    paidInFull(CBCT, 5, 35, paying({Means::Cheque, Means::Cheque}));
    paidInFull(CBFP, 6, 20, paying({Means::Bank}));
    twoSalesAtOnce(CB, 7, 45,
                   paying({Means::Cash, Means::Card}, {Means::Discount, Means::RetentionIva,
                                                       Means::RetentionIngresosBrutos, Means::RetentionOther}));
    creditedInPartThenPaid(CB, 8, 50, paying({Means::Cash}));
    writeEdgeCases(m_writer, m_firstDay);
}

int DemoScenario::writeRandomCase(int remaining)
{
    const int roll = m_prng.between(0, 99);
    const QString tc = randomCollectionType();
    const int customer = randomCustomer();
    const int onDay = m_prng.between(0, m_days - 1);
    int written = 1;
    if (roll < 8 && remaining >= 2) {
        paidByTwo(tc, customer, onDay, m_prng.between(onDay, m_days - 1), randomPaymentChoice(m_prng),
                  randomPaymentChoice(m_prng));
        written = 2;
    } else if (roll < 18) {
        twoSalesAtOnce(tc, customer, onDay, randomPaymentChoice(m_prng));
    } else if (roll < 23) {
        paidInPart(tc, customer, onDay, randomPaymentChoice(m_prng));
    } else if (roll < 26) {
        creditedInPartThenPaid(tc, customer, onDay, randomPaymentChoice(m_prng));
    } else {
        paidInFull(tc, customer, onDay, randomPaymentChoice(m_prng));
    }
    if (m_prng.chance(30)) {
        const int saleDay = m_prng.between(0, m_days - 1);
        cancelledByCredit(randomCustomer(), saleDay, m_prng.between(saleDay, m_days - 1));
    }
    if (m_prng.chance(40))
        unpaid(randomCustomer(), m_prng.between(0, m_days - 1));
    return written;
}

QString DemoScenario::randomCollectionType()
{
    const int roll = m_prng.between(0, 99);
    return roll < 80 ? CB : roll < 92 ? CBCT : CBFP;
}

int DemoScenario::randomCustomer()
{
    return static_cast<int>(m_prng.below(static_cast<quint64>(customers().size())));
}

QDate DemoScenario::day(int offset) const
{
    return m_firstDay.addDays(offset);
}

QList<SaleLine> DemoScenario::randomLines(int customer, int minimumLines)
{
    const QString list = customers().at(customer).priceList;
    const int count = std::max(minimumLines, m_prng.between(1, 4));
    QList<SaleLine> lines;
    QList<int> used;
    while (lines.size() < count) {
        const int index = static_cast<int>(m_prng.below(static_cast<quint64>(articles().size())));
        if (used.contains(index))
            continue;
        used.append(index);
        lines.append(priceLine(index, m_prng.between(1, 10), list));
    }
    return lines;
}

// Proformas are collected by CBFP, invoices by CB and CBCT; a sale is at most 30 days older
// than its collection.
Sale DemoScenario::newSale(const QString &collectionType, int customer, int latestDay, int minimumLines)
{
    const QString tc = collectionType == CBFP ? QStringLiteral("FP") : QStringLiteral("FC");
    const int saleDay = m_prng.between(std::max(0, latestDay - 30), latestDay);
    return m_writer.writeSale(tc, customer, day(saleDay), randomLines(customer, minimumLines));
}

void DemoScenario::collect(const QString &tc, int customer, int onDay, const QList<Application> &applications,
                           const PaymentChoice &choice, bool withSalesperson)
{
    Collection collection;
    collection.tc = tc;
    collection.customer = customer;
    collection.date = day(onDay);
    collection.withSalesperson = withSalesperson;
    collection.applications = applications;
    collection.debits = splitPayment(collection.total(), choice, m_prng);
    m_writer.writeCollection(collection);
}

Sale DemoScenario::paidInFull(const QString &tc, int customer, int onDay, const PaymentChoice &choice,
                              bool withSalesperson)
{
    const Sale sale = newSale(tc, customer, onDay);
    collect(tc, customer, onDay, {{sale.key, sale.total()}}, choice, withSalesperson);
    return sale;
}

void DemoScenario::paidInPart(const QString &tc, int customer, int onDay, const PaymentChoice &choice)
{
    const Sale sale = newSale(tc, customer, onDay);
    collect(tc, customer, onDay, {{sale.key, sale.total() * m_prng.between(30, 80) / 100}}, choice);
}

void DemoScenario::paidByTwo(const QString &tc, int customer, int firstDay, int secondDay, const PaymentChoice &first,
                             const PaymentChoice &second)
{
    const Sale sale = newSale(tc, customer, firstDay);
    const qint64 part = sale.total() * m_prng.between(30, 70) / 100;
    collect(tc, customer, firstDay, {{sale.key, part}}, first);
    collect(tc, customer, secondDay, {{sale.key, sale.total() - part}}, second);
}

void DemoScenario::twoSalesAtOnce(const QString &tc, int customer, int onDay, const PaymentChoice &choice)
{
    const Sale one = newSale(tc, customer, onDay);
    const Sale other = newSale(tc, customer, onDay);
    collect(tc, customer, onDay, {{one.key, one.total()}, {other.key, other.total()}}, choice);
}

// The credit note refunds the first line but is applied for half of it only, so it does not
// count as cancelling; the collection pays what the sale still owes.
void DemoScenario::creditedInPartThenPaid(const QString &tc, int customer, int onDay, const PaymentChoice &choice)
{
    const Sale sale = newSale(tc, customer, onDay, 2);
    const int saleDay = static_cast<int>(m_firstDay.daysTo(sale.date));
    const int noteDay = m_prng.between(saleDay, onDay);
    const qint64 applied = sale.lines.first().total() / 2;
    m_writer.writeCreditNote(sale, day(noteDay), {sale.lines.first()}, applied);
    collect(tc, customer, onDay, {{sale.key, sale.total() - applied}}, choice);
}

void DemoScenario::cancelledByCredit(int customer, int saleDay, int noteDay)
{
    const Sale sale = m_writer.writeSale(QStringLiteral("FC"), customer, day(saleDay), randomLines(customer, 1));
    m_writer.writeCreditNote(sale, day(noteDay), sale.lines, sale.total());
}

void DemoScenario::unpaid(int customer, int onDay)
{
    m_writer.writeSale(QStringLiteral("FC"), customer, day(onDay), randomLines(customer, 1));
}

} // namespace demo
