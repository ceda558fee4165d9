#include "demo/ReceiptEntries.h"

#include "demo/BatchInserter.h"
#include "demo/DemoCatalog.h"
#include "demo/EntryRows.h"
#include "demo/Prng.h"
#include "demo/SqlLiteral.h"
#include "demo/Vouchers.h"

#include <QHash>

namespace demo {

namespace {

QStringList columns(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

struct Supplier {
    const char *account;
    const char *name;
    const char *cuit;
};

const Supplier Suppliers[] = {
    {"2.1.01.001", "MOLINOS DEL SUR S.A.", "30-61234567-2"},
    {"2.1.01.002", "DISTRIBUIDORA NORTE S.R.L.", "30-62345678-5"},
    {"2.1.01.003", "FERRETERA INDUSTRIAL S.A.", "30-63456789-8"},
};

namespace ledger {
inline constexpr const char *Purchases = "5.1.01.01";
inline constexpr const char *VatCredit = "1.1.08.01";
inline constexpr const char *RetentionIva = "2.1.04.01";
inline constexpr const char *RetentionGanancias = "2.1.04.02";
inline constexpr const char *RetentionIngresosBrutos = "2.1.04.03";
// An other retention whose account has no "CTA_RET_OTRA_" setting: it counts with IVA.
inline constexpr const char *RetentionMunicipal = "2.1.04.04";
} // namespace ledger

// How a payment order settles what it pays. Retentions and the discount are withheld from the
// supplier; change comes back in cash on the debit side.
enum class OrderMeans {
    Cash,
    OwnCheque,
    ThirdPartyCheque,
    Transfer,
    Card,
    RetentionIva,
    RetentionGanancias,
    RetentionIngresosBrutos,
    RetentionMunicipal,
    Discount,
    ChangeInCash
};

bool isDeduction(OrderMeans means)
{
    return means >= OrderMeans::RetentionIva && means <= OrderMeans::Discount;
}

// OPG and PGFP orders keep their cash lines on the debit side, with a debit's sign: cash paid out
// is a negative debit, change given back a positive one. Their print negates every cash line, so
// it shows what was paid; the entry balances as it would with the payment on the credit side.
EntryLine cashAsSignedDebit(EntryLine line)
{
    if (line.account == QLatin1String(account::Cash) && line.side == u"H") {
        line.side = QStringLiteral("D");
        line.amount = -line.amount;
    }
    return line;
}

struct Purchase {
    VoucherKey key;
    int supplier = 0;
    qint64 total = 0;
};

struct Paid {
    const Purchase *purchase;
    qint64 amount;
};

class PurchasesWriter {
public:
    PurchasesWriter(ado::Connection &company, Prng &prng)
        : m_prng(prng)
        , m_headers(company, QStringLiteral("C_MV_CPTE"),
                    columns("TC,IdComprobante,IdComplemento,Fecha,Nombre,Importe,Cuenta"))
        , m_orderHeaders(company, QStringLiteral("V_MV_CPTE"),
                         columns("TC,IdComprobante,IdComplemento,Fecha,Nombre,Importe,Moneda,Cuenta"))
        , m_entries(company, QStringLiteral("MV_ASIENTOS"), entryColumns())
        , m_applications(company, QStringLiteral("MV_APLICACION"), applicationColumns())
    {
    }

    // A purchase invoice: the supplier credited, purchases and VAT credit debited.
    Purchase writeInvoice(int supplier, const QDate &date, bool subledgerDate)
    {
        const Supplier &from = Suppliers[supplier];
        const qint64 net = m_prng.between(50000, 900000);
        const qint64 vat = (net * 21 + 50) / 100;
        const Purchase purchase{nextKey(QStringLiteral("FCC"), QStringLiteral("A")), supplier, net + vat};
        writeHeader(purchase.key, date, from, purchase.total);
        const QDate subledger = subledgerDate ? date.addDays(-1) : QDate();
        startEntry();
        const QString supplierName = QString::fromLatin1(from.name);
        writeLine(purchase.key, date, subledger, purchase.total,
                  {QStringLiteral("H"), QString::fromLatin1(from.account), purchase.total, supplierName});
        writeLine(purchase.key, date, subledger, purchase.total,
                  {QStringLiteral("D"), QString::fromLatin1(ledger::Purchases), net, QStringLiteral("COMPRAS")});
        writeLine(
            purchase.key, date, subledger, purchase.total,
            {QStringLiteral("D"), QString::fromLatin1(ledger::VatCredit), vat, QStringLiteral("IVA CREDITO FISCAL")});
        return purchase;
    }

    // A payment order of `tc` to the supplier of the invoices it pays.
    void writeOrder(const QString &tc, const QDate &date, const QList<Paid> &paid, const QList<OrderMeans> &means)
    {
        const Supplier &to = Suppliers[paid.first().purchase->supplier];
        qint64 total = 0;
        for (const Paid &p : paid)
            total += p.amount;
        const VoucherKey key = nextKey(tc, QStringLiteral("X"));
        // Orders are printed from the voucher headers, where the report printer selects them.
        m_orderHeaders.add({sql::text(key.tc), sql::text(key.id()), sql::integer(0), sql::date(date),
                            sql::text(QString::fromLatin1(to.name)), sql::money(total), sql::text(QStringLiteral("1")),
                            sql::text(QString::fromLatin1(to.account))});
        startEntry();
        writeLine(key, date, {}, total,
                  {QStringLiteral("D"), QString::fromLatin1(to.account), total, QString::fromLatin1(to.name)});
        const bool cashAsDebit = tc == u"OPG" || tc == u"PGFP";
        for (const EntryLine &line : settle(total, date, means))
            writeLine(key, date, {}, total, cashAsDebit ? cashAsSignedDebit(line) : line);
        for (const Paid &p : paid)
            m_applications.add(applicationRow(key, p.purchase->key, p.amount, QString::fromLatin1(to.account), key));
    }

    void flush()
    {
        m_headers.flush();
        m_orderHeaders.flush();
        m_entries.flush();
        m_applications.flush();
    }

private:
    VoucherKey nextKey(const QString &tc, const QString &letter)
    {
        const int number = ++m_lastNumber[tc];
        return {tc, QStringLiteral("0001"), QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0')), letter};
    }

    void writeHeader(const VoucherKey &key, const QDate &date, const Supplier &supplier, qint64 total)
    {
        m_headers.add({sql::text(key.tc), sql::text(key.id()), sql::integer(0), sql::date(date),
                       sql::text(QString::fromLatin1(supplier.name)), sql::money(total),
                       sql::text(QString::fromLatin1(supplier.account))});
    }

    void startEntry()
    {
        ++m_entryNumber;
        m_sequence = 0;
    }

    // The credit lines of an order of `total`: deductions take a few per mille each, the payments
    // share the rest; change in cash makes the first payment larger by it.
    QList<EntryLine> settle(qint64 total, const QDate &date, const QList<OrderMeans> &means)
    {
        QList<EntryLine> lines;
        qint64 rest = total;
        QList<OrderMeans> payments;
        for (OrderMeans m : means) {
            if (isDeduction(m)) {
                const qint64 amount = total * m_prng.between(m == OrderMeans::Discount ? 20 : 10, 40) / 1000;
                lines.append(line(m, amount, date));
                rest -= amount;
            } else if (m != OrderMeans::ChangeInCash) {
                payments.append(m);
            }
        }
        const qint64 change = means.contains(OrderMeans::ChangeInCash) ? m_prng.between(100, 5000) : 0;
        qint64 left = rest;
        for (qsizetype i = 0; i < payments.size(); ++i) {
            const qint64 amount = i + 1 == payments.size() ? left : rest / payments.size();
            lines.append(line(payments.at(i), amount + (i == 0 ? change : 0), date));
            left -= amount;
        }
        if (change > 0)
            lines.append(line(OrderMeans::ChangeInCash, change, date));
        return lines;
    }

    EntryLine line(OrderMeans means, qint64 amount, const QDate &date)
    {
        const QString bank =
            sql::text(bankCodes().at(static_cast<int>(m_prng.below(static_cast<quint64>(bankCodes().size())))));
        const QString number = QStringLiteral("%1").arg(++m_documentNumber + 20000000);
        const QString H = QStringLiteral("H");
        switch (means) {
        case OrderMeans::Cash:
            return {H, QString::fromLatin1(account::Cash), amount, QStringLiteral("EFECTIVO")};
        case OrderMeans::OwnCheque: {
            EntryLine l{H, QString::fromLatin1(account::Bank), amount, QStringLiteral("CHEQUE PROPIO ") + number};
            l.chequeOwn = sql::integer(1);
            l.chequeNumber = sql::text(number);
            l.drawer = sql::text(company::cuit());
            l.bank = bank;
            l.dueDate = sql::date(date.addDays(30));
            return l;
        }
        case OrderMeans::ThirdPartyCheque: {
            EntryLine l{H, QString::fromLatin1(account::Cheques), amount,
                        QStringLiteral("CHEQUE DE TERCEROS ") + number};
            l.chequeOwn = sql::integer(0);
            l.chequeNumber = sql::text(number);
            l.drawer = sql::text(customers().at(static_cast<int>(m_prng.below(5))).cuit);
            l.bank = bank;
            l.dueDate = sql::date(date.addDays(m_prng.between(0, 30)));
            return l;
        }
        case OrderMeans::Transfer: {
            EntryLine l{H, QString::fromLatin1(account::Bank), amount, QStringLiteral("TRANSFERENCIA BANCARIA")};
            l.chequeNumber = sql::text(QStringLiteral("TRF-") + number);
            l.bank = bank;
            return l;
        }
        case OrderMeans::Card: {
            EntryLine l{H, QString::fromLatin1(account::Cards), amount, QStringLiteral("TARJETA CORPORATIVA")};
            l.coupon = sql::text(QStringLiteral("c%1").arg(m_documentNumber, 6, 10, QLatin1Char('0')));
            l.member = sql::text(QStringLiteral("5411%1").arg(m_prng.below(100000000ULL), 8, 10, QLatin1Char('0')));
            l.instalments = sql::integer(m_prng.chance(500) ? 1 : 3);
            return l;
        }
        case OrderMeans::RetentionIva:
            return {H, QString::fromLatin1(ledger::RetentionIva), amount, QStringLiteral("RETENCION IVA PRACTICADA")};
        case OrderMeans::RetentionGanancias:
            return {H, QString::fromLatin1(ledger::RetentionGanancias), amount,
                    QStringLiteral("RETENCION GANANCIAS PRACTICADA")};
        case OrderMeans::RetentionIngresosBrutos:
            return {H, QString::fromLatin1(ledger::RetentionIngresosBrutos), amount,
                    QStringLiteral("RETENCION INGRESOS BRUTOS PRACTICADA")};
        case OrderMeans::RetentionMunicipal:
            return {H, QString::fromLatin1(ledger::RetentionMunicipal), amount,
                    QStringLiteral("RETENCION MUNICIPAL PRACTICADA")};
        case OrderMeans::Discount:
            return {H, QString::fromLatin1(account::DiscountsObtained), amount, QStringLiteral("DESCUENTO OBTENIDO")};
        case OrderMeans::ChangeInCash:
            return {QStringLiteral("D"), QString::fromLatin1(account::Cash), amount,
                    QStringLiteral("VUELTO EN EFECTIVO")};
        }
        return {};
    }

    void writeLine(const VoucherKey &key, const QDate &date, const QDate &subledger, qint64 voucherTotal,
                   EntryLine line)
    {
        if (subledger.isValid())
            line.subledgerDate = sql::date(subledger);
        m_entries.add(entryRow(key, ++m_sequence, date, voucherTotal, m_entryNumber, line));
    }

    Prng &m_prng;
    BatchInserter m_headers;
    BatchInserter m_orderHeaders;
    BatchInserter m_entries;
    BatchInserter m_applications;
    QHash<QString, int> m_lastNumber;
    // Entry numbers of their own, far from those of the sales.
    int m_entryNumber = 900000;
    int m_sequence = 0;
    int m_documentNumber = 0;
};

void writeCatalogue(ado::Connection &company)
{
    BatchInserter types(company, QStringLiteral("V_TA_CPTE"), columns("Codigo,Descripcion,SISTEMA"));
    for (const auto &[code, description] :
         {std::pair{"PG", "ORDEN DE PAGO"}, std::pair{"PGFP", "ORDEN DE PAGO PROFORMA"},
          std::pair{"OPG", "ORDEN DE PAGO GENERAL"}})
        types.add({sql::text(QString::fromLatin1(code)), sql::text(QString::fromLatin1(description)),
                   sql::text(QStringLiteral("COMPRAS"))});
    types.flush();

    BatchInserter accounts(company, QStringLiteral("MA_CUENTAS"),
                           columns("Codigo,CodigoOpcional,Descripcion,MedioDePago,TipoVista"));
    const auto add = [&](const char *code, const char *description, const char *means) {
        accounts.add({sql::text(QString::fromLatin1(code)), sql::null(), sql::text(QString::fromLatin1(description)),
                      sql::textOrNull(QString::fromLatin1(means)), sql::null()});
    };
    for (const Supplier &supplier : Suppliers)
        add(supplier.account, supplier.name, "");
    add(ledger::Purchases, "COMPRAS", "");
    add(ledger::VatCredit, "IVA CREDITO FISCAL", "");
    add(ledger::RetentionMunicipal, "RETENCIONES MUNICIPALES A DEPOSITAR", "RO");
    accounts.flush();
}

// The orders of one month, from day `base` (an offset from the first day) on.
void writeMonth(PurchasesWriter &writer, Prng &prng, const QDate &firstDay, int base)
{
    const auto day = [&](int offset) { return firstDay.addDays(base + offset); };
    const Purchase a = writer.writeInvoice(0, day(2), true);
    const Purchase b = writer.writeInvoice(0, day(3), false);
    writer.writeOrder(
        QStringLiteral("PG"), day(12), {{&a, a.total}, {&b, b.total * prng.between(50, 80) / 100}},
        {OrderMeans::Cash, OrderMeans::OwnCheque, OrderMeans::RetentionIva, OrderMeans::RetentionGanancias});

    const Purchase c = writer.writeInvoice(1, day(4), false);
    const Purchase d = writer.writeInvoice(1, day(5), true);
    const Purchase e = writer.writeInvoice(1, day(6), false);
    writer.writeOrder(QStringLiteral("PGFP"), day(15),
                      {{&c, c.total}, {&d, d.total}, {&e, e.total * prng.between(30, 60) / 100}},
                      {OrderMeans::Transfer, OrderMeans::RetentionIngresosBrutos});

    const Purchase f = writer.writeInvoice(2, day(8), false);
    writer.writeOrder(QStringLiteral("OPG"), day(20), {{&f, f.total}},
                      {OrderMeans::Cash, OrderMeans::ThirdPartyCheque, OrderMeans::Card, OrderMeans::RetentionMunicipal,
                       OrderMeans::Discount});

    const Purchase g = writer.writeInvoice(0, day(10), false);
    writer.writeOrder(QStringLiteral("PG"), day(25), {{&g, g.total}},
                      {OrderMeans::ThirdPartyCheque, OrderMeans::ChangeInCash});
}

} // namespace

void writeReceiptEntries(ado::Connection &company, quint64 seed, const QDate &firstDay)
{
    // A generator of their own: the collections drawn from the main one stay as they were.
    Prng prng(seed ^ 0x5052494e54ULL);
    company.BeginTrans();
    writeCatalogue(company);
    PurchasesWriter writer(company, prng);
    for (const int base : {0, 31})
        writeMonth(writer, prng, firstDay, base);
    // A PGFP paid partly in cash, drawn last so that the months' orders do not depend on it.
    const Purchase h = writer.writeInvoice(1, firstDay.addDays(31 + 11), false);
    writer.writeOrder(QStringLiteral("PGFP"), firstDay.addDays(31 + 27), {{&h, h.total}},
                      {OrderMeans::Cash, OrderMeans::Transfer, OrderMeans::Discount});
    writer.flush();
    company.CommitTrans();
}

} // namespace demo
