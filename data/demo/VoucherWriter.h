#pragma once

#include "demo/BatchInserter.h"
#include "demo/EntryRows.h"
#include "demo/Prng.h"
#include "demo/Vouchers.h"

#include <QHash>

namespace demo {

// Turns planned vouchers into rows: the header (V_MV_CPTE), article lines (V_MV_CPTEINSUMOS),
// the accounting entry (MV_ASIENTOS) and the applications (MV_APLICACION). Numbers vouchers
// per type and letter on point of sale 0001. Rows are batched; flush() writes what is pending.
class VoucherWriter {
public:
    VoucherWriter(ado::Connection &company, Prng &prng);

    // An invoice (FC) or proforma (FP) of the customer. Throws RuntimeError.
    Sale writeSale(const QString &tc, int customer, const QDate &date, const QList<SaleLine> &lines);
    // A credit note on `origin` for the given lines, applied to it for `applied` cents.
    Sale writeCreditNote(const Sale &origin, const QDate &date, const QList<SaleLine> &lines, qint64 applied);
    // A collection: its credit line, one debit line per means and one application per voucher.
    VoucherKey writeCollection(const Collection &collection);
    // Print content of one invoice: header and footer remarks and electronic-invoice data.
    void writePrintExtras(const Sale &sale);
    void flush();

private:
    VoucherKey nextKey(const QString &tc, const QString &letter);
    void writeHeader(const VoucherKey &key, int customer, const QDate &date, qint64 net, qint64 total,
                     bool withSalesperson);
    void writeLines(const VoucherKey &key, const QList<SaleLine> &lines);
    void writeSaleEntry(const Sale &sale, bool credit);
    void writeEntryLine(const VoucherKey &key, int sequence, const QDate &date, qint64 voucherTotal,
                        const EntryLine &line);
    EntryLine debitLine(const DebitLine &debit, const Collection &collection);
    void writeApplication(const VoucherKey &from, const VoucherKey &to, qint64 amount, const QString &account,
                          const VoucherKey &printed);

    Prng &m_prng;
    BatchInserter m_headers;
    BatchInserter m_lines;
    BatchInserter m_entries;
    BatchInserter m_applications;
    BatchInserter m_remarks;
    BatchInserter m_electronic;
    QHash<QString, int> m_lastNumber;
    int m_entryNumber = 0;
    int m_chequeNumber = 0;
    int m_couponNumber = 0;
};

} // namespace demo
