#include "demo/Vouchers.h"

#include "demo/DemoCatalog.h"

namespace demo {

SaleLine priceLine(int article, int quantity, const QString &priceList)
{
    SaleLine line;
    line.article = article;
    line.quantity = quantity;
    line.priceList = priceList;
    line.unitPrice = listPrice(articles().at(article), priceList);
    line.vatTenths = articles().at(article).vatTenths;
    line.net = line.unitPrice * quantity;
    line.vat = (line.net * line.vatTenths + 500) / 1000;
    return line;
}

qint64 Sale::net() const
{
    qint64 sum = 0;
    for (const SaleLine &line : lines)
        sum += line.net;
    return sum;
}

qint64 Sale::vat() const
{
    qint64 sum = 0;
    for (const SaleLine &line : lines)
        sum += line.vat;
    return sum;
}

qint64 Sale::total() const
{
    return net() + vat();
}

qint64 Collection::total() const
{
    qint64 sum = 0;
    for (const Application &application : applications)
        sum += application.amount;
    return sum;
}

} // namespace demo
