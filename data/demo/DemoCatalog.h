#pragma once

#include <QList>
#include <QString>

// The fixed part of the demo database: company, salespersons, customers, articles and the
// chart of accounts. Codes follow the stored forms the program compares with: four-digit
// salesperson and unit codes, short upper-case article codes, unpadded means-of-payment codes.
namespace demo {

struct Salesperson {
    QString code;
    QString name;
};

struct Customer {
    QString account; // its ledger account, also its customer code
    QString name;
    QString cuit;
    QString letter; // invoice letter: A or B
    QString priceList; // 0001 or 0002
    int salesperson; // index into salespersons()
};

struct Article {
    QString code;
    QString description;
    QString group;
    QString kitchenRouting; // "C" kitchen, "B" bar, empty for neither
    qint64 price; // cents without VAT, on price list 0001
    int vatTenths; // VAT rate in tenths of a percent: 210 or 105
};

const QList<Salesperson> &salespersons();
const QList<Customer> &customers();
const QList<Article> &articles();

// Unit price of an article on a price list, in cents without VAT.
qint64 listPrice(const Article &article, const QString &priceList);
// Commission rate of an article on a price list, in tenths of a percent; 0 for the one pair
// that has no rate on purpose.
int commissionTenths(int articleIndex, const QString &priceList);

namespace company {
QString name();
QString cuit();
QString unit(); // the business unit's code
} // namespace company

// Ledger accounts the vouchers post to.
namespace account {
inline constexpr const char *Cash = "1.1.01.01";
inline constexpr const char *Bank = "1.1.02.01";
inline constexpr const char *Cheques = "1.1.02.02";
inline constexpr const char *Cards = "1.1.03.01";
inline constexpr const char *RetentionIva = "1.1.04.01";
inline constexpr const char *RetentionGanancias = "1.1.04.02";
inline constexpr const char *RetentionIngresosBrutos = "1.1.04.03";
inline constexpr const char *RetentionOther = "1.1.04.04";
inline constexpr const char *DiscountsGranted = "4.1.05.01";
inline constexpr const char *DiscountsObtained = "5.1.05.01";
inline constexpr const char *Sales = "4.1.01.01";
inline constexpr const char *VatDebit = "2.1.03.01";
} // namespace account

// Bank codes of V_TA_BANCOS.
QStringList bankCodes();

} // namespace demo
