#include "demo/VoucherWriter.h"

#include "demo/DemoCatalog.h"
#include "demo/SqlLiteral.h"

namespace demo {

namespace {

QStringList columns(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','));
}

const QString Branch = QStringLiteral("0001");

QString salespersonCode(int customer)
{
    return salespersons().at(customers().at(customer).salesperson).code;
}

QString accountOf(Means means)
{
    switch (means) {
    case Means::Cash:
        return QString::fromLatin1(account::Cash);
    case Means::Cheque:
        return QString::fromLatin1(account::Cheques);
    case Means::Card:
        return QString::fromLatin1(account::Cards);
    case Means::Bank:
        return QString::fromLatin1(account::Bank);
    case Means::RetentionIva:
        return QString::fromLatin1(account::RetentionIva);
    case Means::RetentionGanancias:
        return QString::fromLatin1(account::RetentionGanancias);
    case Means::RetentionIngresosBrutos:
        return QString::fromLatin1(account::RetentionIngresosBrutos);
    case Means::RetentionOther:
        return QString::fromLatin1(account::RetentionOther);
    case Means::Discount:
        return QString::fromLatin1(account::DiscountsGranted);
    }
    return {};
}

QString detailOf(Means means)
{
    switch (means) {
    case Means::Cash:
        return QStringLiteral("EFECTIVO");
    case Means::Cheque:
        return QStringLiteral("CHEQUE");
    case Means::Card:
        return QStringLiteral("TARJETA DE CREDITO");
    case Means::Bank:
        return QStringLiteral("TRANSFERENCIA BANCARIA");
    case Means::RetentionIva:
        return QStringLiteral("RETENCION IVA");
    case Means::RetentionGanancias:
        return QStringLiteral("RETENCION GANANCIAS");
    case Means::RetentionIngresosBrutos:
        return QStringLiteral("RETENCION INGRESOS BRUTOS");
    case Means::RetentionOther:
        return QStringLiteral("RETENCION SUSS");
    case Means::Discount:
        return QStringLiteral("DESCUENTO OTORGADO");
    }
    return {};
}

// The electronic voucher code of an invoice or credit note, by letter.
QString electronicCode(const VoucherKey &key)
{
    const bool letterA = key.letter == QLatin1String("A");
    // The edge cases store the type as "fc" or "FC  ": still an invoice to the tax agency.
    const QString tc = key.tc.trimmed().toUpper();
    if (tc == QLatin1String("FC"))
        return sql::integer(letterA ? 1 : 6);
    if (tc == QLatin1String("NC"))
        return sql::integer(letterA ? 3 : 8);
    return sql::null();
}

} // namespace

VoucherWriter::VoucherWriter(ado::Connection &company, Prng &prng)
    : m_prng(prng)
    , m_headers(company, QStringLiteral("V_MV_CPTE"),
                columns("TC,IdComprobante,IdComplemento,Fecha,Nombre,NetoGravado,NetoNoGravado,Importe,Moneda,"
                        "documentotipo,documentonumero,CodCpteAfip,UNegocio,Cuenta,IdVendedor"))
    , m_lines(company, QStringLiteral("V_MV_CPTEINSUMOS"),
              columns("TC,IdComprobante,IdComplemento,IdArticulo,Descripcion,IdUnidad,IdUnidadBase,Cantidad,CantidadUd,"
                      "Equiv_UDBase,CANTIDAD_ORIGEN,Importe,Total,Importe_S_IVA,Importe_Ud,alicIva,PorcDto,Impuestos,"
                      "CondicionIva,ControladoPor,Ud_Pr,IdLista"))
    , m_entries(company, QStringLiteral("MV_ASIENTOS"), entryColumns())
    , m_applications(company, QStringLiteral("MV_APLICACION"), applicationColumns())
    , m_remarks(company, QStringLiteral("V_MV_CPTE_Observ"),
                columns("TC,IdComprobante,IdComplemento,Tipo_Obs,Observacion,Importe,Importe_S_IVA"))
    , m_electronic(company, QStringLiteral("V_MV_CPTE_ELECTRONICOS"), columns("TC,IDCOMPROBANTE,CAE,Fecha_CPTE"))
{
}

VoucherKey VoucherWriter::nextKey(const QString &tc, const QString &letter)
{
    // A type stored as "cb" or "CB  " is the same type to the database: one numbering.
    const int number = ++m_lastNumber[tc.trimmed().toUpper() + QLatin1Char('|') + letter];
    return {tc, Branch, QStringLiteral("%1").arg(number, 8, 10, QLatin1Char('0')), letter};
}

Sale VoucherWriter::writeSale(const QString &tc, int customer, const QDate &date, const QList<SaleLine> &lines)
{
    const QString letter = tc == QLatin1String("FP") ? QStringLiteral("X") : customers().at(customer).letter;
    const Sale sale{nextKey(tc, letter), customer, date, lines};
    writeHeader(sale.key, customer, date, sale.net(), sale.total(), true);
    writeLines(sale.key, lines);
    writeSaleEntry(sale, false);
    return sale;
}

Sale VoucherWriter::writeCreditNote(const Sale &origin, const QDate &date, const QList<SaleLine> &lines, qint64 applied)
{
    const QString tc = origin.key.tc == QLatin1String("FP") ? QStringLiteral("NCFP") : QStringLiteral("NC");
    const Sale note{nextKey(tc, origin.key.letter), origin.customer, date, lines};
    writeHeader(note.key, note.customer, date, note.net(), note.total(), true);
    writeLines(note.key, lines);
    writeSaleEntry(note, true);
    writeApplication(note.key, origin.key, applied, customers().at(note.customer).account, note.key);
    return note;
}

VoucherKey VoucherWriter::writeCollection(const Collection &collection)
{
    const VoucherKey key = nextKey(collection.tc, QStringLiteral("X"));
    const Customer &customer = customers().at(collection.customer);
    const qint64 total = collection.total();
    const QString seller = collection.withSalesperson ? salespersonCode(collection.customer) : QString();
    writeHeader(key, collection.customer, collection.date, 0, total, collection.withSalesperson);

    ++m_entryNumber;
    EntryLine credit{QStringLiteral("H"), customer.account, total, customer.name.toUpper(), seller};
    writeEntryLine(key, 1, collection.date, total, credit);
    int sequence = 1;
    for (const DebitLine &debit : collection.debits) {
        EntryLine line = debitLine(debit, collection);
        line.seller = seller;
        writeEntryLine(key, ++sequence, collection.date, total, line);
    }
    for (const Application &application : collection.applications)
        writeApplication(key, application.sale, application.amount, customer.account, key);
    return key;
}

EntryLine VoucherWriter::debitLine(const DebitLine &debit, const Collection &collection)
{
    EntryLine line{QStringLiteral("D"), debit.account.isEmpty() ? accountOf(debit.means) : debit.account, debit.amount,
                   debit.detail.isEmpty() ? detailOf(debit.means) : debit.detail, QString()};
    if (debit.means == Means::Cheque) {
        const QString number = QStringLiteral("%1").arg(++m_chequeNumber + 10000000);
        line.detail += QLatin1Char(' ') + number;
        line.chequeNumber = sql::text(number);
        line.chequeOwn = sql::integer(m_prng.chance(200) ? 1 : 0);
        line.drawer = sql::text(customers().at(collection.customer).cuit);
        line.bank = sql::text(bankCodes().at(static_cast<int>(m_prng.below(static_cast<quint64>(bankCodes().size())))));
        line.dueDate = sql::date(collection.date.addDays(m_prng.between(0, 30)));
    } else if (debit.means == Means::Card) {
        static const int instalments[] = {1, 3, 6};
        line.coupon = sql::text(QStringLiteral("%1").arg(++m_couponNumber, 6, 10, QLatin1Char('0')));
        line.member = sql::text(QStringLiteral("4509%1").arg(m_prng.below(1000000000000ULL), 12, 10, QLatin1Char('0')));
        line.instalments = sql::integer(instalments[m_prng.below(3)]);
    }
    return line;
}

void VoucherWriter::writeHeader(const VoucherKey &key, int customer, const QDate &date, qint64 net, qint64 total,
                                bool withSalesperson)
{
    const Customer &buyer = customers().at(customer);
    m_headers.add(
        {sql::text(key.tc), sql::text(key.id()), sql::integer(0), sql::date(date), sql::text(buyer.name.toUpper()),
         sql::money(net), sql::money(0), sql::money(total), sql::text(QStringLiteral("1")), sql::integer(80),
         sql::text(QString(buyer.cuit).remove(QLatin1Char('-'))), electronicCode(key), sql::text(company::unit()),
         sql::text(buyer.account), withSalesperson ? sql::text(salespersonCode(customer)) : sql::null()});
}

void VoucherWriter::writeLines(const VoucherKey &key, const QList<SaleLine> &lines)
{
    for (const SaleLine &line : lines) {
        const Article &article = articles().at(line.article);
        const qint64 unitWithVat = line.unitPrice + (line.unitPrice * line.vatTenths + 500) / 1000;
        const QString quantity = sql::integer(line.quantity);
        m_lines.add({sql::text(key.tc),
                     sql::text(key.id()),
                     sql::integer(0),
                     sql::text(article.code),
                     sql::text(article.description.toUpper()),
                     sql::text(QStringLiteral("UN")),
                     sql::text(QStringLiteral("UN")),
                     quantity,
                     quantity,
                     sql::integer(1),
                     quantity,
                     sql::money(unitWithVat),
                     sql::money(line.total()),
                     sql::money(line.unitPrice),
                     sql::money(line.unitPrice),
                     sql::money(line.vatTenths * 10),
                     sql::integer(0),
                     sql::money(0),
                     sql::text(QStringLiteral("1")),
                     sql::text(QStringLiteral("0")),
                     sql::text(QStringLiteral("UN")),
                     sql::text(line.priceList)});
    }
}

// Invoices debit the customer; credit notes credit it on their first line, as the settlement
// expects of them.
void VoucherWriter::writeSaleEntry(const Sale &sale, bool credit)
{
    const QString customerSide = credit ? QStringLiteral("H") : QStringLiteral("D");
    const QString otherSide = credit ? QStringLiteral("D") : QStringLiteral("H");
    const Customer &customer = customers().at(sale.customer);
    const QString seller = salespersonCode(sale.customer);
    ++m_entryNumber;
    writeEntryLine(sale.key, 1, sale.date, sale.total(),
                   {customerSide, customer.account, sale.total(), customer.name.toUpper(), seller});
    writeEntryLine(sale.key, 2, sale.date, sale.total(),
                   {otherSide, QString::fromLatin1(account::Sales), sale.net(), QStringLiteral("VENTAS"), seller});
    writeEntryLine(
        sale.key, 3, sale.date, sale.total(),
        {otherSide, QString::fromLatin1(account::VatDebit), sale.vat(), QStringLiteral("IVA DEBITO FISCAL"), seller});
}

void VoucherWriter::writeEntryLine(const VoucherKey &key, int sequence, const QDate &date, qint64 voucherTotal,
                                   const EntryLine &line)
{
    m_entries.add(entryRow(key, sequence, date, voucherTotal, m_entryNumber, line));
}

void VoucherWriter::writeApplication(const VoucherKey &from, const VoucherKey &to, qint64 amount,
                                     const QString &account, const VoucherKey &printed)
{
    m_applications.add(applicationRow(from, to, amount, account, printed));
}

void VoucherWriter::writePrintExtras(const Sale &sale)
{
    m_remarks.add({sql::text(sale.key.tc), sql::text(sale.key.id()), sql::integer(0), sql::text(QStringLiteral("EN")),
                   sql::text(QStringLiteral("ENTREGAR EN HORARIO DE COMERCIO")), sql::null(), sql::null()});
    m_remarks.add({sql::text(sale.key.tc), sql::text(sale.key.id()), sql::integer(0), sql::text(QStringLiteral("PP")),
                   sql::text(QStringLiteral("GRACIAS POR SU COMPRA")), sql::null(), sql::null()});
    m_electronic.add({sql::text(sale.key.tc), sql::text(sale.key.id()), sql::text(QStringLiteral("74123456789012")),
                      sql::date(sale.date)});
}

void VoucherWriter::flush()
{
    m_headers.flush();
    m_lines.flush();
    m_entries.flush();
    m_applications.flush();
    m_remarks.flush();
    m_electronic.flush();
}

} // namespace demo
