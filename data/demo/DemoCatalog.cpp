#include "demo/DemoCatalog.h"

namespace demo {

namespace {

QList<Customer> makeCustomers()
{
    const QStringList kinds = {QStringLiteral("Almacen"),      QStringLiteral("Ferreteria"),
                               QStringLiteral("Autoservicio"), QStringLiteral("Distribuidora"),
                               QStringLiteral("Kiosco"),       QStringLiteral("Libreria"),
                               QStringLiteral("Panaderia"),    QStringLiteral("Restaurante")};
    const QStringList names = {QStringLiteral("El Progreso"), QStringLiteral("San Jose"), QStringLiteral("La Esquina"),
                               QStringLiteral("Los Alamos"), QStringLiteral("O'Higgins")};
    QList<Customer> list;
    for (int i = 0; i < kinds.size() * names.size(); ++i) {
        Customer customer;
        customer.account = QStringLiteral("1.3.01.%1").arg(i + 1, 3, 10, QLatin1Char('0'));
        customer.name = kinds.at(i % kinds.size()) + QLatin1Char(' ') + names.at(i / kinds.size());
        customer.cuit = QStringLiteral("30-%1-%2").arg(70000000 + 1111 * (i + 1)).arg((i * 7) % 10);
        customer.letter = i % 4 == 3 ? QStringLiteral("B") : QStringLiteral("A");
        customer.priceList = i % 3 == 2 ? QStringLiteral("0002") : QStringLiteral("0001");
        customer.salesperson = i % 8;
        list.append(customer);
    }
    return list;
}

QList<Article> makeArticles()
{
    struct Row {
        const char *description;
        const char *group;
        const char *routing;
        qint64 price;
        int vat;
    };
    static const Row rows[] = {
        {"Yerba mate 1 kg", "01", "", 285000, 210},       {"Azucar 1 kg", "01", "", 98000, 105},
        {"Harina 000 1 kg", "01", "C", 76000, 105},       {"Aceite girasol 1,5 l", "01", "", 231000, 210},
        {"Arroz largo fino 1 kg", "01", "", 112000, 105}, {"Fideos secos 500 g", "01", "", 64000, 210},
        {"Cafe molido 500 g", "02", "B", 412000, 210},    {"Gaseosa cola 2,25 l", "02", "B", 178000, 210},
        {"Agua mineral 2 l", "02", "", 69000, 210},       {"Vino tinto 750 ml", "02", "B", 356000, 210},
        {"Lavandina 1 l", "03", "", 54000, 210},          {"Detergente 750 ml", "03", "", 121000, 210},
        {"Papel higienico x4", "03", "", 187000, 210},    {"Jabon en polvo 800 g", "03", "", 265000, 210},
        {"Martillo carpintero", "04", "", 1249000, 210},  {"Destornillador plano", "04", "", 438000, 210},
        {"Cinta metrica 5 m", "04", "", 611000, 210},     {"Pinza universal", "04", "", 897000, 210},
        {"Tornillos 6x40 x100", "04", "", 352000, 210},   {"Lampara LED 9 W", "04", "", 289000, 210},
    };
    QList<Article> list;
    int index = 0;
    for (const Row &row : rows) {
        ++index;
        list.append({QStringLiteral("A%1").arg(index, 3, 10, QLatin1Char('0')), QString::fromUtf8(row.description),
                     QString::fromLatin1(row.group), QString::fromLatin1(row.routing), row.price, row.vat});
    }
    return list;
}

} // namespace

const QList<Salesperson> &salespersons()
{
    static const QList<Salesperson> list = {
        {QStringLiteral("0001"), QStringLiteral("GOMEZ MARIA LAURA")},
        {QStringLiteral("0002"), QStringLiteral("PEREZ JUAN CARLOS")},
        {QStringLiteral("0003"), QStringLiteral("FERNANDEZ ANA")},
        {QStringLiteral("0004"), QStringLiteral("LOPEZ RICARDO")},
        {QStringLiteral("0005"), QStringLiteral("MARTINEZ SOFIA")},
        {QStringLiteral("0006"), QStringLiteral("GARCIA PABLO")},
        {QStringLiteral("0007"), QStringLiteral("D'ANGELO LUCIA")},
        {QStringLiteral("0008"), QStringLiteral("SANCHEZ DIEGO")},
    };
    return list;
}

const QList<Customer> &customers()
{
    static const QList<Customer> list = makeCustomers();
    return list;
}

const QList<Article> &articles()
{
    static const QList<Article> list = makeArticles();
    return list;
}

qint64 listPrice(const Article &article, const QString &priceList)
{
    // List 0002 is the wholesale list: ten percent off, to the cent.
    return priceList == QLatin1String("0002") ? (article.price * 90 + 50) / 100 : article.price;
}

int commissionTenths(int articleIndex, const QString &priceList)
{
    const bool wholesale = priceList == QLatin1String("0002");
    if (wholesale && articleIndex == articles().size() - 1)
        return 0;
    return 20 + (articleIndex % 7) * 5 - (wholesale ? 5 : 0);
}

namespace company {

QString name()
{
    return QStringLiteral("DISTRIBUIDORA PAMPEANA S.A.");
}

QString cuit()
{
    return QStringLiteral("30-12345678-9");
}

QString unit()
{
    return QStringLiteral("0001");
}

} // namespace company

QStringList bankCodes()
{
    return {QStringLiteral("0001"), QStringLiteral("0002"), QStringLiteral("0003"), QStringLiteral("0004"),
            QStringLiteral("0005")};
}

} // namespace demo
