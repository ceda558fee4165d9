#include "demo/EdgeCases.h"

#include "demo/BatchInserter.h"
#include "demo/DemoCatalog.h"
#include "demo/SqlLiteral.h"

#include <initializer_list>
#include <utility>

namespace demo {

namespace {

// Customers (indexes into customers()), each on list 0001 but the last.
constexpr int KioscoSanJose = 12; // salesperson 0005
constexpr int AlmacenLaEsquina = 16; // salesperson 0001
constexpr int LibreriaLaEsquina = 21; // salesperson 0006
constexpr int FerreteriaLosAlamos = 25; // salesperson 0002
constexpr int PanaderiaOHiggins = 38; // list 0002, salesperson 0007 D'ANGELO LUCIA

// Articles (indexes into articles()).
constexpr int Yerba = 0, Azucar = 1, Harina = 2, Fideos = 5, Gaseosa = 7, Vino = 9, Papel = 12, Martillo = 14,
              Destornillador = 15;

DebitLine on(const char *account, Means means, qint64 amount, const char *detail = "")
{
    return {means, amount, QString::fromLatin1(account), QString::fromLatin1(detail)};
}

class EdgeCaseWriter {
public:
    EdgeCaseWriter(VoucherWriter &writer, const QDate &firstDay)
        : m_writer(writer)
        , m_firstDay(firstDay)
    {
    }

    // `start`: the offset of the month's first day.
    void writeMonth(int start, bool march)
    {
        typesStoredOddly(start);
        unlistedAccountAndRepeatedLines(start);
        twoCollectionsOfOneDay(start);
        if (march)
            creditedInPart(start);
        else
            withoutSalesperson(start);
    }

private:
    Sale sale(const QString &tc, int customer, int day, std::initializer_list<std::pair<int, int>> articles)
    {
        QList<SaleLine> lines;
        for (const auto &[article, quantity] : articles)
            lines.append(priceLine(article, quantity, customers().at(customer).priceList));
        return m_writer.writeSale(tc, customer, m_firstDay.addDays(day), lines);
    }

    void collect(const QString &tc, int customer, int day, const Application &application,
                 const QList<DebitLine> &debits, bool withSalesperson = true)
    {
        m_writer.writeCollection({tc, customer, m_firstDay.addDays(day), withSalesperson, {application}, debits});
    }

    void typesStoredOddly(int start)
    {
        const Sale paid = sale(QStringLiteral("fc"), KioscoSanJose, start + 3, {{Azucar, 5}, {Fideos, 3}});
        collect(QStringLiteral("cb"), KioscoSanJose, start + 6, {paid.key, paid.total()},
                {on(account::PettyCash, Means::Cash, 500000, "EFECTIVO CAJA CHICA"),
                 on(account::VirtualWallet, Means::Bank, paid.total() - 500000, "BILLETERA VIRTUAL")});
    }

    void unlistedAccountAndRepeatedLines(int start)
    {
        const Sale paid = sale(QStringLiteral("FC  "), AlmacenLaEsquina, start + 10,
                               {{Harina, 2}, {Harina, 2}, {Gaseosa, 1}, {Gaseosa, 3}});
        collect(QStringLiteral("CB  "), AlmacenLaEsquina, start + 13, {paid.key, paid.total()},
                {on(account::BankPampa, Means::Bank, 1000000),
                 on(account::Unlisted, Means::Bank, paid.total() - 1000000, "DOCUMENTOS A COBRAR")});
    }

    void twoCollectionsOfOneDay(int start)
    {
        const Sale paid = sale(QStringLiteral("FC"), PanaderiaOHiggins, start + 14, {{Yerba, 2}, {Papel, 4}});
        const qint64 first = 800000;
        collect(QStringLiteral("CB"), PanaderiaOHiggins, start + 20, {paid.key, first}, {{Means::Cash, first}});
        collect(QStringLiteral("CBCT"), PanaderiaOHiggins, start + 20, {paid.key, paid.total() - first},
                {{Means::Bank, paid.total() - first}});
    }

    void creditedInPart(int start)
    {
        const Sale paid =
            sale(QStringLiteral("FC"), FerreteriaLosAlamos, start + 8, {{Martillo, 1}, {Destornillador, 2}});
        const SaleLine returned = priceLine(Destornillador, 1, customers().at(FerreteriaLosAlamos).priceList);
        const qint64 applied = returned.total() / 2;
        m_writer.writeCreditNote(paid, m_firstDay.addDays(start + 16), {returned}, applied);
        collect(QStringLiteral("CB"), FerreteriaLosAlamos, start + 23, {paid.key, paid.total() - applied},
                {{Means::Cash, paid.total() - applied}});
    }

    void withoutSalesperson(int start)
    {
        const Sale paid = sale(QStringLiteral("FC"), LibreriaLaEsquina, start + 6, {{Vino, 1}});
        collect(QStringLiteral("CB"), LibreriaLaEsquina, start + 9, {paid.key, paid.total()},
                {{Means::Cash, paid.total()}}, false);
    }

    VoucherWriter &m_writer;
    QDate m_firstDay;
};

} // namespace

void writeEdgeCaseAccounts(ado::Connection &company)
{
    BatchInserter accounts(company, QStringLiteral("MA_CUENTAS"),
                           {QStringLiteral("Codigo"), QStringLiteral("Descripcion"), QStringLiteral("MedioDePago"),
                            QStringLiteral("TipoVista")});
    accounts.add({sql::text(QString::fromLatin1(account::PettyCash)), sql::text(QStringLiteral("CAJA CHICA")),
                  sql::text(QStringLiteral("ef")), sql::null()});
    accounts.add({sql::text(QString::fromLatin1(account::BankPampa)),
                  sql::text(QStringLiteral("BANCO DE LA PAMPA CTA CTE")), sql::text(QStringLiteral("Db")),
                  sql::text(QStringLiteral("BC"))});
    accounts.add({sql::text(QString::fromLatin1(account::VirtualWallet)),
                  sql::text(QStringLiteral("BILLETERA VIRTUAL A COBRAR")), sql::text(QStringLiteral("BV")),
                  sql::null()});
    accounts.flush();
}

void writeEdgeCases(VoucherWriter &writer, const QDate &firstDay)
{
    EdgeCaseWriter cases(writer, firstDay);
    cases.writeMonth(0, true);
    cases.writeMonth(static_cast<int>(firstDay.daysTo(firstDay.addMonths(1))), false);
}

} // namespace demo
