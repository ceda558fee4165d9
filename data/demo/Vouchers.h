#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The vouchers of the demo database as the generator plans them, before they become rows.
namespace demo {

// Type and the 4 + 8 + 1 pieces of a voucher number.
struct VoucherKey {
    QString tc;
    QString branch;
    QString number;
    QString letter;

    QString id() const { return branch + number + letter; }
};

// An article line of an invoice, proforma or credit note; amounts in cents.
struct SaleLine {
    int article = 0;
    int quantity = 0;
    QString priceList;
    qint64 unitPrice = 0; // without VAT
    int vatTenths = 0;
    qint64 net = 0;
    qint64 vat = 0;

    qint64 total() const { return net + vat; }
};

// The line of `quantity` units of article `article` (an index into articles()) at its price
// on the price list, its VAT rounded to the cent.
SaleLine priceLine(int article, int quantity, const QString &priceList);

struct Sale {
    VoucherKey key;
    int customer = 0;
    QDate date;
    QList<SaleLine> lines;

    qint64 net() const;
    qint64 vat() const;
    qint64 total() const;
};

// How part of a collection was settled; each kind posts to its own ledger account.
enum class Means {
    Cash,
    Cheque,
    Card,
    Bank,
    RetentionIva,
    RetentionGanancias,
    RetentionIngresosBrutos,
    RetentionOther,
    Discount
};

struct DebitLine {
    Means means = Means::Cash;
    qint64 amount = 0;
    // When set, the line posts to this account with this text instead of the means' own.
    QString account = {};
    QString detail = {};
};

struct Application {
    VoucherKey sale;
    qint64 amount = 0;
};

struct Collection {
    QString tc; // CB, CBCT or CBFP
    int customer = 0;
    QDate date;
    bool withSalesperson = true;
    QList<Application> applications;
    QList<DebitLine> debits;

    qint64 total() const;
};

} // namespace demo
