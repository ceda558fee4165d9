#pragma once

#include "demo/SqlLiteral.h"
#include "demo/Vouchers.h"

#include <QStringList>

// The rows of accounting entries (MV_ASIENTOS) and applications (MV_APLICACION) that the demo's
// voucher writers add, as SQL literals in the order of their columns.
namespace demo {

// One line of an accounting entry; the cheque, card and sub-ledger fields stay Null unless set.
struct EntryLine {
    QString side;
    QString account;
    qint64 amount = 0;
    QString detail;
    QString seller = {}; // empty: Null
    QString chequeOwn = sql::null();
    QString chequeNumber = sql::null();
    QString drawer = sql::null();
    QString bank = sql::null();
    QString dueDate = sql::null();
    QString coupon = sql::null();
    QString member = sql::null();
    QString instalments = sql::null();
    QString subledgerDate = sql::null();
};

QStringList entryColumns();
// Line `sequence` of voucher `key` dated `date`, in entry number `entryNumber` of the date's period
// and month; `voucherTotal` is the header amount every line repeats.
QStringList entryRow(const VoucherKey &key, int sequence, const QDate &date, qint64 voucherTotal, int entryNumber,
                     const EntryLine &line);

QStringList applicationColumns();
// `from` applied to `to` for `amount` cents on `account`, printed under `printed`.
QStringList applicationRow(const VoucherKey &from, const VoucherKey &to, qint64 amount, const QString &account,
                           const VoucherKey &printed);

} // namespace demo
